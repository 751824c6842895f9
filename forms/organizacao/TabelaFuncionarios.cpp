#include "TabelaFuncionarios.h"

#include "Mensagens.h"
#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
// As quatro unidades em que um funcionário pode atuar (uma só de cada vez).
struct Lotacao {
    QString coluna;
    QString rotulo;
    int escolha;
    QString mensagem; // ao escolher esta, as outras três são anuladas
};

const QList<Lotacao> &lotacoes()
{
    static const QList<Lotacao> l = {
        { u"Secao"_s, u"Seção"_s, 21,
            u"Você acabou de indicar que esse funcionário participa de uma seção. Portanto, "
            "os demais relacionamentos serão anulados."_s },
        { u"Centro"_s, u"Centro Pesq"_s, 30,
            u"Você acabou de indicar que esse funcionário participa de um centro de pesquisa. "
            "Portanto, os demais relacionamentos serão anulados."_s },
        { u"Assistencia"_s, u"Assistência"_s, 73,
            u"Você acabou de indicar que esse funcionário participa de uma assistência. "
            "Portanto, os demais relacionamentos serão anulados."_s },
        { u"Departamento"_s, u"Depto"_s, 10,
            u"Você acabou de indicar que esse funcionário pertence a um departamento. "
            "Portanto, os demais relacionamentos serão anulados."_s },
    };
    return l;
}

// A pesquisa de uma unidade: escolhida uma linha real, as outras três vão para a linha
// "[vazio]" de cada tabela, que tem o Id 1.
Campo campoLotacao(const Lotacao &escolhida)
{
    Campo c = CampoPesquisa(escolhida.coluna, escolhida.rotulo, escolhida.escolha);
    c.regraExtra = [escolhida](TFormTabela &j, const QString &) {
        if (j.Texto(u"Edit"_s + escolhida.coluna + u"_Nome"_s) == u"[vazio]"_s)
            return true;
        Mensagens::Informar(escolhida.mensagem);
        for (const Lotacao &outra : lotacoes())
            if (outra.coluna != escolhida.coluna) {
                j.DefinirTexto(u"Edit"_s + outra.coluna, u"1"_s);
                j.DefinirTexto(u"Edit"_s + outra.coluna + u"_Nome"_s, u"[vazio]"_s);
            }
        return true;
    };
    return c;
}

DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 27;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 150)
            .Obrigatorio(u"O campo NOME precisa estar preenchido. Operação interrompida."_s),
        CampoEdit(u"Codpes"_s, u"Código KVA"_s, 7).NoControle(u"EditCodKVA"_s),
        CampoEdit(u"Funcao"_s, u"Função"_s, 50),
        CampoEdit(u"Email"_s, u"E-mail"_s, 50),
        CampoEdit(u"Telefone"_s, u"Telefone"_s, 9),
    };
    for (const Lotacao &l : lotacoes())
        d.campos << campoLotacao(l);
    d.campos[5].Legenda(u"Identifique onde esse funcionário atua (apenas uma das opções):"_s);
    // As quatro unidades logo depois da função; e-mail e telefone por último.
    d.ordemExibicao = { u"EditNome"_s, u"EditCodKVA"_s, u"EditFuncao"_s, u"EditSecao"_s,
        u"EditCentro"_s, u"EditAssistencia"_s, u"EditDepartamento"_s };
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Codpes"_s), Gravar(u"Funcao"_s), Gravar(u"Secao"_s),
        Gravar(u"Centro"_s), Gravar(u"Assistencia"_s), Gravar(u"Departamento"_s),
        Gravar(u"Email"_s), Gravar(u"Telefone"_s) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.controlesReservados = { u"EditNome"_s };
    return d;
}
} // namespace

TFormTabelaFuncionarios::TFormTabelaFuncionarios(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

REGISTRAR_JANELA(27, TFormTabelaFuncionarios)
