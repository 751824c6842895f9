#include "EdicaoTexto.h"

#include "Mensagens.h"
#include "PesquisaOrdem.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QThread>
#include <functional>

using namespace Qt::StringLiterals;

QString TextoDoMemo(const QPlainTextEdit *memo)
{
    QString texto = memo->document()->toRawText();
    texto.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return texto;
}

Ortografia::Trecho LocalizarNoTexto(
    const QString &texto, const QString &procura, int desde, bool paraTras)
{
    const QString agulha = PesquisaOrdem::Dobrar(procura);
    if (agulha.isEmpty())
        return {};
    // O texto dobrado caractere a caractere, e de cada unidade dobrada o caractere de onde
    // ela veio: o que se encontra no dobrado volta às posições do texto.
    QString dobrado;
    QList<int> origem;
    dobrado.reserve(texto.size());
    origem.reserve(texto.size());
    for (int i = 0; i < texto.size();) {
        const int n = texto[i].isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const QString d = PesquisaOrdem::Dobrar(texto.mid(i, n));
        dobrado += d;
        for (int k = 0; k < d.size(); ++k)
            origem.append(i);
        i += n;
    }
    const auto trecho = [&](qsizetype a) -> Ortografia::Trecho {
        const int inicio = origem[a];
        const int ultimo = origem[a + agulha.size() - 1];
        int fim = ultimo + (texto[ultimo].isHighSurrogate() ? 2 : 1);
        while (fim < texto.size() && texto[fim].isMark()) // acentos à parte do último
            ++fim;
        return { inicio, fim - inicio };
    };
    if (!paraTras) {
        for (qsizetype a = dobrado.indexOf(agulha); a >= 0; a = dobrado.indexOf(agulha, a + 1))
            if (origem[a] >= desde)
                return trecho(a);
        return {};
    }
    for (qsizetype a = dobrado.lastIndexOf(agulha); a >= 0;
         a = a > 0 ? dobrado.lastIndexOf(agulha, a - 1) : -1) {
        const Ortografia::Trecho t = trecho(a);
        if (t.inicio + t.tamanho <= desde)
            return t;
    }
    return {};
}

// ---- Verificação ortográfica ------------------------------------------------------

RealceOrtografia::RealceOrtografia(QTextDocument *documento)
    : QSyntaxHighlighter(documento)
{
    // o dicionário ainda sendo lido: sublinha quando ficar pronto
    if (!Ortografia::Padrao().Pronto())
        if (QThread *t = Ortografia::Carregando())
            connect(t, &QThread::finished, this, &QSyntaxHighlighter::rehighlight);
}

void RealceOrtografia::highlightBlock(const QString &texto)
{
    QTextCharFormat errada;
    errada.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    errada.setUnderlineColor(Qt::red);
    for (const Ortografia::Trecho &t : Ortografia::Padrao().Erradas(texto))
        setFormat(t.inicio, t.tamanho, errada);
}

QMenu *CriarMenuOrtografia(QPlainTextEdit *memo, const QPoint &ponto)
{
    QMenu *menu = memo->createStandardContextMenu(ponto);
    const QTextCursor noPonto = memo->cursorForPosition(ponto);
    const QTextBlock bloco = noPonto.block();
    const Ortografia::Trecho t
        = Ortografia::Verificador::PalavraEm(bloco.text(), noPonto.positionInBlock());
    const QString palavra = bloco.text().mid(t.inicio, t.tamanho);
    Ortografia::Verificador &verificador = Ortografia::Padrao();
    if (!palavra.isEmpty() && verificador.Pronto() && verificador.Erradas(palavra).size() == 1) {
        QAction *primeira = menu->actions().value(0);
        const auto inserir = [&](QAction *acao) { menu->insertAction(primeira, acao); };
        const int inicio = bloco.position() + t.inicio;
        const QStringList sugestoes = verificador.Sugestoes(palavra);
        if (!memo->isReadOnly()) {
            for (const QString &s : sugestoes.mid(0, 8)) {
                auto *acao = new QAction(s, menu);
                QObject::connect(acao, &QAction::triggered, memo, [memo, inicio, t, s] {
                    QTextCursor c(memo->document());
                    c.setPosition(inicio);
                    c.setPosition(inicio + t.tamanho, QTextCursor::KeepAnchor);
                    c.insertText(s);
                });
                inserir(acao);
            }
            if (sugestoes.isEmpty()) {
                auto *nenhuma = new QAction(u"(nenhuma sugestão)"_s, menu);
                nenhuma->setEnabled(false);
                inserir(nenhuma);
            }
        }
        auto *adicionar = new QAction(u"Adicionar ao dicionário"_s, menu);
        adicionar->setObjectName(u"AcaoAdicionarDicionario"_s);
        QObject::connect(adicionar, &QAction::triggered, memo, [memo, palavra] {
            QString motivo;
            if (!Ortografia::Padrao().Adicionar(palavra, &motivo))
                Mensagens::Erro(u"Não foi possível gravar a lista de palavras "_s
                    + Ortografia::ArquivoPessoal + u": "_s + motivo);
            if (auto *realce = memo->document()->findChild<RealceOrtografia *>())
                realce->rehighlight();
        });
        inserir(adicionar);
        menu->insertSeparator(primeira);
    }
    menu->setObjectName(u"MenuOrtografia"_s);
    return menu;
}

void MostrarMenuOrtografia(QPlainTextEdit *memo, const QPoint &ponto)
{
    std::unique_ptr<QMenu> menu(CriarMenuOrtografia(memo, ponto));
    menu->exec(memo->viewport()->mapToGlobal(ponto));
}

// ---- Localizar e substituir ----------------------------------------------------------

BarraLocalizar::BarraLocalizar(QPlainTextEdit *memo, QWidget *pai)
    : QWidget(pai)
    , m_memo(memo)
{
    setObjectName(u"BarraLocalizar"_s + memo->objectName());
    // duas linhas (localizar; substituir), para caber ao lado da lista sem alargar a janela
    auto *g = new QGridLayout(this);
    g->setContentsMargins(0, 2, 0, 0);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(2);
    const auto botao = [this](const QString &texto, const QString &nome) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(nome);
        b->setAutoDefault(false);
        return b;
    };
    const auto caixa = [this, g](const QString &rotulo, const QString &nome, int linha) {
        auto *r = new QLabel(rotulo, this);
        auto *e = new QLineEdit(this);
        e->setObjectName(nome);
        r->setObjectName(u"Label"_s + nome);
        r->setBuddy(e);
        e->setAccessibleName(QString(rotulo).remove(u'&').remove(u':'));
        e->setClearButtonEnabled(true);
        e->setMinimumWidth(60);
        e->installEventFilter(this);
        g->addWidget(r, linha, 0);
        g->addWidget(e, linha, 1);
        return e;
    };
    m_procura = caixa(u"Locali&zar:"_s, u"EditLocalizar"_s, 0);
    auto *anterior = botao(u"Anterior"_s, u"BotaoAnterior"_s);
    auto *proximo = botao(u"Próximo"_s, u"BotaoProximo"_s);
    connect(anterior, &QPushButton::clicked, this, [this] { Anterior(); });
    connect(proximo, &QPushButton::clicked, this, [this] { Proximo(); });
    g->addWidget(anterior, 0, 2);
    g->addWidget(proximo, 0, 3);
    m_troca = caixa(u"Substituir &por:"_s, u"EditSubstituir"_s, 1);
    m_substituir = botao(u"Substituir"_s, u"BotaoSubstituir"_s);
    connect(m_substituir, &QPushButton::clicked, this, [this] { Substituir(); });
    m_todos = botao(u"Todos"_s, u"BotaoSubstituirTodos"_s);
    m_todos->setToolTip(u"Substituir todos"_s);
    connect(m_todos, &QPushButton::clicked, this, [this] { SubstituirTodos(); });
    g->addWidget(m_substituir, 1, 2);
    g->addWidget(m_todos, 1, 3);
    auto *fechar = botao(u"×"_s, u"BotaoFecharLocalizar"_s);
    fechar->setToolTip(u"Fechar (Esc)"_s);
    fechar->setAccessibleName(u"Fechar"_s);
    connect(fechar, &QPushButton::clicked, this, [this] { this->fechar(); });
    g->addWidget(fechar, 0, 4);
    m_nota = new QLabel(this);
    m_nota->setObjectName(u"LabelLocalizar"_s);
    g->addWidget(m_nota, 1, 4);
    g->setColumnStretch(1, 1);
    connect(m_procura, &QLineEdit::textEdited, this, [this] { m_nota->clear(); });
    memo->installEventFilter(this);
    hide();
}

void BarraLocalizar::Abrir()
{
    const QString selecao = m_memo->textCursor().selectedText();
    if (!selecao.isEmpty() && !selecao.contains(QChar::ParagraphSeparator))
        m_procura->setText(selecao);
    m_nota->clear();
    show();
    m_procura->setFocus();
    m_procura->selectAll();
}

bool BarraLocalizar::localizar(bool paraTras)
{
    const QString texto = TextoDoMemo(m_memo);
    const QTextCursor atual = m_memo->textCursor();
    const int desde = paraTras ? atual.selectionStart() : atual.selectionEnd();
    Ortografia::Trecho t = LocalizarNoTexto(texto, m_procura->text(), desde, paraTras);
    if (t.tamanho == 0) // dá a volta
        t = LocalizarNoTexto(texto, m_procura->text(), paraTras ? int(texto.size()) : 0, paraTras);
    if (t.tamanho == 0) {
        m_nota->setText(m_procura->text().isEmpty() ? QString() : u"Não encontrado."_s);
        return false;
    }
    m_nota->clear();
    QTextCursor c(m_memo->document());
    c.setPosition(t.inicio);
    c.setPosition(t.inicio + t.tamanho, QTextCursor::KeepAnchor);
    m_memo->setTextCursor(c);
    return true;
}

bool BarraLocalizar::Proximo()
{
    return localizar(false);
}

bool BarraLocalizar::Anterior()
{
    return localizar(true);
}

bool BarraLocalizar::Substituir()
{
    if (m_memo->isReadOnly())
        return false;
    QTextCursor c = m_memo->textCursor();
    const QString selecao = c.selectedText();
    if (!selecao.isEmpty()
        && PesquisaOrdem::Dobrar(selecao) == PesquisaOrdem::Dobrar(m_procura->text()))
        c.insertText(m_troca->text());
    return Proximo();
}

int BarraLocalizar::SubstituirTodos()
{
    if (m_memo->isReadOnly() || m_procura->text().isEmpty())
        return 0;
    // Os lugares no texto de agora; trocados do fim para o começo, numa edição só
    // (um Desfazer desfaz todas).
    const QString texto = TextoDoMemo(m_memo);
    QList<Ortografia::Trecho> lugares;
    for (Ortografia::Trecho t = LocalizarNoTexto(texto, m_procura->text(), 0); t.tamanho > 0;
         t = LocalizarNoTexto(texto, m_procura->text(), t.inicio + t.tamanho))
        lugares.append(t);
    QTextCursor c(m_memo->document());
    c.beginEditBlock();
    for (auto i = lugares.crbegin(); i != lugares.crend(); ++i) {
        c.setPosition(i->inicio);
        c.setPosition(i->inicio + i->tamanho, QTextCursor::KeepAnchor);
        c.insertText(m_troca->text());
    }
    c.endEditBlock();
    m_nota->setText(QString::number(lugares.size())
        + (lugares.size() == 1 ? u" substituição."_s : u" substituições."_s));
    return int(lugares.size());
}

void BarraLocalizar::SomenteLeitura(bool sim)
{
    m_troca->setEnabled(!sim);
    m_substituir->setEnabled(!sim);
    m_todos->setEnabled(!sim);
}

void BarraLocalizar::fechar()
{
    hide();
    m_memo->setFocus();
}

bool BarraLocalizar::eventFilter(QObject *objeto, QEvent *evento)
{
    // O Ctrl+F do memo e o Esc e o Enter da barra ficam com eles, antes dos atalhos da
    // janela (o Enter da janela aceitaria a edição; o Esc, a cancelaria).
    if (evento->type() != QEvent::ShortcutOverride && evento->type() != QEvent::KeyPress)
        return QWidget::eventFilter(objeto, evento);
    auto *tecla = static_cast<QKeyEvent *>(evento);
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    std::function<void()> acao;
    if (objeto == m_memo) {
        if (tecla->matches(QKeySequence::Find))
            acao = [this] { Abrir(); };
    } else if (tecla->key() == Qt::Key_Escape) {
        acao = [this] { fechar(); };
    } else if (enter && objeto == m_procura) {
        if (tecla->modifiers() & Qt::ShiftModifier)
            acao = [this] { Anterior(); };
        else
            acao = [this] { Proximo(); };
    } else if (enter && objeto == m_troca) {
        acao = [this] { Substituir(); };
    }
    if (!acao)
        return QWidget::eventFilter(objeto, evento);
    evento->accept();
    if (evento->type() == QEvent::ShortcutOverride)
        return false; // a tecla chega ao controle como tecla, não como atalho
    acao();
    return true;
}
