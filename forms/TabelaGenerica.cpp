#include "TabelaGenerica.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao(int numero)
{
    DescricaoJanela d;
    d.numero = numero;
    d.colunaExibicao = TFormTabelaGenerica::ColunaExibicao(numero);
    d.exibicaoSemEspacos = numero == 11; // nomes de docentes sem espaços finais
    return d;
}
} // namespace

QString TFormTabelaGenerica::ColunaExibicao(int numero)
{
    switch (numero) {
    case 13:
        return u"Sigla"_s;
    case 19:
    case 71:
        return u"Titulo"_s;
    case 10:
    case 11:
    case 14:
    case 15:
    case 21:
    case 27:
    case 30:
    case 73:
        return u"Nome"_s;
    default:
        return {};
    }
}

TFormTabelaGenerica::TFormTabelaGenerica(int numero, QWidget *parent)
    : TFormTabela(descricao(numero), parent)
{
}
