// Janela do histórico de alterações nos dois motores, sobre os dados de demonstração:
// só o administrador a vê; aberta pelo botão "Histórico" da janela de docentes, filtrada
// na linha mostrada; os campos mudados com os rótulos das janelas e os textos inteiros;
// desfazer depois da pergunta, recusar com a diferença, os filtros.
#include "editores_apoio.h"

#include "CatalogoJanelas.h"
#include "TabelaHistorico.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;

class TesteHistoricoJanela : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;

    TFormTabela *docentes() { return Registro::Janela(11); }
    TFormTabelaHistorico *historico()
    {
        return static_cast<TFormTabelaHistorico *>(Registro::Janela(TFormTabelaHistorico::Numero));
    }
    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    QPushButton *botao(TFormTabela *j, const QString &nome)
    {
        return j->Controle<QPushButton>(nome);
    }

    // A grade dos campos mudados: "rótulo|antes|depois" por linha.
    QStringList campos()
    {
        QStringList l;
        auto *g = historico()->Controle<QTableWidget>(u"GridAlteracao"_s);
        for (int i = 0; i < g->rowCount(); ++i)
            l << g->item(i, 0)->text() + u'|' + g->item(i, 1)->text() + u'|'
                    + g->item(i, 2)->text();
        return l;
    }
    // Modifica o docente 6 pela janela: o nome e a observação.
    void modificarDocente(const QString &nome, const QString &observacao)
    {
        TFormTabela *j = docentes();
        if (!j->isVisible())
            j->show();
        CLICAR_ID(j, u"6"_s);
        j->BitBtnModificar->click();
        Digitar(j, u"EditNome"_s, nome);
        j->Controle<QPlainTextEdit>(u"MemoObservacao"_s)->setPlainText(observacao);
        j->BitBtnAceitar->click();
        CLICAR_ID(j, u"6"_s);
    }
    // Mostra na janela do histórico a alteração de Id dado.
    void escolher(const QString &id) { CLICAR_ID(historico(), id); }
    QString ultimaDe(const QString &tabela)
    {
        return valor(u"SELECT MAX(Id) FROM Historico WHERE Tabela='%1'"_s.arg(tabela));
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&Apoio::Eventos()); }
    void init()
    {
        BANCO_DEMONSTRACAO(b, 1);
        m_banco = &b;
    }
    void cleanup()
    {
        Editores::Encerrar(m_banco);
        NivelAcesso = 1;
    }

    // Só o administrador: a ação do menu e o botão das janelas (que some na escolha).
    void soAdministrador()
    {
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
            QCOMPARE(NivelVeTabela(nivel, 25), nivel == 1);
            NivelAcesso = nivel;
            docentes()->show();
            QCOMPARE(botao(docentes(), u"BitBtnHistorico"_s)->isVisible(), nivel == 1);
            docentes()->hide();
        }
        NivelAcesso = 1;
        QCOMPARE(CatalogoJanelas::JanelaDaEtiqueta(25), TFormTabelaHistorico::Numero);
        // A janela da escolha não o mostra; a do próprio histórico nem o tem.
        AoAbrirModal([this](QWidget *) {
            QVERIFY(!botao(Registro::Janela(10), u"BitBtnHistorico"_s)->isVisible());
            Registro::Janela(10)->BitBtnFechar->click();
        });
        docentes()->show();
        docentes()->BitBtnModificar->click();
        Apoio::DuploClique(docentes(), u"EditDepartamento_Nome"_s);
        QVERIFY(!botao(docentes(), u"BitBtnHistorico"_s)->isEnabled());
        docentes()->BitBtnCancelar->click();
        QVERIFY(botao(docentes(), u"BitBtnHistorico"_s)->isEnabled());
        QVERIFY(!historico()->Controle(u"BitBtnHistorico"_s));
    }

    // O botão da janela de docentes abre o histórico do docente mostrado, com os campos
    // mudados pelos rótulos da janela, os textos longos inteiros e as alterações de
    // outros programas.
    void abertoPelaJanela()
    {
        const QString antes = valor(u"SELECT Nome FROM Docentes WHERE Id=6"_s);
        const QString area = valor(u"SELECT Area FROM Docentes WHERE Id=6"_s);
        const QString observacao = valor(u"SELECT Texto FROM DocentesObservacao WHERE Docente=6"_s);
        const QString longo = u"Primeira linha\r\n"_s + QString(3000, u'x') + u" ✓ fim"_s;
        modificarDocente(u"Nome Novo"_s, longo);
        QVERIFY(m_banco->Executar(u"UPDATE Docentes SET Area='De fora' WHERE Id=6"_s));
        QVERIFY(m_banco->Executar(u"UPDATE Docentes SET Area='Outro' WHERE Id=7"_s));

        botao(docentes(), u"BitBtnHistorico"_s)->click();
        TFormTabelaHistorico *h = historico();
        QVERIFY(h->isVisible());
        QCOMPARE(h->windowTitle(), u"Tabela Histórico de Alterações"_s);
        QCOMPARE(h->Controle<QComboBox>(u"ComboBoxFiltroTabela"_s)->currentText(), u"Docentes"_s);
        QCOMPARE(Edit(h, u"EditFiltroRegistro"_s)->text(), u"6"_s);
        // A mais nova primeiro: a de fora, o texto e o nome (o docente 7 não aparece).
        QCOMPARE(Editores::IdsListados(h), QStringList({ u"3"_s, u"2"_s, u"1"_s }));
        QCOMPARE(valor(u"SELECT Tabela || Registro FROM Historico WHERE Id=4"_s), u"Docentes7"_s);
        QCOMPARE(Edit(h, u"EditUsuario"_s)->text(),
            Apoio::PostgreSQL() ? u"postgres"_s : Historico::OutroPrograma);
        QCOMPARE(Edit(h, u"EditOperacao"_s)->text(), u"Alteração"_s);
        QCOMPARE(campos(), QStringList({ u"Área|"_s + area + u"|De fora"_s }));

        escolher(u"2"_s);
        QCOMPARE(Edit(h, u"EditTabela"_s)->text(), u"DocentesObservacao"_s);
        QCOMPARE(campos(), QStringList({ u"Observação|"_s + observacao + u'|' + longo }));
        escolher(u"1"_s);
        QCOMPARE(Edit(h, u"EditUsuario"_s)->text(),
            Apoio::PostgreSQL() ? UsuarioNivel(1) : NomeNivel(1));
        // Só o nome: os campos que a janela gravou vazios onde não havia nada não contam.
        QCOMPARE(campos(), QStringList({ u"Nome|"_s + antes + u"|Nome Novo"_s }));
    }

    // Aberto de uma janela modal (a filha das categorias), o histórico abre modal também,
    // filtrado na linha dela; sem alterações, a lista filtrada fica vazia sem mensagem.
    void abertoDeUmaJanelaModal()
    {
        docentes()->show();
        TFormTabela *categorias = Registro::Janela(13);
        Roteiro r;
        bool viu = false;
        AoAbrirModal([&](QWidget *w) {
            QCOMPARE(w, categorias);
            CLICAR_ID(categorias, u"3"_s);
            AoAbrirModal([&](QWidget *h) {
                QCOMPARE(h, historico());
                viu = true;
                QCOMPARE(historico()->Controle<QComboBox>(u"ComboBoxFiltroTabela"_s)->currentText(),
                    u"Docentes, Categorias"_s);
                QCOMPARE(Edit(historico(), u"EditFiltroRegistro"_s)->text(), u"3"_s);
                QVERIFY(Editores::IdsListados(historico()).isEmpty());
                historico()->BitBtnFechar->click();
            });
            botao(categorias, u"BitBtnHistorico"_s)->click();
            categorias->BitBtnFechar->click();
        });
        botao(docentes(), u"BitBtnDocentesCategorias"_s)->click();
        QVERIFY(viu);
        QVERIFY(r.Textos().isEmpty());
    }

    // Desfazer pela janela: a pergunta nomeia a linha e os campos; "Não" não muda nada;
    // "Sim" devolve a linha e o desfazer fica no histórico.
    void desfazerPelaJanela()
    {
        const QString antes = valor(u"SELECT Nome FROM Docentes WHERE Id=6"_s);
        modificarDocente(u"Nome Errado"_s, u"obs"_s);
        botao(docentes(), u"BitBtnHistorico"_s)->click();
        TFormTabelaHistorico *h = historico();
        const QString id = valor(u"SELECT MIN(Id) FROM Historico"_s);
        escolher(id);
        const QString momento = Edit(h, u"EditMomento"_s)->text();
        const QString pergunta = u"Desfazer esta alteração?\n\r\n\rDocentes \"Nome Errado\" (Id 6)"
                                 "\n\rVoltam ao que eram antes de "_s
            + momento + u": Nome."_s;
        const int registros = valor(u"SELECT COUNT(*) FROM Historico"_s).toInt();
        {
            Roteiro r;
            r.Responder(false);
            botao(h, u"BitBtnDesfazer"_s)->click();
            QCOMPARE(r.Textos(), QStringList({ pergunta }));
        }
        QCOMPARE(valor(u"SELECT Nome FROM Docentes WHERE Id=6"_s), u"Nome Errado"_s);
        Roteiro r;
        r.Responder(true);
        escolher(id);
        botao(h, u"BitBtnDesfazer"_s)->click();
        QCOMPARE(r.Textos(), QStringList({ pergunta }));
        QCOMPARE(valor(u"SELECT Nome FROM Docentes WHERE Id=6"_s), antes);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Historico"_s).toInt(), registros + 1);
        // A alteração que desfez aparece no alto da lista, e a janela de docentes já
        // mostra a linha de volta.
        QCOMPARE(Editores::IdsListados(h).first(), ultimaDe(u"Docentes"_s));
        QCOMPARE(campos(), QStringList({ u"Nome|Nome Errado|"_s + antes }));
        QVERIFY(Apoio::Registrou(TFormTabelaHistorico::Numero, u"desfeito"_s));
        QCOMPARE(Editores::LinhaDoId(docentes(), u"6"_s) >= 0, true);
        CLICAR_ID(docentes(), u"6"_s);
        QCOMPARE(Edit(docentes(), u"EditNome"_s)->text(), antes);
    }

    // Um texto que começa com U+FEFF fica como foi digitado: a janela o mostra de volta,
    // outro campo gravado depois não o perde, e desfazer uma troca o devolve inteiro.
    void textoComU_FEFF()
    {
        const QString nome = u"\uFEFFNome com a marca"_s;
        const QString observacao = u"\uFEFF\uFEFFobservação com duas"_s;
        const auto tamanhos = [this] {
            return valor(u"SELECT length(Nome) FROM Docentes WHERE Id=6"_s) + u'|'
                + valor(u"SELECT length(Texto) FROM DocentesObservacao WHERE Docente=6"_s);
        };
        const QString gravados = u"%1|%2"_s.arg(nome.size()).arg(observacao.size());
        modificarDocente(nome, observacao);
        QCOMPARE(tamanhos(), gravados);
        QCOMPARE(Edit(docentes(), u"EditNome"_s)->text(), nome);
        QCOMPARE(
            docentes()->Controle<QPlainTextEdit>(u"MemoObservacao"_s)->toPlainText(), observacao);

        docentes()->BitBtnModificar->click();
        Digitar(docentes(), u"EditArea"_s, u"Outra área"_s);
        docentes()->BitBtnAceitar->click();
        QCOMPARE(valor(u"SELECT Area FROM Docentes WHERE Id=6"_s), u"Outra área"_s);
        QCOMPARE(tamanhos(), gravados);

        modificarDocente(u"Nome sem marca"_s, u"sem marca"_s);
        botao(docentes(), u"BitBtnHistorico"_s)->click();
        for (const QString &tabela : { u"Docentes"_s, u"DocentesObservacao"_s }) {
            escolher(ultimaDe(tabela));
            Roteiro r;
            r.Responder(true);
            botao(historico(), u"BitBtnDesfazer"_s)->click();
            QCOMPARE(r.Textos().size(), 1); // só a pergunta, nenhuma recusa
        }
        QCOMPARE(tamanhos(), gravados);
        CLICAR_ID(docentes(), u"6"_s);
        QCOMPARE(Edit(docentes(), u"EditNome"_s)->text(), nome);
        QCOMPARE(
            docentes()->Controle<QPlainTextEdit>(u"MemoObservacao"_s)->toPlainText(), observacao);
    }

    // A linha mudou depois: a recusa mostra a diferença e nada é gravado.
    void desfazerRecusado()
    {
        modificarDocente(u"Primeiro"_s, u"obs"_s);
        const QString id = valor(u"SELECT MIN(Id) FROM Historico"_s);
        QVERIFY(m_banco->Executar(u"UPDATE Docentes SET Nome='Segundo' WHERE Id=6"_s));
        botao(docentes(), u"BitBtnHistorico"_s)->click();
        escolher(id);
        const int registros = valor(u"SELECT COUNT(*) FROM Historico"_s).toInt();
        Roteiro r;
        botao(historico(), u"BitBtnDesfazer"_s)->click();
        QCOMPARE(r.Textos(),
            QStringList({ u"Esta alteração não pode ser desfeita: Docentes \"Primeiro\" (Id 6) "
                          "mudou depois dela.\n\r\n\rNome: \"Primeiro\" depois da alteração, "
                          "\"Segundo\" agora"_s }));
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Historico"_s).toInt(), registros);
        QCOMPARE(valor(u"SELECT Nome FROM Docentes WHERE Id=6"_s), u"Segundo"_s);
    }

    // Uma exclusão pela janela de docentes volta com o mesmo Id e os três textos longos.
    void desfazerExclusao()
    {
        const auto retrato = [this] {
            QStringList r;
            for (const QString &t :
                { u"DocentesPesquisaArea"_s, u"DocentesPesquisaLinha"_s, u"DocentesObservacao"_s })
                r << valor(u"SELECT Texto FROM %1 WHERE Docente=6"_s.arg(t));
            return valor(u"SELECT Nome || '|' || Area || '|' || Departamento FROM Docentes "
                         "WHERE Id=6"_s)
                + u'|' + r.join(u'|');
        };
        const QString antes = retrato();
        docentes()->show();
        CLICAR_ID(docentes(), u"6"_s);
        const QString nome = Edit(docentes(), u"EditNome"_s)->text();
        {
            Roteiro r;
            r.Responder(true);
            docentes()->BitBtnExcluir->click();
        }
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes WHERE Id=6"_s), u"0"_s);
        historico()->show();
        escolher(ultimaDe(u"Docentes"_s));
        QCOMPARE(Edit(historico(), u"EditOperacao"_s)->text(), u"Exclusão"_s);
        QVERIFY(campos().contains(u"Nome|"_s + nome + u'|'));
        Roteiro r;
        r.Responder(true);
        botao(historico(), u"BitBtnDesfazer"_s)->click();
        QCOMPARE(r.Textos().size(), 1);
        QVERIFY2(r.Textos().first().contains(u"Docentes \"%1\" (Id 6)"_s.arg(nome))
                && r.Textos().first().contains(u"será incluída de novo, com Nome, Situação"_s)
                && r.Textos().first().endsWith(
                    u" e os textos longos Área de Pesquisa, Linha de Pesquisa, Observação."_s),
            qPrintable(r.Textos().first()));
        QCOMPARE(retrato(), antes);
    }

    // Os filtros: tabela, linha, login e período, combinados.
    void filtros()
    {
        modificarDocente(u"Nome A"_s, u"obs A"_s);
        QVERIFY(m_banco->Executar(u"UPDATE Departamentos SET Sigla='X' WHERE Id=2"_s));
        TFormTabelaHistorico *h = historico();
        h->show(); // pelo menu: sem filtro
        QCOMPARE(Editores::IdsListados(h).size(), 3);
        auto *tabela = h->Controle<QComboBox>(u"ComboBoxFiltroTabela"_s);
        tabela->setCurrentIndex(tabela->findText(u"Departamentos"_s));
        QCOMPARE(Editores::IdsListados(h), QStringList({ ultimaDe(u"Departamentos"_s) }));
        tabela->setCurrentIndex(0);
        auto *usuario = h->Controle<QComboBox>(u"ComboBoxFiltroUsuario"_s);
        const QString programa = Apoio::PostgreSQL() ? UsuarioNivel(1) : NomeNivel(1);
        QVERIFY(usuario->findText(programa) > 0);
        usuario->setCurrentIndex(usuario->findText(programa));
        QCOMPARE(Editores::IdsListados(h).size(), 2);
        Digitar(h, u"EditFiltroRegistro"_s, u"7"_s);
        QTest::keyClick(Edit(h, u"EditFiltroRegistro"_s), Qt::Key_Return);
        QVERIFY(Editores::IdsListados(h).isEmpty());
        QCOMPARE(h->GroupBox2->title(), u" Listagem (0) "_s);
        Digitar(h, u"EditFiltroRegistro"_s, u"6"_s);
        QTest::keyClick(Edit(h, u"EditFiltroRegistro"_s), Qt::Key_Return);
        QCOMPARE(Editores::IdsListados(h).size(), 2);
        auto *de = h->Controle<QDateEdit>(u"DateEditFiltroDe"_s);
        de->setDate(QDate::currentDate().addDays(1));
        QVERIFY(Editores::IdsListados(h).isEmpty());
        de->setDate(QDate::currentDate());
        h->Controle<QDateEdit>(u"DateEditFiltroAte"_s)->setDate(QDate::currentDate());
        QCOMPARE(Editores::IdsListados(h).size(), 2);
        // Fechada e aberta de novo pelo menu, volta sem filtro.
        h->BitBtnFechar->click();
        h->show();
        QCOMPARE(Editores::IdsListados(h).size(), 3);
        QCOMPARE(Edit(h, u"EditFiltroRegistro"_s)->text(), QString());
        QCOMPARE(usuario->currentIndex(), 0);
    }

    // Um histórico maior que uma página: a janela lê a primeira ao abrir e a seguinte
    // quando a grade chega ao fim, até não haver mais.
    void paginas()
    {
        QVERIFY(m_banco->Executar(u"WITH RECURSIVE g (n) AS (SELECT 1 UNION ALL SELECT n + 1 "
                                  "FROM g WHERE n < 450) INSERT INTO Links (Nome, URL) SELECT "
                                  "'Link ' || n, 'http://a' FROM g"_s));
        const int total = valor(u"SELECT COUNT(*) FROM Historico"_s).toInt();
        QCOMPARE(total, 450);
        TFormTabelaHistorico *h = historico();
        h->show();
        QCOMPARE(Editores::IdsListados(h).size(), Historico::TamanhoPagina);
        QCOMPARE(Editores::IdsListados(h).first(), valor(u"SELECT MAX(Id) FROM Historico"_s));
        QCOMPARE(h->GroupBox2->title(), u" Listagem (200+) "_s);
        // Rolar até o fim (a barra cresce com as linhas lidas) lê a página seguinte.
        QScrollBar *barra = h->DBGridPesquisa->verticalScrollBar();
        int fim = 0;
        for (int pagina = 2; pagina <= 3; ++pagina) {
            QTRY_VERIFY(barra->maximum() > fim);
            fim = barra->maximum();
            barra->setValue(fim);
            QCOMPARE(
                Editores::IdsListados(h).size(), qMin(total, pagina * Historico::TamanhoPagina));
        }
        QTRY_VERIFY(barra->maximum() > fim);
        barra->setValue(barra->maximum());
        QCOMPARE(Editores::IdsListados(h).size(), total);
        QCOMPARE(h->GroupBox2->title(), u" Listagem (450) "_s);
        QStringList esperados;
        for (int id = total; id >= 1; --id)
            esperados << QString::number(id);
        QCOMPARE(Editores::IdsListados(h), esperados);
        QVERIFY(!h->LerMais());
    }

    // Cada controle próprio tem rótulo (parceiro) com tecla de atalho e o nome acessível
    // do rótulo; a janela passa na conferência das descrições.
    void controlesAcessiveis()
    {
        TFormTabelaHistorico *h = historico();
        {
            Roteiro r; // pelo menu, sem nenhuma alteração ainda
            h->show();
            QCOMPARE(r.Textos(), QStringList({ u"A tabela está vazia."_s }));
        }
        QSet<QChar> teclas;
        for (const QString &nome :
            { u"ComboBoxFiltroTabela"_s, u"EditFiltroRegistro"_s, u"ComboBoxFiltroUsuario"_s,
                u"DateEditFiltroDe"_s, u"DateEditFiltroAte"_s, u"GridAlteracao"_s }) {
            QWidget *w = h->Controle(nome);
            QVERIFY2(w, qPrintable(nome));
            auto *rotulo = h->findChild<QLabel *>(u"Label"_s + nome);
            QVERIFY2(rotulo && rotulo->buddy() == w, qPrintable(nome));
            const qsizetype e = rotulo->text().indexOf(u'&');
            QVERIFY2(e >= 0, qPrintable(nome));
            QVERIFY2(!teclas.contains(rotulo->text().at(e + 1).toLower()), qPrintable(nome));
            teclas.insert(rotulo->text().at(e + 1).toLower());
            QCOMPARE(w->accessibleName(), rotulo->text().remove(u'&').remove(u':'));
        }
        QCOMPARE(botao(h, u"BitBtnDesfazer"_s)->text(), u"&Desfazer esta alteração"_s);
        QVERIFY(!h->BitBtnIncluir->isEnabled() && !h->BitBtnModificar->isEnabled()
            && !h->BitBtnExcluir->isEnabled());
        QCOMPARE(ConferirDescricao(h->Descricao(), TFormTabelaHistorico::Numero), QStringList());
    }
};

QTEST_MAIN(TesteHistoricoJanela)
#include "tst_historico_janela.moc"
