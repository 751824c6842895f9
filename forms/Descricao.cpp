#include "Descricao.h"

using namespace Qt::StringLiterals;

namespace {
Campo campo(TipoCampo tipo, const QString &coluna, const QString &controle, const QString &rotulo,
    int tamanho, RegraCampo regra)
{
    Campo c;
    c.tipo = tipo;
    c.coluna = coluna;
    c.controle = controle;
    c.rotulo = rotulo;
    c.tamanho = tamanho;
    c.regra = regra;
    return c;
}
} // namespace

Campo CampoEdit(const QString &coluna, const QString &rotulo, int tamanho)
{
    return campo(TipoCampo::Edit, coluna, u"Edit"_s + coluna, rotulo, tamanho, RegraCampo::Escrita);
}

Campo CampoMemo(const QString &coluna, const QString &rotulo, int tamanho)
{
    return campo(TipoCampo::Memo, coluna, u"Memo"_s + coluna, rotulo, tamanho, RegraCampo::Escrita);
}

Campo CampoLista(const QString &coluna, const QString &rotulo, const QStringList &itens,
    bool editavel, int tamanho)
{
    Campo c = campo(editavel ? TipoCampo::ComboEditavel : TipoCampo::ComboLista, coluna,
        u"Edit"_s + coluna, rotulo, tamanho, RegraCampo::Habilitar);
    c.itens = itens;
    return c;
}

Campo CampoMarcacao(const QString &coluna, const QString &rotulo)
{
    return campo(TipoCampo::CheckBox, coluna, u"CheckBox"_s + coluna, rotulo, 1, RegraCampo::Livre);
}

Campo CampoData(const QString &coluna, const QString &controle, const QString &rotulo)
{
    return campo(TipoCampo::Data, coluna, controle, rotulo, 0, RegraCampo::Habilitar);
}

Campo CampoSpin(const QString &coluna, const QString &rotulo, int minimo, int maximo)
{
    Campo c = campo(TipoCampo::Spin, coluna, u"Edit"_s + coluna, rotulo, 0, RegraCampo::Habilitar);
    c.itens = { QString::number(minimo), QString::number(maximo) };
    return c;
}

Campo CampoMascara(const QString &coluna, const QString &rotulo, const QString &mascara)
{
    Campo c = campo(TipoCampo::Mascara, coluna, u"Edit"_s + coluna, rotulo, 0, RegraCampo::Escrita);
    c.mascara = mascara;
    return c;
}

Campo CampoPesquisa(const QString &coluna, const QString &rotulo, int escolha)
{
    Campo c
        = campo(TipoCampo::Pesquisa, coluna, u"Edit"_s + coluna, rotulo, 0, RegraCampo::Escrita);
    c.escolha = escolha;
    return c;
}

Campo CampoTextoLongo(
    const QString &coluna, const QString &rotulo, int tamanho, int tabela, const QString &chave)
{
    Campo c = CampoMemo(coluna, rotulo, tamanho);
    c.coluna.clear(); // não vem da linha: vem da tabela de descrição
    c.controle = u"Memo"_s + coluna;
    c.tabelaTexto = tabela;
    c.chaveTexto = chave;
    c.capacidade = true;
    return c;
}
