#include "Registro.h"

#include "TabelaGenerica.h"

#include <QHash>
#include <QPointer>

namespace {
QHash<int, Registro::Fabrica> &fabricas()
{
    static QHash<int, Registro::Fabrica> f;
    return f;
}

// Os editores prontos entram uma vez, antes de qualquer outra troca de fábrica.
void garantirEditores()
{
    static bool feito = false;
    if (feito)
        return;
    feito = true;
    Registro::RegistrarEditores();
}

QHash<int, QPointer<TFormTabela>> &janelas()
{
    static QHash<int, QPointer<TFormTabela>> j;
    return j;
}

QWidget *&paiPadrao()
{
    static QWidget *p = nullptr;
    return p;
}

TFormTabela *criar(int numero)
{
    garantirEditores();
    const auto f = fabricas().value(numero);
    TFormTabela *janela = f ? f(paiPadrao()) : new TFormTabelaGenerica(numero, paiPadrao());
    janela->NumeroTabela = numero;
    janela->hide();
    return janela;
}
} // namespace

namespace Registro {
QList<int> NumerosJanelas()
{
    return { 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 30, 31, 32, 34,
        35, 36, 37, 38, 40, 41, 50, 51, 67, 68, 69, 70, 71, 72, 73, 74, 76, 77, 78, 79, 81 };
}

void DefinirFabrica(int numero, Fabrica fabrica)
{
    garantirEditores();
    fabricas()[numero] = std::move(fabrica);
}

void CriarJanelas(QWidget *pai)
{
    paiPadrao() = pai;
    for (int n : NumerosJanelas())
        Janela(n);
}

TFormTabela *Janela(int numero)
{
    if (!NumerosJanelas().contains(numero))
        return nullptr;
    QPointer<TFormTabela> &j = janelas()[numero];
    if (!j)
        j = criar(numero);
    return j;
}

void DestruirJanelas()
{
    for (QPointer<TFormTabela> &j : janelas())
        delete j.data();
    janelas().clear();
}
} // namespace Registro
