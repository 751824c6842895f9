#include "TabelaDocentes.h"

#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

namespace {
// As recusas dos botões das janelas filhas: fora da consulta e sem docente escolhido.
QString recusaModo(const QString &oQue)
{
    return u"Não é possível editar "_s + oQue
        + u" durante os modos Incluir/Modificar/Excluir/Consultar/Consultar."_s;
}

DescricaoJanela descricao()
{
    const auto lista = [](const QString &coluna, const QString &rotulo, int codigos) {
        return CampoLista(coluna, rotulo, {}, true, 50)
            .Regra(RegraCampo::HabilitarAmarelo)
            .Codigos(codigos, coluna);
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
        lista(u"Situacao"_s, u"Situação"_s, 66),
        CampoPesquisa(u"Departamento"_s, u"Depto"_s, 10).AoLado(),
        CampoEdit(u"Area"_s, u"Área"_s, 150),
        CampoEdit(u"Setor"_s, u"Setor"_s, 150).AoLado(),
        lista(u"Titulacao"_s, u"Titulação"_s, 29),
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
        // Um docente novo aparece na página.
        CampoMarcacao(u"Visivel"_s, u"Exibir Docente"_s).AoIncluir(InicioCampo::Marcado),
    };
    d.ordemExibicao = { u"EditNome"_s, u"EditSituacao"_s, u"EditDepartamento"_s,
        u"EditExternoDepartamento"_s, u"EditExternoLink"_s, u"EditArea"_s, u"EditSetor"_s,
        u"MemoPesquisaArea"_s, u"MemoPesquisaLinha"_s, u"EditTitulacao"_s, u"EditCategoria"_s,
        u"MemoObservacao"_s, u"EditLink"_s, u"CheckBoxAulaGraduacao"_s,
        u"CheckBoxAulaPosgraduacao"_s, u"CheckBoxExtensao"_s, u"EditImagem"_s, u"EditLattes"_s,
        u"EditCodKVA"_s, u"EditGrupoLattes"_s, u"CheckBoxVisivel"_s };
    // Uma titulação vazia não muda a gravada; na inclusão ela é gravada vazia.
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Situacao"_s), Gravar(u"Departamento"_s),
        Gravar(u"Area"_s), Gravar(u"Setor"_s), Gravar(u"Titulacao"_s).SeNaoVaziaNaAlteracao(),
        Gravar(u"Categoria"_s), Gravar(u"Link"_s), Gravar(u"Imagem"_s), Gravar(u"AulaGraduacao"_s),
        Gravar(u"AulaPosgraduacao"_s), Gravar(u"Extensao"_s), Gravar(u"ExternoDepartamento"_s),
        Gravar(u"ExternoLink"_s), Gravar(u"Lattes"_s), Gravar(u"Codpes"_s),
        Gravar(u"Grupolattes"_s), Gravar(u"Visivel"_s) };
    d.procuraControle = u"EditNome"_s;
    d.procuraColuna = u"Nome"_s;
    d.controlesReservados = { u"EditNome"_s };
    d.filhas = {
        { u"BitBtnTelefones"_s, u"Telefones"_s, 17, recusaModo(u"telefones do docente"_s),
            u"Escolha um docente para editar os telefones relacionados."_s },
        { u"BitBtnEmails"_s, u"E-mails"_s, 25, recusaModo(u"e-mails do docente"_s),
            u"Escolha um docente para editar os e-mails relacionados."_s },
        { u"BitBtnPublicacoes"_s, u"Publicações"_s, 26, recusaModo(u"publicações do docente"_s),
            u"Escolha um docente para editar as publicações relacionados."_s },
        { u"BitBtn1"_s, u"Pós-graduações"_s, 76,
            recusaModo(u"pós-graduações nas quais o docente atua"_s),
            u"Escolha um docente para editar as pós-graduações em que atua."_s },
        // Na barra de baixo, ao lado de Atualizar e Fechar; só no nível 1.
        { u"BitBtnDocentesCategorias"_s, u"Categorias"_s, 13,
            recusaModo(u"categorias de docentes"_s), {}, true, { 1 } },
    };
    return d;
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

REGISTRAR_JANELA(11, TFormTabelaDocentes)
