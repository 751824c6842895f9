#include "Aguarde.h"

#include "Aplicacao.h"

#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFormAguarde::TFormAguarde(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(u"FormAguarde"_s);
    setWindowTitle(u"Tarvisco"_s);
    Label1 = new QLabel(u"Por favor, aguarde..."_s, this);
    Label1->setObjectName(u"Label1"_s);
    Label1->setAlignment(Qt::AlignCenter);
    auto *coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(40, 24, 40, 24);
    coluna->addWidget(Label1);
}

void TFormAguarde::showEvent(QShowEvent *evento)
{
    if (!evento->spontaneous())
        CentralizarNaTela(this);
    QDialog::showEvent(evento);
}
