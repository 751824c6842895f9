#pragma once
// Caixa "Sobre o programa...": créditos; no início do programa serve de abertura,
// sem botão e fechada pelo próprio temporizador.
#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

class TFormSobre : public QDialog {
    Q_OBJECT
public:
    explicit TFormSobre(QWidget *parent = nullptr);

    // Endereço da empresa que desenvolveu o programa (clique na figura).
    static QString EnderecoEmpresa();

    QLabel *Image1 = nullptr;
    QTextEdit *About = nullptr;
    QPushButton *BitBtnOk = nullptr;
    QTimer *Timer = nullptr; // 3000 ms, parado até a janela principal ligá-lo

    // Põe as linhas na frente dos créditos e mostra a caixa sem esperar, por cima,
    // sem o botão OK e com o temporizador ligado.
    void MostrarAbertura(const QStringList &linhas);

protected:
    void showEvent(QShowEvent *evento) override;
    void hideEvent(QHideEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;
};
