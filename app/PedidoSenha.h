#pragma once
// Pedido de senha da plataforma de banco de dados: nome da fonte de dados, nome do
// usuário (editável) e senha mascarada. Instalado com TDatabase::DefinirPedidoSenha.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TFormSenha : public QDialog {
    Q_OBJECT
public:
    explicit TFormSenha(QWidget *parent = nullptr);

    QLabel *LabelFonte = nullptr; // nome da fonte de dados
    QLineEdit *EditUsuario = nullptr;
    QLineEdit *EditSenha = nullptr;
    QPushButton *BitBtnOk = nullptr;
    QPushButton *BitBtnCancelar = nullptr;

    // Mostra a caixa (modal); false quando cancelada. 'usuario' pode voltar mudado.
    static bool Pedir(const QString &fonte, QString &usuario, QString &senha);
};

void InstalarPedidoSenha();
