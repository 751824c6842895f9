#include "TabelaSecoes.h"

#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
const QString Chefia = u"GroupBoxChefia"_s;
const QString CaixaDiretoria = u"GroupBoxDiretoria"_s;

DescricaoJanela descricao()
{
    const auto chefia = [](Campo c) { return c.NoGrupo(Chefia, u" Chefia "_s); };
    const auto diretoria
        = [](Campo c) { return c.NoGrupo(CaixaDiretoria, u" Diretoria "_s, Chefia); };
    const auto mandato = [&](const QString &quem) {
        return QList<Campo> {
            diretoria(CampoData(quem + u"Inicio"_s, u"Date"_s + quem + u"Inicio"_s, u"Mandato"_s)),
            diretoria(CampoData(quem + u"Termino"_s, u"Date"_s + quem + u"Termino"_s, u"a"_s))
                .AoLado(),
        };
    };

    DescricaoJanela d;
    d.numero = 21;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 50),
        CampoPesquisa(u"Assistencia"_s, u"Assistência"_s, 73),
        CampoMemo(u"Descricao"_s, u"Descrição"_s, 7990).Capacidade(),
        CampoEdit(u"Endereco"_s, u"Endereço"_s, 60),
        CampoEdit(u"Cep"_s, u"CEP"_s, 9),
        CampoEdit(u"Link"_s, u"Link"_s, 255),
        CampoPesquisa(u"Imagem"_s, u"Imagem"_s, 71),
        // A coluna Diretor é o chefe docente de uma seção e o diretor na diretoria.
        chefia(
            CampoPesquisa(u"Diretor"_s, u"Chefe Docente"_s, 11).NoControle(u"EditChefeDocente"_s)),
        chefia(CampoPesquisa(u"Chefe"_s, u"Chefe Funcionário"_s, 27)),
        chefia(CampoPesquisa(u"Suplente"_s, u"Encarregado"_s, 27)),
        diretoria(CampoPesquisa(u"Diretor"_s, u"Diretor"_s, 11)),
    };
    d.campos << mandato(u"Diretor"_s);
    d.campos << diretoria(CampoPesquisa(u"ViceDiretor"_s, u"Vice-diretor"_s, 11));
    d.campos << mandato(u"ViceDiretor"_s);
    // Uma só das duas caixas à vista: a da diretoria para o nome "Diretoria", a da chefia
    // para os outros; só os campos dela são gravados.
    d.caixas = { u"EditNome"_s, [](const QString &nome) {
                    return TFormTabelaSecoes::Diretoria(nome) ? CaixaDiretoria : Chefia;
                } };
    // A chefia (ou a diretoria) logo depois do nome; o resto na ordem da tela.
    d.ordemExibicao = { u"EditNome"_s, u"EditChefeDocente"_s, u"EditChefe"_s, u"EditSuplente"_s,
        u"EditDiretor"_s, u"DateDiretorInicio"_s, u"DateDiretorTermino"_s, u"EditViceDiretor"_s,
        u"DateViceDiretorInicio"_s, u"DateViceDiretorTermino"_s };
    // As pesquisas vazias ficam fora: um UPDATE nunca limpa chefe, diretor, assistência ou
    // imagem já gravados.
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Diretor"_s).DoControle(u"EditChefeDocente"_s),
        Gravar(u"Chefe"_s), Gravar(u"Suplente"_s),
        Gravar(u"Diretor"_s).DoControle(u"EditDiretor"_s), Gravar(u"DiretorInicio"_s),
        Gravar(u"DiretorTermino"_s), Gravar(u"ViceDiretor"_s), Gravar(u"ViceDiretorInicio"_s),
        Gravar(u"ViceDiretorTermino"_s), Gravar(u"Assistencia"_s), Gravar(u"Descricao"_s),
        Gravar(u"Endereco"_s), Gravar(u"Cep"_s), Gravar(u"Link"_s), Gravar(u"Imagem"_s) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.controlesReservados = { u"EditNome"_s };
    d.filhas = {
        { .nome = u"BitBtnEmails"_s,
            .texto = u"E-mails"_s,
            .numero = 23,
            .recusaModo = u"Não é possível editar e-mails da seção durante os modos "
                          "Incluir/Modificar/Excluir/Consultar."_s,
            .recusaSemLinha = u"Escolha uma seção para editar os e-mails relacionados."_s,
            .exigeNome = true },
        { .nome = u"BitBtnTelefones"_s,
            .texto = u"Telefones"_s,
            .numero = 24,
            .recusaModo = u"Não é possível editar telefones da seção durante os modos "
                          "Incluir/Modificar/Excluir/Consultar."_s,
            .recusaSemLinha = u"Escolha uma seção para editar os telefones relacionados."_s,
            .exigeNome = true },
    };
    return d;
}
} // namespace

TFormTabelaSecoes::TFormTabelaSecoes(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

bool TFormTabelaSecoes::Diretoria(const QString &nome)
{
    return nome.toUpper() == u"DIRETORIA"_s;
}

void TFormTabelaSecoes::BitBtnAceitarClick()
{
    // A diretoria é gravada com o nome "Diretoria", escrito como for.
    if (Editando() && Diretoria(Texto(u"EditNome"_s)))
        DefinirTexto(u"EditNome"_s, u"Diretoria"_s);
    TFormTabela::BitBtnAceitarClick();
}

REGISTRAR_JANELA(21, TFormTabelaSecoes)
