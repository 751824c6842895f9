#include "TabelaGraduacoes.h"

#include "ListasFixas.h"
#include "Mensagens.h"
#include "Registro.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 14;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome Completo"_s, 150).Largo(),
        CampoEdit(u"NomeFantasia"_s, u"Nome Oficial"_s, 150).Largo(),
        CampoEdit(u"Sigla"_s, u"Código"_s, 5),
        CampoPesquisa(u"Departamento"_s, u"Departamento"_s, 10).AoLado(),
        CampoLista(u"Categoria"_s, u"Modalidade"_s, {}, true, 150).Codigos(28, u"Modalidade"_s),
        CampoEdit(u"Reconhecimento"_s, u"Reconhecimento"_s, 100).AoLado(),
        CampoTextoLongo(u"Perfil"_s, u"Perfil"_s, 7990, 45, u"Graduacao"_s).LinhasVisiveis(5),
        CampoTextoLongo(u"FormacaoBasica"_s, u"Formação Básica"_s, 7990, 46, u"Graduacao"_s)
            .LinhasVisiveis(5),
        CampoMascara(u"SemestresDuracao"_s, u"Semestres"_s, u"99;0;_"_s),
        CampoMascara(u"CargaHoraria"_s, u"Carga Horária"_s, u"9999;0;_"_s).AoLado(),
        CampoLista(u"Periodo"_s, u"Período"_s, ListasFixas::PeriodosGraduacao(), true, 10),
        CampoMascara(u"Vagas"_s, u"Vagas"_s, u"99;0;_"_s).AoLado(),
        CampoPesquisa(u"Coordenador"_s, u"Coordenador"_s, 11),
        CampoEdit(u"Link"_s, u"Link"_s, 255).Largo(),
    };
    // Números e pesquisas vazios ficam fora: um UPDATE não os limpa.
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"NomeFantasia"_s), Gravar(u"Sigla"_s),
        Gravar(u"Departamento"_s), Gravar(u"Categoria"_s), Gravar(u"Reconhecimento"_s),
        Gravar(u"SemestresDuracao"_s), Gravar(u"CargaHoraria"_s), Gravar(u"Periodo"_s),
        Gravar(u"Vagas"_s), Gravar(u"Coordenador"_s), Gravar(u"Link"_s) };
    d.procuraControle = u"EditNome"_s;
    d.procuraColuna = u"Nome"_s;
    d.controlesReservados = { u"EditNome"_s };
    return d;
}
} // namespace

TFormTabelaGraduacoes::TFormTabelaGraduacoes(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

QString TFormTabelaGraduacoes::AvisoNome()
{
    const QString recuo(22, u' ');
    return QStringList {
        u"Atenção:"_s,
        QString(),
        u"O campo Nome Completo da tabela Graduações deve conter a especificação"_s,
        u"completa da graduação. Além disso, essa especificação deve ser única."_s,
        u"O campo Nome Oficial pode conter o que for necessário aparecer na página."_s,
        QString(),
        u"Por exemplo, para entrar a graduação Bacharelado em Física Médica o campo"_s,
        u"Nome Completo deve conter"_s,
        QString(),
        recuo + u"Bacharelado em Física Médica"_s,
        QString(),
        u"ou"_s,
        recuo + u"Física Médica - Bacharelado."_s,
        QString(),
        u"Qualquer dúvida, favor entrar em contato com o Setor de Informática QORVEL."_s,
    }
        .join(u"\r\n"_s);
}

void TFormTabelaGraduacoes::MontarControles()
{
    auto *aviso = new QLabel(u"O campo Nome Completo deve conter especificação completa do curso, "
                             "por exemplo, Bacharelado em Física Médica ao invés de simplesmente "
                             "Física Médica. Caso contrário, haverá erro na tabulação dos dados no "
                             "servidor e na página."_s,
        GroupBox1.get());
    aviso->setWordWrap(true);
    aviso->setBuddy(Controle(u"EditNome"_s));
    RegistrarControle(aviso, u"LabelAvisoNome"_s);
    GradeCampos()->addWidget(aviso, GradeCampos()->rowCount(), 0, 1, -1);
}

void TFormTabelaGraduacoes::BitBtnIncluirClick()
{
    TFormTabela::BitBtnIncluirClick();
    Mensagens::Informar(AvisoNome());
}

void TFormTabelaGraduacoes::BitBtnModificarClick()
{
    TFormTabela::BitBtnModificarClick();
    if (Modo == ModoTabela::Modificando)
        Mensagens::Informar(AvisoNome());
}

REGISTRAR_JANELA(14, TFormTabelaGraduacoes)
