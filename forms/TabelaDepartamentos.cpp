#include "TabelaDepartamentos.h"

#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"
#include "Sentenca.h"

#include <QHBoxLayout>
#include <QPushButton>

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
    d.alteracao = {
        { u"UPDATE {T} SET"_s, Sempre() },
        { u"Nome={'EditNome}"_s, Sempre() },
        { u",Sigla={'EditSigla}"_s, Sempre() },
        { u",Chefe={#EditChefe}"_s, SeNaoVazio(u"EditChefe"_s) },
        { u",Suplente={#EditSuplente}"_s, SeNaoVazio(u"EditSuplente"_s) },
        { u",Endereco={'EditEndereco}"_s, Sempre() },
        { u",Cep={'EditCep}"_s, Sempre() },
        { u",Link={'EditLink}"_s, Sempre() },
        { u",Imagem={#EditImagem}"_s, SeNaoVazio(u"EditImagem"_s) },
        { u",Secretario={#EditSecretario}"_s, SeNaoVazio(u"EditSecretario"_s) },
        { u",Visivel={?CheckBoxVisivel}"_s, Sempre() },
        { u"WHERE Id={#EditId}"_s, Sempre() },
    };
    d.inclusao = {
        { u"INSERT INTO {T} ("_s, Sempre() },
        { u"Nome"_s, Sempre() },
        { u",Sigla"_s, Sempre() },
        { u",Chefe"_s, SeNaoVazio(u"EditChefe"_s) },
        { u",Suplente"_s, SeNaoVazio(u"EditSuplente"_s) },
        { u",Endereco"_s, Sempre() },
        { u",Cep"_s, Sempre() },
        { u",Link"_s, Sempre() },
        { u",Imagem"_s, SeNaoVazio(u"EditImagem"_s) },
        { u",Secretario"_s, SeNaoVazio(u"EditSecretario"_s) },
        { u",Visivel"_s, Sempre() },
        { u") VALUES ("_s, Sempre() },
        { u"{'EditNome}"_s, Sempre() },
        { u",{'EditSigla}"_s, Sempre() },
        { u",{#EditChefe}"_s, ComLinha(4) },
        { u",{#EditSuplente}"_s, ComLinha(5) },
        { u",{'EditEndereco}"_s, Sempre() },
        { u",{'EditCep}"_s, Sempre() },
        { u",{'EditLink}"_s, Sempre() },
        { u",{#EditImagem}"_s, ComLinha(9) },
        { u",{#EditSecretario}"_s, ComLinha(10) },
        { u",{?CheckBoxVisivel}"_s, Sempre() },
        { u")"_s, Sempre() },
    };
    d.colunaExibicao = u"Nome"_s; // como gravado, com os espaços finais
    d.procuraControle = u"EditNome"_s;
    d.procuraColuna = u"Nome"_s;
    d.controlesReservados = { u"EditSigla"_s, u"EditNome"_s };
    return d;
}
} // namespace

TFormTabelaDepartamentos::TFormTabelaDepartamentos(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaDepartamentos::MontarControles()
{
    // Na linha dos botões de edição, antes do espaço do fim.
    QHBoxLayout *linha = LinhaBotoes();
    BitBtnEmails = NovoBotao(u"BitBtnEmails"_s, u"E-mails"_s, linha, linha->count() - 1,
        [this] { BitBtnEmailsClick(); });
    BitBtnTelefones = NovoBotao(u"BitBtnTelefones"_s, u"Telefones"_s, linha, linha->count() - 1,
        [this] { BitBtnTelefonesClick(); });
}

// Os níveis de departamento veem o seu departamento e a linha "[vazio]"; os outros
// (também os de seção com filtro, 9 e 10) veem a listagem padrão.
QStringList TFormTabelaDepartamentos::SentencaConsulta() const
{
    if (!FiltroDeDepartamentoAtivo())
        return TFormTabela::SentencaConsulta();
    return { u"SELECT * FROM "_s + NomeTabela(NumeroTabela) + u" WHERE Id="_s
        + ValorInteiro(FiltroTabelas) + u" OR Nome='[vazio]' ORDER BY Nome"_s };
}

void TFormTabelaDepartamentos::BitBtnEmailsClick()
{
    AbrirFilha(22,
        u"Não é possível editar e-mails do departamento durante os modos "
        "Incluir/Modificar/Excluir/Consultar."_s,
        u"Escolha um departamento para editar os e-mails relacionados."_s);
}

void TFormTabelaDepartamentos::BitBtnTelefonesClick()
{
    AbrirFilha(16,
        u"Não é possível editar telefones do departamento durante os modos "
        "Incluir/Modificar/Excluir/Consultar."_s,
        u"Escolha um departamento para editar os telefones relacionados."_s);
}
