#include "TabelaDisciplinasRequisitos.h"

#include "CamposEnsino.h"
#include "Registro.h"
#include "TabelaDisciplinas.h"

#include <QGroupBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// A tabela de requisitos 'numero', cuja coluna 'coluna' (no controle 'controle') aponta a
// outra disciplina.
DescricaoJanela descricao(int numero, const QString &coluna, const QString &controle,
    const QString &rotulo, const QString &obrigatorio)
{
    DescricaoJanela d;
    d.numero = numero;
    d.campos = Ensino::CamposDisciplina()
        + Ensino::CamposOutraDisciplina(coluna, controle, rotulo, obrigatorio);
    // A disciplina vai entre aspas no UPDATE e sem elas no INSERT.
    d.colunas = { Gravar(u"Disciplina"_s)
                      .DoControle(u"EditDisciplina"_s)
                      .Como(TipoValor::Texto)
                      .SoNaAlteracao(),
        Gravar(u"Disciplina"_s).DoControle(u"EditDisciplina"_s).Sempre().SoNaInclusao(),
        Gravar(coluna) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    return d;
}

DescricaoJanela coRequisitos()
{
    DescricaoJanela d = descricao(35, u"Paralela"_s, u"EditParalela"_s, u"Co-requisito"_s,
        u"O campo Co-requisito precisa estar preenchido. Operação interrompida."_s);
    // A disciplina é sempre a da mãe, também com a lista vazia.
    d.campos[0].ForaDaLinha();
    d.paiSemLinha = true;
    return d;
}

DescricaoJanela preRequisitos()
{
    return descricao(37, u"Requisito"_s, u"EditPreRequisito"_s, u"Pré-requisito"_s,
        u"O campo Pré-requisito precisa estar preenchido. Operação interrompida."_s);
}

DescricaoJanela escolhaDeDisciplinas()
{
    DescricaoJanela d;
    d.numero = 36;
    d.largura = 420;
    return d;
}
} // namespace

// ---- Comum -------------------------------------------------------------------------

TFormTabelaRequisitos::TFormTabelaRequisitos(const DescricaoJanela &descricao, QWidget *parent)
    : TFormTabela(descricao, parent)
{
}

void TFormTabelaRequisitos::MontarControles()
{
    // A outra disciplina só é escolhida para a disciplina da mãe.
    const QString outra = Descricao().campos[2].controle;
    LigarDuploClique(Controle(outra + u"_Nome"_s), [this, outra] {
        if (Texto(u"EditDisciplina"_s) == IdDisciplina)
            ExecutarPesquisa(outra);
    });
}

// ---- Co-requisitos -----------------------------------------------------------------

TFormTabelaDisciplinasCoRequisitos::TFormTabelaDisciplinasCoRequisitos(QWidget *parent)
    : TFormTabelaRequisitos(coRequisitos(), parent)
{
}

void TFormTabelaDisciplinasCoRequisitos::ExibirJanela()
{
    TFormTabelaRequisitos::ExibirJanela();
    BitBtnModificar->hide(); // um par se inclui ou se apaga, não se altera
}

void TFormTabelaDisciplinasCoRequisitos::HabilitarCampos(bool on)
{
    TFormTabelaRequisitos::HabilitarCampos(on);
    BitBtnModificar->hide();
}

// ---- Pré-requisitos ----------------------------------------------------------------

TFormTabelaDisciplinasPreRequisitos::TFormTabelaDisciplinasPreRequisitos(QWidget *parent)
    : TFormTabelaRequisitos(preRequisitos(), parent)
{
}

// ---- Escolha de disciplinas --------------------------------------------------------

TFormTabelaDisciplinasCoRequisitos_Disciplinas::TFormTabelaDisciplinasCoRequisitos_Disciplinas(
    QWidget *parent)
    : TFormTabela(escolhaDeDisciplinas(), parent)
{
}

void TFormTabelaDisciplinasCoRequisitos_Disciplinas::MontarControles()
{
    GroupBox1->hide();
}

REGISTRAR_JANELA(35, TFormTabelaDisciplinasCoRequisitos)
REGISTRAR_JANELA(36, TFormTabelaDisciplinasCoRequisitos_Disciplinas)
REGISTRAR_JANELA(37, TFormTabelaDisciplinasPreRequisitos)
