#include "PedidoSenha.h"

#include "Aplicacao.h"
#include "Banco.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFormSenha::TFormSenha(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"FormSenha"_s);
    setWindowTitle(u"Login do Banco de Dados"_s);

    LabelFonte = new QLabel(this);
    LabelFonte->setObjectName(u"LabelFonte"_s);
    EditUsuario = new QLineEdit(this);
    EditUsuario->setObjectName(u"EditUsuario"_s);
    EditSenha = new QLineEdit(this);
    EditSenha->setObjectName(u"EditSenha"_s);
    EditSenha->setEchoMode(QLineEdit::Password);

    auto *formulario = new QFormLayout;
    auto *rotuloFonte = new QLabel(u"Banco de dados:"_s, this);
    rotuloFonte->setBuddy(LabelFonte);
    formulario->addRow(rotuloFonte, LabelFonte);
    auto *rotuloUsuario = new QLabel(u"&Nome do usuário:"_s, this);
    rotuloUsuario->setBuddy(EditUsuario);
    EditUsuario->setAccessibleName(u"Nome do usuário"_s);
    formulario->addRow(rotuloUsuario, EditUsuario);
    auto *rotuloSenha = new QLabel(u"&Senha:"_s, this);
    rotuloSenha->setBuddy(EditSenha);
    EditSenha->setAccessibleName(u"Senha"_s);
    formulario->addRow(rotuloSenha, EditSenha);

    BitBtnOk = new QPushButton(u"OK"_s, this);
    BitBtnOk->setObjectName(u"BitBtnOk"_s);
    BitBtnOk->setDefault(true);
    BitBtnCancelar = new QPushButton(u"Cancelar"_s, this);
    BitBtnCancelar->setObjectName(u"BitBtnCancelar"_s);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BitBtnOk);
    botoes->addWidget(BitBtnCancelar);

    auto *coluna = new QVBoxLayout(this);
    coluna->addLayout(formulario);
    coluna->addLayout(botoes);
    setMinimumWidth(320);

    connect(BitBtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtnCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFormSenha::Pedir(const QString &fonte, QString &usuario, QString &senha)
{
    TFormSenha caixa(QApplication::activeWindow());
    caixa.LabelFonte->setText(fonte);
    caixa.EditUsuario->setText(usuario);
    caixa.EditSenha->setFocus();
    caixa.adjustSize();
    CentralizarNaTela(&caixa);
    if (caixa.exec() != QDialog::Accepted)
        return false;
    usuario = caixa.EditUsuario->text();
    senha = caixa.EditSenha->text();
    return true;
}

void InstalarPedidoSenha()
{
    TDatabase::DefinirPedidoSenha(&TFormSenha::Pedir);
}
