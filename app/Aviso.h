#pragma once
// Aviso de versão desatualizada, mostrado depois de ler as configurações do servidor.
#include <QDialog>

class QLabel;
class QPushButton;

class TFormAviso : public QDialog {
    Q_OBJECT
public:
    explicit TFormAviso(QWidget *parent = nullptr);

    // 0 no início; 1 depois de OK; 3 depois de Sair; 2 pela caixa de fechar ou Esc.
    int ResultadoModal = 0;

    QLabel *LabelTitulo = nullptr;
    QLabel *LabelTexto = nullptr;
    QLabel *LabelURLFrase = nullptr;
    QLabel *LabelURL = nullptr;
    QPushButton *BitBtnOk = nullptr;
    QPushButton *BitBtnDesligarPrograma = nullptr;

    void reject() override;
    void LabelURLClick();

protected:
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;
};
