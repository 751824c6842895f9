// Listagem das janelas de tabela, nos dois motores: pesquisa enquanto se digita (acentos,
// maiúsculas, todas as colunas, Enter numa escolha), ordem pelos títulos conforme a
// espécie dos valores, a linha mostrada acompanhando o teclado e a pesquisa, exportação
// CSV lida de volta e a disposição guardada no Tarvisco.ini de uma execução para outra.
#include "quadro_apoio.h"

#include "Ini.h"
#include "Listagem.h"
#include "TabelaGenerica.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QSplitter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace Apoio;

namespace {
// Docentes da lista (ordem da consulta: por nome).
const QStringList Nomes = { u"Ana Souza"_s, u"Conceição Dias"_s, u"JOSEFA Lima"_s,
    u"José Álvares"_s, u"Zélia Prado"_s, u"[vazio]"_s };

QLineEdit *caixaPesquisa(TFormTabela *j)
{
    return j->Controle<QLineEdit>(u"EditPesquisar"_s);
}

// Valores de uma coluna como a grade os mostra, de cima para baixo.
QStringList coluna(TFormTabela *j, const QString &nome)
{
    const QAbstractItemModel *m = j->DBGridPesquisa->model();
    int c = 0;
    while (c < m->columnCount() && m->headerData(c, Qt::Horizontal).toString() != nome)
        ++c;
    QStringList v;
    for (int r = 0; r < m->rowCount(); ++r)
        v << m->index(r, c).data().toString();
    return v;
}

void clicarTitulo(TFormTabela *j, const QString &nome)
{
    QHeaderView *h = j->DBGridPesquisa->horizontalHeader();
    const QAbstractItemModel *m = j->DBGridPesquisa->model();
    for (int c = 0; c < m->columnCount(); ++c)
        if (m->headerData(c, Qt::Horizontal).toString() == nome) {
            j->DBGridPesquisa->scrollTo(m->index(0, c));
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
            return;
        }
    QFAIL("coluna inexistente");
}

void digitarPesquisa(TFormTabela *j, const QString &texto)
{
    QLineEdit *e = caixaPesquisa(j);
    e->setFocus();
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(e, c.toLatin1());
        else
            e->insert(QString(c));
    }
}

// Leitor de CSV (';' e aspas dobradas), para conferir a leitura de volta.
QList<QStringList> lerCsv(const QString &texto)
{
    QList<QStringList> linhas;
    QStringList linha;
    QString campo;
    bool aspas = false, emCampo = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (aspas) {
            if (c == u'"' && i + 1 < texto.size() && texto.at(i + 1) == u'"') {
                campo += u'"';
                ++i;
            } else if (c == u'"') {
                aspas = false;
            } else {
                campo += c;
            }
        } else if (c == u'"') {
            aspas = emCampo = true;
        } else if (c == u';') {
            linha << campo;
            campo.clear();
        } else if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n') {
            linha << campo;
            linhas << linha;
            linha.clear();
            campo.clear();
            ++i;
        } else {
            campo += c;
            emCampo = true;
        }
    }
    return linhas;
}
} // namespace

class TesteListagem : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    QString m_pastaOriginal;

    void inserirDocente(int id, const QString &nome, const QString &lattes = QString())
    {
        Exec(u"INSERT INTO Docentes (Id, Nome, Lattes) VALUES (%1, '%2', '%3')"_s.arg(id).arg(
            QString(nome).replace(u"'"_s, u"''"_s), lattes));
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase()
    {
        // O Tarvisco.ini dos testes numa pasta própria.
        m_pastaOriginal = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_pasta.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_pastaOriginal); }
    void init()
    {
        QVERIFY(Iniciar());
        QFile::remove(ArquivoConfiguracoes);
        inserirDocente(40, u"José Álvares"_s);
        inserirDocente(41, u"JOSEFA Lima"_s);
        inserirDocente(42, u"Ana Souza"_s, u"lattes/jose"_s);
        inserirDocente(43, u"Conceição Dias"_s);
        inserirDocente(44, u"Zélia Prado"_s);
        Eventos().Limpar();
    }
    void cleanup()
    {
        Listagem::DefinirPedidoArquivo({});
        Terminar();
    }

    // ---- Pesquisa ------------------------------------------------------------------

    void pesquisa_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("nomes");
        QTest::newRow("sem acento acha com acento")
            << u"jose"_s << QStringList { u"Ana Souza"_s, u"JOSEFA Lima"_s, u"José Álvares"_s };
        QTest::newRow("maiúsculas e acento no texto")
            << u"ÁLVARES"_s << QStringList { u"José Álvares"_s };
        QTest::newRow("cedilha e til") << u"conceicao"_s << QStringList { u"Conceição Dias"_s };
        QTest::newRow("com acento acha sem acento")
            << u"josé"_s << QStringList { u"Ana Souza"_s, u"JOSEFA Lima"_s, u"José Álvares"_s };
        QTest::newRow("outra coluna (Id)") << u"43"_s << QStringList { u"Conceição Dias"_s };
        QTest::newRow("nada") << u"xyz"_s << QStringList {};
    }
    void pesquisa()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, nomes);
        Roteiro r;
        TFormTabelaGenerica j(11);
        j.show();
        QCOMPARE(j.Controle<QLabel>(u"LabelPesquisar"_s)->buddy(), caixaPesquisa(&j));
        QCOMPARE(caixaPesquisa(&j)->accessibleName(), u"Pesquisar"_s);
        QCOMPARE(coluna(&j, u"Nome"_s), Nomes);
        Eventos().Limpar();
        digitarPesquisa(&j, texto);
        QCOMPARE(coluna(&j, u"Nome"_s), nomes);
        QCOMPARE(
            j.Controle<QLabel>(u"LabelPesquisaContagem"_s)->text(), u"%1 de 6"_s.arg(nomes.size()));
        // A pesquisa não consulta o banco nem muda a legenda da lista.
        QCOMPARE(j.GroupBox2->title(), u" Listagem (6) "_s);
        for (const QString &l : Linhas())
            QVERIFY2(!l.contains(u"consultando"_s), qPrintable(l));
        QVERIFY(r.mostradas.isEmpty());
        // Esc limpa a pesquisa e a janela continua aberta.
        QTest::keyClick(caixaPesquisa(&j), Qt::Key_Escape);
        QVERIFY(caixaPesquisa(&j)->text().isEmpty());
        QVERIFY(j.isVisible());
        QCOMPARE(coluna(&j, u"Nome"_s), Nomes);
        QCOMPARE(j.Controle<QLabel>(u"LabelPesquisaContagem"_s)->text(), QString());
    }

    // Digitar e apagar (o filtro estreita ou alarga a partir do anterior) mostra as linhas
    // de uma pesquisa feita do zero, na mesma ordem, também com a lista ordenada.
    void pesquisaDigitandoEApagandoIgualAPesquisaNova()
    {
        inserirDocente(45, u"Josué – “Zé”"_s, u"lattes/josue"_s);
        Roteiro r;
        TFormTabelaGenerica j(11);
        j.show();
        auto *modelo = qobject_cast<ModeloListagem *>(j.DBGridPesquisa->model());
        ModeloListagem doZero(j.Query);
        const auto linhas = [](const ModeloListagem &m) {
            QList<int> l;
            for (int i = 0; i < m.Contagem(); ++i)
                l << m.LinhaConsulta(i);
            return l;
        };
        const int nome = int(j.Query->NomesCampos().indexOf(u"Nome"_s));
        for (const bool ordenada : { false, true }) {
            if (ordenada) {
                modelo->Ordenar(nome, Qt::DescendingOrder);
                doZero.Ordenar(nome, Qt::DescendingOrder);
            }
            for (const QString &t :
                { u"j"_s, u"jo"_s, u"jos"_s, u"josé"_s, u"josef"_s, u"jos"_s, u"j"_s, QString(),
                    u"“z"_s, u"“"_s, u"– “"_s, u"a"_s, u"al"_s, u"a"_s, QString() }) {
                modelo->Filtrar(t);
                doZero.Filtrar(QString());
                doZero.Filtrar(t);
                QCOMPARE(linhas(*modelo), linhas(doZero));
            }
        }
        QCOMPARE(modelo->Contagem(), 7);
    }

    void pesquisaBloqueadaEditandoEVoltaComALista()
    {
        Exec(u"DELETE FROM DocenteCategorias WHERE Id<>1"_s);
        Roteiro r;
        TFormTabela *j = Registro::Janela(13);
        j->show();
        digitarPesquisa(j, u"vaz"_s);
        QCOMPARE(j->DBGridPesquisa->model()->rowCount(), 1);
        j->BitBtnIncluir->click();
        QVERIFY(!caixaPesquisa(j)->isEnabled());
        QVERIFY(!j->Controle(u"BitBtnExportar"_s)->isEnabled());
        Digitar(j, u"EditNome"_s, u"Titular"_s);
        j->BitBtnAceitar->click();
        // A lista consultada de novo: sem pesquisa, na ordem da consulta, legenda da base.
        QVERIFY(caixaPesquisa(j)->isEnabled());
        QCOMPARE(caixaPesquisa(j)->text(), QString());
        QCOMPARE(coluna(j, u"Nome"_s), QStringList({ u"Titular"_s, u"[vazio]"_s }));
        QCOMPARE(j->GroupBox2->title(), u" Listagem (2) "_s);
    }

    void enterNaEscolha_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("escolhido");
        QTest::newRow("uma linha") << u"alvares"_s << u"40"_s;
        QTest::newRow("várias linhas") << u"jose"_s << QString();
        QTest::newRow("nenhuma") << u"xyz"_s << QString();
    }
    void enterNaEscolha()
    {
        QFETCH(QString, texto);
        QFETCH(QString, escolhido);
        Roteiro r;
        Registro::DefinirFabrica(11, [](QWidget *pai) { return new TFormTabelaGenerica(11, pai); });
        TFormTabela *c = Registro::Janela(11);
        AoAbrir(c, [&] {
            digitarPesquisa(c, texto);
            QTest::keyClick(caixaPesquisa(c), Qt::Key_Return);
            if (c->isVisible())
                c->BitBtnFechar->click();
        });
        QCOMPARE(TFormTabela::EscolherEm(11), escolhido);
        QVERIFY(r.mostradas.isEmpty());
    }

    // ---- Ordem ---------------------------------------------------------------------

    void ordem_data()
    {
        QTest::addColumn<int>("tabela");
        QTest::addColumn<QString>("coluna");
        QTest::addColumn<QStringList>("crescente");
        // Nomes em ordem portuguesa: acentos e maiúsculas não separam as letras.
        QTest::newRow("nomes") << 11 << u"Nome"_s
                               << QStringList { u"[vazio]"_s, u"Ana Souza"_s, u"Conceição Dias"_s,
                                      u"José Álvares"_s, u"JOSEFA Lima"_s, u"Zélia Prado"_s };
        // Números como números (9 antes de 10).
        QTest::newRow("números") << 69 << u"Id"_s
                                 << QStringList { u"1"_s, u"9"_s, u"10"_s, u"100"_s };
        // Datas como datas, de anos diferentes.
        QTest::newRow("datas") << 69 << u"DataInicio"_s
                               << QStringList { u"1999-12-31"_s, u"2009-02-01"_s, u"2010-01-15"_s,
                                      u"2024-06-30"_s };
    }
    void ordem()
    {
        QFETCH(int, tabela);
        QFETCH(QString, coluna);
        QFETCH(QStringList, crescente);
        Exec(u"DELETE FROM Calendario"_s);
        for (const auto &[id, data] : QList<QPair<int, QString>> { { 1, u"2010-01-15"_s },
                 { 9, u"2024-06-30"_s }, { 10, u"1999-12-31"_s }, { 100, u"2009-02-01"_s } })
            Exec(u"INSERT INTO Calendario (Id, Titulo, DataInicio) VALUES (%1, 'T%1', '%2')"_s
                     .arg(id)
                     .arg(data));
        Roteiro r;
        TFormTabelaGenerica j(tabela);
        j.show();
        const QStringList consulta = ::coluna(&j, coluna);
        ClicarLinha(&j, 1);
        const QString mostrado = Edit(&j, u"EditId"_s)->text();
        Eventos().Limpar();
        clicarTitulo(&j, coluna);
        QCOMPARE(::coluna(&j, coluna), crescente);
        QCOMPARE(j.DBGridPesquisa->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        clicarTitulo(&j, coluna);
        QStringList decrescente = crescente;
        std::reverse(decrescente.begin(), decrescente.end());
        QCOMPARE(::coluna(&j, coluna), decrescente);
        QVERIFY(Linhas().isEmpty()); // ordenar não consulta o banco
        // A linha mostrada continua a atual, onde quer que tenha ido parar.
        const QModelIndex atual = j.DBGridPesquisa->currentIndex();
        QCOMPARE(::coluna(&j, u"Id"_s).at(atual.row()), mostrado);
        QCOMPARE(Edit(&j, u"EditId"_s)->text(), mostrado);
        // Abrir de novo volta à ordem da consulta.
        j.FormClose();
        j.show();
        QCOMPARE(::coluna(&j, coluna), consulta);
        QCOMPARE(j.DBGridPesquisa->horizontalHeader()->sortIndicatorSection(), -1);
    }

    // ---- A linha mostrada acompanha a atual ----------------------------------------

    void linhaMostradaAcompanhaTeclado()
    {
        Roteiro r;
        TFormTabela *j = Registro::Janela(13);
        Exec(u"DELETE FROM DocenteCategorias WHERE Id<>1"_s);
        Exec(u"INSERT INTO DocenteCategorias (Id, Nome, Sigla) VALUES (20, 'Titular', 'TIT')"_s);
        Exec(u"INSERT INTO DocenteCategorias (Id, Nome, Sigla) VALUES (21, 'Associado', 'ASS')"_s);
        j->show();
        QTableView *g = j->DBGridPesquisa;
        g->setFocus();
        const QList<QPair<int, QString>> teclas = { { Qt::Key_Down, u"Titular"_s },
            { Qt::Key_End, u"[vazio]"_s }, { Qt::Key_Home, u"Associado"_s },
            { Qt::Key_PageDown, u"[vazio]"_s }, { Qt::Key_Up, u"Titular"_s } };
        for (const auto &[tecla, nome] : teclas) {
            QTest::keyClick(g, Qt::Key(tecla));
            QCOMPARE(Edit(j, u"EditNome"_s)->text(), nome);
            QCOMPARE(coluna(j, u"Nome"_s).at(g->currentIndex().row()), nome);
        }
        // Pela pesquisa: a primeira linha que aparece; setas na pesquisa andam na lista.
        digitarPesquisa(j, u"a"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Titular"_s); // a atual ainda aparece
        QTest::keyClick(caixaPesquisa(j), Qt::Key_Escape);
        digitarPesquisa(j, u"ass"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Associado"_s);
        QTest::keyClick(caixaPesquisa(j), Qt::Key_Backspace);
        QTest::keyClick(caixaPesquisa(j), Qt::Key_Backspace);
        QTest::keyClick(caixaPesquisa(j), Qt::Key_Backspace); // vazia: todas as linhas
        QTest::keyClick(caixaPesquisa(j), Qt::Key_Down);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Titular"_s);
        // Modificar edita a linha realçada.
        j->BitBtnModificar->click();
        Digitar(j, u"EditSigla"_s, u"T1"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(Valor(u"SELECT Sigla FROM DocenteCategorias WHERE Id=20"_s), u"T1"_s);
        QCOMPARE(Valor(u"SELECT Sigla FROM DocenteCategorias WHERE Id=21"_s), u"ASS"_s);
        // Sem linha na pesquisa, os campos ficam vazios: nada a modificar.
        digitarPesquisa(j, u"xyz"_s);
        QCOMPARE(Edit(j, u"EditId"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), QString());
        r.Limpar();
        j->BitBtnModificar->click();
        QCOMPARE(r.Textos(), QStringList { u"A tabela está vazia."_s });
        QCOMPARE(j->Modo, ModoTabela::Consultando);
    }

    // ---- Exportação ----------------------------------------------------------------

    void exportarLeDeVolta()
    {
        const QString dificil = u"Dá;\"aspas\"\r\nlinha 2 ç"_s;
        inserirDocente(45, u"Yuri Nunes"_s, dificil);
        Roteiro r;
        TFormTabelaGenerica j(11);
        j.show();
        digitarPesquisa(&j, u"u"_s); // Ana Souza, Yuri Nunes (e não os outros)
        clicarTitulo(&j, u"Nome"_s);
        clicarTitulo(&j, u"Nome"_s); // decrescente
        const QString arquivo = m_pasta.filePath(u"lista.csv"_s);
        QString sugerido;
        Listagem::DefinirPedidoArquivo([&](QWidget *, const QString &sugestao) {
            sugerido = sugestao;
            return arquivo;
        });
        j.Controle<QPushButton>(u"BitBtnExportar"_s)->click();
        QCOMPARE(sugerido, u"Docentes.csv"_s);
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> linhas = lerCsv(QString::fromUtf8(bytes.mid(3)));
        const QAbstractItemModel *m = j.DBGridPesquisa->model();
        QCOMPARE(linhas.size(), 1 + m->rowCount());
        QCOMPARE(m->rowCount(), 2);
        for (int c = 0; c < m->columnCount(); ++c)
            QCOMPARE(linhas.at(0).at(c), m->headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < m->rowCount(); ++r) {
            QCOMPARE(linhas.at(r + 1).size(), m->columnCount());
            for (int c = 0; c < m->columnCount(); ++c)
                QCOMPARE(linhas.at(r + 1).at(c), m->index(r, c).data().toString());
        }
        QCOMPARE(coluna(&j, u"Nome"_s), QStringList({ u"Yuri Nunes"_s, u"Ana Souza"_s }));
        QCOMPARE(coluna(&j, u"Lattes"_s).first(), dificil);
        QVERIFY(r.mostradas.isEmpty());

        // Um arquivo que não pode ser gravado: a mensagem, e nada mais.
        Listagem::DefinirPedidoArquivo(
            [&](QWidget *, const QString &) { return m_pasta.filePath(u"nao/existe/x.csv"_s); });
        j.Controle<QPushButton>(u"BitBtnExportar"_s)->click();
        QCOMPARE(r.mostradas.size(), 1);
        QVERIFY(r.Textos().first().startsWith(u"Não foi possível gravar o arquivo \""_s));
        // Cancelar a caixa de arquivo não faz nada.
        Listagem::DefinirPedidoArquivo([](QWidget *, const QString &) { return QString(); });
        j.Controle<QPushButton>(u"BitBtnExportar"_s)->click();
        QCOMPARE(r.mostradas.size(), 1);
    }

    // ---- Disposição ----------------------------------------------------------------

    void disposicaoEntreExecucoes()
    {
        Roteiro r;
        int larguraNome = 0, lista = 0;
        {
            TFormTabelaGenerica j(11);
            j.show();
            QVERIFY(j.GroupBox2->width() >= 300); // larga o bastante para ler um nome
            QHeaderView *h = j.DBGridPesquisa->horizontalHeader();
            const int nome = int(j.Query->NomesCampos().indexOf(u"Nome"_s));
            QVERIFY(j.DBGridPesquisa->columnWidth(nome)
                >= QFontMetrics(j.DBGridPesquisa->font()).horizontalAdvance(u"Conceição Dias"_s));
            h->resizeSection(nome, 177);
            // O usuário arrasta o divisor para a esquerda.
            QSplitterHandle *alca = j.Splitter1->handle(1);
            const QPoint meio = alca->rect().center();
            QTest::mousePress(alca, Qt::LeftButton, {}, meio);
            QTest::mouseMove(alca, meio - QPoint(60, 0));
            QTest::mouseRelease(alca, Qt::LeftButton, {}, meio - QPoint(60, 0));
            lista = j.Splitter1->sizes().first();
            QVERIFY(lista < 376 - 30);
            larguraNome = h->sectionSize(nome);
            QVERIFY(!QFile::exists(ArquivoConfiguracoes));
            j.FormClose(); // guarda ao esconder
        }
        const ArquivoIni ini(ArquivoConfiguracoes);
        QCOMPARE(ini.LerInteiro(u"Listagem Docentes"_s, u"Divisor"_s, 0), lista);
        QVERIFY(ini.LerTexto(u"Listagem Docentes"_s, u"Colunas"_s).contains(u"Nome=177"_s));
        // Outra execução: a janela nova abre como ficou.
        TFormTabelaGenerica j(11);
        j.show();
        const int nome = int(j.Query->NomesCampos().indexOf(u"Nome"_s));
        QCOMPARE(j.DBGridPesquisa->columnWidth(nome), larguraNome);
        QCOMPARE(j.Splitter1->sizes().first(), lista);
        // Fechar sem mudar nada não regrava o arquivo.
        QFile::remove(ArquivoConfiguracoes);
        j.FormClose();
        QVERIFY(!QFile::exists(ArquivoConfiguracoes));
    }
};

QTEST_MAIN(TesteListagem)
#include "tst_listagem.moc"
