#include "TabelaDocenteCategorias.h"

#include "Registro.h"

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
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Sigla"_s) };
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

REGISTRAR_JANELA(13, TFormTabelaDocenteCategorias)
