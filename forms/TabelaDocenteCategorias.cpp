#include "TabelaDocenteCategorias.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 13;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 30)
            .Obrigatorio(u"Campo Nome deve estar preenchido. Operação interrompida."_s),
        CampoEdit(u"Sigla"_s, u"Sigla"_s, 5),
    };
    d.alteracao = {
        { u"UPDATE {T} SET "_s, Sempre() },
        { u"Nome={'EditNome}"_s, Sempre() },
        { u",Sigla={'EditSigla}"_s, Sempre() },
        { u" WHERE Id={#EditId}"_s, Sempre() },
    };
    d.inclusao = {
        { u"INSERT INTO {T}("_s, Sempre() },
        { u"Nome"_s, Sempre() },
        { u",Sigla"_s, Sempre() },
        { u") VALUES ("_s, Sempre() },
        { u"{'EditNome}"_s, Sempre() },
        { u",{'EditSigla}"_s, Sempre() },
        { u")"_s, Sempre() },
    };
    d.colunaExibicao = u"Sigla"_s;
    return d;
}
} // namespace

TFormTabelaDocenteCategorias::TFormTabelaDocenteCategorias(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

// Abre com a lista, mas sem linha nos campos: eles ficam vazios até um clique.
void TFormTabelaDocenteCategorias::ExibirJanela()
{
    FormShow();
    ConsultarTabela();
}

void TFormTabelaDocenteCategorias::BitBtnEscolherClick()
{
    TFormTabela::BitBtnEscolherClick();
    MostrarRegistro();
}
