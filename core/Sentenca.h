#pragma once
// Comandos SQL como dados: cada comando é a tabela de linhas da janela, com a regra
// de presença de cada linha; um só renderizador cola os valores, sempre citados.
//
// Marcas no texto de uma linha:
//   {T}    nome físico da tabela da janela (NomeTabela)
//   {'X}   texto do controle X entre aspas simples, aspas internas dobradas
//   {#X}   texto do controle X como inteiro, sem aspas (só dígitos, com sinal opcional)
//   {?X}   caixa de marcação X como 'S' ou 'N'
//   {@X}   data do controle X como 'M/D/AAAA' (DataParaSQL)
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// Regra de presença de uma linha.
struct Presenca {
    enum Tipo { Sempre, SeNaoVazio, SeVazio, ComLinha, SeMarcado, SeCondicao };
    Tipo tipo = Sempre;
    QString
        campo; // SeNaoVazio / SeVazio / SeMarcado: nome do controle; SeCondicao: nome da condição
    int linha = 0; // ComLinha: número (1..) da linha da mesma tabela
    // Além da regra do tipo, a condição com nome que também precisa valer (vazia: nenhuma).
    QString condicao = {};
};

inline Presenca Sempre()
{
    return {};
}
inline Presenca SeNaoVazio(const QString &campo)
{
    return { Presenca::SeNaoVazio, campo, 0 };
}
inline Presenca SeVazio(const QString &campo)
{
    return { Presenca::SeVazio, campo, 0 };
}
inline Presenca ComLinha(int n)
{
    return { Presenca::ComLinha, QString(), n };
}
inline Presenca SeMarcado(const QString &campo)
{
    return { Presenca::SeMarcado, campo, 0 };
}
// Condição com nome, decidida pela janela (FonteValores::Condicao).
inline Presenca SeCondicao(const QString &nome)
{
    return { Presenca::SeCondicao, nome, 0 };
}

struct LinhaSentenca {
    QString texto;
    Presenca presenca;
};
using TabelaLinhas = QList<LinhaSentenca>;

// De onde o renderizador tira os valores (os controles da janela, em geral).
class FonteValores {
public:
    virtual ~FonteValores() = default;
    virtual QString Texto(const QString &controle) const = 0;
    virtual bool Marcado(const QString &controle) const = 0;
    virtual QDate Data(const QString &controle) const = 0;
    virtual bool Condicao(const QString &nome) const
    {
        Q_UNUSED(nome);
        return false;
    }
};

// Valor de texto entre aspas simples; aspas internas dobradas. Um caractere NUL é
// recusado com ErroBanco.
QString CitarTexto(const QString &texto);
// Inteiro sem aspas; qualquer outra coisa é recusada com ErroBanco.
QString ValorInteiro(const QString &texto);

// Monta as linhas presentes; lança ErroBanco quando um valor é recusado.
QStringList RenderizarSentenca(
    const TabelaLinhas &linhas, int numeroTabela, const FonteValores &valores);
