#include "MontagemTabela.h"

#include "CatalogoTabelas.h"
#include "Listagem.h"
#include "Registro.h"
#include "Tabela.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// O que a moldura do gerenciador de janelas (título e bordas) toma da tela, no máximo.
constexpr QSize MargemMoldura(40, 60);

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

// A escolha de um controle dada à sua ação: o duplo clique e, pelo teclado, F4 ou
// Alt+Seta para baixo (ditos na dica); um filtro de eventos filho do controle (vive e
// morre com ele).
class DuploClique : public QObject {
public:
    DuploClique(QWidget *controle, std::function<void()> acao)
        : QObject(controle)
        , m_acao(std::move(acao))
    {
        controle->installEventFilter(this);
        const QString ja = controle->toolTip();
        if (!ja.contains(DicaEscolha))
            controle->setToolTip(ja.isEmpty() ? DicaEscolha : ja + u'\n' + DicaEscolha);
    }
    void Trocar(std::function<void()> acao) { m_acao = std::move(acao); }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::KeyPress) {
            const auto *tecla = static_cast<QKeyEvent *>(evento);
            const Qt::KeyboardModifiers mods = tecla->modifiers() & ~Qt::KeypadModifier;
            if ((tecla->key() == Qt::Key_F4 && mods == Qt::NoModifier)
                || (tecla->key() == Qt::Key_Down && mods == Qt::AltModifier)) {
                m_acao();
                return true;
            }
        }
        if (evento->type() != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(objeto, evento);
        m_acao();
        return true;
    }

private:
    std::function<void()> m_acao;
};

// Um botão escondido também fica desabilitado (nem o teclado nem a acessibilidade o
// apertam); à vista de novo, volta ao estado que a janela lhe deu. O que a janela
// habilita enquanto ele está escondido vale quando ele aparecer.
class EscondidoDesabilitado : public QObject {
public:
    explicit EscondidoDesabilitado(QWidget *botao)
        : QObject(botao)
        , m_botao(botao)
    {
        botao->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (objeto != m_botao || m_ajustando)
            return QObject::eventFilter(objeto, evento);
        switch (evento->type()) {
        case QEvent::HideToParent:
            m_habilitado = !m_botao->testAttribute(Qt::WA_ForceDisabled);
            ajustar(false);
            break;
        case QEvent::ShowToParent:
            ajustar(m_habilitado);
            break;
        case QEvent::EnabledChange:
            // O que a janela pede, à vista ou não; escondido, fica para quando aparecer.
            m_habilitado = !m_botao->testAttribute(Qt::WA_ForceDisabled);
            if (m_habilitado && m_botao->isHidden())
                ajustar(false);
            break;
        default:
            break;
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    void ajustar(bool habilitado)
    {
        m_ajustando = true;
        m_botao->setEnabled(habilitado);
        m_ajustando = false;
    }
    QWidget *m_botao;
    bool m_habilitado = true;
    bool m_ajustando = false;
};

// O texto da tecla como o sistema o mostra ("Ctrl+N").
QString NomeTecla(const QKeySequence &tecla)
{
    return tecla.toString(QKeySequence::NativeText);
}
} // namespace

void LigarDuploClique(QWidget *controle, std::function<void()> acao)
{
    for (QObject *filho : controle->children())
        if (auto *d = dynamic_cast<DuploClique *>(filho)) {
            d->Trocar(std::move(acao));
            return;
        }
    new DuploClique(controle, std::move(acao));
}

MontagemTabela::MontagemTabela(TFormTabela &janela)
    : m_j(janela)
{
}

QPushButton *MontagemTabela::Botao(const QString &nome, const QString &texto, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    new EscondidoDesabilitado(b);
    return b;
}

void MontagemTabela::Montar()
{
    listagem();
    registro();
    barraInferior();
    TFormTabela &j = m_j;
    for (auto [w, nome] : std::initializer_list<std::pair<QWidget *, QString>> {
             { j.GroupBox2, u"GroupBox2"_s },
             { j.DBGridPesquisa, u"DBGridPesquisa"_s },
             { j.m_listagem->RotuloPesquisa(), u"LabelPesquisar"_s },
             { j.m_listagem->Pesquisa(), u"EditPesquisar"_s },
             { j.m_listagem->ContagemPesquisa(), u"LabelPesquisaContagem"_s },
             { j.m_listagem->BotaoExportar(), u"BitBtnExportar"_s },
             { j.Splitter1, u"Splitter1"_s },
             { j.GroupBox1, u"GroupBox1"_s },
             { j.Label1, u"Label1"_s },
             { j.EditId, u"EditId"_s },
             { j.BitBtnModificar, u"BitBtnModificar"_s },
             { j.BitBtnAceitar, u"BitBtnAceitar"_s },
             { j.BitBtnCancelar, u"BitBtnCancelar"_s },
             { j.BitBtnExcluir, u"BitBtnExcluir"_s },
             { j.BitBtnIncluir, u"BitBtnIncluir"_s },
             { j.LabelEscolha, u"LabelEscolha"_s },
             { j.LabelAviso, u"LabelAviso"_s },
             { j.BitBtnFechar, u"BitBtnFechar"_s },
             { j.BitBtnAtualizar, u"BitBtnAtualizar"_s },
             { j.BitBtnEscolher, u"BitBtnEscolher"_s },
         })
        j.RegistrarControle(w, nome);
    // Os botões das janelas filhas: com os de edição, ou ao lado de Atualizar.
    for (const BotaoFilha &b : std::as_const(j.m_descricao.filhas)) {
        QHBoxLayout *linha = b.barraInferior ? j.m_barraInferior : j.m_linhaBotoes;
        const int posicao
            = b.barraInferior ? linha->indexOf(j.BitBtnAtualizar) : linha->count() - 1;
        j.NovoBotao(b.nome, b.texto, linha, posicao, [&j, b] { j.AbrirFilha(b); });
    }
    if (!j.m_descricao.caixas.campo.isEmpty())
        j.AoEditar(j.m_descricao.caixas.campo, [&j] { j.alternarCaixa(); });
    // O histórico de alterações da linha mostrada (só o administrador: FormShow).
    if (Registro::TemHistorico(j.NumeroTabela))
        j.NovoBotao(u"BitBtnHistorico"_s, u"&Histórico"_s, j.m_barraInferior,
            j.m_barraInferior->indexOf(j.BitBtnAtualizar), [&j] {
                Registro::MostrarHistorico(j.NumeroTabela, j.EditId->text(), j.emExecucaoModal());
            });
    ligar();
}

void MontagemTabela::listagem()
{
    TFormTabela &j = m_j;
    j.Splitter1 = new QSplitter(Qt::Horizontal, &j);
    j.Splitter1->setObjectName(u"Splitter1"_s);
    j.Splitter1->setChildrenCollapsible(false);
    j.GroupBox2 = new QGroupBox(u" Listagem "_s, j.Splitter1);
    j.GroupBox2->setMaximumWidth(376);
    j.m_listagem = new Listagem(j.Query, j.GroupBox2, j.Splitter1,
        u"Listagem "_s + NomeTabela(j.NumeroTabela), NomeTabela(j.NumeroTabela), &j);
    j.DBGridPesquisa = j.m_listagem->Grade();
    j.DBGridPesquisa->setAccessibleName(u"Listagem "_s + TituloTabela(j.NumeroTabela));
    j.m_modelo = j.m_listagem->Modelo();
    ModeloListagem *modelo = j.m_modelo;
    QObject::connect(j.DBGridPesquisa, &QTableView::clicked, &j,
        [&j](const QModelIndex &i) { j.DBGridPesquisaCellClick(i); });
    QObject::connect(
        j.DBGridPesquisa, &QTableView::doubleClicked, &j, [&j] { j.BitBtnEscolherClick(); });
    // A linha mostrada acompanha a linha atual da lista também pelo teclado e pela
    // pesquisa; sem linha na pesquisa, os campos ficam vazios.
    QObject::connect(j.m_listagem->Grade(), &GradeListagem::LinhaMovidaPeloTeclado, &j,
        [&j](const QModelIndex &i) { j.DBGridPesquisaCellClick(i); });
    QObject::connect(j.m_listagem, &Listagem::LinhaMudadaPelaPesquisa, &j, [&j, modelo](int linha) {
        if (linha >= 0)
            j.DBGridPesquisaCellClick(modelo->index(linha, 0));
        else
            j.ApagarCampos();
    });
    // Numa escolha, Enter na pesquisa com uma linha só escolhe essa linha.
    QObject::connect(j.m_listagem, &Listagem::EnterNaPesquisa, &j, [&j, modelo] {
        if (j.Modo != ModoTabela::Escolhendo || modelo->Contagem() != 1)
            return;
        j.DBGridPesquisaCellClick(modelo->index(0, 0));
        j.BitBtnEscolherClick();
    });
    // O realce acompanha a linha atual da consulta quando o programa a move.
    auto marcar = [&j, modelo](int linha) {
        const int mostrada = modelo->LinhaMostrada(linha);
        if (mostrada >= 0)
            j.DBGridPesquisa->setCurrentIndex(modelo->index(mostrada, 0));
    };
    QObject::connect(j.Query, &TQuery::Aberta, &j, [&j, marcar] { marcar(j.Query->RecNo()); });
    QObject::connect(j.Query, &TQuery::Movida, &j, marcar);
    if (j.Query->Active())
        marcar(j.Query->RecNo());
}

void MontagemTabela::registro()
{
    TFormTabela &j = m_j;
    j.GroupBox1 = new QGroupBox(u" Registro "_s, j.Splitter1);
    auto *registro = new QVBoxLayout(j.GroupBox1);
    // Os campos rolam quando a janela é menor que eles (uma tela pequena, uma escala
    // grande); os botões de edição ficam sempre à vista, embaixo.
    auto *rolagem = new QScrollArea(j.GroupBox1);
    rolagem->setObjectName(u"ScrollBoxRegistro"_s);
    rolagem->setFrameShape(QFrame::NoFrame);
    rolagem->setWidgetResizable(true);
    auto *conteudo = new QWidget(rolagem);
    conteudo->setObjectName(u"PanelRegistro"_s);
    auto *coluna = new QVBoxLayout(conteudo);
    coluna->setContentsMargins(0, 0, 0, 0);
    j.m_grade = new QGridLayout;
    coluna->addLayout(j.m_grade);
    coluna->addStretch(1);
    rolagem->setWidget(conteudo);
    registro->addWidget(rolagem, 1);
    j.Label1 = new QLabel(u"Id"_s, j.GroupBox1);
    j.EditId = new QLineEdit(j.GroupBox1);
    j.EditId->setReadOnly(true);
    j.EditId->setMaximumWidth(90);
    ControleCampo::Pintar(j.EditId, ControleCampo::CorSomenteLeitura());
    j.Label1->setBuddy(j.EditId);
    j.Label1->hide();
    j.m_grade->addWidget(j.Label1, 0, 0);
    j.m_grade->addWidget(j.EditId, 0, 1, Qt::AlignLeft);
    j.m_grade->setColumnStretch(1, 1);
    j.m_grade->setColumnStretch(3, 1);
    campos();

    j.m_linhaBotoes = new QHBoxLayout;
    j.BitBtnIncluir = Botao(u"BitBtnIncluir"_s, u"&Incluir"_s, j.GroupBox1);
    j.BitBtnModificar = Botao(u"BitBtnModificar"_s, u"&Modificar"_s, j.GroupBox1);
    j.BitBtnExcluir = Botao(u"BitBtnExcluir"_s, u"&Excluir"_s, j.GroupBox1);
    j.BitBtnAceitar = Botao(u"BitBtnAceitar"_s, u"&Aceitar"_s, j.GroupBox1);
    j.BitBtnCancelar = Botao(u"BitBtnCancelar"_s, u"&Cancelar"_s, j.GroupBox1);
    for (QPushButton *b : { j.BitBtnIncluir.get(), j.BitBtnModificar.get(), j.BitBtnExcluir.get(),
             j.BitBtnAceitar.get(), j.BitBtnCancelar.get() })
        j.m_linhaBotoes->addWidget(b);
    j.m_linhaBotoes->addStretch(1);
    registro->addLayout(j.m_linhaBotoes);
    j.BitBtnAceitar->setDefault(true);
    // Uma janela sem comandos (a genérica) só lista, escolhe e dá nomes.
    for (QPushButton *b : { j.BitBtnIncluir.get(), j.BitBtnModificar.get(), j.BitBtnExcluir.get() })
        b->setEnabled(j.m_descricao.Grava());

    j.Splitter1->addWidget(j.GroupBox2);
    j.Splitter1->addWidget(j.GroupBox1);
    j.Splitter1->setStretchFactor(1, 1);
}

void MontagemTabela::campos()
{
    TFormTabela &j = m_j;
    QHash<QGridLayout *, Cursor> cursores;
    cursores[j.m_grade].linha = 1; // a linha 0 é a do Id
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

    const QList<Campo> &todos = j.m_descricao.campos;
    for (qsizetype i = 0; i < todos.size(); ++i) {
        const Campo &c = todos.at(i);
        // Sozinho na linha (o seguinte não vem ao lado), o campo vai até o fim da linha.
        const Campo *seguinte = i + 1 < todos.size() ? &todos.at(i + 1) : nullptr;
        const bool sozinho = !seguinte || !seguinte->aoLado
            || seguinte->lugar.pagina != c.lugar.pagina || seguinte->lugar.grupo != c.lugar.grupo;
        QGridLayout *grade = j.m_grade;
        QWidget *pai = j.GroupBox1;
        if (!c.lugar.pagina.isEmpty()) {
            if (!abas) {
                abas = new QTabWidget(j.GroupBox1);
                // Todas as abas à vista (nenhuma atrás de setas): a área dos campos rola.
                abas->setUsesScrollButtons(false);
                j.RegistrarControle(abas, u"PageControl1"_s);
                linhaInteira(j.m_grade, abas);
            }
            if (!paginas.contains(c.lugar.pagina)) {
                auto *pagina = new QWidget(abas);
                j.RegistrarControle(pagina, c.lugar.pagina);
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
                j.RegistrarControle(caixa, c.lugar.grupo);
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
        campo(c, grade, pai, cursor.linha, cursor.coluna, sozinho);
    }
    // O nome da mãe de uma lista-filha nunca é editado: a tecla Tab passa por ele.
    if (const Campo *pai = j.campoPai())
        if (QWidget *nome = j.m_controles.value(pai->ControleNome()))
            nome->setFocusPolicy(Qt::NoFocus);
}

void MontagemTabela::campo(
    const Campo &c, QGridLayout *grade, QWidget *pai, int &linha, int &coluna, bool sozinho)
{
    TFormTabela &j = m_j;
    j.m_campos.push_back(c.especie(c));
    ControleCampo *campo = j.m_campos.back().get();
    QWidget *controle = campo->Montar(pai, j);
    j.m_camposPorControle.insert(c.controle, campo);

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
    // Sem unidade depois dele, o último campo da linha ocupa o resto dela.
    const bool ateOFim = largo || (sozinho && c.unidade.isEmpty());
    grade->addWidget(campo->NaGrade(), linha, coluna + 1, 1, ateOFim ? -1 : 1);
    if (largo)
        coluna = 0;
    if (!c.unidade.isEmpty() && !largo) {
        // A unidade logo depois do campo; um campo ao lado vem depois dela.
        auto *unidade = new QLabel(c.unidade, pai);
        unidade->setBuddy(controle);
        j.RegistrarControle(unidade, c.ControleUnidade());
        grade->addWidget(unidade, linha, coluna + 2);
        ++coluna;
    }
    ++linha;
}

void MontagemTabela::barraInferior()
{
    TFormTabela &j = m_j;
    j.m_barraInferior = new QHBoxLayout;
    j.LabelEscolha = new QLabel(&j);
    j.LabelAviso = new QLabel(u"Nos campos amarelos use duplo-clique para opções."_s, &j);
    QPalette p = j.LabelAviso->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    j.LabelAviso->setPalette(p);
    j.LabelAviso->setWordWrap(true); // numa janela estreita, em duas linhas
    j.LabelAviso->hide();
    j.BitBtnFechar = Botao(u"BitBtnFechar"_s, u"&Fechar"_s, &j);
    j.BitBtnAtualizar = Botao(u"BitBtnAtualizar"_s, u"&Atualizar"_s, &j);
    j.BitBtnEscolher = Botao(u"BitBtnEscolher"_s, u"&Selecionar Registro Atual e Sair"_s, &j);
    j.m_barraInferior->addWidget(j.LabelEscolha);
    j.m_barraInferior->addWidget(j.LabelAviso);
    // As notas de um campo (o texto colado que foi cortado), na janela onde aconteceram.
    auto *nota = new QLabel(&j);
    nota->setWordWrap(true);
    j.RegistrarControle(nota, u"LabelNota"_s);
    j.m_barraInferior->addWidget(nota, 1);
    j.m_barraInferior->addStretch(1);
    j.m_barraInferior->addWidget(j.BitBtnAtualizar);
    j.m_barraInferior->addWidget(j.BitBtnFechar);
    j.m_barraInferior->addWidget(j.BitBtnEscolher);

    auto *principal = new QVBoxLayout(&j);
    principal->addWidget(j.Splitter1, 1);
    principal->addLayout(j.m_barraInferior);
}

void MontagemTabela::ligar()
{
    TFormTabela &j = m_j;
    const auto ligar = [&j](QPushButton *b, void (TFormTabela::*clique)()) {
        QObject::connect(b, &QPushButton::clicked, &j, [&j, clique] { (j.*clique)(); });
    };
    // Incluir e Modificar levam o foco ao primeiro campo que se pode editar (depois do que
    // a janela faz no clique), não ao Id.
    for (auto [b, clique] : { std::pair { j.BitBtnIncluir.get(), &TFormTabela::BitBtnIncluirClick },
             std::pair { j.BitBtnModificar.get(), &TFormTabela::BitBtnModificarClick } })
        QObject::connect(b, &QPushButton::clicked, &j, [&j, clique] {
            (j.*clique)();
            if (j.Editando())
                j.focarPrimeiroCampo();
        });
    ligar(j.BitBtnAceitar, &TFormTabela::BitBtnAceitarClick);
    ligar(j.BitBtnCancelar, &TFormTabela::BitBtnCancelarClick);
    ligar(j.BitBtnExcluir, &TFormTabela::BitBtnExcluirClick);
    ligar(j.BitBtnEscolher, &TFormTabela::BitBtnEscolherClick);
    ligar(j.BitBtnAtualizar, &TFormTabela::BitBtnAtualizarClick);
    ligar(j.BitBtnFechar, &TFormTabela::BitBtnFecharClick);
    atalhos();
}

void MontagemTabela::atalhos()
{
    // As teclas de sempre ao lado das letras sublinhadas dos botões: cada uma aperta o
    // botão quando ele está à vista e habilitado, e a dica do botão as mostra.
    TFormTabela &j = m_j;
    // As teclas mostradas são as primeiras 'mostradas' (Ctrl+Return é o Ctrl+Enter do
    // teclado principal).
    const auto atalho = [&j](QPushButton *botao, const QList<QKeySequence> &teclas,
                            std::function<bool()> pode = {}, qsizetype mostradas = -1) {
        QStringList nomes;
        for (const QKeySequence &tecla : teclas) {
            auto *s = new QShortcut(tecla, &j);
            QObject::connect(s, &QShortcut::activated, botao, [botao, pode] {
                if (botao->isVisible() && botao->isEnabled() && (!pode || pode()))
                    botao->click();
            });
            if (mostradas < 0 || nomes.size() < mostradas)
                nomes << NomeTecla(tecla);
        }
        botao->setToolTip(
            QString(botao->text()).remove(u'&') + u" ("_s + nomes.join(u", "_s) + u')');
    };
    atalho(j.BitBtnIncluir, { QKeySequence(Qt::CTRL | Qt::Key_N) });
    atalho(j.BitBtnAceitar,
        { QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_Enter),
            QKeySequence(Qt::CTRL | Qt::Key_Return) },
        {}, 2);
    // Del só apaga com a lista ou o registro em foco, nunca enquanto se digita num campo.
    atalho(j.BitBtnExcluir, { QKeySequence(Qt::Key_Delete) }, [&j] {
        const QWidget *foco = QApplication::focusWidget();
        if (const auto *caixa = qobject_cast<const QLineEdit *>(foco))
            return caixa->isReadOnly();
        if (const auto *lista = qobject_cast<const QComboBox *>(foco))
            return !lista->isEditable();
        return !qobject_cast<const QAbstractSpinBox *>(foco)
            && !(qobject_cast<const QAbstractScrollArea *>(foco) && foco != j.DBGridPesquisa.get()
                && !foco->property("readOnly").toBool());
    });
    atalho(j.BitBtnAtualizar, { QKeySequence(Qt::Key_F5) });
    QLineEdit *pesquisa = j.m_listagem->Pesquisa();
    const QKeySequence procurar(Qt::CTRL | Qt::Key_F);
    QObject::connect(new QShortcut(procurar, &j), &QShortcut::activated, pesquisa, [pesquisa] {
        pesquisa->setFocus(Qt::ShortcutFocusReason);
        pesquisa->selectAll();
    });
    const QString ja = pesquisa->toolTip();
    pesquisa->setToolTip(
        (ja.isEmpty() ? u"Pesquisar"_s : ja) + u" ("_s + NomeTecla(procurar) + u')');
}

void MontagemTabela::Dimensionar()
{
    TFormTabela &j = m_j;
    // O tamanho que mostra tudo sem rolar: a lista na largura toda ao lado dos campos
    // inteiros, ao menos a largura da descrição.
    auto *rolagem = j.findChild<QScrollArea *>(u"ScrollBoxRegistro"_s);
    j.GroupBox2->setMinimumWidth(j.GroupBox2->maximumWidth());
    rolagem->setMinimumSize(rolagem->widget()->sizeHint());
    int largura = qMax(j.m_descricao.largura, j.minimumSizeHint().width());
    int altura = qMax(560, j.sizeHint().height());
    j.GroupBox2->setMinimumWidth(0);
    rolagem->setMinimumSize(0, 0);
    // O mínimo da janela volta a ser o de agora (senão o tamanho abaixo não o passaria).
    j.layout()->activate();
    // Nunca maior que a tela onde abre (com lugar para a moldura): o que não cabe rola,
    // e a janela pode ser redimensionada.
    if (QScreen *tela = j.screen()) {
        const QRect livre = tela->availableGeometry();
        largura = qMin(largura, livre.width() - MargemMoldura.width());
        altura = qMin(altura, livre.height() - MargemMoldura.height());
    }
    j.resize(largura, altura);
}

void MontagemTabela::Caber()
{
    TFormTabela &j = m_j;
    QScreen *tela = j.screen();
    if (!tela)
        return;
    const QRect livre = tela->availableGeometry();
    const QSize maximo = livre.size() - MargemMoldura;
    j.layout()->activate();
    // Estreita demais para a lista ao lado dos campos (uma escala grande): a lista fica
    // acima deles.
    if (j.Splitter1->orientation() == Qt::Horizontal
        && j.minimumSizeHint().width() > maximo.width()) {
        j.Splitter1->setOrientation(Qt::Vertical);
        j.layout()->activate();
        // A maior parte da altura para os campos.
        const int altura = qMax(2, j.Splitter1->height());
        j.Splitter1->setSizes({ altura / 3, altura - altura / 3 });
    }
    j.resize(j.size().boundedTo(maximo).expandedTo(j.minimumSize()));
    // Inteira dentro da tela.
    const QRect r = j.frameGeometry();
    const int x = qBound(livre.left(), r.left(), qMax(livre.left(), livre.right() + 1 - r.width()));
    const int y = qBound(livre.top(), r.top(), qMax(livre.top(), livre.bottom() + 1 - r.height()));
    if (QPoint(x, y) != r.topLeft())
        j.move(x, y);
}
