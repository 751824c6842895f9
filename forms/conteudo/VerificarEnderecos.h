#pragma once
// "Verificar endereços" das janelas de links e de downloads: confere em segundo plano cada
// endereço completo da lista como está na tela (VerificacaoEnderecos), com a barra de
// progresso e Cancelar, e mostra as linhas que responderam com erro ou não responderam;
// um duplo clique (ou "Mostrar") leva à linha na janela. Nada é gravado no banco.
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class TFormTabela;
class VerificacaoEnderecos;

class TFormVerificarEnderecos : public QDialog {
    Q_OBJECT
public:
    // 'coluna': a coluna da lista com o endereço ("URL", "Arquivo").
    TFormVerificarEnderecos(TFormTabela &janela, const QString &coluna);

    // Lê a lista da janela e começa (de novo).
    void Iniciar();
    VerificacaoEnderecos &Verificacao() const { return *m_verificacao; }
    // Mostra na janela a linha da falha realçada; false se não há (ou a janela edita).
    bool MostrarFalha();

    QLabel *LabelVerificacao;
    QProgressBar *ProgressBarVerificacao;
    QTreeWidget *ListaFalhas;
    QPushButton *BitBtnCancelar, *BitBtnMostrar, *BitBtnFechar;

private:
    void terminou();

    TFormTabela &m_janela;
    QString m_coluna;
    VerificacaoEnderecos *m_verificacao;
};

// Abre (ou traz para a frente e recomeça) a verificação da janela.
TFormVerificarEnderecos *VerificarEnderecos(TFormTabela &janela, const QString &coluna);
