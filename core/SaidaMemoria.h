#pragma once
// Destino do registro em memória: usado antes de haver janela principal e nos testes.
// Grava o RTF de verdade (salvo quando 'falharGravacao' simula uma falha).
#include "Rotinas.h"
#include "Rtf.h"

#include <QList>
#include <QStringList>

class SaidaMemoria : public SaidaEventos {
public:
    struct Linha {
        QString texto;
        QColor cor;
    };
    QList<Linha> linhas; // uma entrada por linha de texto
    QString status;
    QStringList notas; // notas passageiras da barra de status
    QString titulo;
    bool falharGravacao = false;
    QString ultimoArquivoGravado;

    int NumeroLinhas() const override { return int(linhas.size()); }
    void Limpar() override { linhas.clear(); }
    void AcrescentarLinha(const QString &texto, const QColor &cor) override
    {
        for (const QString &parte : texto.split(QStringLiteral("\r\n")))
            linhas.append({ parte, cor });
    }
    bool GravarRtf(const QString &caminho, QString *erro) override
    {
        if (falharGravacao) {
            if (erro)
                *erro = QStringLiteral("falha simulada");
            return false;
        }
        ultimoArquivoGravado = caminho;
        QList<Rtf::Linha> doc;
        for (const Linha &l : linhas)
            doc.append({ l.texto, l.cor });
        return Rtf::Gravar(caminho, doc, erro);
    }
    void DefinirStatus(const QString &texto) override { status = texto; }
    void MostrarNota(const QString &texto) override { notas.append(texto); }
    void DefinirTitulo(const QString &t) override { titulo = t; }
};
