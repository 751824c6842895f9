#include "CamposEnsino.h"

#include "Mensagens.h"
#include "TabelaDisciplinas.h"

using namespace Qt::StringLiterals;

namespace Ensino {
namespace {
const QString Graduacao = u"EditGraduacao"_s;
const QString Posgraduacao = u"EditPosgraduacao"_s;

// Um programa preenchido que não é a linha "[vazio]".
bool real(const TFormTabela &j, const QString &controle)
{
    return !j.Texto(controle).isEmpty() && j.Texto(controle + u"_Nome"_s) != u"[vazio]"_s;
}

// Depois de escolher 'escolhida': se o nome dela não é vazio nem "[vazio]" e a outra está
// preenchida, a outra é esvaziada.
Campo exclusiva(Campo c, const QString &escolhida, const QString &outra, const QString &mensagem)
{
    return c.DepoisDeEscolher([escolhida, outra, mensagem](TFormTabela &j) {
        const QString nome = j.Texto(escolhida + u"_Nome"_s);
        if (j.Texto(outra).isEmpty() || nome.isEmpty() || nome == u"[vazio]"_s)
            return;
        Mensagens::Informar(mensagem);
        j.Gravacao().Zerar(outra);
    });
}
} // namespace

QList<Campo> CamposDisciplina()
{
    return {
        CampoPesquisa(u"Disciplina"_s, u"Disciplina"_s, 32)
            .Fixa(PesquisaFixa::Nada)
            .Obrigatorio(u"O campo Disciplina precisa estar preenchido. Operação interrompida."_s)
            .Exibir([](TFormTabela &j, const QString &id) {
                // Uma leitura dá o código (ao lado) e o nome.
                const DadosDisciplina d = TFormTabelaDisciplinas::Janela()->DadosPorId(id);
                j.DefinirTexto(u"EditCodigoKVA"_s, d.codigo);
                return d.nome;
            }),
        CampoEdit(u"CodigoKVA"_s, {}, 0).ForaDaLinha().Regra(RegraCampo::Fixo).AoLado(),
    };
}

QList<Campo> CamposOutraDisciplina(const QString &coluna, const QString &controle,
    const QString &rotulo, const QString &obrigatorio)
{
    const QString codigo = controle + u"_CodigoKVA"_s;
    return {
        CampoPesquisa(coluna, rotulo, 36)
            .NoControle(controle)
            .Obrigatorio(obrigatorio)
            .Exibir([codigo](TFormTabela &j, const QString &id) {
                // Uma leitura dá o código (ao lado) e o nome.
                const DadosDisciplina d = TFormTabelaDisciplinas::Janela()->DadosPorId(id);
                j.DefinirTexto(codigo, d.codigo);
                return d.nome;
            }),
        CampoEdit(codigo.mid(4), {}, 0).ForaDaLinha().Regra(RegraCampo::Fixo).AoLado(),
    };
}

Campo PesquisaGraduacao(const QString &rotulo, const QString &mensagemZerada)
{
    return exclusiva(
        CampoPesquisa(u"Graduacao"_s, rotulo, 14), Graduacao, Posgraduacao, mensagemZerada);
}

Campo PesquisaPosgraduacao(const QString &rotulo, const QString &mensagemZerada)
{
    return exclusiva(CampoPesquisa(u"PosGraduacao"_s, rotulo, 15).NoControle(Posgraduacao),
        Posgraduacao, Graduacao, mensagemZerada);
}

bool ConferirProgramas(TFormTabela &j)
{
    if (!real(j, Graduacao) || !real(j, Posgraduacao))
        return true;
    Mensagens::Informar(u"A disciplina não pode ser oferecida simultaneamente na graduação e na "
                        "pós-graducação. Faça diferentes entradas na tabela.\n\rEscolha [vazio] "
                        "para um dos campos. Operação Interrompida."_s);
    return false;
}
} // namespace Ensino
