#pragma once
// Escolha do nível de acesso antes de conectar.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class TFormLogin : public QDialog {
    Q_OBJECT
public:
    explicit TFormLogin(QWidget *parent = nullptr);

    // 0 no início; 1 nível escolhido; 2 cancelado (também pela caixa de fechar).
    int ResultadoModal = 0;

    QLabel *LabelNivel = nullptr;
    QLabel *LabelEscolha = nullptr;
    QComboBox *EditUsuario = nullptr;
    QPushButton *BitBtnOk = nullptr;
    QPushButton *BitBtnCancelar = nullptr;

    void reject() override; // Cancelar, Esc e a caixa de fechar

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void escolher(int posicao);
    void BitBtnOkClick();
};
