#include "TabelaGenerica.h"

namespace {
DescricaoJanela descricao(int numero)
{
    DescricaoJanela d;
    d.numero = numero;
    return d;
}
} // namespace

TFormTabelaGenerica::TFormTabelaGenerica(int numero, QWidget *parent)
    : TFormTabela(descricao(numero), parent)
{
}
