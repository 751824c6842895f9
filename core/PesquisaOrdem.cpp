#include "PesquisaOrdem.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <limits>
#include <vector>

namespace PesquisaOrdem {
namespace {
std::string_view vista(QByteArrayView v)
{
    return { v.data(), size_t(v.size()) };
}

// ---- Pesquisa: a dobra dos caracteres ----------------------------------------------

const Procura::TabelaDobra &tabelaDobra()
{
    static const Procura::TabelaDobra t = [] {
        Procura::TabelaDobra d {};
        for (int c = 0; c < 256; ++c) {
            const QByteArray u = Dobrar(QString(QChar(char16_t(c)))).toUtf8();
            d.tamanho[c] = quint8(std::min<qsizetype>(u.size(), 4));
            std::memcpy(d.texto[c], u.constData(), d.tamanho[c]);
        }
        return d;
    }();
    return t;
}

// O caractere de dois a quatro bytes em 'p' (avança 'p'); false quando os bytes não são
// UTF-8 (sequência cortada ou longa demais, metade de um par substituto, acima de
// U+10FFFF).
bool decodificar(const uchar *&p, const uchar *fim, char32_t &c)
{
    int seguintes;
    char32_t minimo;
    if (*p >= 0xC2 && *p <= 0xDF) {
        seguintes = 1;
        c = *p & 0x1F;
        minimo = 0x80;
    } else if (*p >= 0xE0 && *p <= 0xEF) {
        seguintes = 2;
        c = *p & 0x0F;
        minimo = 0x800;
    } else if (*p >= 0xF0 && *p <= 0xF4) {
        seguintes = 3;
        c = *p & 0x07;
        minimo = 0x10000;
    } else {
        return false;
    }
    if (fim - p <= seguintes)
        return false;
    for (int i = 1; i <= seguintes; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (p[i] & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    p += seguintes + 1;
    return true;
}

// ---- Ordem dos textos: pesos primários do colador para o caminho rápido ---------------

QCollator &colador()
{
    static QCollator c = [] {
        QCollator k(QLocale(QLocale::Portuguese, QLocale::Brazil));
        k.setCaseSensitivity(Qt::CaseInsensitive);
        return k;
    }();
    return c;
}

// Peso de cada caractere até U+00FF na ordem portuguesa, sem caixa nem acento (0: fora
// do caminho rápido). Dois textos só com esses caracteres se comparam pela sequência dos
// pesos; quando ela é igual, o colador decide (acentos e caixa).
const std::array<quint8, 256> &pesos()
{
    static const std::array<quint8, 256> p = [] {
        std::array<quint8, 256> w {};
        QList<char16_t> ascii;
        for (char16_t c = 0x20; c < 0x7F; ++c)
            ascii << c;
        const QCollator &k = colador();
        auto comparar = [&](char16_t a, char16_t b) {
            return k.compare(QString(QChar(a)), QString(QChar(b)));
        };
        std::stable_sort(
            ascii.begin(), ascii.end(), [&](char16_t a, char16_t b) { return comparar(a, b) < 0; });
        quint8 peso = 0;
        for (qsizetype i = 0; i < ascii.size(); ++i) {
            if (i == 0 || comparar(ascii.at(i - 1), ascii.at(i)) != 0)
                ++peso;
            w[ascii.at(i)] = peso;
        }
        // Letras acentuadas do Latin-1: o peso da letra sem o acento.
        for (int c = 0xC0; c < 0x100; ++c) {
            const QChar ch { char16_t(c) };
            const QString d = ch.decomposition();
            if (ch.decompositionTag() == QChar::Canonical && !d.isEmpty()
                && d.at(0).unicode() < 0x80 && d.at(0).isLetter())
                w[c] = w[d.at(0).unicode()];
        }
        return w;
    }();
    return p;
}

// Pesos de um texto UTF-8; false quando há caractere fora do caminho rápido.
bool pesosDe(QByteArrayView texto, QByteArray &saida)
{
    const auto &w = pesos();
    const auto *p = reinterpret_cast<const uchar *>(texto.data());
    const uchar *fim = p + texto.size();
    while (p < fim) {
        int c;
        if (*p < 0x80) {
            c = *p++;
        } else if ((*p == 0xC2 || *p == 0xC3) && p + 1 < fim) {
            c = ((p[0] & 0x1F) << 6) | (p[1] & 0x3F);
            p += 2;
        } else {
            return false;
        }
        if (!w[c])
            return false;
        saida += char(w[c]);
    }
    return true;
}

// Valor de ordem de uma data ou data e hora ISO (AAAA-MM-DD HH:MM:SS): os dígitos, até
// catorze; sem data, -1 (antes de todas).
qint64 valorData(QByteArrayView v)
{
    qint64 n = 0;
    int digitos = 0;
    for (const char c : v)
        if (c >= '0' && c <= '9' && digitos < 14) {
            n = n * 10 + (c - '0');
            ++digitos;
        }
    if (digitos < 8)
        return -1;
    for (; digitos < 14; ++digitos)
        n *= 10;
    return n;
}

double valorNumero(QByteArrayView v)
{
    const std::string_view s = vista(v);
    const size_t i = s.find_first_not_of(' ');
    double d = 0;
    if (i == std::string_view::npos
        || std::from_chars(s.data() + i, s.data() + s.size(), d).ec != std::errc())
        return -std::numeric_limits<double>::infinity();
    return d;
}

// Ordena as linhas pelo valor de cada uma e, entre iguais, pelo número da linha (a ordem
// das linhas fica entre os iguais).
template <class T>
QList<int> ordemPorValor(int linhas, const Celula &celula, T (*valor)(QByteArrayView))
{
    std::vector<std::pair<T, int>> itens(linhas);
    for (int i = 0; i < linhas; ++i)
        itens[i] = { valor(celula(i)), i };
    std::sort(itens.begin(), itens.end());
    QList<int> ordem(linhas);
    for (int i = 0; i < linhas; ++i)
        ordem[i] = itens[i].second;
    return ordem;
}

// Oito bytes de uma chave a partir de 'de', para comparar como número.
quint64 oitoBytes(std::string_view chave, size_t de)
{
    quint64 p = 0;
    for (size_t i = de; i < de + 8; ++i)
        p = (p << 8) | (i < chave.size() ? quint8(chave[i]) : 0);
    return p;
}

// Ordem dos textos pelo colador, com as chaves dele (textos fora do caminho rápido).
void ordenarPeloColador(int n, const Celula &celula, QList<int> &ordem)
{
    std::vector<QCollatorSortKey> chaves;
    chaves.reserve(n);
    for (int i = 0; i < n; ++i)
        chaves.push_back(colador().sortKey(QString::fromUtf8(celula(i))));
    std::stable_sort(
        ordem.begin(), ordem.end(), [&](int a, int b) { return chaves[a].compare(chaves[b]) < 0; });
}

// Ordem dos textos pelos pesos do caminho rápido: primeiro pela sequência dos pesos (os
// dezesseis primeiros ao lado do número da linha); depois, em cada grupo de pesos iguais
// com textos diferentes (acentos, maiúsculas), pelo colador. false: há texto fora do
// caminho rápido.
bool ordenarPelosPesos(int n, const Celula &celula, QList<int> &ordem)
{
    QByteArray chaves;
    std::vector<qsizetype> inicio(n + 1);
    for (int i = 0; i < n; ++i) {
        inicio[i] = chaves.size();
        if (!pesosDe(celula(i), chaves))
            return false;
    }
    inicio[n] = chaves.size();
    auto chave = [&](int i) {
        return std::string_view(chaves.constData() + inicio[i], inicio[i + 1] - inicio[i]);
    };
    struct Item {
        quint64 a, b;
        int linha;
    };
    std::vector<Item> itens(n);
    for (int i = 0; i < n; ++i)
        itens[i] = { oitoBytes(chave(i), 0), oitoBytes(chave(i), 8), i };
    std::sort(itens.begin(), itens.end(), [&](const Item &x, const Item &y) {
        if (x.a != y.a)
            return x.a < y.a;
        if (x.b != y.b)
            return x.b < y.b;
        const std::string_view cx = chave(x.linha), cy = chave(y.linha);
        if (cx.size() > 16 || cy.size() > 16) {
            const int c = cx.substr(std::min<size_t>(16, cx.size()))
                              .compare(cy.substr(std::min<size_t>(16, cy.size())));
            if (c != 0)
                return c < 0;
        }
        return x.linha < y.linha;
    });
    for (int i = 0; i < n; ++i)
        ordem[i] = itens[i].linha;
    // Grupos de pesos iguais: textos iguais ficam na ordem da consulta; textos diferentes
    // (só em acentos ou maiúsculas) vão ao colador.
    for (int i = 0; i < n;) {
        int fim = i + 1;
        bool iguais = true;
        const std::string_view primeiro = vista(celula(ordem[i]));
        while (fim < n && chave(ordem[fim]) == chave(ordem[i])) {
            iguais = iguais && vista(celula(ordem[fim])) == primeiro;
            ++fim;
        }
        if (!iguais)
            std::stable_sort(ordem.begin() + i, ordem.begin() + fim, [&](int a, int b) {
                return colador().compare(QString::fromUtf8(celula(a)), QString::fromUtf8(celula(b)))
                    < 0;
            });
        i = fim;
    }
    return true;
}

} // namespace

QString Dobrar(const QString &texto)
{
    const QString decomposto = texto.normalized(QString::NormalizationForm_D);
    QString s;
    s.reserve(decomposto.size());
    for (const QChar c : decomposto)
        if (c.category() != QChar::Mark_NonSpacing)
            s += c;
    return s.toCaseFolded();
}

// ---- Pesquisa ---------------------------------------------------------------------

Procura::Procura(const QString &texto)
    : m_agulha(Dobrar(texto).toUtf8().replace('\0', QByteArray()))
    , m_tabela(tabelaDobra())
{
    for (int c = 0; c < 256; ++c) {
        m_inicios[c] = quint8(iniciosDe({ m_tabela.texto[c], m_tabela.tamanho[c] }));
        m_pular[c] = c < 0x80 && !m_inicios[c];
    }
}

quint32 Procura::iniciosDe(std::string_view dobrado) const
{
    // O texto começa por um byte que inicia caractere: onde ele aparece na dobra, começa
    // um caractere dela.
    quint32 inicios = 0;
    for (size_t i = 0; !m_agulha.isEmpty() && i < std::min<size_t>(dobrado.size(), 32); ++i)
        if (dobrado[i] == m_agulha[0])
            inicios |= 1u << i;
    return inicios;
}

const Procura::Outro &Procura::outro(char32_t c) const
{
    auto i = m_outros.find(c);
    if (i == m_outros.end())
        i = m_outros.emplace(c, dobrarOutro(c)).first;
    return i->second;
}

Procura::Outro Procura::dobrarOutro(char32_t c) const
{
    Outro o;
    const QString s = QString::fromUcs4(&c, 1);
    // A decomposição da célula inteira põe as marcas em ordem canônica; só importa quando
    // uma marca fica depois de dobrar (as que não são "sem espaço", as fora do BMP).
    for (const char32_t x : s.normalized(QString::NormalizationForm_D).toUcs4())
        if (QChar::combiningClass(x) != 0
            && (x > 0xFFFF || QChar::category(x) != QChar::Mark_NonSpacing))
            o.inteira = true;
    o.texto = Dobrar(s).toUtf8();
    o.inteira = o.inteira || o.texto.size() > 32;
    o.inicios = iniciosDe(vista(o.texto));
    return o;
}

const uchar *Procura::dobraEm(const uchar *p, const uchar *fim, Dobra &d) const
{
    char32_t c;
    if (*p < 0x80) {
        c = *p++;
    } else if (!decodificar(p, fim, c)) {
        return nullptr;
    } else if (c > 0xFF) {
        const Outro &o = outro(c);
        d = { vista(o.texto), o.inicios };
        return o.inteira ? nullptr : p;
    }
    d = { { m_tabela.texto[c], m_tabela.tamanho[c] }, m_inicios[c] };
    return p;
}

Procura::Resultado Procura::casa(const uchar *p, const uchar *fim, std::string_view dobrado) const
{
    const char *agulha = m_agulha.constData();
    const size_t n = m_agulha.size();
    size_t k = std::min(dobrado.size(), n);
    if (std::memcmp(dobrado.data(), agulha, k) != 0)
        return Nao;
    while (k < n) {
        if (p >= fim)
            return Nao;
        if (*p < 0x80) {
            // ASCII dobra num byte.
            if (m_tabela.texto[*p++][0] != agulha[k++])
                return Nao;
            continue;
        }
        Dobra d;
        p = dobraEm(p, fim, d);
        if (!p)
            return Inteira;
        const size_t m = std::min(d.texto.size(), n - k);
        if (std::memcmp(d.texto.data(), agulha + k, m) != 0)
            return Nao;
        k += m;
    }
    return Sim;
}

bool Procura::contemInteira(QByteArrayView celula) const
{
    return Dobrar(QString::fromUtf8(celula)).toUtf8().contains(m_agulha);
}

// O texto a partir do caractere em 'p' (ASCII onde o texto começa, ou acima de ASCII), em
// cada posição da dobra dele onde pode começar (a sílaba coreana decompõe-se em três
// letras: também na segunda e na terceira). Devolve o começo do caractere seguinte.
const uchar *Procura::casaEm(const uchar *p, const uchar *fim, Resultado &r) const
{
    Dobra d;
    if (*p < 0x80) {
        d = { { m_tabela.texto[*p], 1 }, 1 };
        ++p;
    } else if (p = dobraEm(p, fim, d); !p) {
        r = Inteira;
        return p;
    }
    r = Nao;
    for (quint32 i = d.inicios; i && r == Nao; i &= i - 1)
        r = casa(p, fim, d.texto.substr(std::countr_zero(i)));
    return p;
}

inline bool Procura::contem(QByteArrayView celula) const
{
    if (m_agulha.isEmpty())
        return true;
    const auto *p = reinterpret_cast<const uchar *>(celula.data());
    const uchar *fim = p + celula.size();
    for (;;) {
        // ASCII onde o texto não começa: só passar.
        while (p < fim && m_pular[*p])
            ++p;
        if (p == fim)
            return false;
        Resultado r;
        p = casaEm(p, fim, r);
        if (r == Sim)
            return true;
        if (r == Inteira)
            return contemInteira(celula);
    }
}

bool Procura::Contem(QByteArrayView celula) const
{
    return contem(celula);
}

bool Procura::AlgumaContem(std::span<const QByteArrayView> celulas) const
{
    for (const QByteArrayView c : celulas)
        if (contem(c))
            return true;
    return false;
}

// ---- Ordem ------------------------------------------------------------------------

QList<int> OrdemNumeros(int linhas, const Celula &celula)
{
    return ordemPorValor(linhas, celula, valorNumero);
}

QList<int> OrdemDatas(int linhas, const Celula &celula)
{
    return ordemPorValor(linhas, celula, valorData);
}

QList<int> OrdemTextos(int linhas, const Celula &celula)
{
    QList<int> ordem(linhas);
    if (!ordenarPelosPesos(linhas, celula, ordem)) {
        for (int i = 0; i < linhas; ++i)
            ordem[i] = i;
        ordenarPeloColador(linhas, celula, ordem);
    }
    return ordem;
}
} // namespace PesquisaOrdem
