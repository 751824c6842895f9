// As janelas de tabela na tela pequena: cada janela do catálogo cabe na tela em que abre
// (o CTest roda este programa numa tela de 1024x768 e numa de 1280x800 na escala 1.5),
// redimensionável, com todos os botões dentro da tela e as abas sem setas; os campos
// crescem com a janela; as larguras das colunas sobrevivem ao Aceitar e à escolha aberta
// de novo; Atualizar lê a lista de novo e fica na linha; a lista tem nome acessível e a
// janela o ícone do programa; o texto dos campos em consulta se lê (também num tema
// escuro). Nos dois motores.
#include "editores_apoio.h"

#include "Aplicacao.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using Apoio::Linhas;

namespace {
// Os botões à vista que não estão inteiros dentro da tela e da janela (os da área dos
// campos contam depois de rolar até eles).
QStringList botoesFora(TFormTabela *j)
{
    const QRect tela = j->screen()->availableGeometry();
    QStringList fora;
    for (QPushButton *b : j->findChildren<QPushButton *>()) {
        if (!b->isVisibleTo(j))
            continue;
        QWidget *onde = j;
        for (QWidget *p = b->parentWidget(); p && p != j; p = p->parentWidget())
            if (auto *area = qobject_cast<QScrollArea *>(p)) {
                area->ensureWidgetVisible(b);
                onde = area->viewport();
                break;
            }
        const QRect naTela(b->mapToGlobal(QPoint(0, 0)), b->size());
        const QRect noLugar(b->mapTo(onde, QPoint(0, 0)), b->size());
        if (!tela.contains(naTela) || !onde->rect().contains(noLugar))
            fora << b->objectName();
    }
    return fora;
}

// O texto e o fundo de um campo como ele é pintado agora (habilitado ou não).
QPair<QColor, QColor> coresDoTexto(QWidget *w)
{
    const QPalette p = w->palette();
    const QPalette::ColorGroup g = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
    if (auto *lista = qobject_cast<QComboBox *>(w); lista && !lista->isEditable())
        return { p.color(g, QPalette::ButtonText), p.color(g, QPalette::Button) };
    if (qobject_cast<QCheckBox *>(w))
        return { p.color(g, QPalette::WindowText), p.color(g, QPalette::Window) };
    return { p.color(g, QPalette::Text), p.color(g, QPalette::Base) };
}

bool temTexto(QWidget *w)
{
    return qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)
        || qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QTextEdit *>(w)
        || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QCheckBox *>(w);
}

// Os campos de uma janela cujo texto tem contraste menor que o mínimo.
QStringList camposIlegiveis(TFormTabela *j)
{
    QStringList ruins;
    for (const Campo &c : j->Descricao().campos) {
        ControleCampo *campo = j->CampoDoControle(c.controle);
        if (!campo)
            continue;
        for (QWidget *w : { campo->Widget(), campo->Visivel() }) {
            // (A confirmação dos veículos é vermelha de propósito: é um aviso.)
            if (!w || !temTexto(w) || (j->NumeroTabela == 78 && c.controle == u"CheckBoxVisivel"_s))
                continue;
            const auto [texto, fundo] = coresDoTexto(w);
            const double razao = ControleCampo::Contraste(texto, fundo);
            if (razao < ControleCampo::ContrasteMinimo)
                ruins << u"%1 %2 sobre %3 (%4:1)"_s.arg(
                    w->objectName(), texto.name(), fundo.name(), QString::number(razao, 'f', 1));
        }
    }
    ruins.removeDuplicates();
    return ruins;
}

QPalette temaEscuro()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    p.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x7f, 0x7f, 0x7f));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x7f, 0x7f, 0x7f));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x7f, 0x7f, 0x7f));
    return p;
}

int larguraDaColuna(TFormTabela *j, const QString &titulo)
{
    const QAbstractItemModel *m = j->DBGridPesquisa->model();
    for (int c = 0; c < m->columnCount(); ++c)
        if (m->headerData(c, Qt::Horizontal).toString() == titulo)
            return j->DBGridPesquisa->columnWidth(c);
    return -1;
}
} // namespace

class TesteTela : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InstalarIconePrograma();
        m_paleta = QApplication::palette();
    }
    void initTestCase_data() { LinhasMotores(); }
    void init() { QVERIFY(Apoio::Iniciar()); }
    void cleanup()
    {
        Apoio::Terminar();
        QApplication::setPalette(m_paleta);
    }

    // Cada janela cabe na tela em que abre, é redimensionável, tem todos os botões
    // dentro da tela (consultando e incluindo), as abas sem setas, a lista com nome
    // acessível e o ícone do programa.
    void cabeNaTela()
    {
        const QRect tela = QGuiApplication::primaryScreen()->availableGeometry();
        // A tela pequena que o CTest dá (sem ela o teste nada provaria).
        QVERIFY2(tela.width() <= 1024 && tela.height() <= 768,
            qPrintable(u"tela de %1x%2"_s.arg(tela.width()).arg(tela.height())));
        for (int n : Apoio::JanelasComEditor()) {
            Roteiro r;
            TFormTabela *j = Registro::Janela(n);
            const QString onde = u"janela %1 (%2)"_s.arg(n).arg(TituloTabela(n));
            j->show();
            QCoreApplication::processEvents(); // a disposição como o usuário a vê
            QVERIFY2(tela.contains(j->frameGeometry()),
                qPrintable(onde + u": "_s + QDebug::toString(j->frameGeometry())
                    + QDebug::toString(j->GroupBox1->minimumSizeHint())
                    + QDebug::toString(j->GroupBox2->minimumSizeHint())
                    + QDebug::toString(j->minimumSizeHint()) + QDebug::toString(j->minimumSize())));
            QVERIFY2(j->minimumSize() != j->maximumSize(), qPrintable(onde));
            QVERIFY2(
                botoesFora(j).isEmpty(), qPrintable(onde + u": "_s + botoesFora(j).join(u' ')));
            QVERIFY2(!j->DBGridPesquisa->accessibleName().isEmpty(), qPrintable(onde));
            QVERIFY2(!j->windowIcon().isNull(), qPrintable(onde));
            if (auto *abas = j->Controle<QTabWidget>(u"PageControl1"_s)) {
                QVERIFY2(!abas->usesScrollButtons(), qPrintable(onde));
                for (int a = 0; a < abas->count(); ++a)
                    QVERIFY2(abas->tabBar()->rect().contains(abas->tabBar()->tabRect(a)),
                        qPrintable(onde + u": "_s + abas->tabText(a)));
            }
            if (j->BitBtnIncluir->isVisible() && j->BitBtnIncluir->isEnabled()) {
                j->BitBtnIncluir->click();
                if (j->Editando()) {
                    QVERIFY2(botoesFora(j).isEmpty(),
                        qPrintable(onde + u", incluindo: "_s + botoesFora(j).join(u' ')));
                    j->BitBtnCancelar->click();
                }
            }
            j->FormClose();
        }
    }

    // O campo sozinho na linha usa a largura da área dos campos, e alargar a janela
    // alarga os campos (a lista fica com a sua largura).
    void camposCrescemComAJanela()
    {
        TFormTabela *j = Registro::Janela(10);
        j->show();
        auto *nome = Apoio::Edit(j, u"EditNome"_s);
        auto *area = j->findChild<QScrollArea *>(u"ScrollBoxRegistro"_s);
        QVERIFY(area);
        QVERIFY2(nome->width() > area->viewport()->width() * 2 / 3,
            qPrintable(u"%1 de %2"_s.arg(nome->width()).arg(area->viewport()->width())));
        const int antes = nome->width(), lista = j->DBGridPesquisa->width();
        j->resize(j->width() + 150, j->height());
        QTest::qWait(0);
        QVERIFY2(nome->width() > antes, qPrintable(u"%1 -> %2"_s.arg(antes).arg(nome->width())));
        QVERIFY(j->DBGridPesquisa->width() >= lista);
        j->FormClose();
    }

    // A largura que o usuário deu a uma coluna, e as medidas das outras, ficam depois do
    // Aceitar e na janela aberta de novo como escolha.
    void largurasDasColunasFicam()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(13);
        j->show();
        QHeaderView *titulos = j->DBGridPesquisa->horizontalHeader();
        const int colunaNome = [&] {
            for (int c = 0; c < titulos->count(); ++c)
                if (j->DBGridPesquisa->model()->headerData(c, Qt::Horizontal) == u"Nome"_s)
                    return c;
            return -1;
        }();
        QVERIFY(colunaNome >= 0);
        titulos->resizeSection(colunaNome, 177); // o usuário arrasta a borda
        const int sigla = larguraDaColuna(j, u"Sigla"_s);
        QVERIFY(sigla > 0);
        CLICAR_ID(j, Editores::IdsListados(j).value(1));
        j->BitBtnModificar->click();
        j->BitBtnAceitar->click();
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(larguraDaColuna(j, u"Nome"_s), 177);
        QCOMPARE(larguraDaColuna(j, u"Sigla"_s), sigla);
        // A pesquisa e a ordem também não mexem nelas.
        Apoio::Digitar(j, u"EditPesquisar"_s, u"a"_s);
        titulos->sectionClicked(colunaNome);
        QCOMPARE(larguraDaColuna(j, u"Nome"_s), 177);
        QCOMPARE(larguraDaColuna(j, u"Sigla"_s), sigla);
        j->FormClose();
        for (int vez = 0; vez < 2; ++vez) {
            int nome = 0, siglaNaEscolha = 0;
            Apoio::AoAbrir(j, [&] {
                nome = larguraDaColuna(j, u"Nome"_s);
                siglaNaEscolha = larguraDaColuna(j, u"Sigla"_s);
                j->FormClose();
            });
            TFormTabela::EscolherEm(13);
            QCOMPARE(nome, 177);
            QCOMPARE(siglaNaEscolha, sigla);
        }
    }

    // Atualizar, em toda janela que não mostra a janela de novo, lê a lista outra vez e
    // fica na linha mostrada.
    void atualizarFicaNaLinha()
    {
        BANCO_DEMONSTRACAO(b, 1);
        int vistas = 0;
        for (int n : Apoio::JanelasComEditor()) {
            Roteiro r;
            TFormTabela *j = Registro::Janela(n);
            if (j->Descricao().atualizarMostra || !j->Descricao().Grava())
                continue;
            j->show();
            const QStringList ids = Editores::IdsListados(j);
            if (ids.size() < 3 || !r.Textos().isEmpty()) {
                j->FormClose();
                continue;
            }
            ++vistas;
            const QString id = ids.at(ids.size() / 2);
            CLICAR_ID(j, id);
            Apoio::Eventos().Limpar();
            j->BitBtnAtualizar->click();
            const QString onde = u"janela %1"_s.arg(n);
            QVERIFY2(Apoio::Registrou(n, u"consultado"_s), qPrintable(onde));
            QVERIFY2(j->EditId->text() == id, qPrintable(onde + u": "_s + j->EditId->text()));
            const QModelIndex atual = j->DBGridPesquisa->currentIndex();
            QVERIFY2(atual.row() == Editores::LinhaDoId(j, id), qPrintable(onde));
            j->FormClose();
        }
        QVERIFY(vistas >= 10);
        // Uma linha que outro usuário incluiu aparece; a mostrada continua a mesma.
        TFormTabela *j = Registro::Janela(13);
        j->show();
        const QString id = Editores::IdsListados(j).value(1);
        CLICAR_ID(j, id);
        b.Executar(u"INSERT INTO DocenteCategorias (Nome, Sigla) VALUES ('Visitante', 'VIS')"_s);
        j->BitBtnAtualizar->click();
        QCOMPARE(j->EditId->text(), id);
        QVERIFY(Editores::IdsListados(j).contains(
            b.Valor(u"SELECT Id FROM DocenteCategorias WHERE Sigla='VIS'"_s)));
        j->FormClose();
    }

    // A nota do texto cortado ao limite aparece na janela onde se digitou.
    void notaDoCorteNaJanela()
    {
        Roteiro r;
        TFormTabela *j = Registro::Janela(13);
        j->show();
        j->BitBtnIncluir->click();
        QTest::keyClicks(Apoio::Edit(j, u"EditSigla"_s), u"ABCDEFG"_s);
        QCOMPARE(Apoio::Edit(j, u"EditSigla"_s)->text(), u"ABCDE"_s);
        QCOMPARE(j->Controle<QLabel>(u"LabelNota"_s)->text(),
            u"O campo Sigla aceita no máximo 5 caracteres: o que passou disso não entrou."_s);
        j->BitBtnCancelar->click();
        j->FormClose();
    }

    // O histórico só mostra os botões que fazem algo nele, e "Desfazer esta alteração"
    // só vale com uma alteração mostrada.
    void historicoSoComBotoesQueFazem()
    {
        Roteiro r;
        TFormTabela *j = Registro::Janela(13);
        j->show();
        CLICAR_ID(j, Editores::IdsListados(j).value(0));
        j->BitBtnModificar->click();
        Apoio::Digitar(j, u"EditNome"_s, u"Outra categoria"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        j->FormClose();
        TFormTabela *h = Registro::Janela(82);
        h->show();
        QVERIFY(!h->EditId->text().isEmpty());
        for (QPushButton *b :
            { h->BitBtnIncluir, h->BitBtnModificar, h->BitBtnExcluir, h->BitBtnEscolher })
            QVERIFY2(!b->isVisibleTo(h), qPrintable(b->objectName()));
        auto *desfazer = h->Controle<QPushButton>(u"BitBtnDesfazer"_s);
        QVERIFY(desfazer->isVisibleTo(h));
        QCOMPARE(desfazer->isEnabled(), !h->EditId->text().isEmpty());
        Apoio::Digitar(h, u"EditPesquisar"_s, u"nada assim existe"_s);
        QVERIFY(h->EditId->text().isEmpty());
        QVERIFY(!desfazer->isEnabled());
        h->FormClose();
    }

    // Em consulta, o texto de todo campo se lê sobre o seu fundo (não cinza sobre
    // cinza), no tema claro e num tema escuro, e também editando.
    void campoEmConsultaSeLe_data()
    {
        QTest::addColumn<bool>("escuro");
        QTest::newRow("claro") << false;
        QTest::newRow("escuro") << true;
    }
    void campoEmConsultaSeLe()
    {
        QFETCH(bool, escuro);
        if (escuro)
            QApplication::setPalette(temaEscuro());
        BANCO_DEMONSTRACAO(b, 1);
        for (int n : Apoio::JanelasComEditor()) {
            Roteiro r;
            TFormTabela *j = Registro::Janela(n);
            j->show();
            const QString onde = u"janela %1: "_s.arg(n);
            QVERIFY2(
                camposIlegiveis(j).isEmpty(), qPrintable(onde + camposIlegiveis(j).join(u", "_s)));
            if (j->BitBtnIncluir->isVisible() && j->BitBtnIncluir->isEnabled()) {
                j->BitBtnIncluir->click();
                if (j->Editando()) {
                    QVERIFY2(camposIlegiveis(j).isEmpty(),
                        qPrintable(onde + u"incluindo: "_s + camposIlegiveis(j).join(u", "_s)));
                    j->BitBtnCancelar->click();
                }
            }
            j->FormClose();
        }
    }

private:
    QPalette m_paleta; // a do tema, de volta depois de cada caso
};

QTEST_MAIN(TesteTela)
#include "tst_tela.moc"
