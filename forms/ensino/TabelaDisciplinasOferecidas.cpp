#include "TabelaDisciplinasOferecidas.h"

#include "CamposEnsino.h"
#include "CatalogoTabelas.h"
#include "ListasFixas.h"
#include "Mensagens.h"
#include "Registro.h"
#include "Rotinas.h"
#include "Servidor.h"
#include "TabelaDisciplinas.h"

#include <QGridLayout>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
// As colunas de cada um dos cinco horários da semana: dia, início, término, sala, bloco.
QStringList colunasDoHorario(int h)
{
    const QString sufixo = h ? QString::number(h + 1) : QString();
    return { u"Semana"_s + sufixo, u"Hora"_s + QString::number(2 * h + 1),
        u"Hora"_s + QString::number(2 * h + 2), u"Local"_s + QString::number(h + 2),
        u"Bloco"_s + sufixo };
}

DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 34;
    d.campos = Ensino::CamposDisciplina();
    // A disciplina vem da janela das disciplinas, com o código e o nome que ela mostra.
    d.campos[0].ForaDaLinha().Exibir([](TFormTabela &j, const QString &) {
        const auto &o = static_cast<TFormTabelaDisciplinasOferecidas &>(j);
        j.DefinirTexto(u"EditCodigoKVA"_s, o.CodigoDisciplina);
        return o.NomeDisciplina;
    });
    d.campos << Ensino::PesquisaGraduacao(u"Graduação"_s,
        u"Você acabou de selecionar uma graduação para essa disciplina oferecida. Portanto, o "
        "campo Pós-Graduação será zerado."_s)
                    .Largo()
             << Ensino::PesquisaPosgraduacao(u"Pós-graduação"_s,
                    u"Você acabou de selecionar uma pós-graduação para essa disciplina oferecida. "
                    "Portanto, o campo Graduação será zerado."_s)
                    .Largo()
             << CampoMascara(u"Semestre"_s, u"Semestre"_s, u"99;0;_"_s)
                    .Obrigatorio(
                        u"O campo Semestre precisa estar preenchido. Operação interrompida."_s)
             << CampoMascara(u"Vagas"_s, u"Vagas"_s, u"999;0;_"_s).AoLado()
             << CampoLista(u"Tipo"_s, u"Tipo"_s, ListasFixas::TiposDisciplina(), true, 11).AoLado()
             << CampoData(u"Inicio"_s, u"DateInicio"_s, u"Início"_s).Dica(DicaDataNula())
             << CampoData(u"Termino"_s, u"DateTermino"_s, u"Término"_s)
                    .AoLado()
                    .Dica(DicaDataNula());
    for (int h = 0; h < 5; ++h) {
        const QStringList c = colunasDoHorario(h);
        d.campos << CampoLista(c[0], u"Dia da Semana"_s, ListasFixas::DiasSemana(), true, 11)
                 << CampoEdit(c[1], u"Início"_s, 5).AoLado()
                 << CampoEdit(c[2], u"Término"_s, 5).AoLado()
                 << CampoLista(c[3], u"Local"_s, ListasFixas::SalasOferecidas(), true)
                 << CampoLista(c[4], u"Bloco"_s, ListasFixas::Blocos(), true, 11).AoLado();
    }
    d.campos << CampoEdit(u"Link"_s, u"Link"_s, 150).Largo()
             << CampoLista(u"DeptoExterno"_s, u"Departamento Externo à QORVEL"_s,
                    ListasFixas::DeptosExternosOferecidas(), true);

    // A disciplina vai entre aspas no UPDATE e sem elas no INSERT; programas, semestre e
    // vagas vazios ficam fora (o programa esvaziado pela regra da escolha vai como NULL).
    d.colunas = { Gravar(u"Disciplina"_s)
                      .DoControle(u"EditDisciplina"_s)
                      .Como(TipoValor::Texto)
                      .SoNaAlteracao(),
        Gravar(u"Disciplina"_s).DoControle(u"EditDisciplina"_s).Sempre().SoNaInclusao(),
        Gravar(u"Graduacao"_s), Gravar(u"PosGraduacao"_s), Gravar(u"Semestre"_s),
        Gravar(u"Vagas"_s), Gravar(u"Inicio"_s), Gravar(u"Termino"_s), Gravar(u"Tipo"_s) };
    for (int h = 0; h < 5; ++h)
        for (const QString &c : colunasDoHorario(h))
            d.colunas << Gravar(c);
    d.colunas << Gravar(u"Link"_s) << Gravar(u"DeptoExterno"_s);
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.filhas = {
        { u"BitBtnDisciplinasRodizios"_s, u"&Docentes"_s, 39,
            u"Não é possível editar rodízio de docentes da disciplina durante os modos "
            "Incluir/Modificar/Excluir/Consultar."_s,
            u"Escolha uma disciplina para editar o rodízio de docentes."_s },
        { u"BitBtnHorarios"_s, u"&Horários"_s, 77,
            u"Não é possível editar Horario da disciplina durante os modos "
            "Incluir/Modificar/Excluir/Consultar."_s,
            u"Escolha uma disciplina para editar o Horário."_s },
    };
    for (BotaoFilha &f : d.filhas)
        f.controleNome = u"EditDisciplina_Nome"_s; // o nome que as filhas recebem
    d.largura = 1150;
    return d;
}
} // namespace

TFormTabelaDisciplinasOferecidas::TFormTabelaDisciplinasOferecidas(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaDisciplinasOferecidas::MontarControles()
{
    // Dias, salas e datas à esquerda crescem; horas e blocos ao lado ficam no seu tamanho.
    GradeCampos()->setColumnStretch(3, 0);
    GradeCampos()->setColumnStretch(5, 0);
}

void TFormTabelaDisciplinasOferecidas::ReceberMae(const TFormTabela &mae, const BotaoFilha &)
{
    // O código, as vagas e o semestre da disciplina (os padrões de uma oferta nova).
    CodigoDisciplina = mae.Texto(u"EditCodigoKVA"_s);
    VagasDisciplina = mae.Texto(u"EditVagas"_s);
    SemestreDisciplina = mae.Texto(u"EditSemestreIdeal"_s);
}

void TFormTabelaDisciplinasOferecidas::BitBtnIncluirClick()
{
    TFormTabela::BitBtnIncluirClick();
    Mensagens::Informar(u"Alguns campos receberão valor padrão de acordo com a ficha padrão no "
                        "rol de disciplinas.\n\rAltere seus valores de acordo com suas "
                        "necessidades."_s);
    DefinirTexto(u"EditVagas"_s, VagasDisciplina);
    DefinirTexto(u"EditSemestre"_s, SemestreDisciplina);
}

bool TFormTabelaDisciplinasOferecidas::ConferirCampos()
{
    return TFormTabela::ConferirCampos() && Ensino::ConferirProgramas(*this);
}

bool TFormTabelaDisciplinasOferecidas::LinhaEscolhida() const
{
    return TFormTabela::LinhaEscolhida() && !Texto(u"EditDisciplina_Nome"_s).isEmpty()
        && !Texto(u"EditCodigoKVA"_s).isEmpty();
}

DadosOferecida TFormTabelaDisciplinasOferecidas::DadosPorId(const QString &id)
{
    const TQuery *q = LinhaPorId(id);
    if (!q)
        return {};
    const QString disciplina = q->AsString(u"Disciplina"_s);
    const QString graduacao = q->AsString(u"Graduacao"_s);
    const QString posgraduacao = q->AsString(u"PosGraduacao"_s);
    // O programa é a graduação, a menos que ela seja a linha "[vazio]" de uma oferta da
    // pós-graduação.
    DadosOferecida d;
    if (!graduacao.isEmpty())
        d.programa = Registro::Janela(14)->NomePorId(graduacao);
    if ((d.programa.isEmpty() || d.programa == u"[vazio]"_s) && !posgraduacao.isEmpty())
        d.programa = Registro::Janela(15)->NomePorId(posgraduacao);
    const DadosDisciplina dados
        = TFormTabelaDisciplinas::Janela()->DadosComDepartamentoPorId(disciplina);
    d.codigo = dados.codigo;
    d.nome = dados.nome;
    return d;
}

REGISTRAR_JANELA(34, TFormTabelaDisciplinasOferecidas)
