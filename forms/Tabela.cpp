#include "Tabela.h"

#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "Comando.h"
#include "Listagem.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Rotinas.h"
#include "Servidor.h"
#include "TabelaHistorico.h"

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
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

using namespace Qt::StringLiterals;

namespace {
const QString TabelaVazia = u"A tabela está vazia."_s;

QPushButton *botao(const QString &nome, const QString &texto, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}

// Valor de um controle que não é campo da descrição, pela sua propriedade principal
// (o texto de uma caixa, o item de uma lista...).
QMetaProperty propriedadeDoUsuario(QWidget *w)
{
    return w ? w->metaObject()->userProperty() : QMetaProperty();
}
} // namespace

TFormTabela::TFormTabela(const DescricaoJanela &descricao, QWidget *parent)
    : QDialog(parent)
    , m_numeroTabela(descricao.numero)
    , m_descricao(descricao)
{
    Query = new TQuery(&Servidor::Database(), this);
    m_gravacao = std::make_unique<GravacaoTabela>(*this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(u"Tabela "_s + TituloTabela(NumeroTabela));
    connect(&Servidor::Database(), &TDatabase::AfterDisconnect, this, &TFormTabela::aoDesconectar);
}

TFormTabela::~TFormTabela() = default;

QColor TFormTabela::CorEditavel()
{
    return ControleCampo::CorEditavel();
}
QColor TFormTabela::CorSomenteLeitura()
{
    return ControleCampo::CorSomenteLeitura();
}
QColor TFormTabela::CorPesquisa()
{
    return ControleCampo::CorPesquisa();
}
void TFormTabela::Pintar(QWidget *controle, const QColor &cor)
{
    ControleCampo::Pintar(controle, cor);
}

void TFormTabela::RegistrarControle(QWidget *w, const QString &nome)
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

ControleCampo *TFormTabela::CampoDoControle(const QString &nome) const
{
    const_cast<TFormTabela *>(this)->Montar();
    return m_camposPorControle.value(nome);
}

void TFormTabela::Montar()
{
    if (m_montada)
        return;
    m_montada = true;
    montar();
    // O nome da mãe de uma lista-filha nunca é editado: a tecla Tab passa por ele.
    if (const Campo *pai = campoPai())
        if (QWidget *nome = m_controles.value(pai->ControleNome()))
            nome->setFocusPolicy(Qt::NoFocus);
    MontarControles();
    EditarCampos(false);
    AplicarRegras(false);
    // Larga o bastante para a lista na largura toda ao lado dos campos (sem passar da tela),
    // e ao menos a largura da descrição.
    GroupBox2->setMinimumWidth(GroupBox2->maximumWidth());
    int largura = qMax(m_descricao.largura, minimumSizeHint().width());
    GroupBox2->setMinimumWidth(0);
    if (QScreen *tela = screen())
        largura = qMin(largura, qMax(m_descricao.largura, tela->availableGeometry().width() - 40));
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
        if (Modo != ModoTabela::Escolhendo || m_modelo->Contagem() != 1)
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
    montarCampos();

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
        RegistrarControle(w, nome);
    montarFilhas();
    if (!m_descricao.caixas.campo.isEmpty())
        AoEditar(m_descricao.caixas.campo, [this] { alternarCaixa(); });
    // O histórico de alterações da linha mostrada (só o administrador: FormShow).
    if (TFormTabelaHistorico::TemHistorico(NumeroTabela))
        NovoBotao(u"BitBtnHistorico"_s, u"&Histórico"_s, m_barraInferior,
            m_barraInferior->indexOf(BitBtnAtualizar), [this] {
                TFormTabelaHistorico::MostrarDe(NumeroTabela, EditId->text(), EmExecucaoModal());
            });

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
    RegistrarControle(b, nome);
    connect(b, &QPushButton::clicked, this, std::move(clique));
    return b;
}

namespace {
// Onde vai o próximo campo numa grade de campos (pares de colunas rótulo, campo): cada
// campo numa linha, ou ao lado do anterior.
struct Cursor {
    int linha = 0;
    int coluna = 0;
};

QGridLayout *novaGrade(QWidget *pai)
{
    auto *g = new QGridLayout(pai);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return g;
}
} // namespace

void TFormTabela::montarCampos()
{
    QHash<QGridLayout *, Cursor> cursores;
    cursores[m_grade].linha = 1; // a linha 0 é a do Id
    QTabWidget *abas = nullptr;
    QHash<QString, QGridLayout *> paginas, grupos;
    QHash<QString, QPair<int, QGridLayout *>> lugarDosGrupos; // linha e grade de cada caixa

    // Ocupa uma linha inteira da grade com o controle (abas, caixas de grupo).
    const auto linhaInteira = [&](QGridLayout *grade, QWidget *w) {
        Cursor &c = cursores[grade];
        grade->addWidget(w, c.linha, 0, 1, -1);
        lugarDosGrupos.insert(w->objectName(), { c.linha, grade });
        ++c.linha;
        c.coluna = 0;
    };

    for (const Campo &c : std::as_const(m_descricao.campos)) {
        QGridLayout *grade = m_grade;
        QWidget *pai = GroupBox1;
        if (!c.lugar.pagina.isEmpty()) {
            if (!abas) {
                abas = new QTabWidget(GroupBox1);
                RegistrarControle(abas, u"PageControl1"_s);
                linhaInteira(m_grade, abas);
            }
            if (!paginas.contains(c.lugar.pagina)) {
                auto *pagina = new QWidget(abas);
                RegistrarControle(pagina, c.lugar.pagina);
                abas->addTab(pagina, c.lugar.tituloPagina);
                paginas.insert(c.lugar.pagina, novaGrade(pagina));
                cursores[paginas[c.lugar.pagina]].linha = 0;
            }
            grade = paginas[c.lugar.pagina];
            pai = grade->parentWidget();
        }
        if (!c.lugar.grupo.isEmpty()) {
            if (!grupos.contains(c.lugar.grupo)) {
                auto *caixa = new QGroupBox(c.lugar.tituloGrupo, pai);
                RegistrarControle(caixa, c.lugar.grupo);
                auto *g = novaGrade(caixa);
                grupos.insert(c.lugar.grupo, g);
                cursores[g].linha = 0;
                if (lugarDosGrupos.contains(c.lugar.mesmoLugarQue)) {
                    // Duas caixas no mesmo lugar: a janela mostra uma de cada vez.
                    const auto [linha, gradeDoOutro] = lugarDosGrupos.value(c.lugar.mesmoLugarQue);
                    gradeDoOutro->addWidget(caixa, linha, 0, 1, -1);
                } else {
                    linhaInteira(grade, caixa);
                }
            }
            grade = grupos[c.lugar.grupo];
            pai = grade->parentWidget();
        }
        Cursor &cursor = cursores[grade];
        montarCampo(c, grade, pai, cursor.linha, cursor.coluna);
    }
}

void TFormTabela::montarCampo(
    const Campo &c, QGridLayout *grade, QWidget *pai, int &linha, int &coluna)
{
    m_campos.push_back(c.especie(c));
    ControleCampo *campo = m_campos.back().get();
    QWidget *controle = campo->Montar(pai, *this);
    m_camposPorControle.insert(c.controle, campo);

    if (c.aoLado) {
        --linha;
        coluna += 2;
        if (coluna > 2)
            grade->setColumnStretch(coluna + 1, 1);
    } else {
        coluna = 0;
    }
    if (!c.legenda.isEmpty() && coluna == 0) {
        auto *legenda = new QLabel(c.legenda, pai);
        legenda->setObjectName(u"LabelLegenda"_s + c.controle);
        legenda->setWordWrap(true);
        grade->addWidget(legenda, linha++, 0, 1, -1);
    }
    if (!campo->RotuloNoControle() && !c.rotulo.isEmpty()) {
        auto *rotulo = new QLabel(c.rotulo, pai);
        rotulo->setObjectName(c.ControleRotulo());
        rotulo->setBuddy(controle);
        grade->addWidget(campo->MontarRotulo(pai, rotulo), linha, coluna, Qt::AlignTop);
    }
    const bool largo = campo->Largo();
    grade->addWidget(campo->NaGrade(), linha, coluna + 1, 1, largo ? -1 : 1);
    if (largo)
        coluna = 0;
    ++linha;
}

void TFormTabela::montarFilhas()
{
    for (const BotaoFilha &b : std::as_const(m_descricao.filhas)) {
        QHBoxLayout *linha = b.barraInferior ? m_barraInferior : m_linhaBotoes;
        const int posicao = b.barraInferior ? linha->indexOf(BitBtnAtualizar) : linha->count() - 1;
        NovoBotao(b.nome, b.texto, linha, posicao, [this, b] { AbrirFilha(b); });
    }
}

QString TFormTabela::Texto(const QString &controle) const
{
    if (ControleCampo *c = CampoDoControle(controle))
        return c->Texto();
    QWidget *w = Controle(controle);
    const QMetaProperty p = propriedadeDoUsuario(w);
    return p.isValid() ? p.read(w).toString() : QString();
}

void TFormTabela::DefinirTexto(const QString &controle, const QString &texto)
{
    if (ControleCampo *c = CampoDoControle(controle)) {
        c->DefinirTexto(texto);
        return;
    }
    QWidget *w = Controle(controle);
    const QMetaProperty p = propriedadeDoUsuario(w);
    if (p.isValid())
        p.write(w, texto);
}

// ---- Base -------------------------------------------------------------------------

void TFormTabela::FormShow()
{
    RegistrarEvento(NumeroTabela, u"conectado"_s);
    EditarCampos(false);
    MostrarBotoes(Modo != ModoTabela::Escolhendo);
    LabelEscolha->clear();
    setWindowTitle(u"Tabela "_s + TituloTabela(NumeroTabela));
    // Os botões de filhas reservados a alguns níveis.
    for (const BotaoFilha &b : std::as_const(m_descricao.filhas))
        if (!b.niveis.isEmpty())
            Controle(b.nome)->setVisible(b.niveis.contains(NivelAcesso));
    if (QWidget *historico = Controle(u"BitBtnHistorico"_s))
        historico->setVisible(NivelAcesso == 1 && Modo != ModoTabela::Escolhendo);
}

bool TFormTabela::FormClose()
{
    if (Editando()) {
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
    if (QWidget *historico = Controle(u"BitBtnHistorico"_s))
        historico->setEnabled(!on);
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
    for (const auto &c : m_campos)
        c->Limpar();
}

bool TFormTabela::ContarRegistros(const QStringList &sentenca)
{
    if (!Editando())
        DBGridPesquisa->setEnabled(true);
    int total = 0;
    const bool ok = ExecutarComando(
        *Query, NumeroTabela, Passo::Contagem,
        [&] { return sentenca.isEmpty() ? SentencaContagem() : sentenca; }, &total);
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
    // A filha de uma linha lista só as linhas da mãe entregue (sem o filtro do nível).
    if (!colunaPai().isEmpty())
        return CatalogoJanelas::SentencaListagemFilha(NumeroTabela, IdPai);
    return { CatalogoJanelas::SentencaListagem(NumeroTabela) };
}

QStringList TFormTabela::SentencaContagem() const
{
    if (!colunaPai().isEmpty())
        return CatalogoJanelas::SentencaContagemFilha(NumeroTabela, IdPai);
    return { CatalogoJanelas::SentencaContagem(NumeroTabela) };
}

void TFormTabela::CarregarListasDeCodigos()
{
    for (const auto &c : m_campos)
        if (const Campo &d = c->Descricao(); d.tabelaCodigos)
            if (auto *lista = qobject_cast<QComboBox *>(c->Widget()))
                CarregarCodigosUmaVez(d.tabelaCodigos, d.colunaCodigos, lista);
}

void TFormTabela::ConsultarTabela()
{
    // As listas de códigos primeiro (na consulta da janela), depois a listagem.
    CarregarListasDeCodigos();
    // A lista só volta a ser usável quando a edição termina.
    if (!Editando())
        DBGridPesquisa->setEnabled(true);
    if (CatalogoJanelas::ContaAntesDeListar(NumeroTabela)) {
        // O total da legenda vem da contagem.
        ContarRegistros();
        ExecutarComando(
            *Query, NumeroTabela, Passo::ConsultaSemTotal, [this] { return SentencaConsulta(); });
        return;
    }
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
        // A leitura que perdeu a conexão já foi avisada: a tabela não está vazia.
        if (Query->Database() && Query->Database()->Connected())
            Mensagens::Informar(TabelaVazia);
        return false;
    }
    return true;
}

QList<ControleCampo *> TFormTabela::camposNaOrdemDeExibicao() const
{
    QList<ControleCampo *> ordem;
    for (const QString &controle : m_descricao.ordemExibicao)
        if (ControleCampo *c = m_camposPorControle.value(controle))
            ordem << c;
    for (const auto &c : m_campos)
        if (!ordem.contains(c.get()))
            ordem << c.get();
    return ordem;
}

void TFormTabela::CopiarCampos()
{
    const QString id = EditId->text();
    QString caixa;
    if (const CaixasNoMesmoLugar &cx = m_descricao.caixas; !cx.campo.isEmpty()) {
        const Campo *decide = m_descricao.CampoDoControle(cx.campo);
        caixa = cx.escolher(decide && Query->TemCampo(decide->coluna)
                ? Query->AsString(decide->coluna)
                : QString());
        MostrarCaixa(caixa);
    }
    for (ControleCampo *c : camposNaOrdemDeExibicao()) {
        const QString suaCaixa = m_descricao.CaixaAlternadaDe(c->Descricao());
        if (suaCaixa.isEmpty() || suaCaixa == caixa)
            c->MostrarLinha(*Query, id);
        else
            c->DefinirValorMostrado(std::nullopt); // a outra caixa não mostrou esta linha
    }
}

QString TFormTabela::colunaPai() const
{
    const CatalogoJanelas::Janela *j = CatalogoJanelas::JanelaDe(NumeroTabela);
    return j ? j->colunaPai : QString();
}

const Campo *TFormTabela::campoPai() const
{
    const QString coluna = colunaPai();
    return coluna.isEmpty() ? nullptr : m_descricao.CampoDoControle(u"Edit"_s + coluna);
}

void TFormTabela::preencherPai()
{
    const Campo *pai = campoPai();
    if (auto *c = pai ? dynamic_cast<ControlePesquisa *>(CampoDoControle(pai->controle)) : nullptr)
        c->MostrarMae(IdPai, NomePai);
}

void TFormTabela::MostrarCaixa(const QString &caixa)
{
    for (const QString &c : m_descricao.CaixasAlternadas())
        if (QWidget *w = Controle(c))
            w->setVisible(c == caixa);
}

void TFormTabela::alternarCaixa()
{
    const CaixasNoMesmoLugar &cx = m_descricao.caixas;
    if (!cx.campo.isEmpty() && Editando())
        MostrarCaixa(cx.escolher(Texto(cx.campo)));
}

void TFormTabela::MostrarRegistro()
{
    ApagarCampos();
    MostrarCaixa({});
    // O campo do pai de uma lista-filha mostra a mãe entregue, com a lista vazia só quando
    // a descrição pede; o que vem da linha mostra a coluna dela.
    const Campo *pai = campoPai();
    const bool semLinha = pai && m_descricao.paiSemLinha;
    if (semLinha)
        preencherPai();
    if (!LerId())
        return;
    if (pai && !semLinha && pai->coluna.isEmpty())
        preencherPai();
    CopiarCampos();
}

void TFormTabela::AplicarRegras(bool on)
{
    for (const auto &c : m_campos)
        c->Habilitar(on);
}

void TFormTabela::HabilitarCampos(bool on)
{
    EditarCampos(on);
    AplicarRegras(on);
}

void TFormTabela::LimparCampos()
{
    ApagarCampos();
    preencherPai();
}

TQuery *TFormTabela::LinhaPorId(const QString &id)
{
    if (id.isEmpty())
        return nullptr;
    TQuery &q = Servidor::Query();
    const bool ok = RodarComando(
        q, NumeroTabela, {},
        [&] {
            return QStringList { u"SELECT * FROM "_s + NomeTabela(NumeroTabela) + u" WHERE Id="_s
                + ValorInteiro(id) };
        },
        true);
    if (!ok)
        return nullptr;
    RegistrarEvento(NumeroTabela, u"consultado"_s);
    return q.RecordCount() ? &q : nullptr;
}

QString TFormTabela::NomePorId(const QString &id)
{
    const TQuery *q = LinhaPorId(id);
    if (!q)
        return {};
    const CatalogoJanelas::Janela *catalogo = CatalogoJanelas::JanelaDe(NumeroTabela);
    QString coluna = catalogo ? catalogo->colunaExibicao : QString();
    if (coluna.isEmpty())
        for (const QString &c : { u"Nome"_s, u"Titulo"_s, u"Sigla"_s })
            if (q->TemCampo(c)) {
                coluna = c;
                break;
            }
    if (coluna.isEmpty() || !q->TemCampo(coluna))
        return {};
    const QString valor = q->AsString(coluna);
    return catalogo && catalogo->exibicaoSemEspacos ? RemoverEspacosFinais(valor) : valor;
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
    m_gravacao->Comecar();
    DBGridPesquisa->setEnabled(false);
    LabelAviso->show();
    Modo = ModoTabela::Incluindo;
    m_nivelDaEdicao = NivelAcesso;
    LimparCampos();
    // Os valores iniciais de um registro novo, com um só "agora" para todos.
    const QDateTime agora = QDateTime::currentDateTime();
    for (const auto &c : m_campos)
        c->Iniciar(agora);
    HabilitarCampos(true);
    alternarCaixa();
}

bool TFormTabela::PodeModificarReservada(const QStringList &controles)
{
    for (const QString &c : controles)
        if (Texto(c) == u"[vazio]"_s && !NivelModificaReservadas(NivelAcesso)) {
            Mensagens::Informar(
                u"Você não possui permissão para modificar essa ficha. Operação interrompida."_s);
            return false;
        }
    return true;
}

bool TFormTabela::PodeExcluirReservada(const QStringList &controles)
{
    for (const QString &c : controles)
        if (Texto(c) == u"[vazio]"_s) {
            Mensagens::Informar(
                u"Você não possui permissão para apagar essa ficha. Operação interrompida."_s);
            return false;
        }
    return true;
}

bool TFormTabela::PodeModificarFicha()
{
    return PodeModificarReservada(m_descricao.controlesReservados);
}

bool TFormTabela::PodeExcluirFicha()
{
    if (m_descricao.apagaReservada)
        return true;
    return PodeExcluirReservada(m_descricao.controlesReservados);
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
    m_gravacao->Comecar();
    DBGridPesquisa->setEnabled(false);
    LabelAviso->show();
    Modo = ModoTabela::Modificando;
    m_nivelDaEdicao = NivelAcesso;
    HabilitarCampos(true);
    alternarCaixa();
}

bool TFormTabela::PermitirGravacao()
{
    if (!CatalogoJanelas::NivelSoLeitura(NivelAcesso, NumeroTabela))
        return true;
    Mensagens::Informar(u"Usuário ["_s + NomeNivel(NivelAcesso)
        + u"] não possui permissão para Incluir/Alterar registro."_s);
    return false;
}

bool TFormTabela::ConferirCampos()
{
    // Uma lista-filha sem a linha-mãe (a mãe entregou um Id vazio) não grava: a recusa do
    // campo do pai, antes das outras.
    if (const Campo *pai = campoPai(); pai && Texto(pai->controle).isEmpty()) {
        Mensagens::Informar(pai->obrigatorio);
        return false;
    }
    for (const Campo &c : std::as_const(m_descricao.campos))
        if (!c.obrigatorio.isEmpty() && Texto(c.controle).isEmpty()) {
            Mensagens::Informar(c.obrigatorio);
            return false;
        }
    // Depois dos obrigatórios, o que cada espécie recusa no valor digitado.
    for (const auto &c : m_campos)
        if (const QString recusa = c->Conferir(); !recusa.isEmpty()) {
            Mensagens::Informar(recusa);
            return false;
        }
    return true;
}

TabelaLinhas TFormTabela::LinhasGravacao(bool inclusao) const
{
    return inclusao ? m_descricao.LinhasInclusao() : m_descricao.LinhasAlteracao();
}

bool TFormTabela::Condicao(const QString &nome) const
{
    // Uma caixa das que dividem o lugar vale quando o campo que decide a escolhe (a que
    // está à vista enquanto se edita).
    const CaixasNoMesmoLugar &cx = m_descricao.caixas;
    return !cx.campo.isEmpty() && m_descricao.CaixasAlternadas().contains(nome)
        && cx.escolher(Texto(cx.campo)) == nome;
}

bool TFormTabela::GravarSeguintes(bool inclusao)
{
    return m_gravacao->GravarTextosLongos(inclusao);
}

void TFormTabela::FimDaEdicao()
{
    DBGridPesquisa->setEnabled(true);
    LabelAviso->hide();
}

void TFormTabela::Concluir()
{
    Modo = ModoTabela::Consultando;
    ConsultarTabela();
    HabilitarCampos(false);
    FimDaEdicao();
    MostrarRegistro();
}

void TFormTabela::BitBtnAceitarClick()
{
    if (!Editando())
        return;
    if (!PermitirGravacao()) {
        Operacao = OperacaoTabela::Nenhuma;
        // Uma edição começada noutro nível (antes de uma reconexão) não se perde com a
        // recusa deste: fica na tela para outro nível gravar, ou para Cancelar.
        if (NivelAcesso != m_nivelDaEdicao)
            return;
        Concluir();
        return;
    }
    if (!ConferirCampos() || !m_gravacao->ConferirGravaveis())
        return; // continua editando, com a lista ainda bloqueada
    if (!Servidor::Database().Connected()) {
        Mensagens::Informar(u"A conexão com o servidor foi encerrada: nada foi gravado.\n\r"
                            "Conecte-se novamente e pressione Aceitar, ou pressione Cancelar."_s);
        return;
    }
    if (!m_gravacao->Gravar(Modo == ModoTabela::Incluindo)) {
        // O que foi digitado fica na tela para ser corrigido ou cancelado.
        if (Servidor::Database().Connected())
            ConsultarTabela();
        return;
    }
    Concluir();
}

void TFormTabela::BitBtnCancelarClick()
{
    Modo = ModoTabela::Consultando;
    HabilitarCampos(false);
    FimDaEdicao();
    MostrarRegistro();
}

void TFormTabela::BitBtnExcluirClick()
{
    Operacao = OperacaoTabela::Nenhuma;
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
    Operacao = Mensagens::Confirmar(u"Tem certeza que deseja apagar o registro selecionado?"_s)
        ? OperacaoTabela::ExclusaoConfirmada
        : OperacaoTabela::Nenhuma;
    if (Operacao != OperacaoTabela::ExclusaoConfirmada)
        return;
    m_gravacao->Excluir();
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
    Operacao = OperacaoTabela::AtualizacaoPedida;
    if (m_descricao.atualizarMostra)
        ExibirJanela();
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

void TFormTabela::AoEditar(const QString &controle, std::function<void()> acao)
{
    QWidget *w = Controle(controle);
    if (auto *lista = qobject_cast<QComboBox *>(w)) {
        connect(lista, &QComboBox::activated, this, acao);
        w = lista->lineEdit();
    }
    if (auto *caixa = qobject_cast<QLineEdit *>(w))
        connect(caixa, &QLineEdit::textEdited, this, std::move(acao));
}

void TFormTabela::ExecutarPesquisa(const QString &controleId)
{
    if (auto *pesquisa = dynamic_cast<ControlePesquisa *>(CampoDoControle(controleId)))
        pesquisa->Executar();
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
    c->Modo = ModoTabela::Escolhendo;
    c->LabelEscolha->clear();
    ++c->m_execucoes;
    c->exec();
    --c->m_execucoes;
    c->Modo = ModoTabela::Consultando;
    return c->LabelEscolha->text();
}

void TFormTabela::DefinirPai(const QString &id, const QString &nome)
{
    IdPai = id;
    NomePai = nome;
}

void TFormTabela::ReceberMae(const TFormTabela &mae, const BotaoFilha &botao)
{
    Q_UNUSED(mae);
    Q_UNUSED(botao);
}

bool TFormTabela::LinhaEscolhida() const
{
    return !EditId->text().isEmpty();
}

bool TFormTabela::AbrirFilha(
    int numero, const QString &recusaModo, const QString &recusaSemLinha, bool exigeNome)
{
    BotaoFilha b;
    b.numero = numero;
    b.recusaModo = recusaModo;
    b.recusaSemLinha = recusaSemLinha;
    b.exigeNome = exigeNome;
    return AbrirFilha(b);
}

bool TFormTabela::AbrirFilha(const BotaoFilha &botao)
{
    if (Modo != ModoTabela::Consultando) {
        Mensagens::Informar(botao.recusaModo);
        return false;
    }
    const bool comMae = !botao.recusaSemLinha.isEmpty();
    if (comMae && (!LinhaEscolhida() || (botao.exigeNome && Texto(botao.controleNome).isEmpty()))) {
        Mensagens::Informar(botao.recusaSemLinha);
        return false;
    }
    TFormTabela *filha = Registro::Janela(botao.numero);
    if (!filha)
        return false;
    if (comMae) {
        filha->DefinirPai(EditId->text(), Texto(botao.controleNome));
        filha->ReceberMae(*this, botao);
    }
    return filha->MostrarModal();
}

bool TFormTabela::MostrarModal()
{
    if (EmExecucaoModal())
        return false;
    if (isVisible() && !FormClose())
        return false;
    Modo = ModoTabela::Consultando;
    ++m_execucoes;
    exec();
    --m_execucoes;
    return true;
}

void TFormTabela::aoDesconectar()
{
    // Quem só consulta ou escolhe é fechado; quem está editando fica com o que digitou.
    if (isVisible() && !Editando())
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
