#include "TabelaImagens.h"

#include "Registro.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {
QString recusa(const QString &dono)
{
    return u"Você não possui permissão para associar essa imagem a "_s + dono
        + u". Operação interrompida."_s;
}

DescricaoJanela descricao()
{
    const auto lista = [](const QString &coluna, const QString &rotulo, const QStringList &itens) {
        return CampoLista(coluna, rotulo, itens, true, 50).Regra(RegraCampo::HabilitarAmarelo);
    };
    // Sem limites; vazio vale 0.
    const auto tamanho = [](const QString &coluna, const QString &rotulo) {
        return CampoSpin(
            coluna, rotulo, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())
            .Regra(RegraCampo::Escrita);
    };
    DescricaoJanela d;
    d.numero = 71;
    d.campos = {
        CampoEdit(u"Titulo"_s, u"Título"_s, 255)
            .Obrigatorio(u"O campo Título deve estar preenchido. Operação interrompida."_s),
        CampoEdit(u"Arquivo"_s, u"Arquivo"_s, 255)
            .Obrigatorio(u"O campo Arquivo deve estar preenchido. Operação interrompida."_s),
        CampoEdit(u"Copyright"_s, u"Copyright"_s, 255)
            .Legenda(u"Envie o arquivo ao webmaster, que o colocará na área de imagens da "
                     "página,\nou dê o endereço completo de um arquivo externo, começando por "
                     "http:// ou https://."_s),
        lista(u"Tipo"_s, u"Tipo Arquivo"_s,
            { u"Figura"_s, u"Figura Vetorial"_s, u"Fotografia"_s, u"Imagem"_s }),
        lista(u"Categoria"_s, u"Categoria"_s,
            { u"Ambiente"_s, u"Evento"_s, u"Mapa"_s, u"Paisagem"_s, u"Pessoal"_s })
            .AoLado(),
        CampoMemo(u"Descricao"_s, u"Descrição"_s, 3990).Capacidade(),
        tamanho(u"TamanhoX"_s, u"X ="_s).Legenda(u"Tamanho"_s),
        tamanho(u"TamanhoY"_s, u"pontos     Y ="_s).AoLado().Unidade(u"pontos"_s, u"LabelPontos"_s),
        CampoPesquisa(u"Departamento"_s, u"Depto"_s, 10)
            .SoNosNiveis({ 1, 2, 3, 4, 5, 6 }, recusa(u"um departamento"_s))
            .Legenda(u"Preencha abaixo somente se o material estiver relacionado com alguns "
                     "dos campos:"_s),
        CampoPesquisa(u"Secao"_s, u"Seção"_s, 21)
            .SoNosNiveis({ 1, 2, 7, 8, 9, 10, 11, 12 }, recusa(u"uma seção"_s)),
        CampoPesquisa(u"Docente"_s, u"Docente"_s, 11)
            .SoNosNiveis({ 1, 2, 3, 4, 5, 6, 8 }, recusa(u"um docente"_s)),
    };
    // Os tamanhos sempre, como números (vazio é 0); os donos vazios ficam fora: um dono
    // gravado não se apaga por aqui.
    d.colunas = { Gravar(u"Titulo"_s), Gravar(u"Arquivo"_s), Gravar(u"Copyright"_s),
        Gravar(u"Tipo"_s), Gravar(u"Categoria"_s), Gravar(u"Descricao"_s),
        Gravar(u"TamanhoX"_s).Sempre(), Gravar(u"TamanhoY"_s).Sempre(), Gravar(u"Departamento"_s),
        Gravar(u"Secao"_s), Gravar(u"Docente"_s) };
    d.controlesReservados = { u"EditTitulo"_s };
    return d;
}
} // namespace

TFormTabelaImagens::TFormTabelaImagens(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

REGISTRAR_JANELA(71, TFormTabelaImagens)
