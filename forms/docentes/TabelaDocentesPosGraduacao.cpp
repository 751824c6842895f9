#include "TabelaDocentesPosGraduacao.h"

#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 76;
    d.campos = {
        CampoPai(u"Docente"_s, u"Docente"_s, 11, PesquisaFixa::Nada,
            u"O campo Docente deve estar preenchido. Operação interrompida."_s),
        CampoPesquisa(u"PosGraduacao"_s, u"Pós-graduação"_s, 15)
            .Obrigatorio(u"O campo Pós-graduação deve estar preenchido. Operação interrompida."_s),
    };
    d.colunas
        = { Gravar(u"Docente"_s).DoControle(u"EditDocente"_s).Sempre(), Gravar(u"PosGraduacao"_s) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    return d;
}
} // namespace

TFormTabelaDocentesPosGraduacao::TFormTabelaDocentesPosGraduacao(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

REGISTRAR_JANELA(76, TFormTabelaDocentesPosGraduacao)
