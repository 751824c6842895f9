#include "TabelaDocentes.h"

#include "CatalogoTabelas.h"
#include "Comando.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Rotinas.h"
#include "Sentenca.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    const auto lista = [](const QString &coluna, const QString &rotulo) {
        return CampoLista(coluna, rotulo, {}, true, 50).Regra(RegraCampo::HabilitarAmarelo);
    };
    const auto codigo = [](const QString &coluna, const QString &rotulo, int tamanho) {
        return CampoEdit(coluna, rotulo, tamanho).Regra(RegraCampo::Habilitar);
    };
    Campo categoria = CampoPesquisa(u"Categoria"_s, u"Categoria"_s, 13).AoLado();
    categoria.sufixoNome = u"_Sigla"_s;

    DescricaoJanela d;
    d.numero = 11;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 50)
            .Obrigatorio(u"O campo Nome deve estar preenchido. Operação interrompida."_s),
        lista(u"Situacao"_s, u"Situação"_s),
        CampoPesquisa(u"Departamento"_s, u"Depto"_s, 10).AoLado(),
        CampoEdit(u"Area"_s, u"Área"_s, 150),
        CampoEdit(u"Setor"_s, u"Setor"_s, 150).AoLado(),
        lista(u"Titulacao"_s, u"Titulação"_s),
        categoria,
        CampoEdit(u"ExternoDepartamento"_s, u"Nome Instituição"_s, 0)
            .Legenda(u"Se o docente for externo:"_s),
        CampoEdit(u"ExternoLink"_s, u"Link Instituição"_s, 0),
        CampoTextoLongo(u"PesquisaArea"_s, u"Área de Pesquisa"_s, 3990, 42, u"Docente"_s)
            .LinhasVisiveis(4),
        CampoTextoLongo(u"PesquisaLinha"_s, u"Linha de Pesquisa"_s, 3990, 43, u"Docente"_s)
            .LinhasVisiveis(4),
        CampoTextoLongo(u"Observacao"_s, u"Observação"_s, 3990, 44, u"Docente"_s).LinhasVisiveis(4),
        CampoEdit(u"Link"_s, u"Link"_s, 255),
        CampoPesquisa(u"Imagem"_s, u"Imagem"_s, 71).AoLado(),
        CampoMarcacao(u"AulaGraduacao"_s, u"Graduação"_s).Legenda(u"Atividades"_s),
        CampoMarcacao(u"AulaPosgraduacao"_s, u"Pós-graduação"_s).AoLado(),
        CampoMarcacao(u"Extensao"_s, u"Extensão"_s),
        codigo(u"Lattes"_s, u"Cód. Lattes"_s, 25),
        codigo(u"Grupolattes"_s, u"Grupo de Pesquisa"_s, 25)
            .NoControle(u"EditGrupoLattes"_s)
            .AoLado(),
        codigo(u"Codpes"_s, u"Código KVA"_s, 7).NoControle(u"EditCodKVA"_s),
        CampoMarcacao(u"Visivel"_s, u"Exibir Docente"_s),
    };
    d.ordemExibicao = {
        u"EditNome"_s,
        u"EditSituacao"_s,
        u"EditDepartamento"_s,
        u"EditExternoDepartamento"_s,
        u"EditExternoLink"_s,
        u"EditArea"_s,
        u"EditSetor"_s,
        u"MemoPesquisaArea"_s,
        u"MemoPesquisaLinha"_s,
        u"EditTitulacao"_s,
        u"EditCategoria"_s,
        u"MemoObservacao"_s,
        u"EditLink"_s,
        u"CheckBoxAulaGraduacao"_s,
        u"CheckBoxAulaPosgraduacao"_s,
        u"CheckBoxExtensao"_s,
        u"EditImagem"_s,
        u"EditLattes"_s,
        u"EditCodKVA"_s,
        u"EditGrupoLattes"_s,
        u"CheckBoxVisivel"_s,
    };
    // Uma titulação vazia não muda a gravada; na inclusão ela é gravada vazia.
    d.alteracao = {
        { u"UPDATE {T} SET "_s, Sempre() },
        { u"Nome={'EditNome}"_s, Sempre() },
        { u",Situacao={'EditSituacao}"_s, Sempre() },
        { u",Departamento={#EditDepartamento}"_s, SeNaoVazio(u"EditDepartamento"_s) },
        { u",Area={'EditArea}"_s, Sempre() },
        { u",Setor={'EditSetor}"_s, Sempre() },
        { u",Titulacao={'EditTitulacao}"_s, SeNaoVazio(u"EditTitulacao"_s) },
        { u",Categoria={#EditCategoria}"_s, SeNaoVazio(u"EditCategoria"_s) },
        { u",Link={'EditLink}"_s, Sempre() },
        { u",Imagem={#EditImagem}"_s, SeNaoVazio(u"EditImagem"_s) },
        { u",AulaGraduacao={?CheckBoxAulaGraduacao}"_s, Sempre() },
        { u",AulaPosgraduacao={?CheckBoxAulaPosgraduacao}"_s, Sempre() },
        { u",Extensao={?CheckBoxExtensao}"_s, Sempre() },
        { u",ExternoDepartamento={'EditExternoDepartamento}"_s, Sempre() },
        { u",ExternoLink={'EditExternoLink}"_s, Sempre() },
        { u",Lattes={'EditLattes}"_s, Sempre() },
        { u",Codpes={'EditCodKVA}"_s, Sempre() },
        { u",Grupolattes={'EditGrupoLattes}"_s, Sempre() },
        { u",Visivel={?CheckBoxVisivel}"_s, Sempre() },
        { u" WHERE Id={#EditId}"_s, Sempre() },
    };
    d.inclusao = {
        { u"INSERT INTO {T}("_s, Sempre() },
        { u"Nome"_s, Sempre() },
        { u",Situacao"_s, Sempre() },
        { u",Departamento"_s, SeNaoVazio(u"EditDepartamento"_s) },
        { u",Area"_s, Sempre() },
        { u",Setor"_s, Sempre() },
        { u",Titulacao"_s, Sempre() },
        { u",Categoria"_s, SeNaoVazio(u"EditCategoria"_s) },
        { u",Link"_s, Sempre() },
        { u",Imagem"_s, SeNaoVazio(u"EditImagem"_s) },
        { u",AulaGraduacao"_s, Sempre() },
        { u",AulaPosgraduacao"_s, Sempre() },
        { u",Extensao"_s, Sempre() },
        { u",ExternoDepartamento"_s, Sempre() },
        { u",ExternoLink"_s, Sempre() },
        { u",Lattes"_s, Sempre() },
        { u",Codpes"_s, Sempre() },
        { u",Grupolattes"_s, Sempre() },
        { u",Visivel"_s, Sempre() },
        { u") VALUES ("_s, Sempre() },
        { u"{'EditNome}"_s, Sempre() },
        { u",{'EditSituacao}"_s, Sempre() },
        { u",{#EditDepartamento}"_s, ComLinha(4) },
        { u",{'EditArea}"_s, Sempre() },
        { u",{'EditSetor}"_s, Sempre() },
        { u",{'EditTitulacao}"_s, Sempre() },
        { u",{#EditCategoria}"_s, ComLinha(8) },
        { u",{'EditLink}"_s, Sempre() },
        { u",{#EditImagem}"_s, ComLinha(10) },
        { u",{?CheckBoxAulaGraduacao}"_s, Sempre() },
        { u",{?CheckBoxAulaPosgraduacao}"_s, Sempre() },
        { u",{?CheckBoxExtensao}"_s, Sempre() },
        { u",{'EditExternoDepartamento}"_s, Sempre() },
        { u",{'EditExternoLink}"_s, Sempre() },
        { u",{'EditLattes}"_s, Sempre() },
        { u",{'EditCodKVA}"_s, Sempre() },
        { u",{'EditGrupoLattes}"_s, Sempre() },
        { u",{?CheckBoxVisivel}"_s, Sempre() },
        { u")"_s, Sempre() },
    };
    d.colunaExibicao = u"Nome"_s;
    d.exibicaoSemEspacos = true;
    d.procuraControle = u"EditNome"_s;
    d.procuraColuna = u"Nome"_s;
    d.controlesReservados = { u"EditNome"_s };
    return d;
}

// As recusas dos botões das janelas filhas: fora da consulta e sem docente escolhido.
QString recusaModo(const QString &oQue)
{
    return u"Não é possível editar "_s + oQue
        + u" durante os modos Incluir/Modificar/Excluir/Consultar/Consultar."_s;
}
} // namespace

TFormTabelaDocentes::TFormTabelaDocentes(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaDocentes::MontarControles()
{
    // Os campos da instituição externa também escolhem o departamento.
    for (const QString &externo : { u"EditExternoDepartamento"_s, u"EditExternoLink"_s })
        LigarDuploClique(Controle(externo), [this] { ExecutarPesquisa(u"EditDepartamento"_s); });

    QHBoxLayout *linha = LinhaBotoes();
    const auto naLinha
        = [this, linha](const QString &nome, const QString &texto, std::function<void()> clique) {
              return NovoBotao(nome, texto, linha, linha->count() - 1, std::move(clique));
          };
    BitBtnTelefones
        = naLinha(u"BitBtnTelefones"_s, u"Telefones"_s, [this] { BitBtnTelefonesClick(); });
    BitBtnEmails = naLinha(u"BitBtnEmails"_s, u"E-mails"_s, [this] { BitBtnEmailsClick(); });
    BitBtnPublicacoes
        = naLinha(u"BitBtnPublicacoes"_s, u"Publicações"_s, [this] { BitBtnPublicacoesClick(); });
    BitBtn1 = naLinha(u"BitBtn1"_s, u"Pós-graduações"_s, [this] { BitBtn1Click(); });
    // Na barra de baixo, ao lado de Atualizar e Fechar.
    BitBtnDocentesCategorias
        = NovoBotao(u"BitBtnDocentesCategorias"_s, u"Categorias"_s, BarraInferior(),
            BarraInferior()->indexOf(BitBtnAtualizar), [this] { BitBtnDocentesCategoriasClick(); });
}

void TFormTabelaDocentes::ExibirJanela()
{
    TFormTabela::ExibirJanela();
    BitBtnDocentesCategorias->setVisible(NivelAcesso == 1);
}

void TFormTabelaDocentes::CarregarSituacoes()
{
    CarregarCodigosUmaVez(66, u"Situacao"_s, Controle<QComboBox>(u"EditSituacao"_s));
}

void TFormTabelaDocentes::CarregarTitulacoes()
{
    CarregarCodigosUmaVez(29, u"Titulacao"_s, Controle<QComboBox>(u"EditTitulacao"_s));
}

void TFormTabelaDocentes::ContarRegistros()
{
    QStringList contagem; // vazia: a contagem padrão da tabela
    if (FiltroDeDepartamentoAtivo()) {
        try {
            contagem << u"SELECT COUNT(Id) FROM "_s + NomeTabela(NumeroTabela)
                    + u" WHERE Departamento="_s + ValorInteiro(FiltroTabelas)
                    + u" OR    Nome='[vazio]'"_s;
        } catch (const ErroBanco &e) {
            RegistrarErro(NumeroTabela, e.Mensagem());
            return;
        }
    }
    TFormTabela::ContarRegistros(contagem);
}

QStringList TFormTabelaDocentes::SentencaConsulta() const
{
    if (!FiltroDeDepartamentoAtivo())
        return TFormTabela::SentencaConsulta();
    return { u"SELECT * FROM "_s + NomeTabela(NumeroTabela) + u" WHERE Departamento="_s
        + ValorInteiro(FiltroTabelas) + u" OR    Nome='[vazio]' ORDER BY Nome"_s };
}

// As listas de códigos primeiro (na consulta da janela), depois a contagem e a
// listagem; o total da legenda vem da contagem.
void TFormTabelaDocentes::ConsultarTabela()
{
    CarregarSituacoes();
    CarregarTitulacoes();
    ContarRegistros();
    ExecutarComando(
        *Query, NumeroTabela, Passo::ConsultaSemTotal, [this] { return SentencaConsulta(); });
}

void TFormTabelaDocentes::BitBtnIncluirClick()
{
    TFormTabela::BitBtnIncluirClick();
    // Um docente novo aparece na página.
    Controle<QCheckBox>(u"CheckBoxVisivel"_s)->setChecked(true);
}

bool TFormTabelaDocentes::PermitirGravacao()
{
    if (NivelAcesso != 7)
        return true;
    Mensagens::Informar(u"Usuário ["_s + NomeNivel(NivelAcesso)
        + u"] não possui permissão para Incluir/Alterar registro."_s);
    return false;
}

bool TFormTabelaDocentes::ConferirCampos()
{
    if (!TFormTabela::ConferirCampos())
        return false;
    const QString nome = Texto(u"EditNome"_s);
    if (nome.contains(u'(') || nome.contains(u')')) {
        Mensagens::Informar(
            u"O campo Nome não pode conter os caracteres ( ou ). Operação interrompida."_s);
        return false;
    }
    return true;
}

void TFormTabelaDocentes::BitBtnTelefonesClick()
{
    AbrirFilha(17, recusaModo(u"telefones do docente"_s),
        u"Escolha um docente para editar os telefones relacionados."_s);
}

void TFormTabelaDocentes::BitBtnEmailsClick()
{
    AbrirFilha(25, recusaModo(u"e-mails do docente"_s),
        u"Escolha um docente para editar os e-mails relacionados."_s);
}

void TFormTabelaDocentes::BitBtnPublicacoesClick()
{
    AbrirFilha(26, recusaModo(u"publicações do docente"_s),
        u"Escolha um docente para editar as publicações relacionados."_s);
}

void TFormTabelaDocentes::BitBtn1Click()
{
    AbrirFilha(76, recusaModo(u"pós-graduações nas quais o docente atua"_s),
        u"Escolha um docente para editar as pós-graduações em que atua."_s);
}

void TFormTabelaDocentes::BitBtnDocentesCategoriasClick()
{
    if (Modo != 0) {
        Mensagens::Informar(recusaModo(u"categorias de docentes"_s));
        return;
    }
    if (TFormTabela *categorias = Registro::Janela(13))
        categorias->MostrarModal();
}
