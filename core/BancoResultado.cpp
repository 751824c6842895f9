#include "BancoResultado.h"

#include <QStringDecoder>
#include <cstring>

namespace {
// Uma linha guardada: [largura dos fins: 1, 2 ou 4 bytes] [fins das colunas] [marcas de
// nulo] [textos UTF-8]. Os fins contam a partir do começo dos textos; a largura é a menor
// que cabe o fim da linha.
struct LinhaGuardada {
    const char *base;
    int colunas;

    int largura() const { return base[0]; }
    const char *textos() const { return base + 1 + colunas * largura() + (colunas + 7) / 8; }
    qint32 fim(int c) const
    {
        if (c < 0)
            return 0;
        if (largura() == 1)
            return quint8(base[1 + c]);
        if (largura() == 2) {
            quint16 f;
            std::memcpy(&f, base + 1 + 2 * c, sizeof f);
            return f;
        }
        qint32 f;
        std::memcpy(&f, base + 1 + 4 * c, sizeof f);
        return f;
    }
    bool nula(int c) const { return base[1 + colunas * largura() + c / 8] & (1 << (c % 8)); }
    QByteArrayView celula(int c) const
    {
        const qint32 inicio = fim(c - 1);
        return QByteArrayView(textos() + inicio, fim(c) - inicio);
    }
};
} // namespace

QString TextoUtf8(QByteArrayView utf8)
{
    if (!utf8.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(utf8);
    QStringDecoder d(QStringDecoder::Utf8,
        QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    return d.decode(utf8);
}

void ResultadoConsulta::AcrescentarColuna(const QString &nome, NaturezaColuna natureza)
{
    m_nomes << nome;
    m_naturezas << natureza;
}

void ResultadoConsulta::AcrescentarLinha(const QByteArrayView *celulas)
{
    const int colunas = Colunas();
    qsizetype textos = 0;
    for (int i = 0; i < colunas; ++i)
        textos += celulas[i].size();
    const int largura = textos < 0x100 ? 1 : textos < 0x10000 ? 2 : 4;
    const qsizetype cabecalho = 1 + colunas * largura + (colunas + 7) / 8;
    const qsizetype inicio = m_dados.size();
    m_dados.resize(inicio + cabecalho + textos);
    char *linha = m_dados.data() + inicio;
    std::memset(linha, 0, cabecalho);
    linha[0] = char(largura);
    char *texto = linha + cabecalho;
    qint32 fim = 0;
    for (int i = 0; i < colunas; ++i) {
        const QByteArrayView c = celulas[i];
        if (c.data() == nullptr)
            linha[1 + colunas * largura + i / 8] |= char(1 << (i % 8));
        if (!c.isEmpty())
            std::memcpy(texto + fim, c.data(), c.size());
        fim += qint32(c.size());
        if (largura == 1) {
            linha[1 + i] = char(quint8(fim));
        } else if (largura == 2) {
            const quint16 f = quint16(fim);
            std::memcpy(linha + 1 + 2 * i, &f, sizeof f);
        } else {
            std::memcpy(linha + 1 + 4 * i, &fim, sizeof fim);
        }
    }
    m_inicios.append(inicio);
}

void ResultadoConsulta::Concluir()
{
    m_dados.squeeze();
    m_inicios.squeeze();
}

void ResultadoConsulta::AcrescentarLinhas(const ResultadoConsulta &outro)
{
    const qsizetype inicio = m_dados.size();
    m_dados.append(outro.m_dados);
    m_inicios.reserve(m_inicios.size() + outro.m_inicios.size());
    for (const qsizetype i : outro.m_inicios)
        m_inicios.append(inicio + i);
}

void ResultadoConsulta::Limpar()
{
    m_dados = QByteArray();
    m_inicios = QList<qsizetype>();
    m_nomes.clear();
    m_naturezas.clear();
}

QByteArrayView ResultadoConsulta::Celula(int linha, int coluna) const
{
    return LinhaGuardada { m_dados.constData() + m_inicios.at(linha), Colunas() }.celula(coluna);
}

bool ResultadoConsulta::Nula(int linha, int coluna) const
{
    return LinhaGuardada { m_dados.constData() + m_inicios.at(linha), Colunas() }.nula(coluna);
}

void ResultadoConsulta::CelulasDaLinha(int linha, QByteArrayView *celulas) const
{
    const LinhaGuardada l { m_dados.constData() + m_inicios.at(linha), Colunas() };
    const char *textos = l.textos();
    qint32 inicio = 0;
    for (int c = 0; c < l.colunas; ++c) {
        const qint32 fim = l.fim(c);
        celulas[c] = QByteArrayView(textos + inicio, fim - inicio);
        inicio = fim;
    }
}
