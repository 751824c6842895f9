#include "TabelaDepartamentos.h"

#include "CatalogoJanelas.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 10;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 80),
        CampoEdit(u"Sigla"_s, u"Sigla"_s, 5),
        CampoPesquisa(u"Chefe"_s, u"Chefe"_s, 11),
        CampoPesquisa(u"Suplente"_s, u"Suplente"_s, 11),
        CampoPesquisa(u"Secretario"_s, u"Secretário"_s, 27),
        CampoTextoLongo(u"Descricao"_s, u"Descrição"_s, 7990, 61, u"Departamento"_s),
        CampoEdit(u"Endereco"_s, u"Endereço"_s, 60),
        CampoEdit(u"Cep"_s, u"CEP"_s, 9),
        CampoEdit(u"Link"_s, u"Link"_s, 255),
        CampoPesquisa(u"Imagem"_s, u"Imagem"_s, 71),
        CampoMarcacao(u"Visivel"_s, u"Departamento Externo à QORVEL"_s),
    };
    // A descrição vem logo depois do nome e da sigla; o secretário depois do link.
    d.ordemExibicao = { u"EditNome"_s, u"EditSigla"_s, u"MemoDescricao"_s, u"EditChefe"_s,
        u"EditSuplente"_s, u"EditEndereco"_s, u"EditCep"_s, u"EditLink"_s, u"EditSecretario"_s,
        u"EditImagem"_s, u"CheckBoxVisivel"_s };
    // As pesquisas vazias ficam fora: um UPDATE nunca limpa chefe, suplente, secretário
    // ou imagem já gravados.
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Sigla"_s), Gravar(u"Chefe"_s), Gravar(u"Suplente"_s),
        Gravar(u"Endereco"_s), Gravar(u"Cep"_s), Gravar(u"Link"_s), Gravar(u"Imagem"_s),
        Gravar(u"Secretario"_s), Gravar(u"Visivel"_s) };
    d.formato.alteracao = u"UPDATE {T} SET"_s;
    d.formato.onde = u"WHERE Id={#EditId}"_s;
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.procuraControle = u"EditNome"_s;
    d.procuraColuna = u"Nome"_s;
    d.controlesReservados = { u"EditSigla"_s, u"EditNome"_s };
    d.filhas = {
        { u"BitBtnEmails"_s, u"E-mails"_s, 22,
            u"Não é possível editar e-mails do departamento durante os modos "
            "Incluir/Modificar/Excluir/Consultar."_s,
            u"Escolha um departamento para editar os e-mails relacionados."_s },
        { u"BitBtnTelefones"_s, u"Telefones"_s, 16,
            u"Não é possível editar telefones do departamento durante os modos "
            "Incluir/Modificar/Excluir/Consultar."_s,
            u"Escolha um departamento para editar os telefones relacionados."_s },
    };
    return d;
}
} // namespace

TFormTabelaDepartamentos::TFormTabelaDepartamentos(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaDepartamentos::BitBtnIncluirClick()
{
    if (!CatalogoJanelas::NivelInclui(NivelAcesso, NumeroTabela)) {
        Mensagens::Informar(u"Usuário ["_s + NomeNivel(NivelAcesso)
            + u"] não possui permissão para incluir departamentos: cada departamento altera "
              "só a sua própria ficha."_s);
        return;
    }
    TFormTabela::BitBtnIncluirClick();
}

REGISTRAR_JANELA(10, TFormTabelaDepartamentos)
