#include "Listagem.h"

#include "Ini.h"
#include "Mensagens.h"

#include <QApplication>
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
#include <algorithm>
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
    connect(m_modelo, &QAbstractItemModel::modelReset, this, [this] {
        ajustarColunas();
        m_ajustando = false;
    });
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
    // A grade volta às larguras padrão a cada resultado novo (depois de Aceitar, numa
    // escolha aberta de novo, na pesquisa e na ordem): cada coluna recebe de novo a
    // largura do usuário, ou a medida pelo conteúdo na primeira vez que apareceu.
    const bool ajustando = m_ajustando;
    m_ajustando = true;
    for (int c = 0; c < m_modelo->columnCount(); ++c) {
        const QString nome = m_modelo->headerData(c, Qt::Horizontal).toString();
        const int guardada = m_larguras.value(nome, m_medidas.value(nome));
        if (guardada > 0) {
            m_grade->setColumnWidth(c, guardada);
        } else {
            m_grade->resizeColumnToContents(c);
            if (m_grade->columnWidth(c) > LarguraMaximaColuna)
                m_grade->setColumnWidth(c, LarguraMaximaColuna);
            m_medidas.insert(nome, m_grade->columnWidth(c));
        }
    }
    m_ajustando = ajustando;
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
