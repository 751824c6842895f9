#include "Tabela.h"

TFormTabela::TFormTabela(QWidget *parent)
    : QDialog(parent)
{
    LabelEscolha = new QLabel(this);
    LabelEscolha->setObjectName(QStringLiteral("LabelEscolha"));
}

QString TFormTabela::NomePorId(const QString &) { return {}; }
