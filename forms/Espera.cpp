#include "Espera.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget> &caixa()
{
    static QPointer<QWidget> c;
    return c;
}
} // namespace

void DefinirCaixaAguarde(QWidget *c)
{
    caixa() = c;
}

QWidget *CaixaAguarde()
{
    return caixa();
}

Espera::Espera()
{
    if (QWidget *c = caixa()) {
        c->show();
        // Uma volta nas mensagens pendentes para a caixa aparecer pintada.
        QCoreApplication::processEvents();
    }
}

Espera::~Espera()
{
    if (QWidget *c = caixa())
        c->hide();
}
