#include "Aviso.h"

#include "Aplicacao.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFormAviso::TFormAviso(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"FormAviso"_s);
    setWindowTitle(u"Aviso"_s);

    LabelTitulo = new QLabel(u"Versão desatualizada:"_s, this);
    LabelTitulo->setObjectName(u"LabelTitulo"_s);
    QFont negrito = LabelTitulo->font();
    negrito.setBold(true);
    LabelTitulo->setFont(negrito);

    LabelTexto = new QLabel(
        u"Há uma versão mais recente do programa Tarvisco disponível. A utilização de uma "
        "versão expirada pode comprometer a integridade dos dados no servidor. Por favor, "
        "entre em contato com o administrador da página."_s,
        this);
    LabelTexto->setObjectName(u"LabelTexto"_s);
    LabelTexto->setWordWrap(true);

    LabelURLFrase = new QLabel(u"Ou então acesse o endereço abaixo (basta clicar no link) para "
                               "fazer atualização do programa, mediante instruções:"_s,
        this);
    LabelURLFrase->setObjectName(u"LabelURLFrase"_s);
    LabelURLFrase->setWordWrap(true);

    LabelURL = new QLabel(u"[endereço não informado]"_s, this);
    LabelURL->setObjectName(u"LabelURL"_s);
    LabelURL->setAlignment(Qt::AlignCenter);
    LabelURL->setCursor(Qt::PointingHandCursor);
    LabelURL->setStyleSheet(u"color: blue; text-decoration: underline;"_s);
    LabelURL->setTextFormat(Qt::PlainText);
    LabelURL->installEventFilter(this);

    BitBtnOk = new QPushButton(u"&OK"_s, this);
    BitBtnOk->setObjectName(u"BitBtnOk"_s);
    BitBtnOk->setDefault(true);
    BitBtnDesligarPrograma = new QPushButton(u"&Sair"_s, this);
    BitBtnDesligarPrograma->setObjectName(u"BitBtnDesligarPrograma"_s);

    auto *coluna = new QVBoxLayout(this);
    coluna->addWidget(LabelTitulo);
    coluna->addWidget(LabelTexto);
    coluna->addSpacing(8);
    coluna->addWidget(LabelURLFrase);
    coluna->addWidget(LabelURL);
    coluna->addSpacing(8);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BitBtnOk);
    botoes->addWidget(BitBtnDesligarPrograma);
    botoes->addStretch();
    coluna->addLayout(botoes);
    setFixedWidth(420);

    connect(BitBtnOk, &QPushButton::clicked, this, [this] {
        ResultadoModal = 1;
        accept();
    });
    connect(BitBtnDesligarPrograma, &QPushButton::clicked, this, [this] {
        ResultadoModal = 3;
        QDialog::reject();
    });
}

void TFormAviso::reject()
{
    // Fechar a janela não é aceitar a versão desatualizada.
    ResultadoModal = 2;
    QDialog::reject();
}

void TFormAviso::showEvent(QShowEvent *evento)
{
    if (!evento->spontaneous()) {
        adjustSize();
        CentralizarNaTela(this);
    }
    QDialog::showEvent(evento);
}

bool TFormAviso::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == LabelURL && evento->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(evento)->button() == Qt::LeftButton) {
        LabelURLClick();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFormAviso::LabelURLClick()
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
    AbrirEndereco(LabelURL->text());
    QApplication::restoreOverrideCursor();
}
