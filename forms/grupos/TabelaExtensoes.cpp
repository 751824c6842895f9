#include "TabelaExtensoes.h"

#include "Registro.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricaoExtensoes()
{
    DescricaoJanela d;
    d.numero = 19;
    d.campos = {
        CampoEdit(u"Titulo"_s, u"Título"_s, 255),
        CampoPesquisa(u"Responsavel"_s, u"Responsável"_s, 11),
        CampoPesquisa(u"Departamento"_s, u"Departamento"_s, 10),
        CampoMemo(u"Descricao"_s, u"Descrição"_s, 3990).Capacidade(),
        CampoEdit(u"Link"_s, u"Link"_s, 255),
    };
    d.ordemExibicao = { u"EditTitulo"_s, u"EditLink"_s, u"MemoDescricao"_s, u"EditResponsavel"_s,
        u"EditDepartamento"_s };
    // Nenhum campo é obrigatório; responsável e departamento vazios ficam fora.
    d.colunas = { Gravar(u"Titulo"_s), Gravar(u"Responsavel"_s), Gravar(u"Departamento"_s),
        Gravar(u"Descricao"_s), Gravar(u"Link"_s) };
    d.formato.alteracao = u"UPDATE {T} SET"_s;
    d.formato.onde = u"WHERE Id={#EditId}"_s;
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.controlesReservados = { u"EditTitulo"_s };
    BotaoFilha docentes { u"BitBtnDocente"_s, u"&Docentes da Extensão"_s, 20,
        u"Não é possível editar docentes que atuam nessa atividade de extensão durante os "
        "modos Incluir/Modificar/Excluir/Consultar."_s,
        u"Escolha uma extensão para editar os docentes relacionados."_s };
    docentes.controleNome = u"EditTitulo"_s;
    docentes.exigeNome = true;
    d.filhas = { docentes };
    return d;
}

DescricaoJanela descricaoDocentes()
{
    const QString vazios = u"Os campos devem estar preenchidos. Operação interrompida."_s;
    DescricaoJanela d;
    d.numero = 20;
    d.campos = {
        CampoPai(u"Extensao"_s, u"Extensão"_s, 19, PesquisaFixa::Nada, vazios),
        CampoPesquisa(u"Docente"_s, u"Docente"_s, 11).Obrigatorio(vazios),
    };
    d.colunas = { Gravar(u"Docente"_s).Sempre(),
        Gravar(u"Extensao"_s).DoControle(u"EditExtensao"_s).Sempre() };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    return d;
}
} // namespace

TFormTabelaExtensoes::TFormTabelaExtensoes(QWidget *parent)
    : TFormTabela(descricaoExtensoes(), parent)
{
}

TFormTabelaExtensoesDocentes::TFormTabelaExtensoesDocentes(QWidget *parent)
    : TFormTabela(descricaoDocentes(), parent)
{
}

void TFormTabelaExtensoesDocentes::MontarControles()
{
    BitBtnEscolher->hide();
}

REGISTRAR_JANELA(19, TFormTabelaExtensoes)
REGISTRAR_JANELA(20, TFormTabelaExtensoesDocentes)
