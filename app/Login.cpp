#include "Login.h"

#include "Aplicacao.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

TFormLogin::TFormLogin(QWidget *parent)
    : QDialog(parent,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"FormLogin"_s);
    setWindowTitle(u"Configuração de Usuário"_s);

    LabelEscolha = new QLabel(u"Escolha o nível de acesso que deseja utilizar:"_s, this);
    LabelEscolha->setObjectName(u"LabelEscolha"_s);
    LabelNivel = new QLabel(u"Nível de Acesso:"_s, this);
    LabelNivel->setObjectName(u"LabelNivel"_s);
    EditUsuario = new QComboBox(this);
    EditUsuario->setObjectName(u"EditUsuario"_s);
    EditUsuario->setEditable(false);
    EditUsuario->setMinimumContentsLength(36);
    LabelNivel->setBuddy(EditUsuario);
    LabelEscolha->setBuddy(EditUsuario);
    EditUsuario->setAccessibleName(u"Nível de Acesso"_s);

    BitBtnOk = new QPushButton(u"OK"_s, this);
    BitBtnOk->setObjectName(u"BitBtnOk"_s);
    BitBtnOk->setDefault(true);
    BitBtnCancelar = new QPushButton(u"&Cancelar"_s, this);
    BitBtnCancelar->setObjectName(u"BitBtnCancelar"_s);

    auto *grade = new QGridLayout(this);
    grade->addWidget(LabelEscolha, 0, 0, 1, 2);
    grade->addWidget(LabelNivel, 1, 0);
    grade->addWidget(EditUsuario, 1, 1);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BitBtnOk);
    botoes->addWidget(BitBtnCancelar);
    grade->addLayout(botoes, 2, 0, 1, 2);
    grade->setSizeConstraint(QLayout::SetFixedSize);

    // Escolher uma linha (mouse ou teclado) já aceita.
    connect(EditUsuario, &QComboBox::currentIndexChanged, this, [this](int posicao) {
        if (posicao >= 0)
            escolher(posicao);
    });
    connect(BitBtnOk, &QPushButton::clicked, this, &TFormLogin::BitBtnOkClick);
    connect(BitBtnCancelar, &QPushButton::clicked, this, &TFormLogin::reject);
}

void TFormLogin::showEvent(QShowEvent *evento)
{
    if (!evento->spontaneous()) {
        const QSignalBlocker bloqueio(EditUsuario);
        EditUsuario->clear();
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
            EditUsuario->addItem(NomeNivel(nivel));
        EditUsuario->setCurrentIndex(-1);
        CentralizarNaTela(this);
    }
    QDialog::showEvent(evento);
}

void TFormLogin::escolher(int posicao)
{
    NivelAcesso = posicao + 1;
    ResultadoModal = 1;
    accept();
}

void TFormLogin::BitBtnOkClick()
{
    if (EditUsuario->currentIndex() < 0) {
        Mensagens::Informar(u"O campo Usuário deve estar preenchido. Tente novamente."_s);
        return;
    }
    escolher(EditUsuario->currentIndex());
}

void TFormLogin::reject()
{
    ResultadoModal = 2;
    QDialog::reject();
}
