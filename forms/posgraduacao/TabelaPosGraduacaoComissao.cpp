#include "TabelaPosGraduacaoComissao.h"

#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    const QString membros
        = u"Os campos Titular e Suplente devem estar preenchidos. Operação interrompida."_s;
    DescricaoJanela d;
    d.numero = 72;
    d.campos = {
        CampoPesquisa(u"Titular"_s, u"Titular"_s, 11).Obrigatorio(membros),
        CampoPesquisa(u"Suplente"_s, u"Suplente"_s, 11).Obrigatorio(membros),
        CampoEdit(u"Funcao"_s, u"Função"_s, 30),
        CampoData(u"MandatoInicio"_s, u"DateMandatoInicio"_s, u"Mandato"_s).Dica(DicaDataNula()),
        CampoData(u"MandatoTermino"_s, u"DateMandatoTermino"_s, u"a"_s)
            .Dica(DicaDataNula())
            .AoLado(),
    };
    // Titular e suplente são obrigatórios: sempre no comando.
    d.colunas = { Gravar(u"Titular"_s).Sempre(), Gravar(u"Suplente"_s).Sempre(),
        Gravar(u"Funcao"_s), Gravar(u"MandatoInicio"_s), Gravar(u"MandatoTermino"_s) };
    d.formato.onde = u"WHERE Id={#EditId}"_s;
    return d;
}
} // namespace

TFormTabelaPosGraduacaoComissao::TFormTabelaPosGraduacaoComissao(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

REGISTRAR_JANELA(72, TFormTabelaPosGraduacaoComissao)
