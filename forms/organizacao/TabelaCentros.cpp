#include "TabelaCentros.h"

#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricaoCentros()
{
    DescricaoJanela d;
    d.numero = 30;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 150)
            .Obrigatorio(u"Campo Nome não pode estar em branco. Operação interrompida."_s),
        CampoEdit(u"Sigla"_s, u"Sigla"_s, 10),
        CampoPesquisa(u"Departamento"_s, u"Depto"_s, 10),
        CampoPesquisa(u"Docente"_s, u"Docente"_s, 11),
        CampoEdit(u"DocenteFuncao"_s, u"Função"_s, 255).AoLado(),
        CampoPesquisa(u"Funcionario"_s, u"Funcionário"_s, 27),
        CampoEdit(u"FuncionarioFuncao"_s, u"Função"_s, 255).AoLado(),
        CampoTextoLongo(u"Descricao"_s, u"Descrição"_s, 7990, 63, u"Centro"_s),
        CampoEdit(u"Endereco"_s, u"Endereço"_s, 255),
        CampoEdit(u"Cep"_s, u"Cep"_s, 9),
        CampoEdit(u"Telefone"_s, u"Telefone"_s, 15).AoLado(),
        CampoEdit(u"Email"_s, u"E-mail"_s, 255),
        CampoEdit(u"Link"_s, u"Link"_s, 255),
    };
    // O funcionário e a sua função por último.
    d.ordemExibicao = { u"EditNome"_s, u"EditSigla"_s, u"EditDepartamento"_s, u"EditDocente"_s,
        u"EditDocenteFuncao"_s, u"MemoDescricao"_s, u"EditEndereco"_s, u"EditCep"_s,
        u"EditTelefone"_s, u"EditEmail"_s, u"EditLink"_s };
    // As pesquisas vazias ficam fora: um UPDATE nunca limpa o que já está gravado.
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Sigla"_s), Gravar(u"Departamento"_s),
        Gravar(u"Docente"_s), Gravar(u"DocenteFuncao"_s), Gravar(u"Endereco"_s), Gravar(u"Cep"_s),
        Gravar(u"Telefone"_s), Gravar(u"Email"_s), Gravar(u"Link"_s), Gravar(u"Funcionario"_s),
        Gravar(u"FuncionarioFuncao"_s) };
    d.formato.onde = u"WHERE Id={#EditId}"_s;
    d.procuraControle = u"EditNome"_s;
    d.procuraColuna = u"Nome"_s;
    d.controlesReservados = { u"EditNome"_s, u"EditSigla"_s };
    d.filhas = { { u"BitBtnDocentes"_s, u"Docentes"_s, 31,
        u"Não é possível editar docentes do centro durante os modos "
        "Incluir/Modificar/Excluir/Consultar."_s,
        u"Escolha um centro para editar os docentes relacionados."_s } };
    return d;
}

DescricaoJanela descricaoDocentes()
{
    DescricaoJanela d;
    d.numero = 31;
    d.campos = {
        // Sem o centro (a mãe entregou um Id vazio), nada é gravado.
        CampoPai(u"Centro"_s, u"Centro"_s, 30, PesquisaFixa::Nada,
            u"O campo Centro deve estar preenchido. Operação interrompida."_s),
        CampoPesquisa(u"Docente"_s, u"Docente"_s, 11)
            .Obrigatorio(u"O campo Docente deve estar preenchido. Operação interrompida."_s),
    };
    d.colunas = { Gravar(u"Centro"_s).DoControle(u"EditCentro"_s).Sempre(), Gravar(u"Docente"_s) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    return d;
}
} // namespace

TFormTabelaCentros::TFormTabelaCentros(QWidget *parent)
    : TFormTabela(descricaoCentros(), parent)
{
}

TFormTabelaCentrosDocentes::TFormTabelaCentrosDocentes(QWidget *parent)
    : TFormTabela(descricaoDocentes(), parent)
{
}

REGISTRAR_JANELA(30, TFormTabelaCentros)
REGISTRAR_JANELA(31, TFormTabelaCentrosDocentes)
