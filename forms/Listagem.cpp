#include "Listagem.h"

#include "Ini.h"
#include "Mensagens.h"

#include <QApplication>
#include <QBitArray>
#include <QCollator>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QVBoxLayout>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {
// Largura da lista e a maior largura inicial de uma coluna.
constexpr int LarguraLista = 376;
constexpr int LarguraMaximaColuna = 240;

std::string_view vista(QByteArrayView v)
{
    return { v.data(), size_t(v.size()) };
}

// ---- Pesquisa: textos dobrados (minúsculas, sem acentos) ----------------------------

QString dobrar(const QString &texto)
{
    const QString decomposto = texto.normalized(QString::NormalizationForm_D);
    QString s;
    s.reserve(decomposto.size());
    for (const QChar c : decomposto)
        if (c.category() != QChar::Mark_NonSpacing)
            s += c;
    return s.toCaseFolded();
}

// Os caracteres até U+00FF já dobrados, em UTF-8: o caminho rápido das células.
struct TabelaDobra {
    char texto[256][4];
    quint8 tamanho[256];
};

const TabelaDobra &tabelaDobra()
{
    static const TabelaDobra t = [] {
        TabelaDobra d {};
        for (int c = 0; c < 256; ++c) {
            const QByteArray u = dobrar(QString(QChar(char16_t(c)))).toUtf8();
            d.tamanho[c] = quint8(std::min<qsizetype>(u.size(), 4));
            std::memcpy(d.texto[c], u.constData(), d.tamanho[c]);
        }
        return d;
    }();
    return t;
}

// Procura do texto dobrado nas células sem dobrá-las inteiras: só onde começa um
// caractere que dobra no primeiro byte do texto.
class Procura {
public:
    explicit Procura(const QByteArray &agulha)
        : m_agulha(agulha.constData(), agulha.size())
    {
        const TabelaDobra &t = tabelaDobra();
        for (int b = 0; b < 0x80; ++b)
            m_inicio[b] = !m_agulha.empty() && t.texto[b][0] == m_agulha[0];
        // Latin-1 (C2, C3) confere o caractere; acima dele, o caminho completo.
        for (int b = 0xC2; b < 0x100; ++b)
            m_inicio[b] = true;
    }

    bool Contem(QByteArrayView celula) const
    {
        const auto *p = reinterpret_cast<const uchar *>(celula.data());
        const uchar *fim = p + celula.size();
        for (; p < fim; ++p) {
            if (!m_inicio[*p])
                continue;
            switch (casa(p, fim)) {
            case Sim:
                return true;
            case Nao:
                break;
            case ForaDoLatin1: {
                const std::string d = dobrar(QString::fromUtf8(celula)).toStdString();
                return d.find(m_agulha) != std::string::npos;
            }
            }
        }
        return false;
    }

private:
    enum Resultado { Nao, Sim, ForaDoLatin1 };
    Resultado casa(const uchar *p, const uchar *fim) const
    {
        const TabelaDobra &t = tabelaDobra();
        const size_t n = m_agulha.size();
        size_t k = 0;
        while (k < n) {
            if (p >= fim)
                return Nao;
            const char *dobrado;
            size_t tamanho = 1;
            if (*p < 0x80) {
                dobrado = t.texto[*p++];
            } else if ((*p == 0xC2 || *p == 0xC3) && p + 1 < fim) {
                const int c = ((p[0] & 0x1F) << 6) | (p[1] & 0x3F);
                dobrado = t.texto[c];
                tamanho = t.tamanho[c];
                p += 2;
            } else {
                return *p >= 0xC4 ? ForaDoLatin1 : Nao;
            }
            const size_t m = std::min(tamanho, n - k);
            if (std::memcmp(dobrado, m_agulha.data() + k, m) != 0)
                return Nao;
            k += m;
        }
        return Sim;
    }

    std::string m_agulha;
    std::array<bool, 256> m_inicio {};
};

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

// Ordena os itens pelo valor e, entre iguais, pela linha da consulta (a ordem da
// consulta fica entre os iguais).
template <class T> void ordenarItens(std::vector<std::pair<T, int>> &itens, QList<int> &ordem)
{
    std::sort(itens.begin(), itens.end());
    for (size_t i = 0; i < itens.size(); ++i)
        ordem[i] = itens[i].second;
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
void ordenarPeloColador(const TQuery &q, int coluna, QList<int> &ordem)
{
    const int n = q.RecordCount();
    std::vector<QCollatorSortKey> chaves;
    chaves.reserve(n);
    for (int i = 0; i < n; ++i)
        chaves.push_back(colador().sortKey(QString::fromUtf8(q.Bytes(i, coluna))));
    std::stable_sort(
        ordem.begin(), ordem.end(), [&](int a, int b) { return chaves[a].compare(chaves[b]) < 0; });
}

// Ordem dos textos pelos pesos do caminho rápido: primeiro pela sequência dos pesos (os
// dezesseis primeiros ao lado do número da linha); depois, em cada grupo de pesos iguais
// com textos diferentes (acentos, maiúsculas), pelo colador. false: há texto fora do
// caminho rápido.
bool ordenarPelosPesos(const TQuery &q, int coluna, QList<int> &ordem)
{
    const int n = q.RecordCount();
    QByteArray chaves;
    std::vector<qsizetype> inicio(n + 1);
    for (int i = 0; i < n; ++i) {
        inicio[i] = chaves.size();
        if (!pesosDe(q.Bytes(i, coluna), chaves))
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
        const std::string_view primeiro = vista(q.Bytes(ordem[i], coluna));
        while (fim < n && chave(ordem[fim]) == chave(ordem[i])) {
            iguais = iguais && vista(q.Bytes(ordem[fim], coluna)) == primeiro;
            ++fim;
        }
        if (!iguais)
            std::stable_sort(ordem.begin() + i, ordem.begin() + fim, [&](int a, int b) {
                return colador().compare(QString::fromUtf8(q.Bytes(a, coluna)),
                           QString::fromUtf8(q.Bytes(b, coluna)))
                    < 0;
            });
        i = fim;
    }
    return true;
}

// A ordem (crescente) das linhas da consulta pela coluna; entre valores iguais, a ordem
// da consulta.
QList<int> ordemPor(const TQuery &q, int coluna)
{
    const int n = q.RecordCount();
    QList<int> ordem(n);
    switch (q.NaturezaCampo(coluna)) {
    case TQuery::Natureza::Numero: {
        std::vector<std::pair<double, int>> itens(n);
        for (int i = 0; i < n; ++i)
            itens[i] = { valorNumero(q.Bytes(i, coluna)), i };
        ordenarItens(itens, ordem);
        break;
    }
    case TQuery::Natureza::Data: {
        std::vector<std::pair<qint64, int>> itens(n);
        for (int i = 0; i < n; ++i)
            itens[i] = { valorData(q.Bytes(i, coluna)), i };
        ordenarItens(itens, ordem);
        break;
    }
    case TQuery::Natureza::Texto:
        if (!ordenarPelosPesos(q, coluna, ordem)) {
            for (int i = 0; i < n; ++i)
                ordem[i] = i;
            ordenarPeloColador(q, coluna, ordem);
        }
        break;
    }
    return ordem;
}

Listagem::PedidoArquivo &pedidoArquivo()
{
    static Listagem::PedidoArquivo p;
    return p;
}
} // namespace

// ---- Grade ------------------------------------------------------------------------

void GradeListagem::keyPressEvent(QKeyEvent *e)
{
    m_teclado = true;
    QTableView::keyPressEvent(e);
    m_teclado = false;
}

QModelIndex GradeListagem::moveCursor(CursorAction acao, Qt::KeyboardModifiers modificadores)
{
    if (acao == MoveHome || acao == MoveEnd)
        modificadores |= Qt::ControlModifier;
    return QTableView::moveCursor(acao, modificadores);
}

void GradeListagem::currentChanged(const QModelIndex &atual, const QModelIndex &anterior)
{
    QTableView::currentChanged(atual, anterior);
    if (m_teclado && atual.isValid() && atual.row() != anterior.row())
        emit LinhaMovidaPeloTeclado(atual);
}

// ---- Modelo -----------------------------------------------------------------------

ModeloListagem::ModeloListagem(TQuery *consulta, QObject *parent)
    : ModeloConsulta(consulta, parent)
{
}

int ModeloListagem::rowCount(const QModelIndex &pai) const
{
    if (pai.isValid())
        return 0;
    return m_filtro.isEmpty() ? Total() : int(m_mostradas.size());
}

int ModeloListagem::LinhaConsulta(int linhaMostrada) const
{
    if (linhaMostrada < 0 || linhaMostrada >= rowCount())
        return -1;
    if (!m_filtro.isEmpty())
        return m_mostradas.at(linhaMostrada);
    return m_ordenadas.isEmpty() ? linhaMostrada : m_ordenadas.at(linhaMostrada);
}

int ModeloListagem::LinhaMostrada(int linhaConsulta) const
{
    if (linhaConsulta < 0 || linhaConsulta >= Total())
        return -1;
    return m_posicoes.isEmpty() ? linhaConsulta : m_posicoes.at(linhaConsulta);
}

void ModeloListagem::aoRecarregar()
{
    m_filtro.clear();
    m_agulha.clear();
    m_colunaOrdem = -1;
    m_ordem = Qt::AscendingOrder;
    m_ordenadas = {};
    m_mostradas = {};
    m_posicoes = {};
}

void ModeloListagem::aoAcrescentar()
{
    if (m_colunaOrdem >= 0 && !m_ordenadas.isEmpty()) {
        m_ordenadas = ordemPor(*Consulta(), m_colunaOrdem);
        if (m_ordem == Qt::DescendingOrder)
            std::reverse(m_ordenadas.begin(), m_ordenadas.end());
    }
    if (!m_filtro.isEmpty())
        aplicarFiltro(false);
    refazerPosicoes();
}

void ModeloListagem::aplicarFiltro(bool soEntreAsMostradas)
{
    QList<int> candidatas;
    if (soEntreAsMostradas) {
        candidatas.swap(m_mostradas);
    } else if (!m_ordenadas.isEmpty()) {
        candidatas = m_ordenadas;
    } else {
        candidatas.resize(Total());
        for (int i = 0; i < Total(); ++i)
            candidatas[i] = i;
    }
    const Procura procura(m_agulha);
    const TQuery &q = *Consulta();
    QVarLengthArray<QByteArrayView, 32> celulas(columnCount());
    m_mostradas.clear();
    for (const int linha : std::as_const(candidatas)) {
        q.BytesLinha(linha, celulas.data());
        for (const QByteArrayView c : celulas)
            if (procura.Contem(c)) {
                m_mostradas << linha;
                break;
            }
    }
}

void ModeloListagem::refazerPosicoes()
{
    if (m_filtro.isEmpty() && m_ordenadas.isEmpty()) {
        m_posicoes = {};
        return;
    }
    m_posicoes.fill(-1, Total());
    for (int i = 0, n = rowCount(); i < n; ++i)
        m_posicoes[LinhaConsulta(i)] = i;
}

void ModeloListagem::Filtrar(const QString &texto)
{
    const QByteArray agulha = dobrar(texto).toUtf8().replace('\0', QByteArray());
    if (agulha == m_agulha && (texto.isEmpty() == m_filtro.isEmpty()))
        return;
    // Quem contém o texto novo contém o anterior: ao digitar mais, só as mostradas.
    const bool estreitar = !m_filtro.isEmpty() && !m_agulha.isEmpty() && agulha.contains(m_agulha);
    beginResetModel();
    m_filtro = texto;
    m_agulha = agulha;
    if (texto.isEmpty())
        m_mostradas = {};
    else
        aplicarFiltro(estreitar);
    refazerPosicoes();
    endResetModel();
}

void ModeloListagem::Ordenar(int coluna, Qt::SortOrder ordem)
{
    if (coluna < 0 || coluna >= columnCount())
        return;
    beginResetModel();
    if (coluna != m_colunaOrdem || m_ordenadas.isEmpty()) {
        m_ordenadas = ordemPor(*Consulta(), coluna);
        if (ordem == Qt::DescendingOrder)
            std::reverse(m_ordenadas.begin(), m_ordenadas.end());
    } else if (ordem != m_ordem) {
        std::reverse(m_ordenadas.begin(), m_ordenadas.end());
    }
    m_colunaOrdem = coluna;
    m_ordem = ordem;
    if (!m_filtro.isEmpty()) {
        // As mesmas linhas mostradas, na ordem nova.
        QBitArray mostrada(Total());
        for (const int linha : std::as_const(m_mostradas))
            mostrada.setBit(linha);
        m_mostradas.clear();
        for (const int linha : std::as_const(m_ordenadas))
            if (mostrada.testBit(linha))
                m_mostradas << linha;
    }
    refazerPosicoes();
    endResetModel();
}

// ---- Listagem ---------------------------------------------------------------------

void Listagem::DefinirPedidoArquivo(PedidoArquivo pedido)
{
    pedidoArquivo() = std::move(pedido);
}

Listagem::Listagem(TQuery *consulta, QGroupBox *grupo, QSplitter *divisor, const QString &secao,
    const QString &nomeArquivo, QWidget *janela)
    : QObject(janela)
    , m_consulta(consulta)
    , m_divisor(divisor)
    , m_janela(janela)
    , m_secao(secao)
    , m_nomeArquivo(nomeArquivo)
{
    m_rotulo = new QLabel(u"&Pesquisar"_s, grupo);
    m_pesquisa = new QLineEdit(grupo);
    m_pesquisa->setAccessibleName(u"Pesquisar"_s);
    m_pesquisa->setClearButtonEnabled(true);
    m_rotulo->setBuddy(m_pesquisa);
    m_contagem = new QLabel(grupo);
    // Largura fixa para a caixa não mudar de tamanho a cada tecla.
    m_contagem->setMinimumWidth(m_contagem->fontMetrics().horizontalAdvance(u"00000 de 00000"_s));
    m_contagem->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_grade = new GradeListagem(grupo);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->setWordWrap(false);
    QHeaderView *titulos = m_grade->horizontalHeader();
    titulos->setSectionResizeMode(QHeaderView::Interactive);
    titulos->setSectionsClickable(true);
    titulos->setSortIndicatorShown(true);
    titulos->setSortIndicator(-1, Qt::AscendingOrder);
    titulos->setResizeContentsPrecision(200);
    m_grade->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grade->verticalHeader()->setDefaultSectionSize(20);
    m_grade->verticalHeader()->setFixedWidth(14);
    m_modelo = new ModeloListagem(consulta, this);
    m_grade->setModel(m_modelo);

    m_exportar = new QPushButton(u"Exportar &lista..."_s, grupo);
    m_exportar->setAutoDefault(false);

    auto *pesquisa = new QHBoxLayout;
    pesquisa->addWidget(m_rotulo);
    pesquisa->addWidget(m_pesquisa, 1);
    pesquisa->addWidget(m_contagem);
    auto *rodape = new QHBoxLayout;
    rodape->addStretch(1);
    rodape->addWidget(m_exportar);
    auto *caixa = new QVBoxLayout(grupo);
    caixa->addLayout(pesquisa);
    caixa->addWidget(m_grade, 1);
    caixa->addLayout(rodape);

    const ArquivoIni ini(ArquivoConfiguracoes);
    for (const QString &par : ini.LerTexto(m_secao, u"Colunas"_s).split(u';', Qt::SkipEmptyParts)) {
        const qsizetype igual = par.indexOf(u'=');
        const int largura = par.mid(igual + 1).toInt();
        if (igual > 0 && largura > 0)
            m_larguras.insert(par.left(igual), largura);
    }
    m_larguraLista = ini.LerInteiro(m_secao, u"Divisor"_s, LarguraLista);

    connect(m_pesquisa, &QLineEdit::textChanged, this, &Listagem::pesquisar);
    connect(titulos, &QHeaderView::sectionClicked, this, &Listagem::ordenar);
    connect(m_exportar, &QPushButton::clicked, this, &Listagem::exportar);
    // As larguras que o programa dá (ao montar ou trocar o resultado) não contam como
    // mudança do usuário.
    connect(
        m_modelo, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_ajustando = true; });
    connect(m_modelo, &QAbstractItemModel::modelReset, this, [this] { m_ajustando = false; });
    connect(titulos, &QHeaderView::sectionResized, this, [this](int coluna, int, int largura) {
        if (m_ajustando)
            return;
        m_larguras.insert(m_modelo->headerData(coluna, Qt::Horizontal).toString(), largura);
        m_mudou = true;
    });
    connect(m_divisor, &QSplitter::splitterMoved, this, [this] { m_mudou = true; });
    connect(consulta, &TQuery::Aberta, this, &Listagem::aoAbrir);
    connect(consulta, &TQuery::Fechada, this, &Listagem::aoAbrir);
    // Uma página a mais (o modelo já a recebeu): a pesquisa conta também as linhas dela.
    connect(consulta, &TQuery::Acrescentadas, this, &Listagem::atualizarContagem);
    m_pesquisa->installEventFilter(this);
    m_grade->installEventFilter(this);
    m_janela->installEventFilter(this);
    m_divisor->installEventFilter(this);
    aoAbrir();
}

void Listagem::aoAbrir()
{
    // Cada consulta nova volta à ordem dela, sem pesquisa (o modelo já voltou).
    {
        const QSignalBlocker b(m_pesquisa);
        m_pesquisa->clear();
    }
    m_grade->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    atualizarContagem();
    ajustarColunas();
}

void Listagem::ajustarColunas()
{
    QStringList nomes;
    for (int c = 0; c < m_modelo->columnCount(); ++c)
        nomes << m_modelo->headerData(c, Qt::Horizontal).toString();
    if (nomes.isEmpty() || nomes == m_grade->property("colunas").toStringList())
        return;
    m_grade->setProperty("colunas", nomes);
    m_ajustando = true;
    for (int c = 0; c < nomes.size(); ++c) {
        const int guardada = m_larguras.value(nomes.at(c));
        if (guardada > 0) {
            m_grade->setColumnWidth(c, guardada);
        } else {
            m_grade->resizeColumnToContents(c);
            if (m_grade->columnWidth(c) > LarguraMaximaColuna)
                m_grade->setColumnWidth(c, LarguraMaximaColuna);
        }
    }
    m_ajustando = false;
}

void Listagem::atualizarContagem()
{
    m_contagem->setText(m_modelo->Filtro().isEmpty()
            ? QString()
            : u"%1 de %2"_s.arg(m_modelo->Contagem()).arg(m_modelo->Total()));
}

void Listagem::marcarAtual(int linhaMostrada)
{
    if (linhaMostrada < 0)
        return;
    const QModelIndex i = m_modelo->index(linhaMostrada, 0);
    m_grade->setCurrentIndex(i);
    m_grade->scrollTo(i);
}

void Listagem::pesquisar(const QString &texto)
{
    const QModelIndex atual = m_grade->currentIndex();
    const int antes = atual.isValid() ? m_modelo->LinhaConsulta(atual.row()) : -1;
    m_modelo->Filtrar(texto);
    atualizarContagem();
    // A linha atual fica se ainda aparece; senão, a primeira que aparece é a nova.
    const int mantida = m_modelo->LinhaMostrada(antes);
    if (mantida >= 0) {
        marcarAtual(mantida);
        return;
    }
    const int nova = m_modelo->Contagem() > 0 ? 0 : -1;
    marcarAtual(nova);
    emit LinhaMudadaPelaPesquisa(nova);
}

void Listagem::ordenar(int coluna)
{
    const Qt::SortOrder ordem
        = coluna == m_modelo->ColunaOrdem() && m_modelo->Ordem() == Qt::AscendingOrder
        ? Qt::DescendingOrder
        : Qt::AscendingOrder;
    const QModelIndex atual = m_grade->currentIndex();
    const int linha = atual.isValid() ? m_modelo->LinhaConsulta(atual.row()) : -1;
    m_modelo->Ordenar(coluna, ordem);
    m_grade->horizontalHeader()->setSortIndicator(coluna, ordem);
    marcarAtual(m_modelo->LinhaMostrada(linha));
}

QByteArray Listagem::Csv() const
{
    QByteArray saida("\xEF\xBB\xBF");
    auto valor = [&saida](QByteArrayView v) {
        const std::string_view s = vista(v);
        if (s.find_first_of(";\"\r\n") == std::string_view::npos) {
            saida += v;
            return;
        }
        saida += '"';
        for (const char c : s) {
            if (c == '"')
                saida += '"';
            saida += c;
        }
        saida += '"';
    };
    const int colunas = m_modelo->columnCount();
    for (int c = 0; c < colunas; ++c) {
        if (c)
            saida += ';';
        valor(m_modelo->headerData(c, Qt::Horizontal).toString().toUtf8());
    }
    saida += "\r\n";
    for (int r = 0, n = m_modelo->rowCount(); r < n; ++r) {
        const int linha = m_modelo->LinhaConsulta(r);
        for (int c = 0; c < colunas; ++c) {
            if (c)
                saida += ';';
            valor(m_consulta->Bytes(linha, c));
        }
        saida += "\r\n";
    }
    return saida;
}

bool Listagem::ExportarPara(const QString &arquivo, QString *erro) const
{
    QSaveFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly) || f.write(Csv()) < 0 || !f.commit()) {
        if (erro)
            *erro = f.errorString();
        return false;
    }
    return true;
}

void Listagem::exportar()
{
    const QString sugestao = m_nomeArquivo + u".csv"_s;
    QString arquivo;
    if (pedidoArquivo())
        arquivo = pedidoArquivo()(m_janela, sugestao);
    else
        arquivo = QFileDialog::getSaveFileName(m_janela, u"Exportar lista"_s,
            QDir::home().filePath(sugestao), u"Arquivos CSV (*.csv);;Todos os arquivos (*)"_s);
    if (arquivo.isEmpty())
        return;
    QString erro;
    if (!ExportarPara(arquivo, &erro))
        Mensagens::Informar(
            u"Não foi possível gravar o arquivo \""_s + arquivo + u"\".\n\r"_s + erro);
}

void Listagem::GravarDisposicao()
{
    if (!m_mudou)
        return;
    m_mudou = false;
    ArquivoIni ini(ArquivoConfiguracoes);
    ini.EscreverInteiro(m_secao, u"Divisor"_s, m_divisor->sizes().value(0));
    QStringList pares;
    for (auto i = m_larguras.cbegin(); i != m_larguras.cend(); ++i)
        pares << i.key() + u'=' + QString::number(i.value());
    pares.sort();
    ini.EscreverTexto(m_secao, u"Colunas"_s, pares.join(u';'));
    QString erro;
    if (!ini.Gravar(&erro))
        qWarning().noquote() << ArquivoConfiguracoes << "não gravado:" << erro;
}

bool Listagem::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == m_janela && evento->type() == QEvent::Hide) {
        GravarDisposicao();
    } else if (objeto == m_divisor && evento->type() == QEvent::Resize && !m_divisorPosto
        && m_divisor->width() > 1) {
        // A largura da lista (a guardada, ou a maior) quando o divisor ganha o seu tamanho.
        m_divisorPosto = true;
        m_divisor->setSizes({ m_larguraLista, std::max(1, m_divisor->width() - m_larguraLista) });
    } else if (objeto == m_grade && evento->type() == QEvent::EnabledChange) {
        // A pesquisa e a exportação acompanham a lista (bloqueadas enquanto se edita).
        for (QWidget *w : std::initializer_list<QWidget *> { m_rotulo, m_pesquisa, m_exportar })
            w->setEnabled(m_grade->isEnabled());
    } else if (objeto == m_pesquisa && evento->type() == QEvent::KeyPress) {
        auto *tecla = static_cast<QKeyEvent *>(evento);
        switch (tecla->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // Andar na lista sem sair da pesquisa.
            QApplication::sendEvent(m_grade, tecla);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit EnterNaPesquisa();
            return true;
        case Qt::Key_Escape:
            if (m_pesquisa->text().isEmpty())
                break;
            m_pesquisa->clear();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(objeto, evento);
}
