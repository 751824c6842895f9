#include "TabelaGruposPesquisa.h"

#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricaoGrupos()
{
    DescricaoJanela d;
    d.numero = 50;
    d.campos = {
        CampoEdit(u"Sigla"_s, u"Sigla"_s, 10),
        CampoEdit(u"Nome"_s, u"Nome"_s, 50)
            .Obrigatorio(u"O campo Nome deve estar preenchido. Operação interrompida."_s),
        CampoPesquisa(u"Departamento"_s, u"Departamento"_s, 10),
        CampoPesquisa(u"Docente"_s, u"Docente"_s, 11),
        CampoMemo(u"Descricao"_s, u"Descrição"_s, 3990).Capacidade(),
        CampoEdit(u"Endereco"_s, u"Endereço"_s, 30),
        CampoEdit(u"Cep"_s, u"Cep"_s, 9),
        CampoEdit(u"Link"_s, u"Link"_s, 255),
    };
    d.colunas
        = { Gravar(u"Nome"_s), Gravar(u"Sigla"_s), Gravar(u"Departamento"_s), Gravar(u"Docente"_s),
              Gravar(u"Descricao"_s), Gravar(u"Endereco"_s), Gravar(u"Cep"_s), Gravar(u"Link"_s) };
    d.controlesReservados = { u"EditNome"_s };
    // Só o Id da linha é conferido, não o nome.
    d.filhas = { { u"BitBtnDocentes"_s, u"Docentes"_s, 51,
        u"Não é possível editar docentes do grupo de pesquisa durante os modos "
        "Incluir/Modificar/Excluir/Consultar."_s,
        u"Escolha um grupo de pesquisa para editar os docentes relacionados."_s } };
    return d;
}

DescricaoJanela descricaoDocentes()
{
    DescricaoJanela d;
    d.numero = 51;
    // A sigla do grupo vem primeiro, com o nome ao lado; os dois vêm da janela dos grupos
    // (a sigla posta com o nome da mãe).
    d.campos = {
        CampoEdit(u"Sigla"_s, u"Grupo de Pesquisa"_s, 0).ForaDaLinha().Regra(RegraCampo::Fixo),
        CampoPai(u"Grupo"_s, QString(), 50, PesquisaFixa::Nada,
            u"O campo Grupo de Pesquisa deve estar preenchido. Operação interrompida."_s)
            .AoLado()
            .Exibir([](TFormTabela &j, const QString &) {
                const auto &docentes = static_cast<TFormTabelaGruposPesquisaDocentes &>(j);
                j.DefinirTexto(u"EditSigla"_s, docentes.SiglaGrupo);
                return docentes.NomeGrupo;
            }),
        CampoPesquisa(u"Docente"_s, u"Docente"_s, 11)
            .Obrigatorio(u"O campo Docente deve estar preenchido. Operação interrompida."_s),
    };
    d.colunas
        = { Gravar(u"Grupo"_s).DoControle(u"EditGrupo"_s).Sempre(), Gravar(u"Docente"_s).Sempre() };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    return d;
}
} // namespace

TFormTabelaGruposPesquisa::TFormTabelaGruposPesquisa(QWidget *parent)
    : TFormTabela(descricaoGrupos(), parent)
{
}

TFormTabelaGruposPesquisaDocentes::TFormTabelaGruposPesquisaDocentes(QWidget *parent)
    : TFormTabela(descricaoDocentes(), parent)
{
}

void TFormTabelaGruposPesquisaDocentes::MontarControles()
{
    // O nome do grupo, sem rótulo próprio, é lido com o rótulo da sigla.
    Controle(u"EditGrupo_Nome"_s)->setAccessibleName(u"Grupo de Pesquisa"_s);
    Controle(u"EditSigla"_s)->setFocusPolicy(Qt::NoFocus);
}

void TFormTabelaGruposPesquisaDocentes::ReceberMae(const TFormTabela &mae, const BotaoFilha &)
{
    SiglaGrupo = mae.Texto(u"EditSigla"_s);
}

REGISTRAR_JANELA(50, TFormTabelaGruposPesquisa)
REGISTRAR_JANELA(51, TFormTabelaGruposPesquisaDocentes)
