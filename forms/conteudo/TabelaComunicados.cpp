#include "TabelaComunicados.h"

#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    const auto memo = [](const QString &coluna, const QString &rotulo) {
        return CampoMemo(coluna, rotulo, 5990).Capacidade().LinhasVisiveis(3);
    };
    DescricaoJanela d;
    d.numero = 70;
    d.campos = {
        CampoEdit(u"Titulo"_s, u"Título"_s, 255)
            .Obrigatorio(u"O campo Título não pode estar em branco. Operação interrompida."_s),
        CampoData(u"DataInicio"_s, u"DateDataInicio"_s, u"Data"_s).AoIncluir(InicioCampo::Agora),
        CampoLista(u"Categoria"_s, u"Categoria"_s,
            { u"Comunicado"_s, u"Concurso"_s, u"Editais"_s, u"Eleição"_s, u"Evento"_s,
                u"Licitação"_s, u"Processo Seletivo"_s },
            true, 150)
            .AoLado(),
        CampoEdit(u"Area"_s, u"Área"_s, 150),
        CampoEdit(u"Descricao"_s, u"Descrição"_s, 255),
        CampoEdit(u"Local"_s, u"Local"_s, 255),
        memo(u"Comentarios"_s, u"Comentários"_s),
        memo(u"Informacoes"_s, u"Informações"_s)
            .Legenda(u"Os campos Informações e Questões serão utilizados pela Categoria "
                     "Licitação"_s),
        memo(u"Questoes"_s, u"Questões"_s),
        CampoEdit(u"Telefone"_s, u"Telefone"_s, 15)
            .Legenda(u"Informações para entrar em contato:"_s),
        CampoEdit(u"Contato"_s, u"Contato"_s, 150).AoLado(),
        CampoEdit(u"Email"_s, u"E-mail"_s, 255),
        CampoEdit(u"Link"_s, u"Link"_s, 255).AoLado(),
        CampoMarcacao(u"Visivel"_s, u"Publicar Formulário de Licitação"_s),
        CampoPesquisa(u"Departamento"_s, u"Departamento"_s, 10)
            .Legenda(u"Se esse comunicado estiver relacionado com algum departamento, "
                     "preencha:"_s),
    };
    d.colunas = { Gravar(u"Titulo"_s), Gravar(u"DataInicio"_s), Gravar(u"Categoria"_s),
        Gravar(u"Area"_s), Gravar(u"Descricao"_s), Gravar(u"Local"_s), Gravar(u"Comentarios"_s),
        Gravar(u"Informacoes"_s), Gravar(u"Questoes"_s), Gravar(u"Telefone"_s),
        Gravar(u"Contato"_s), Gravar(u"Email"_s), Gravar(u"Link"_s), Gravar(u"Visivel"_s),
        Gravar(u"Departamento"_s) };
    d.controlesReservados = { u"EditTitulo"_s };
    return d;
}
} // namespace

TFormTabelaComunicados::TFormTabelaComunicados(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaComunicados::EditCategoriaChange()
{
    // Só a marca e o memo: o rótulo "Questões" e o da capacidade ficam.
    const bool concurso = Texto(u"EditCategoria"_s) == u"Concurso"_s;
    Controle(u"CheckBoxVisivel"_s)->setVisible(!concurso);
    Controle(u"MemoQuestoes"_s)->setVisible(!concurso);
}

void TFormTabelaComunicados::MostrarRegistro()
{
    TFormTabela::MostrarRegistro();
    // Digitar a categoria enquanto se edita não muda a tela: só uma linha mostrada.
    if (!EditId->text().isEmpty())
        EditCategoriaChange();
}

void TFormTabelaComunicados::MostrarAvisoCampos()
{
    Mensagens::Informar(
        u"Atenção:\r\n\r\nUtilize apenas os campos que são releventas ao tipo de\r\ncomunicado "
        "que você deseja divulgar. Os campos que fi-\r\ncarem em branco não serão apresentados "
        "na página.\r\n\r\nQualquer dúvida ou sugestão, favor entrar em contato\r\ndiretamente "
        "com o Setor de Informática - QORVEL - KVA."_s);
}

void TFormTabelaComunicados::HabilitarCampos(bool on)
{
    TFormTabela::HabilitarCampos(on);
    // O departamento preposto de um nível fica preso até a edição terminar (gravada ou
    // cancelada), também depois de um Aceitar recusado.
    if (!on)
        Controle(u"EditDepartamento_Nome"_s)->setEnabled(true);
}

void TFormTabelaComunicados::BitBtnIncluirClick()
{
    TFormTabela::BitBtnIncluirClick(); // nos níveis de departamento, o dele vem preposto
    if (FiltroDeDepartamentoAtivo())
        Controle(u"EditDepartamento_Nome"_s)->setEnabled(false); // e aqui, preso
    MostrarAvisoCampos();
}

void TFormTabelaComunicados::BitBtnModificarClick()
{
    TFormTabela::BitBtnModificarClick();
    if (Modo == ModoTabela::Modificando)
        MostrarAvisoCampos();
}

REGISTRAR_JANELA(70, TFormTabelaComunicados)
