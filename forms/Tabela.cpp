#include "Tabela.h"

#include "CatalogoTabelas.h"
#include "Comando.h"
#include "Listagem.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Rotinas.h"
#include "Servidor.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

using namespace Qt::StringLiterals;

namespace {
const QString TabelaVazia = u"A tabela está vazia."_s;
const QDate DataMinima(2000, 1, 1);

// Comprimento de um memo como o programa o conta: cada quebra de linha vale dois.
int comprimentoMemo(const QString &texto)
{
    return int(texto.size() + texto.count(u'\n'));
}

// O texto novo de um memo cortado ao limite: numa inserção simples, só o inserido é
// cortado; numa troca do texto todo, o fim. Nulo quando nada do inserido cabe (o
// anterior já estava no limite ou além).
QString cortarAoLimite(const QString &anterior, const QString &novo, int cursor, int limite)
{
    const qsizetype inserido = novo.size() - anterior.size();
    const qsizetype inicio = cursor - inserido;
    if (inserido > 0 && inicio >= 0 && novo.left(inicio) == anterior.left(inicio)
        && novo.mid(cursor) == anterior.mid(inicio)) {
        if (comprimentoMemo(anterior) >= limite)
            return {};
        QString pedaco = novo.mid(inicio, inserido);
        while (!pedaco.isEmpty() && comprimentoMemo(anterior) + comprimentoMemo(pedaco) > limite)
            pedaco.chop(1);
        return anterior.left(inicio) + pedaco + anterior.mid(inicio);
    }
    QString t = novo;
    while (!t.isEmpty() && comprimentoMemo(t) > limite)
        t.chop(1);
    return t;
}

QString paraCrLf(QString texto)
{
    texto.replace(u"\r\n"_s, u"\n"_s);
    texto.replace(u'\n', u"\r\n"_s);
    return texto;
}

QString deCrLf(QString texto)
{
    texto.replace(u"\r\n"_s, u"\n"_s);
    return texto;
}

// Limite de caracteres só do que o usuário digita. (QLineEdit::setMaxLength cortaria
// também o texto mostrado de uma linha gravada mais longa, como a sigla "[vazio]", e o
// corte seria gravado de volta na próxima alteração.)
class LimiteDigitacao : public QValidator {
public:
    LimiteDigitacao(int limite, QObject *pai)
        : QValidator(pai)
        , m_limite(limite)
    {
    }
    State validate(QString &texto, int &) const override
    {
        return texto.size() <= m_limite ? Acceptable : Invalid;
    }

private:
    int m_limite;
};

QPushButton *botao(const QString &nome, const QString &texto, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}
} // namespace

// Valores dos comandos lidos dos controles da janela pelo objectName.
class ValoresJanela : public FonteValores {
public:
    explicit ValoresJanela(const TFormTabela &j)
        : m_j(j)
    {
    }
    QString Texto(const QString &controle) const override { return m_j.Texto(controle); }
    bool Marcado(const QString &controle) const override
    {
        auto *c = m_j.Controle<QCheckBox>(controle);
        return c && c->isChecked();
    }
    QDate Data(const QString &controle) const override
    {
        auto *d = m_j.Controle<QDateEdit>(controle);
        return d ? d->date() : QDate();
    }
    bool Condicao(const QString &nome) const override { return m_j.Condicao(nome); }

private:
    const TFormTabela &m_j;
};

TFormTabela::TFormTabela(const DescricaoJanela &descricao, QWidget *parent)
    : QDialog(parent)
    , NumeroTabela(descricao.numero)
    , m_descricao(descricao)
{
    Query = new TQuery(&Servidor::Database(), this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(u"Tabela "_s + TituloTabela(NumeroTabela));
    connect(&Servidor::Database(), &TDatabase::AfterDisconnect, this, &TFormTabela::aoDesconectar);
}

TFormTabela::~TFormTabela() = default;

QColor TFormTabela::CorEditavel()
{
    return QColor(0xFF, 0xFF, 0xFF);
}
QColor TFormTabela::CorSomenteLeitura()
{
    return QApplication::palette().color(QPalette::Button);
}
QColor TFormTabela::CorPesquisa()
{
    return QApplication::palette().color(QPalette::ToolTipBase);
}

void TFormTabela::Pintar(QWidget *controle, const QColor &cor)
{
    QPalette p = controle->palette();
    p.setColor(QPalette::Base, cor);
    if (qobject_cast<QComboBox *>(controle))
        p.setColor(QPalette::Button, cor);
    controle->setPalette(p);
}

void TFormTabela::registrar(QWidget *w, const QString &nome)
{
    w->setObjectName(nome);
    m_controles.insert(nome, w);
}

QWidget *TFormTabela::Controle(const QString &nome) const
{
    // Montar só completa a janela como ela seria desde o início: quem a lê aqui já a
    // encontra como se os controles sempre tivessem existido.
    const_cast<TFormTabela *>(this)->Montar();
    return m_controles.value(nome);
}

void TFormTabela::Montar()
{
    if (m_montada)
        return;
    m_montada = true;
    montar();
    MontarControles();
    EditarCampos(false);
    AplicarRegras(false);
    // Larga o bastante para a lista na largura toda ao lado dos campos (sem passar da tela).
    GroupBox2->setMinimumWidth(GroupBox2->maximumWidth());
    int largura = qMax(900, minimumSizeHint().width());
    GroupBox2->setMinimumWidth(0);
    if (QScreen *tela = screen())
        largura = qMin(largura, qMax(900, tela->availableGeometry().width() - 40));
    resize(largura, qMax(560, sizeHint().height()));
    setFixedSize(size());
}

void TFormTabela::setVisible(bool visivel)
{
    if (visivel)
        Montar();
    QDialog::setVisible(visivel);
}

void TFormTabela::montar()
{
    // Listagem
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(u"Splitter1"_s);
    Splitter1->setChildrenCollapsible(false);
    GroupBox2 = new QGroupBox(u" Listagem "_s, Splitter1);
    GroupBox2->setMaximumWidth(376);
    m_listagem = new Listagem(Query, GroupBox2, Splitter1,
        u"Listagem "_s + NomeTabela(NumeroTabela), NomeTabela(NumeroTabela), this);
    DBGridPesquisa = m_listagem->Grade();
    m_modelo = m_listagem->Modelo();
    connect(DBGridPesquisa, &QTableView::clicked, this,
        [this](const QModelIndex &i) { DBGridPesquisaCellClick(i); });
    connect(DBGridPesquisa, &QTableView::doubleClicked, this, [this] { BitBtnEscolherClick(); });
    // A linha mostrada acompanha a linha atual da lista também pelo teclado e pela
    // pesquisa; sem linha na pesquisa, os campos ficam vazios.
    connect(m_listagem->Grade(), &GradeListagem::LinhaMovidaPeloTeclado, this,
        [this](const QModelIndex &i) { DBGridPesquisaCellClick(i); });
    connect(m_listagem, &Listagem::LinhaMudadaPelaPesquisa, this, [this](int linha) {
        if (linha >= 0)
            DBGridPesquisaCellClick(m_modelo->index(linha, 0));
        else
            ApagarCampos();
    });
    // Numa escolha, Enter na pesquisa com uma linha só escolhe essa linha.
    connect(m_listagem, &Listagem::EnterNaPesquisa, this, [this] {
        if (Modo != 4 || m_modelo->Contagem() != 1)
            return;
        DBGridPesquisaCellClick(m_modelo->index(0, 0));
        BitBtnEscolherClick();
    });
    // O realce acompanha a linha atual da consulta quando o programa a move.
    auto marcar = [this](int linha) {
        const int mostrada = m_modelo->LinhaMostrada(linha);
        if (mostrada >= 0)
            DBGridPesquisa->setCurrentIndex(m_modelo->index(mostrada, 0));
    };
    connect(Query, &TQuery::Aberta, this, [this, marcar] { marcar(Query->RecNo()); });
    connect(Query, &TQuery::Movida, this, marcar);
    if (Query->Active())
        marcar(Query->RecNo());

    // Registro
    GroupBox1 = new QGroupBox(u" Registro "_s, Splitter1);
    auto *registro = new QVBoxLayout(GroupBox1);
    m_grade = new QGridLayout;
    registro->addLayout(m_grade);
    registro->addStretch(1);
    Label1 = new QLabel(u"Id"_s, GroupBox1);
    EditId = new QLineEdit(GroupBox1);
    EditId->setReadOnly(true);
    EditId->setMaximumWidth(90);
    Pintar(EditId, CorSomenteLeitura());
    Label1->setBuddy(EditId);
    Label1->hide();
    m_grade->addWidget(Label1, 0, 0);
    m_grade->addWidget(EditId, 0, 1, Qt::AlignLeft);
    m_grade->setColumnStretch(1, 1);
    m_grade->setColumnStretch(3, 1);
    int linha = 1, coluna = 0;
    for (const Campo &c : std::as_const(m_descricao.campos))
        montarCampo(c, linha, coluna);
    m_linhaGrade = linha + 1;

    m_linhaBotoes = new QHBoxLayout;
    BitBtnIncluir = botao(u"BitBtnIncluir"_s, u"&Incluir"_s, GroupBox1);
    BitBtnModificar = botao(u"BitBtnModificar"_s, u"&Modificar"_s, GroupBox1);
    BitBtnExcluir = botao(u"BitBtnExcluir"_s, u"&Excluir"_s, GroupBox1);
    BitBtnAceitar = botao(u"BitBtnAceitar"_s, u"&Aceitar"_s, GroupBox1);
    BitBtnCancelar = botao(u"BitBtnCancelar"_s, u"&Cancelar"_s, GroupBox1);
    for (QPushButton *b :
        { BitBtnIncluir, BitBtnModificar, BitBtnExcluir, BitBtnAceitar, BitBtnCancelar })
        m_linhaBotoes->addWidget(b);
    m_linhaBotoes->addStretch(1);
    registro->addLayout(m_linhaBotoes);
    BitBtnAceitar->setDefault(true);
    // Uma janela sem comandos (a genérica) só lista, escolhe e dá nomes.
    for (QPushButton *b : { BitBtnIncluir, BitBtnModificar, BitBtnExcluir })
        b->setEnabled(m_descricao.Grava());

    Splitter1->addWidget(GroupBox2);
    Splitter1->addWidget(GroupBox1);
    Splitter1->setStretchFactor(1, 1);

    // Barra de baixo
    m_barraInferior = new QHBoxLayout;
    LabelEscolha = new QLabel(this);
    LabelAviso = new QLabel(u"Nos campos amarelos use duplo-clique para opções."_s, this);
    {
        QPalette p = LabelAviso->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        LabelAviso->setPalette(p);
    }
    LabelAviso->hide();
    BitBtnFechar = botao(u"BitBtnFechar"_s, u"&Fechar"_s, this);
    BitBtnAtualizar = botao(u"BitBtnAtualizar"_s, u"&Atualizar"_s, this);
    BitBtnEscolher = botao(u"BitBtnEscolher"_s, u"&Selecionar Registro Atual e Sair"_s, this);
    m_barraInferior->addWidget(LabelEscolha);
    m_barraInferior->addWidget(LabelAviso);
    m_barraInferior->addStretch(1);
    m_barraInferior->addWidget(BitBtnAtualizar);
    m_barraInferior->addWidget(BitBtnFechar);
    m_barraInferior->addWidget(BitBtnEscolher);

    auto *principal = new QVBoxLayout(this);
    principal->addWidget(Splitter1, 1);
    principal->addLayout(m_barraInferior);

    for (auto [w, nome] : std::initializer_list<std::pair<QWidget *, QString>> {
             { GroupBox2, u"GroupBox2"_s },
             { DBGridPesquisa, u"DBGridPesquisa"_s },
             { m_listagem->RotuloPesquisa(), u"LabelPesquisar"_s },
             { m_listagem->Pesquisa(), u"EditPesquisar"_s },
             { m_listagem->ContagemPesquisa(), u"LabelPesquisaContagem"_s },
             { m_listagem->BotaoExportar(), u"BitBtnExportar"_s },
             { Splitter1, u"Splitter1"_s },
             { GroupBox1, u"GroupBox1"_s },
             { Label1, u"Label1"_s },
             { EditId, u"EditId"_s },
             { BitBtnModificar, u"BitBtnModificar"_s },
             { BitBtnAceitar, u"BitBtnAceitar"_s },
             { BitBtnCancelar, u"BitBtnCancelar"_s },
             { BitBtnExcluir, u"BitBtnExcluir"_s },
             { BitBtnIncluir, u"BitBtnIncluir"_s },
             { LabelEscolha, u"LabelEscolha"_s },
             { LabelAviso, u"LabelAviso"_s },
             { BitBtnFechar, u"BitBtnFechar"_s },
             { BitBtnAtualizar, u"BitBtnAtualizar"_s },
             { BitBtnEscolher, u"BitBtnEscolher"_s },
         })
        registrar(w, nome);

    connect(BitBtnIncluir, &QPushButton::clicked, this, [this] { BitBtnIncluirClick(); });
    connect(BitBtnModificar, &QPushButton::clicked, this, [this] { BitBtnModificarClick(); });
    connect(BitBtnAceitar, &QPushButton::clicked, this, [this] { BitBtnAceitarClick(); });
    connect(BitBtnCancelar, &QPushButton::clicked, this, [this] { BitBtnCancelarClick(); });
    connect(BitBtnExcluir, &QPushButton::clicked, this, [this] { BitBtnExcluirClick(); });
    connect(BitBtnEscolher, &QPushButton::clicked, this, [this] { BitBtnEscolherClick(); });
    connect(BitBtnAtualizar, &QPushButton::clicked, this, [this] { BitBtnAtualizarClick(); });
    connect(BitBtnFechar, &QPushButton::clicked, this, [this] { BitBtnFecharClick(); });
}

QPushButton *TFormTabela::NovoBotao(const QString &nome, const QString &texto, QHBoxLayout *linha,
    int posicao, std::function<void()> clique)
{
    QWidget *pai = linha == m_linhaBotoes ? static_cast<QWidget *>(GroupBox1) : this;
    QPushButton *b = botao(nome, texto, pai);
    linha->insertWidget(posicao, b);
    registrar(b, nome);
    connect(b, &QPushButton::clicked, this, std::move(clique));
    return b;
}

void TFormTabela::montarCampo(const Campo &c, int &linha, int &coluna)
{
    QWidget *pai = GroupBox1;
    QWidget *controle = nullptr; // o que recebe o rótulo e a posição
    switch (c.tipo) {
    case TipoCampo::Edit:
    case TipoCampo::Mascara: {
        auto *e = new QLineEdit(pai);
        if (c.tamanho > 0)
            e->setValidator(new LimiteDigitacao(c.tamanho, e));
        if (!c.mascara.isEmpty())
            e->setInputMask(c.mascara);
        controle = e;
        break;
    }
    case TipoCampo::Memo: {
        auto *m = new QPlainTextEdit(pai);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m->setTabChangesFocus(true);
        m->setMinimumHeight(70);
        if (c.linhasVisiveis > 0) {
            const QMargins margens = m->contentsMargins();
            m->setFixedHeight(m->fontMetrics().lineSpacing() * c.linhasVisiveis
                + 2 * int(m->document()->documentMargin()) + margens.top() + margens.bottom()
                + 2 * m->frameWidth());
        }
        connect(m, &QPlainTextEdit::textChanged, this, [this, c, m] {
            // Limite do que o usuário digita ou cola, contado como o programa conta
            // (quebras valem dois): o que passa do limite é cortado. Um texto gravado mais
            // longo entra inteiro (DefinirTexto) e nada dele se perde: só não cresce.
            const QString texto = m->toPlainText();
            const QString aceito = m->property("textoAceito").toString();
            if (!m_definindo && c.tamanho > 0 && comprimentoMemo(texto) > c.tamanho
                && comprimentoMemo(texto) > comprimentoMemo(aceito)) {
                const QString cabe
                    = cortarAoLimite(aceito, texto, m->textCursor().position(), c.tamanho);
                const QSignalBlocker b(m);
                m->setPlainText(cabe.isNull() ? aceito : cabe);
                m->moveCursor(QTextCursor::End);
                m->setProperty("textoAceito", m->toPlainText());
            } else {
                m->setProperty("textoAceito", texto);
            }
            atualizarCapacidade(c);
        });
        controle = m;
        break;
    }
    case TipoCampo::ComboLista:
    case TipoCampo::ComboEditavel: {
        auto *cb = new QComboBox(pai);
        cb->setEditable(c.tipo == TipoCampo::ComboEditavel);
        cb->setInsertPolicy(QComboBox::NoInsert); // o Enter aceita; não cria itens
        cb->addItems(c.itens);
        cb->setCurrentIndex(-1);
        if (cb->isEditable() && c.tamanho > 0)
            cb->lineEdit()->setValidator(new LimiteDigitacao(c.tamanho, cb->lineEdit()));
        controle = cb;
        break;
    }
    case TipoCampo::CheckBox:
        controle = new QCheckBox(c.rotulo, pai);
        break;
    case TipoCampo::Data: {
        auto *d = new QDateEdit(pai);
        d->setMinimumDate(DataMinima);
        d->setDate(DataMinima);
        d->setCalendarPopup(true);
        d->setDisplayFormat(u"dd/MM/yyyy"_s);
        controle = d;
        break;
    }
    case TipoCampo::Spin: {
        auto *s = new QSpinBox(pai);
        s->setRange(c.itens.value(0).toInt(), c.itens.value(1, u"999999"_s).toInt());
        controle = s;
        break;
    }
    case TipoCampo::Pesquisa: {
        auto *id = new QLineEdit(pai);
        id->setReadOnly(true);
        id->hide(); // fica por baixo do nome: só o programa o usa
        registrar(id, c.controle);
        auto *nome = new QLineEdit(pai);
        nome->setReadOnly(true);
        const QString controleId = c.controle;
        LigarDuploClique(nome, [this, controleId] { ExecutarPesquisa(controleId); });
        registrar(nome, c.ControleNome());
        controle = nome;
        break;
    }
    }
    if (c.tipo != TipoCampo::Pesquisa)
        registrar(controle, c.controle);

    // Posição: cada campo numa linha, ou ao lado do anterior.
    if (c.aoLado && coluna == 0) {
        --linha;
        coluna = 2;
    } else {
        coluna = 0;
    }
    if (!c.legenda.isEmpty() && coluna == 0) {
        auto *legenda = new QLabel(c.legenda, pai);
        legenda->setObjectName(u"LabelLegenda"_s + c.controle);
        m_grade->addWidget(legenda, linha++, 0, 1, 4);
    }
    const bool largo = c.tipo == TipoCampo::Memo;
    QWidget *rotulo = nullptr;
    if (c.tipo != TipoCampo::CheckBox && !c.rotulo.isEmpty()) {
        auto *l = new QLabel(c.rotulo, pai);
        l->setObjectName(u"Label"_s + c.controle);
        l->setBuddy(controle);
        rotulo = l;
        if (c.capacidade) {
            auto *caixa = new QWidget(pai);
            auto *v = new QVBoxLayout(caixa);
            v->setContentsMargins(0, 0, 0, 0);
            auto *cap = new QLabel(caixa);
            registrar(cap, u"LabelCapacidade"_s + c.controle.mid(4));
            l->setParent(caixa);
            v->addWidget(l);
            v->addWidget(cap);
            v->addStretch(1);
            rotulo = caixa;
        }
    }
    if (rotulo)
        m_grade->addWidget(rotulo, linha, coluna, Qt::AlignTop);
    m_grade->addWidget(controle, linha, coluna + 1, 1, largo ? 3 : 1);
    if (largo)
        coluna = 0;
    ++linha;
}

void TFormTabela::atualizarCapacidade(const Campo &c)
{
    auto *cap = Controle<QLabel>(u"LabelCapacidade"_s + c.controle.mid(4));
    auto *m = Controle<QPlainTextEdit>(c.controle);
    if (!cap || !m || c.tamanho <= 0)
        return;
    cap->setText(QString::number(CapacidadeUsada(m->toPlainText(), c.tamanho)) + u'%');
}

QString TFormTabela::Texto(const QString &controle) const
{
    QWidget *w = Controle(controle);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *m = qobject_cast<QPlainTextEdit *>(w))
        return paraCrLf(m->toPlainText());
    if (auto *cb = qobject_cast<QComboBox *>(w))
        return cb->currentText();
    if (auto *d = qobject_cast<QDateEdit *>(w))
        return DataParaSQL(d->date());
    if (auto *s = qobject_cast<QAbstractSpinBox *>(w))
        return s->text();
    if (auto *k = qobject_cast<QCheckBox *>(w))
        return LogicoParaTexto(k->isChecked());
    return {};
}

void TFormTabela::DefinirTexto(const QString &controle, const QString &texto)
{
    QWidget *w = Controle(controle);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(texto);
    else if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
        m_definindo = true;
        m->setPlainText(deCrLf(texto));
        m_definindo = false;
    } else if (auto *cb = qobject_cast<QComboBox *>(w)) {
        if (cb->isEditable())
            cb->setCurrentText(texto);
        else
            cb->setCurrentIndex(cb->findText(texto));
    } else if (auto *s = qobject_cast<QSpinBox *>(w)) {
        if (texto.isEmpty())
            s->clear();
        else
            s->setValue(texto.toInt());
    } else if (auto *k = qobject_cast<QCheckBox *>(w))
        k->setChecked(TextoParaLogico(texto));
}

// ---- Base -------------------------------------------------------------------------

void TFormTabela::FormShow()
{
    NumeroTabela = m_descricao.numero;
    RegistrarEvento(NumeroTabela, u"conectado"_s);
    EditarCampos(false);
    MostrarBotoes(Modo != 4);
    LabelEscolha->clear();
    setWindowTitle(u"Tabela "_s + TituloTabela(NumeroTabela));
}

bool TFormTabela::FormClose()
{
    if (Modo != 0 && Modo != 4) {
        Mensagens::Informar(u"Atenção: você só pode fechar essa janela depois de Aceitar ou "
                            "Cancelar a operação anterior."_s);
        return false;
    }
    if (isVisible()) {
        RegistrarEvento(NumeroTabela, u"desconectado"_s);
        hide();
    }
    return true;
}

void TFormTabela::EditarCampos(bool on)
{
    BitBtnAceitar->setVisible(on);
    BitBtnCancelar->setVisible(on);
    BitBtnModificar->setVisible(!on);
    BitBtnIncluir->setVisible(!on);
    BitBtnExcluir->setVisible(!on);
    BitBtnAtualizar->setEnabled(!on);
    BitBtnFechar->setEnabled(!on);
}

void TFormTabela::MostrarBotoes(bool on)
{
    BitBtnIncluir->setVisible(on);
    BitBtnModificar->setVisible(on);
    BitBtnExcluir->setVisible(on);
    if (!on)
        BitBtnAceitar->setVisible(false);
}

void TFormTabela::ApagarCampos()
{
    EditId->clear();
    for (const Campo &c : std::as_const(m_descricao.campos)) {
        QWidget *w = Controle(c.controle);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->clear();
        else if (auto *m = qobject_cast<QPlainTextEdit *>(w))
            m->clear();
        else if (auto *cb = qobject_cast<QComboBox *>(w)) {
            cb->setCurrentIndex(-1);
            cb->setEditText(QString());
        } else if (auto *k = qobject_cast<QCheckBox *>(w))
            k->setChecked(false);
        else if (auto *d = qobject_cast<QDateEdit *>(w))
            d->setDate(d->minimumDate());
        else if (auto *s = qobject_cast<QAbstractSpinBox *>(w))
            s->clear();
        if (c.tipo == TipoCampo::Pesquisa)
            if (auto *nome = Controle<QLineEdit>(c.ControleNome()))
                nome->clear();
        if (c.capacidade)
            if (auto *cap = Controle<QLabel>(u"LabelCapacidade"_s + c.controle.mid(4)))
                cap->clear();
    }
}

bool TFormTabela::ContarRegistros(const QStringList &sentenca)
{
    if (Modo == 0 || Modo == 4)
        DBGridPesquisa->setEnabled(true);
    int total = 0;
    const bool ok = ExecutarComando(
        *Query, NumeroTabela, Passo::Contagem,
        [&] {
            return sentenca.isEmpty()
                ? QStringList { u"SELECT COUNT(Id) FROM "_s + NomeTabela(NumeroTabela) }
                : sentenca;
        },
        &total);
    if (ok)
        GroupBox2->setTitle(u" Listagem ("_s + QString::number(total) + u") "_s);
    return ok;
}

// ---- Ciclo padrão ------------------------------------------------------------------

void TFormTabela::ExibirJanela()
{
    FormShow();
    ConsultarTabela();
    MostrarRegistro();
}

QStringList TFormTabela::SentencaConsulta() const
{
    return { ConsultaTabela(NumeroTabela) };
}

void TFormTabela::ConsultarTabela()
{
    // A lista só volta a ser usável quando a edição termina.
    if (Modo == 0 || Modo == 4)
        DBGridPesquisa->setEnabled(true);
    int total = 0;
    if (ExecutarComando(
            *Query, NumeroTabela, Passo::Consulta, [this] { return SentencaConsulta(); }, &total))
        GroupBox2->setTitle(u" Listagem ("_s + QString::number(total) + u") "_s);
}

bool TFormTabela::LerId()
{
    EditId->setText(Query->Active() && !Query->Eof() && Query->TemCampo(u"Id"_s)
            ? Query->AsString(u"Id"_s)
            : QString());
    if (EditId->text().isEmpty()) {
        Mensagens::Informar(TabelaVazia);
        return false;
    }
    return true;
}

QList<const Campo *> TFormTabela::camposNaOrdemDeExibicao() const
{
    QList<const Campo *> ordem;
    for (const QString &controle : m_descricao.ordemExibicao)
        for (const Campo &c : m_descricao.campos)
            if (c.controle == controle)
                ordem << &c;
    for (const Campo &c : m_descricao.campos)
        if (!ordem.contains(&c))
            ordem << &c;
    return ordem;
}

void TFormTabela::CopiarCampos()
{
    const QString id = EditId->text();
    for (const Campo *campo : camposNaOrdemDeExibicao()) {
        const Campo &c = *campo;
        if (c.TextoLongo()) {
            QString texto;
            MostrarCampoDescricao(id, c.tabelaTexto, texto, c.chaveTexto);
            DefinirTexto(c.controle, texto);
            continue;
        }
        if (c.coluna.isEmpty() || !Query->TemCampo(c.coluna))
            continue;
        QString valor = Query->AsString(c.coluna);
        if (c.semEspacosFinais)
            valor = RemoverEspacosFinais(valor);
        switch (c.tipo) {
        case TipoCampo::Data: {
            const QDate d = Query->AsDateTime(c.coluna).date();
            if (auto *de = Controle<QDateEdit>(c.controle))
                de->setDate(d.isValid() && d >= DataMinima ? d : DataMinima);
            break;
        }
        case TipoCampo::Pesquisa: {
            DefinirTexto(c.controle, valor);
            QString nome;
            if (c.exibir)
                nome = c.exibir(*this, valor);
            else if (TFormTabela *escolha = Registro::Janela(c.escolha))
                nome = escolha->NomePorId(valor);
            DefinirTexto(c.ControleNome(), nome);
            break;
        }
        default:
            DefinirTexto(c.controle, valor);
        }
    }
}

void TFormTabela::MostrarRegistro()
{
    ApagarCampos();
    if (LerId())
        CopiarCampos();
}

void TFormTabela::AplicarRegras(bool on)
{
    const QColor branco = CorEditavel(), botaoCor = CorSomenteLeitura(), amarelo = CorPesquisa();
    for (const Campo &c : std::as_const(m_descricao.campos)) {
        QWidget *w = Controle(c.controle);
        if (c.tipo == TipoCampo::Pesquisa) {
            if (QWidget *nome = Controle(c.ControleNome()))
                Pintar(nome, on && c.regra != RegraCampo::Fixo ? amarelo : botaoCor);
            continue;
        }
        if (!w)
            continue;
        switch (c.regra) {
        case RegraCampo::Escrita:
            if (auto *e = qobject_cast<QLineEdit *>(w))
                e->setReadOnly(!on);
            else if (auto *m = qobject_cast<QPlainTextEdit *>(w))
                m->setReadOnly(!on);
            else if (auto *cb = qobject_cast<QComboBox *>(w))
                cb->setEnabled(on);
            else if (auto *s = qobject_cast<QAbstractSpinBox *>(w))
                s->setReadOnly(!on);
            Pintar(w, on ? branco : botaoCor);
            break;
        case RegraCampo::Habilitar:
            w->setEnabled(on);
            Pintar(w, on ? branco : botaoCor);
            break;
        case RegraCampo::HabilitarAmarelo:
            w->setEnabled(on);
            Pintar(w, on ? amarelo : botaoCor);
            break;
        case RegraCampo::SoCor:
            Pintar(w, on ? branco : botaoCor);
            break;
        case RegraCampo::Fixo:
            if (auto *e = qobject_cast<QLineEdit *>(w))
                e->setReadOnly(true);
            Pintar(w, botaoCor);
            break;
        case RegraCampo::Livre:
            break;
        }
    }
}

void TFormTabela::HabilitarCampos(bool on)
{
    EditarCampos(on);
    AplicarRegras(on);
}

void TFormTabela::LimparCampos()
{
    ApagarCampos();
}

QString TFormTabela::NomePorId(const QString &id)
{
    if (id.isEmpty())
        return {};
    TQuery &q = Servidor::Query();
    try {
        q.Close();
        q.SQL = { u"SELECT * FROM "_s + NomeTabela(NumeroTabela) + u" WHERE Id="_s
            + ValorInteiro(id) };
        q.Open();
        RegistrarEvento(NumeroTabela, u"consultado"_s);
        if (q.RecordCount() == 0)
            return {};
        QString coluna = m_descricao.colunaExibicao;
        if (coluna.isEmpty())
            for (const QString &c : { u"Nome"_s, u"Titulo"_s, u"Sigla"_s })
                if (q.TemCampo(c)) {
                    coluna = c;
                    break;
                }
        if (coluna.isEmpty() || !q.TemCampo(coluna))
            return {};
        const QString valor = q.AsString(coluna);
        return m_descricao.exibicaoSemEspacos ? RemoverEspacosFinais(valor) : valor;
    } catch (const ErroBanco &e) {
        RegistrarErro(NumeroTabela, e.Mensagem());
        return {};
    }
}

void TFormTabela::DBGridPesquisaCellClick(const QModelIndex &indice)
{
    if (!indice.isValid())
        return;
    const int linha = m_modelo->LinhaConsulta(indice.row());
    if (linha < 0)
        return;
    Query->MoverPara(linha);
    MostrarRegistro();
}

void TFormTabela::BitBtnIncluirClick()
{
    DBGridPesquisa->setEnabled(false);
    LabelAviso->show();
    Modo = 1;
    LimparCampos();
    HabilitarCampos(true);
}

bool TFormTabela::PodeModificarFicha()
{
    for (const QString &c : std::as_const(m_descricao.controlesReservados))
        if (Texto(c) == u"[vazio]"_s && NivelAcesso != 1 && NivelAcesso != 2) {
            Mensagens::Informar(
                u"Você não possui permissão para modificar essa ficha. Operação interrompida."_s);
            return false;
        }
    return true;
}

bool TFormTabela::PodeExcluirFicha()
{
    for (const QString &c : std::as_const(m_descricao.controlesReservados))
        if (Texto(c) == u"[vazio]"_s) {
            Mensagens::Informar(
                u"Você não possui permissão para apagar essa ficha. Operação interrompida."_s);
            return false;
        }
    return true;
}

void TFormTabela::BitBtnModificarClick()
{
    // Sem linha atual não há o que modificar (o comando ficaria sem o Id).
    if (EditId->text().isEmpty()) {
        Mensagens::Informar(TabelaVazia);
        return;
    }
    if (!PodeModificarFicha())
        return;
    DBGridPesquisa->setEnabled(false);
    LabelAviso->show();
    Modo = 3;
    HabilitarCampos(true);
}

bool TFormTabela::ConferirCampos()
{
    for (const Campo &c : std::as_const(m_descricao.campos))
        if (!c.obrigatorio.isEmpty() && Texto(c.controle).isEmpty()) {
            Mensagens::Informar(c.obrigatorio);
            return false;
        }
    return true;
}

TabelaLinhas TFormTabela::LinhasGravacao(bool inclusao) const
{
    return inclusao ? m_descricao.inclusao : m_descricao.alteracao;
}

bool TFormTabela::Condicao(const QString &) const
{
    return false;
}

bool TFormTabela::GravarSeguintes(bool inclusao)
{
    const QString id = EditId->text();
    for (const Campo &c : std::as_const(m_descricao.campos)) {
        if (!c.TextoLongo())
            continue;
        const QString texto = Texto(c.controle);
        const bool ok = inclusao ? InserirCampoDescricao(id, c.tabelaTexto, texto, c.chaveTexto)
                                 : AtualizarCampoDescricao(id, c.tabelaTexto, texto, c.chaveTexto);
        if (!ok)
            return false;
    }
    return true;
}

bool TFormTabela::ExcluirSeguintes()
{
    for (const Campo &c : std::as_const(m_descricao.campos))
        if (c.TextoLongo() && !ExcluirCampoDescricao(EditId->text(), c.tabelaTexto, c.chaveTexto))
            return false;
    return true;
}

QStringList TFormTabela::Sentenca(bool inclusao) const
{
    return RenderizarSentenca(LinhasGravacao(inclusao), NumeroTabela, ValoresJanela(*this));
}

bool TFormTabela::EmTransacao(const std::function<bool()> &passos)
{
    TDatabase &db = Servidor::Database();
    try {
        db.IniciarTransacao();
        if (passos()) {
            db.ConfirmarTransacao();
            return true;
        }
    } catch (const ErroBanco &e) {
        RegistrarErro(NumeroTabela, e.Mensagem());
    }
    db.DesfazerTransacao();
    return false;
}

bool TFormTabela::gravar(bool inclusao)
{
    const QString idAnterior = EditId->text();
    const bool ok = EmTransacao([&] {
        if (!ExecutarComando(*Query, NumeroTabela, inclusao ? Passo::Inclusao : Passo::Alteracao,
                [&] { return Sentenca(inclusao); }))
            return false;
        if (inclusao) {
            // O Id novo vem do motor; ProcurarId fica pela sua linha no registro.
            const QString novo = Query->UltimoIdInserido();
            if (!m_descricao.procuraColuna.isEmpty())
                ProcurarId(
                    NumeroTabela, Texto(m_descricao.procuraControle), m_descricao.procuraColuna);
            EditId->setText(novo);
        }
        return GravarSeguintes(inclusao);
    });
    if (!ok)
        EditId->setText(idAnterior);
    return ok;
}

void TFormTabela::FimDaEdicao()
{
    DBGridPesquisa->setEnabled(true);
    LabelAviso->hide();
}

void TFormTabela::Concluir()
{
    Modo = 0;
    ConsultarTabela();
    HabilitarCampos(false);
    FimDaEdicao();
    MostrarRegistro();
}

void TFormTabela::BitBtnAceitarClick()
{
    if (Modo != 1 && Modo != 3)
        return;
    if (!PermitirGravacao()) {
        Operacao = 0;
        Concluir();
        return;
    }
    if (!ConferirCampos())
        return; // continua editando, com a lista ainda bloqueada
    if (!Servidor::Database().Connected()) {
        Mensagens::Informar(u"A conexão com o servidor foi encerrada: nada foi gravado.\n\r"
                            "Conecte-se novamente e pressione Aceitar, ou pressione Cancelar."_s);
        return;
    }
    if (!gravar(Modo == 1)) {
        // O que foi digitado fica na tela para ser corrigido ou cancelado.
        if (Servidor::Database().Connected())
            ConsultarTabela();
        return;
    }
    Concluir();
}

void TFormTabela::BitBtnCancelarClick()
{
    Modo = 0;
    HabilitarCampos(false);
    FimDaEdicao();
    MostrarRegistro();
}

bool TFormTabela::excluir()
{
    const QString id = EditId->text();
    return EmTransacao([&] {
        return ExecutarComando(*Query, NumeroTabela, Passo::Exclusao, [&] {
            return QStringList { u"DELETE FROM "_s + NomeTabela(NumeroTabela) + u" WHERE Id="_s
                + ValorInteiro(id) };
        }) && ExcluirSeguintes();
    });
}

void TFormTabela::BitBtnExcluirClick()
{
    Operacao = 0;
    if (EditId->text().isEmpty()) {
        Mensagens::Informar(TabelaVazia);
        return;
    }
    if (!PodeExcluirFicha())
        return;
    if (!NivelPodeExcluir(NivelAcesso)) {
        Mensagens::Informar(u"Usuário ["_s + NomeNivel(NivelAcesso)
            + u"] não possui permissão para excluir registro."_s);
        return;
    }
    Operacao
        = Mensagens::Confirmar(u"Tem certeza que deseja apagar o registro selecionado?"_s) ? 2 : 0;
    if (Operacao != 2)
        return;
    excluir();
    ConsultarTabela();
    MostrarRegistro();
}

void TFormTabela::BitBtnEscolherClick()
{
    LabelEscolha->setText(EditId->text());
    FormClose();
}

void TFormTabela::BitBtnAtualizarClick()
{
    Operacao = 3;
}

// ---- Pesquisas e janelas modais -----------------------------------------------------

void TFormTabela::LigarDuploClique(QWidget *controle, std::function<void()> acao)
{
    m_duplosCliques.insert(controle, std::move(acao));
    controle->installEventFilter(this);
}

bool TFormTabela::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::MouseButtonDblClick) {
        const auto acao = m_duplosCliques.value(objeto);
        if (acao) {
            acao();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFormTabela::ExecutarPesquisa(const QString &controleId)
{
    const Campo *campo = nullptr;
    for (const Campo &c : std::as_const(m_descricao.campos))
        if (c.tipo == TipoCampo::Pesquisa && c.controle == controleId)
            campo = &c;
    if (!campo)
        return;
    if (campo->nivel) {
        const QString recusa = campo->nivel(*this);
        if (!recusa.isEmpty()) {
            Mensagens::Informar(recusa);
            return;
        }
    }
    if (campo->fixa == PesquisaFixa::Mensagem) {
        Mensagens::Informar(u"Esse campo já está preenchido."_s);
        return;
    }
    if (campo->fixa == PesquisaFixa::Nada || Modo == 0 || Modo == 4)
        return;
    const QString id = EscolherEm(campo->escolha);
    if (id.isEmpty())
        return;
    if (campo->regraExtra && !campo->regraExtra(*this, id))
        return;
    DefinirTexto(campo->controle, id);
    QString nome;
    if (campo->exibir)
        nome = campo->exibir(*this, id);
    else if (TFormTabela *escolha = Registro::Janela(campo->escolha))
        nome = escolha->NomePorId(id);
    DefinirTexto(campo->ControleNome(), nome);
}

QString TFormTabela::EscolherEm(int numero)
{
    TFormTabela *c = Registro::Janela(numero);
    if (!c)
        return {};
    if (c->EmExecucaoModal()) {
        // Está aberta por baixo desta (mãe de uma janela modal): não pode servir agora.
        Mensagens::Informar(u"A janela \"Tabela "_s + TituloTabela(numero)
            + u"\" já está aberta. Feche-a antes de escolher um registro nela."_s);
        return {};
    }
    if (c->isVisible() && !c->FormClose())
        return {};
    c->Modo = 4;
    c->LabelEscolha->clear();
    ++c->m_execucoes;
    c->exec();
    --c->m_execucoes;
    c->Modo = 0;
    return c->LabelEscolha->text();
}

void TFormTabela::DefinirPai(const QString &id, const QString &nome)
{
    setProperty("IdPai", id);
    setProperty("NomePai", nome);
}

bool TFormTabela::AbrirFilha(int numero, const QString &recusaModo, const QString &recusaSemLinha)
{
    if (Modo != 0) {
        Mensagens::Informar(recusaModo);
        return false;
    }
    if (EditId->text().isEmpty()) {
        Mensagens::Informar(recusaSemLinha);
        return false;
    }
    TFormTabela *filha = Registro::Janela(numero);
    if (!filha)
        return false;
    filha->DefinirPai(EditId->text(), Texto(u"EditNome"_s));
    return filha->MostrarModal();
}

bool TFormTabela::MostrarModal()
{
    if (EmExecucaoModal())
        return false;
    if (isVisible() && !FormClose())
        return false;
    Modo = 0;
    ++m_execucoes;
    exec();
    --m_execucoes;
    return true;
}

void TFormTabela::aoDesconectar()
{
    // Quem só consulta ou escolhe é fechado; quem está editando fica com o que digitou.
    if (isVisible() && (Modo == 0 || Modo == 4))
        FormClose();
}

// ---- Listas de códigos ------------------------------------------------------------

void TFormTabela::CarregarCodigos(int n, const QString &coluna, QComboBox *combo)
{
    if (!ExecutarComando(
            *Query, n, Passo::Consulta, [n] { return QStringList { ConsultaTabela(n) }; }))
        return;
    combo->clear();
    if (Query->RecordCount() == 0)
        combo->addItem(u"TABELA ESTÁ VAZIA"_s);
    try {
        for (Query->First(); !Query->Eof(); Query->Next()) {
            combo->addItem(Query->AsString(coluna));
            QCoreApplication::processEvents();
        }
    } catch (const ErroBanco &e) {
        RegistrarErro(n, e.Mensagem()); // os itens já postos ficam
    }
    combo->setCurrentIndex(-1);
}

void TFormTabela::CarregarCodigosUmaVez(int n, const QString &coluna, QComboBox *combo)
{
    if (combo->count() == 0)
        CarregarCodigos(n, coluna, combo);
}

// ---- Eventos -----------------------------------------------------------------------

void TFormTabela::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    if (!m_centralizada) {
        // Abre no centro da tela na primeira vez; depois fica onde o usuário a deixou.
        m_centralizada = true;
        if (QScreen *tela = screen())
            move(tela->availableGeometry().center() - rect().center());
    }
    // Reaparece na frente das outras (também sem gerenciador de janelas que a levante);
    // a plataforma sem tela dos testes não empilha janelas.
    if (QGuiApplication::platformName() != u"offscreen"_s) {
        raise();
        activateWindow();
    }
    ExibirJanela();
}

void TFormTabela::closeEvent(QCloseEvent *e)
{
    e->ignore();
    FormClose();
}

void TFormTabela::reject()
{
    FormClose();
}

void TFormTabela::keyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (BitBtnAceitar->isVisible() && BitBtnAceitar->isEnabled())
            BitBtnAceitar->click();
        return;
    case Qt::Key_Escape:
        if (BitBtnCancelar->isVisible() && BitBtnCancelar->isEnabled())
            BitBtnCancelar->click();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}
