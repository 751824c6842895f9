#include "TabelaDisciplinasRodizios.h"

#include "CamposEnsino.h"
#include "Registro.h"
#include "TabelaDisciplinas.h"
#include "TabelaDisciplinasOferecidas.h"

#include <QCheckBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 38;
    d.campos = Ensino::CamposDisciplina();
    d.campos[0].Exibir([](TFormTabela &j, const QString &id) {
        return static_cast<TFormTabelaDisciplinasRodizios &>(j).MostrarDisciplina(id);
    });
    d.campos << CampoEdit(u"Curso"_s, u"Curso"_s, 0).ForaDaLinha().Regra(RegraCampo::Fixo)
             << CampoPesquisa(u"Docente"_s, u"Docente"_s, 11)
                    .Obrigatorio(
                        u"O campo Docente precisa estar preenchido. Operação interrompida."_s)
             << CampoMarcacao(u"Ministrante"_s, u"Ministrante"_s).AoIncluir(InicioCampo::Marcado);
    // A disciplina vai entre aspas no UPDATE e sem elas no INSERT; a tabela é a da vez.
    d.colunas = { Gravar(u"Disciplina"_s).Como(TipoValor::Texto).SoNaAlteracao(),
        Gravar(u"Disciplina"_s).Sempre().SoNaInclusao(), Gravar(u"Docente"_s),
        Gravar(u"Ministrante"_s) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.controlesProprios = { u"LabelCurso"_s };
    return d;
}
} // namespace

TFormTabelaDisciplinasRodizios::TFormTabelaDisciplinasRodizios(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaDisciplinasRodizios::MontarControles()
{
    // O rótulo do curso tem nome próprio: aparece e some com ele.
    RegistrarControle(findChild<QLabel *>(u"LabelEditCurso"_s), u"LabelCurso"_s);
}

void TFormTabelaDisciplinasRodizios::ReceberMae(const TFormTabela &, const BotaoFilha &botao)
{
    TabelaRodizio = botao.numero == 39 ? 39 : 0;
}

void TFormTabelaDisciplinasRodizios::ExibirJanela()
{
    const bool oferecida = TabelaRodizio == 39;
    DefinirNumeroTabela(oferecida ? 39 : 38);
    Controle(u"LabelCurso"_s)->setVisible(oferecida);
    Controle(u"EditCurso"_s)->setVisible(oferecida);
    TFormTabela::ExibirJanela();
}

QString TFormTabelaDisciplinasRodizios::MostrarDisciplina(const QString &id)
{
    QString codigo, nome, curso;
    if (NumeroTabela == 39) {
        const DadosOferecida d
            = qobject_cast<TFormTabelaDisciplinasOferecidas *>(Registro::Janela(34))
                  ->DadosPorId(id);
        codigo = d.codigo;
        nome = d.nome;
        curso = d.programa;
    } else {
        const DadosDisciplina d = TFormTabelaDisciplinas::Janela()->DadosPorId(id);
        codigo = d.codigo;
        nome = d.nome;
    }
    DefinirTexto(u"EditCodigoKVA"_s, codigo);
    DefinirTexto(u"EditCurso"_s, curso);
    return nome;
}

REGISTRAR_JANELA(38, TFormTabelaDisciplinasRodizios)
