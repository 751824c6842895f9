#include "TabelaPublicacoes.h"

#include "Registro.h"

#include <QHash>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
// As colunas de texto, na ordem em que os comandos as escrevem (Link antes de Circulacao).
const QStringList &colunasDeTexto()
{
    static const QStringList c = { u"Autor"_s, u"Mes"_s, u"Ano"_s, u"Capitulo"_s, u"Titulo"_s,
        u"Veiculo"_s, u"Volume"_s, u"Edicao"_s, u"Editora"_s, u"Local"_s, u"PaginaInicial"_s,
        u"PaginaFinal"_s, u"Paginas"_s, u"Link"_s, u"Circulacao"_s };
    return c;
}

// As caixas escondidas por tipo de publicação.
const QHash<QString, QStringList> &escondidasPorTipo()
{
    static const QHash<QString, QStringList> t = {
        { u"artigo em periódico"_s,
            { u"EditCapitulo"_s, u"EditEdicao"_s, u"EditEditora"_s, u"EditLocal"_s,
                u"EditPaginas"_s } },
        { u"livro"_s,
            { u"EditVeiculo"_s, u"EditPaginaInicial"_s, u"EditPaginaFinal"_s, u"EditCapitulo"_s,
                u"EditCirculacao"_s } },
        { u"capítulo de livro"_s, { u"EditVeiculo"_s, u"EditCirculacao"_s } },
    };
    return t;
}

DescricaoJanela descricao()
{
    const auto texto = [](const QString &coluna, const QString &rotulo, int tamanho) {
        return CampoEdit(coluna, rotulo, tamanho).SemEspacosFinais();
    };
    DescricaoJanela d;
    d.numero = 26;
    d.campos = {
        CampoLista(u"Tipo"_s, u"Tipo"_s,
            { u"artigo em periódico"_s, u"livro"_s, u"capítulo de livro"_s }, true, 30)
            .Regra(RegraCampo::HabilitarAmarelo)
            .Obrigatorio(u"O campo Tipo deve estar preenchido. Tente novamente."_s),
        CampoPai(u"Docente"_s, u"Docente"_s, 11, PesquisaFixa::Nada,
            u"O campo Docente não está preenchido. Por favor, contacte o webmaster e relate o "
            "erro."_s),
        texto(u"Autor"_s, u"Autores"_s, 255),
        texto(u"Mes"_s, u"Mês"_s, 10),
        texto(u"Ano"_s, u"Ano"_s, 4).AoLado(),
        texto(u"Capitulo"_s, u"Capítulo"_s, 255),
        texto(u"Titulo"_s, u"Título"_s, 255),
        texto(u"Veiculo"_s, u"Periódico"_s, 255),
        texto(u"Volume"_s, u"Volume"_s, 10),
        texto(u"Edicao"_s, u"Edição no."_s, 10).AoLado(),
        texto(u"Editora"_s, u"Editora"_s, 50),
        texto(u"Local"_s, u"Local"_s, 50).AoLado(),
        texto(u"PaginaInicial"_s, u"Pág Inicial"_s, 10),
        texto(u"PaginaFinal"_s, u"Pág Final"_s, 10).AoLado(),
        texto(u"Paginas"_s, u"Total Págs"_s, 10),
        CampoLista(
            u"Circulacao"_s, u"Circulação"_s, { u"Nacional"_s, u"Internacional"_s }, true, 15)
            .SemEspacosFinais(),
        texto(u"Link"_s, u"Link"_s, 255),
    };
    d.colunas = { Gravar(u"Tipo"_s), Gravar(u"Docente"_s).DoControle(u"EditDocente"_s) };
    for (const QString &c : colunasDeTexto())
        d.colunas << Gravar(c);
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    return d;
}
} // namespace

TFormTabelaPublicacoes::TFormTabelaPublicacoes(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaPublicacoes::MontarControles()
{
    AoEditar(u"EditTipo"_s, [this] { EditTipoChange(); });
}

void TFormTabelaPublicacoes::EditTipoChange()
{
    const QStringList escondidas = escondidasPorTipo().value(Texto(u"EditTipo"_s));
    for (const Campo &c : Descricao().campos)
        if (c.controle != u"EditTipo"_s && !c.Pesquisa())
            Controle(c.controle)->setVisible(!escondidas.contains(c.controle));
}

void TFormTabelaPublicacoes::MostrarRegistro()
{
    TFormTabela::MostrarRegistro();
    if (!EditId->text().isEmpty())
        EditTipoChange();
}

REGISTRAR_JANELA(26, TFormTabelaPublicacoes)
