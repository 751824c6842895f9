#pragma once
// Destino das linhas do registro na janela principal: o texto rico RichEditEventos,
// o painel da barra de status e o título da janela.
#include "Rotinas.h"
#include "Rtf.h"

#include <QTextCursor>

class QLabel;
class QTextEdit;
class QWidget;

class SaidaRichEdit : public SaidaEventos {
public:
    SaidaRichEdit(QTextEdit *texto, QLabel *status, QWidget *janela);

    int NumeroLinhas() const override;
    void Limpar() override;
    void AcrescentarLinha(const QString &texto, const QColor &cor) override;
    bool GravarRtf(const QString &caminho, QString *erro) override;
    void IniciarBloco() override;
    void TerminarBloco() override;
    void DefinirStatus(const QString &texto) override;
    void MostrarNota(const QString &texto) override;
    void DefinirTitulo(const QString &titulo) override;

    // As linhas com as suas cores, como vão para o RTF.
    QList<Rtf::Linha> Linhas() const;

private:
    QTextEdit *m_texto;
    // O cursor do bloco aberto (no fim do documento, numa edição só); nulo fora dele.
    QTextCursor m_bloco;
    QLabel *m_status;
    QWidget *m_janela;
};
