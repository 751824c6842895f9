#pragma once
// Destino do registro em memória: usado antes de haver janela principal e nos testes.
#include "Rotinas.h"

#include <QList>

class SaidaMemoria : public SaidaEventos
{
public:
    struct Linha {
        QString texto;
        QColor cor;
    };
    QList<Linha> linhas; // uma entrada por linha de texto
    QString status;
    QString titulo;
    bool falharGravacao = false;
    QString ultimoArquivoGravado;

    int NumeroLinhas() const override { return int(linhas.size()); }
    void Limpar() override { linhas.clear(); }
    void AcrescentarLinha(const QString &texto, const QColor &cor) override
    {
        for (const QString &parte : texto.split(QStringLiteral("\r\n")))
            linhas.append({parte, cor});
    }
    bool GravarRtf(const QString &caminho, QString *erro) override
    {
        if (falharGravacao) {
            if (erro)
                *erro = QStringLiteral("falha simulada");
            return false;
        }
        ultimoArquivoGravado = caminho;
        return true;
    }
    void DefinirStatus(const QString &texto) override { status = texto; }
    void DefinirTitulo(const QString &t) override { titulo = t; }
};
