#pragma once
// Pesquisa e ordem das listagens, sem janela: o texto dobrado (minúsculas, sem acentos),
// a procura dele nas células e a ordem das linhas por uma coluna conforme a espécie dos
// valores (números, datas, textos em ordem portuguesa). As células vêm em UTF-8, como a
// consulta as guarda, e não são copiadas.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <span>
#include <string_view>
#include <unordered_map>

namespace PesquisaOrdem {
// O texto sem acentos (as marcas da decomposição canônica) e em minúsculas (a dobra
// simples de caixa do Unicode, um caractere por caractere: "ß" fica).
QString Dobrar(const QString &texto);

// Procura de um texto, dobrado, nas células. Cada caractere da célula é dobrado sozinho,
// só onde o texto pode começar e enquanto confere: os de até U+00FF por uma tabela, os
// outros (travessões, aspas curvas...) uma vez por procura. O resultado é o de dobrar a
// célula inteira e procurar nela; a célula com bytes que não são UTF-8 é dobrada inteira.
class Procura {
public:
    explicit Procura(const QString &texto);

    // O texto dobrado, em UTF-8 (sem caracteres nulos). Vazio: toda célula o contém.
    const QByteArray &Agulha() const { return m_agulha; }
    bool Contem(QByteArrayView celula) const;
    // Alguma das células (as de uma linha) contém o texto?
    bool AlgumaContem(std::span<const QByteArrayView> celulas) const;

    // Os caracteres até U+00FF já dobrados, em UTF-8: o caminho rápido das células.
    struct TabelaDobra {
        char texto[256][4];
        quint8 tamanho[256];
    };

private:
    // Dobra de um caractere: os bytes UTF-8 e, em máscara, as posições deles onde o texto
    // pode começar.
    struct Dobra {
        std::string_view texto;
        quint32 inicios = 0;
    };
    // Um caractere acima de U+00FF, dobrado na primeira vez que aparece.
    struct Outro {
        QByteArray texto;
        quint32 inicios = 0;
        bool inteira = false; // só dobrando a célula inteira (marcas que se reordenam)
    };
    enum Resultado { Nao, Sim, Inteira };
    quint32 iniciosDe(std::string_view dobrado) const;
    const Outro &outro(char32_t c) const;
    Outro dobrarOutro(char32_t c) const;
    // A dobra do caractere em 'p' e o começo do seguinte; nullptr: a célula se dobra
    // inteira.
    const uchar *dobraEm(const uchar *p, const uchar *fim, Dobra &d) const;
    // O texto a partir de 'dobrado' (o começo da dobra do caractere antes de 'p').
    Resultado casa(const uchar *p, const uchar *fim, std::string_view dobrado) const;
    const uchar *casaEm(const uchar *p, const uchar *fim, Resultado &r) const;
    bool contem(QByteArrayView celula) const;
    bool contemInteira(QByteArrayView celula) const;

    QByteArray m_agulha;
    const TabelaDobra &m_tabela;
    std::array<quint8, 256> m_inicios {}; // dos caracteres até U+00FF
    std::array<bool, 256> m_pular {}; // bytes ASCII onde o texto não começa
    mutable std::unordered_map<char32_t, Outro> m_outros;
};

// A ordem crescente das linhas 0..linhas-1 pelos valores de uma coluna ('celula' dá o
// valor de uma linha); entre valores iguais, a ordem das linhas.
using Celula = std::function<QByteArrayView(int linha)>;
// Números; o que não é número vem antes de todos.
QList<int> OrdemNumeros(int linhas, const Celula &celula);
// Datas ou datas e horas ISO (AAAA-MM-DD HH:MM:SS); sem data vem antes de todas.
QList<int> OrdemDatas(int linhas, const Celula &celula);
// Textos em ordem portuguesa: maiúsculas e acentos não separam as letras.
QList<int> OrdemTextos(int linhas, const Celula &celula);
} // namespace PesquisaOrdem
