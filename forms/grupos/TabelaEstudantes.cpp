#include "TabelaEstudantes.h"

#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 68;
    d.campos = {
        CampoPai(u"Agremiacao"_s, u"Agremiação"_s, 40, PesquisaFixa::Nada,
            u"O campo Agremiação deve estar preenchido. Operação interrompida."_s),
        CampoEdit(u"Nome"_s, u"Nome"_s, 150)
            .Obrigatorio(u"O campo Nome deve estar preenchido. Operação interrompida."_s),
        CampoEdit(u"Funcao"_s, u"Função"_s, 50),
        CampoPesquisa(u"Graduacao"_s, u"Graduação"_s, 14),
        CampoEdit(u"Email"_s, u"E-mail"_s, 50),
    };
    // Uma graduação vazia fica fora: a gravada continua.
    d.colunas = { Gravar(u"Agremiacao"_s).DoControle(u"EditAgremiacao"_s).Sempre(),
        Gravar(u"Nome"_s), Gravar(u"Graduacao"_s), Gravar(u"Funcao"_s), Gravar(u"Email"_s) };
    d.formato.onde = u"WHERE Id={#EditId}"_s;
    d.controlesReservados = { u"EditNome"_s };
    return d;
}
} // namespace

TFormTabelaEstudantes::TFormTabelaEstudantes(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

REGISTRAR_JANELA(68, TFormTabelaEstudantes)
