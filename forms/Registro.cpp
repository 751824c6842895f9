#include "Registro.h"

#include "CatalogoJanelas.h"
#include "Descricao.h"
#include "TabelaGenerica.h"

#include <QHash>
#include <QPointer>
#include <algorithm>

namespace {
QHash<int, Registro::Fabrica> &fabricas()
{
    static QHash<int, Registro::Fabrica> f;
    return f;
}

QHash<int, QPointer<TFormTabela>> &janelas()
{
    static QHash<int, QPointer<TFormTabela>> j;
    return j;
}

Registro::Historico &historico()
{
    static Registro::Historico h;
    return h;
}

TFormTabela *criar(int numero)
{
    const auto f = fabricas().value(numero);
    // janelas de primeiro nível, sem mãe (a janela principal não é dona delas)
    TFormTabela *janela = f ? f(nullptr) : new TFormTabelaGenerica(numero, nullptr);
    janela->hide();
    return janela;
}
} // namespace

namespace Registro {
QList<int> NumerosJanelas()
{
    return CatalogoJanelas::Numeros();
}

bool DefinirFabrica(int numero, Fabrica fabrica)
{
    fabricas()[numero] = std::move(fabrica);
    return true;
}

bool TemEditor(int numero)
{
    return fabricas().contains(numero);
}

TFormTabela *Janela(int numero)
{
    if (const CatalogoJanelas::Janela *c = CatalogoJanelas::JanelaDe(numero); c && c->servidaPor)
        numero = c->servidaPor;
    if (!NumerosJanelas().contains(numero))
        return nullptr;
    QPointer<TFormTabela> &j = janelas()[numero];
    if (!j)
        j = criar(numero);
    return j;
}

QList<TFormTabela *> JanelasCriadas()
{
    QList<int> numeros = janelas().keys();
    std::sort(numeros.begin(), numeros.end());
    QList<TFormTabela *> criadas;
    for (int n : numeros)
        if (TFormTabela *j = janelas().value(n))
            criadas << j;
    return criadas;
}

void DestruirJanelas()
{
    for (QPointer<TFormTabela> &j : janelas())
        delete j.data();
    janelas().clear();
}

bool DefinirHistorico(Historico h)
{
    historico() = std::move(h);
    return true;
}

bool TemHistorico(int numero)
{
    return historico().tem && historico().tem(numero);
}

void MostrarHistorico(int numero, const QString &id, bool modal)
{
    if (historico().mostrar)
        historico().mostrar(numero, id, modal);
}

QStringList ConferirDescricoes()
{
    QStringList erros;
    for (auto it = fabricas().cbegin(); it != fabricas().cend(); ++it) {
        if (!CatalogoJanelas::JanelaDe(it.key())
            || CatalogoJanelas::JanelaDe(it.key())->servidaPor) {
            erros << QStringLiteral("janela %1: registrada, mas não está no catálogo das janelas")
                         .arg(it.key());
            continue;
        }
        TFormTabela *j = Janela(it.key());
        erros << ConferirDescricao(j->Descricao(), it.key());
    }
    return erros;
}
} // namespace Registro
