#pragma once
// Destino das linhas do registro na janela principal: o texto rico RichEditEventos,
// o painel da barra de status e o título da janela.
#include "Rotinas.h"
#include "Rtf.h"

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

    // As linhas com as suas cores, como vão para o RTF (também as de um bloco aberto).
    QList<Rtf::Linha> Linhas() const;

private:
    // Põe no documento, numa só edição, o que o bloco guardou, e rola até o fim.
    void despejar();
    QTextEdit *m_texto;
    QLabel *m_status;
    QWidget *m_janela;
    // Bloco aberto: as linhas ainda fora do documento (as que um esvaziamento no meio do
    // bloco descartou nem chegam a ele), quantas linhas de texto elas somam e se o
    // documento é esvaziado antes delas.
    bool m_emBloco = false;
    QList<Rtf::Linha> m_pendentes;
    int m_linhasPendentes = 0;
    bool m_esvaziar = false;
};
