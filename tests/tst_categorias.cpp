// Categorias de docentes: o ciclo completo da janela mais simples, a carga das listas
// de códigos e a janela como escolha.
#include "quadro_apoio.h"

#include "TabelaDocenteCategorias.h"

#include <QComboBox>
#include <QGroupBox>

using namespace Qt::StringLiterals;
using namespace Apoio;

class TesteCategorias : public QObject {
    Q_OBJECT

    TFormTabela *janela() { return Registro::Janela(13); }

    void inserir(const QString &nome, const QString &sigla)
    {
        Exec(u"INSERT INTO DocenteCategorias (Nome, Sigla) VALUES ('%1', '%2')"_s.arg(nome, sigla));
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void init()
    {
        QVERIFY(Iniciar());
        Exec(u"DROP INDEX IF EXISTS CategoriaUnica"_s);
        Exec(u"DELETE FROM DocenteCategorias WHERE Id<>1"_s);
        // Com a linha "[vazio]" semeada, a lista (por nome) é Associado, Titular, [vazio].
        inserir(u"Titular"_s, u"TIT"_s);
        inserir(u"Associado"_s, u"ASS"_s);
    }
    void cleanup() { Terminar(); }

    void abreComListaSemLinha()
    {
        Roteiro r;
        TFormTabela *j = janela();
        QVERIFY(qobject_cast<TFormTabelaDocenteCategorias *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Docentes, Categorias"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (3) "_s);
        QCOMPARE(Edit(j, u"EditId"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), QString());
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(Linhas(),
            QStringList(
                { u"Docentes, Categorias, conectado"_s, u"Docentes, Categorias, consultando..."_s,
                    u"Docentes, Categorias, consultado, 3 registros"_s }));
        // Títulos das colunas pelos nomes.
        QCOMPARE(j->DBGridPesquisa->model()->headerData(1, Qt::Horizontal).toString().toLower(),
            u"nome"_s);
        ClicarLinha(j, 1); // ordenada por nome: Associado, Titular
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Titular"_s);
        QCOMPARE(Edit(j, u"EditSigla"_s)->text(), u"TIT"_s);
        QVERIFY(Edit(j, u"EditNome"_s)->isReadOnly());
    }

    void teclaMostraRegistro()
    {
        // A linha mostrada acompanha a linha atual também pelo teclado: Modificar edita
        // a linha realçada, não a última clicada.
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        ClicarLinha(j, 0);
        QTest::keyClick(j->DBGridPesquisa, Qt::Key_Down);
        QCOMPARE(j->DBGridPesquisa->currentIndex().row(), 1);
        const QString id = Valor(u"SELECT Id FROM DocenteCategorias WHERE Nome='Titular'"_s);
        QCOMPARE(Edit(j, u"EditId"_s)->text(), id);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Titular"_s);
        j->BitBtnModificar->click();
        Digitar(j, u"EditSigla"_s, u"X"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(Valor(u"SELECT Sigla FROM DocenteCategorias WHERE Id="_s + id), u"X"_s);
        QCOMPARE(Valor(u"SELECT Sigla FROM DocenteCategorias WHERE Nome='Associado'"_s), u"ASS"_s);
    }

    void incluirComAspas()
    {
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        j->BitBtnIncluir->click();
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QVERIFY(!j->DBGridPesquisa->isEnabled());
        QVERIFY(j->LabelAviso->isVisible());
        QCOMPARE(BotoesVisiveis(j),
            QStringList({ u"BitBtnAceitar"_s, u"BitBtnCancelar"_s, u"BitBtnAtualizar"_s,
                u"BitBtnFechar"_s, u"BitBtnEscolher"_s }));
        QVERIFY(!j->BitBtnFechar->isEnabled());
        QCOMPARE(Edit(j, u"EditNome"_s)->palette().color(QPalette::Base), QColor(Qt::white));
        Digitar(j, u"EditNome"_s, u"D'Ávila \\ \"x\""_s);
        Eventos().Limpar();
        j->BitBtnAceitar->click();
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QVERIFY(Registrou(13, u"incluindo..."_s));
        QVERIFY(Registrou(13, u"incluído"_s));
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM DocenteCategorias WHERE Nome='D''Ávila \\ \"x\"' "
                       "AND Sigla=''"_s),
            u"1"_s);
        // Volta à consulta mostrando a primeira linha da lista, não a gravada.
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Associado"_s);
        QVERIFY(Edit(j, u"EditNome"_s)->isReadOnly());
        QCOMPARE(Edit(j, u"EditNome"_s)->palette().color(QPalette::Base),
            ControleCampo::CorSomenteLeitura());
        QVERIFY(j->DBGridPesquisa->isEnabled());
        QVERIFY(!j->LabelAviso->isVisible());
        QCOMPARE(j->GroupBox2->title(), u" Listagem (4) "_s);
    }

    void nomeObrigatorioMantemListaBloqueada()
    {
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        j->BitBtnIncluir->click();
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Campo Nome deve estar preenchido. Operação interrompida."_s });
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QVERIFY(!j->DBGridPesquisa->isEnabled()); // a lista continua bloqueada
        QVERIFY(j->BitBtnAceitar->isVisible());
        QVERIFY(!Edit(j, u"EditNome"_s)->isReadOnly());
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM DocenteCategorias"_s), u"3"_s);
    }

    void modificarESemLinha_data()
    {
        QTest::addColumn<bool>("excluir");
        QTest::newRow("Modificar") << false;
        QTest::newRow("Excluir") << true;
    }
    void modificarESemLinha()
    {
        QFETCH(bool, excluir);
        Roteiro r;
        TFormTabela *j = janela();
        j->show(); // nenhuma linha mostrada ainda
        Eventos().Limpar();
        (excluir ? j->BitBtnExcluir : j->BitBtnModificar)->click();
        QCOMPARE(r.Textos(), QStringList { u"A tabela está vazia."_s });
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QVERIFY(j->DBGridPesquisa->isEnabled());
        QVERIFY(Linhas().isEmpty());
    }

    void modificar()
    {
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        ClicarLinha(j, 1);
        j->BitBtnModificar->click();
        QCOMPARE(j->Modo, ModoTabela::Modificando);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Titular"_s);
        Digitar(j, u"EditNome"_s, u"Professor Titular"_s);
        Eventos().Limpar();
        j->BitBtnAceitar->click();
        QVERIFY(Registrou(13, u"alterando..."_s));
        QVERIFY(Registrou(13, u"alterado"_s));
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM DocenteCategorias WHERE Nome='Professor Titular'"_s),
            u"1"_s);
        QCOMPARE(j->Modo, ModoTabela::Consultando);
    }

    void falhaMantemDigitado_data()
    {
        QTest::addColumn<bool>("inclusao");
        QTest::newRow("INSERT") << true;
        QTest::newRow("UPDATE") << false;
    }
    void falhaMantemDigitado()
    {
        QFETCH(bool, inclusao);
        Exec(u"CREATE UNIQUE INDEX CategoriaUnica ON DocenteCategorias (Nome)"_s);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        ClicarLinha(j, 1);
        (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
        Digitar(j, u"EditNome"_s, u"Associado"_s); // repete um nome: o banco recusa
        Digitar(j, u"EditSigla"_s, u"NOVA"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(r.mostradas.size(), 1);
        QVERIFY(r.Textos().first().startsWith(u"Erro de SQL:"_s));
        QCOMPARE(j->Modo, inclusao ? ModoTabela::Incluindo : ModoTabela::Modificando);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Associado"_s);
        QCOMPARE(Edit(j, u"EditSigla"_s)->text(), u"NOVA"_s);
        QVERIFY(!Edit(j, u"EditNome"_s)->isReadOnly());
        QVERIFY(!j->DBGridPesquisa->isEnabled());
        QVERIFY(j->BitBtnCancelar->isVisible());
        QCOMPARE(j->GroupBox2->title(), u" Listagem (3) "_s); // a lista continua lá
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM DocenteCategorias WHERE Sigla='NOVA'"_s), u"0"_s);
        // Corrige e grava.
        Digitar(j, u"EditNome"_s, u"Adjunto"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM DocenteCategorias WHERE Nome='Adjunto'"_s), u"1"_s);
    }

    void enterAceitaEscapeCancela()
    {
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        j->BitBtnIncluir->click();
        Digitar(j, u"EditNome"_s, u"Esquecida"_s);
        QTest::keyClick(Edit(j, u"EditNome"_s), Qt::Key_Escape);
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QVERIFY(j->isVisible());
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM DocenteCategorias"_s), u"3"_s);
        j->BitBtnIncluir->click();
        Digitar(j, u"EditNome"_s, u"Visitante"_s);
        QTest::keyClick(Edit(j, u"EditNome"_s), Qt::Key_Return);
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM DocenteCategorias WHERE Nome='Visitante'"_s), u"1"_s);
        // Escape consultando não fecha a janela.
        QTest::keyClick(j->DBGridPesquisa, Qt::Key_Escape);
        QVERIFY(j->isVisible());
    }

    void fecharEditandoRecusa()
    {
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        j->BitBtnIncluir->click();
        j->close();
        QVERIFY(j->isVisible());
        QCOMPARE(r.Textos(),
            QStringList { u"Atenção: você só pode fechar essa janela depois de Aceitar "
                          "ou Cancelar a operação anterior."_s });
        j->BitBtnCancelar->click();
        Eventos().Limpar();
        j->BitBtnFechar->click();
        QVERIFY(!j->isVisible());
        QCOMPARE(Linhas(), QStringList { u"Docentes, Categorias, desconectado"_s });
    }

    void excluir_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<bool>("resposta");
        QTest::addColumn<QString>("restam");
        QTest::newRow("sim") << 1 << true << u"2"_s;
        QTest::newRow("não") << 1 << false << u"3"_s;
        QTest::newRow("SEAC") << 7 << false << u"3"_s;
        QTest::newRow("Digitador") << 2 << false << u"3"_s;
    }
    void excluir()
    {
        QFETCH(int, nivel);
        QFETCH(bool, resposta);
        QFETCH(QString, restam);
        NivelAcesso = nivel;
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        ClicarLinha(j, 0);
        Eventos().Limpar();
        if (nivel == 1)
            r.Responder(resposta);
        j->BitBtnExcluir->click();
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM DocenteCategorias"_s), restam);
        if (nivel != 1) {
            QCOMPARE(r.Textos(),
                QStringList { u"Usuário ["_s + NomeNivel(nivel)
                    + u"] não possui permissão para excluir registro."_s });
            QCOMPARE(j->Operacao, OperacaoTabela::Nenhuma);
        } else if (!resposta) {
            QVERIFY(Linhas().isEmpty());
            QCOMPARE(j->Operacao, OperacaoTabela::Nenhuma);
        } else {
            QCOMPARE(j->Operacao, OperacaoTabela::ExclusaoConfirmada);
            QVERIFY(Registrou(13, u"apagando..."_s));
            QVERIFY(Registrou(13, u"apagado"_s));
            QCOMPARE(j->GroupBox2->title(), u" Listagem (2) "_s);
            QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Titular"_s);
        }
        NivelAcesso = 1;
    }

    void tabelaVaziaAoExcluirUltima()
    {
        Exec(u"DELETE FROM DocenteCategorias WHERE Nome<>'Associado'"_s);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        ClicarLinha(j, 0);
        r.Responder(true);
        j->BitBtnExcluir->click();
        QCOMPARE(j->GroupBox2->title(), u" Listagem (0) "_s);
        QCOMPARE(r.Textos().last(), u"A tabela está vazia."_s);
        QCOMPARE(Edit(j, u"EditId"_s)->text(), QString());
    }

    void nomePorIdDaSigla()
    {
        TFormTabela *j = janela(); // escondida, nunca mostrada
        const QString id = Valor(u"SELECT Id FROM DocenteCategorias WHERE Nome='Titular'"_s);
        QCOMPARE(j->NomePorId(id), u"TIT"_s);
        QCOMPARE(Linhas(), QStringList { u"Docentes, Categorias, consultado"_s });
        Eventos().Limpar();
        QCOMPARE(j->NomePorId(QString()), QString());
        QCOMPARE(j->NomePorId(u"999"_s), QString());
        Exec(u"INSERT INTO DocenteCategorias (Nome, Sigla) VALUES ('Sem sigla', '')"_s);
        QCOMPARE(j->NomePorId(Valor(u"SELECT Id FROM DocenteCategorias WHERE Nome='Sem sigla'"_s)),
            QString());
        QVERIFY(!j->isVisible());
    }

    void escolhaDevolveALinha_data()
    {
        QTest::addColumn<bool>("duplo");
        QTest::newRow("botão") << false;
        QTest::newRow("duplo clique") << true;
    }
    void escolhaDevolveALinha()
    {
        QFETCH(bool, duplo);
        Roteiro r;
        TFormTabela *j = janela();
        AoAbrir(j, [&] {
            QCOMPARE(j->Modo, ModoTabela::Escolhendo);
            QCOMPARE(BotoesVisiveis(j),
                QStringList({ u"BitBtnAtualizar"_s, u"BitBtnFechar"_s, u"BitBtnEscolher"_s }));
            ClicarLinha(j, 1, duplo);
            if (!duplo)
                j->BitBtnEscolher->click();
        });
        const QString id = TFormTabela::EscolherEm(13);
        QCOMPARE(id, Valor(u"SELECT Id FROM DocenteCategorias WHERE Nome='Titular'"_s));
        QVERIFY(!j->isVisible());
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        // Depois de escolher a janela mostra a linha atual.
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Titular"_s);
    }

    void escolhaFechadaNaoDevolve()
    {
        Roteiro r;
        TFormTabela *j = janela();
        AoAbrir(j, [&] {
            ClicarLinha(j, 1);
            j->BitBtnFechar->click();
        });
        QCOMPARE(TFormTabela::EscolherEm(13), QString());
    }

    void duploCliqueFechaJanelaDoMenu()
    {
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        ClicarLinha(j, 0, true);
        QVERIFY(!j->isVisible());
    }

    // Atualizar lê a lista de novo e fica na linha mostrada.
    void atualizarLeDeNovoNaLinha()
    {
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        ClicarLinha(j, 1);
        Eventos().Limpar();
        j->BitBtnAtualizar->click();
        QCOMPARE(j->Operacao, OperacaoTabela::AtualizacaoPedida);
        QVERIFY(Registrou(j->NumeroTabela, u"consultado"_s));
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Titular"_s);
    }

    void listaDeCodigos()
    {
        Roteiro r;
        Exec(u"DELETE FROM DocenteSituacao"_s);
        Exec(u"DELETE FROM DocenteTitulacoes"_s);
        Exec(u"INSERT INTO DocenteSituacao (Situacao) VALUES ('Ativo')"_s);
        Exec(u"INSERT INTO DocenteSituacao (Situacao) VALUES ('Aposentado')"_s);
        TFormTabela *j = janela();
        QComboBox situacao, titulacao;
        titulacao.setEditable(true);
        CarregarCodigosUmaVez(*j->Query, 66, u"Situacao"_s, &situacao);
        CarregarCodigosUmaVez(*j->Query, 29, u"Titulacao"_s, &titulacao);
        QCOMPARE(situacao.count(), 2);
        QCOMPARE(situacao.itemText(0), u"Aposentado"_s);
        QCOMPARE(titulacao.count(), 1);
        QCOMPARE(titulacao.itemText(0), u"TABELA ESTÁ VAZIA"_s);
        QVERIFY(Registrou(66, u"consultado, 2 registros"_s));
        QVERIFY(Registrou(29, u"consultado, 0 registros"_s));
        // Carregada uma vez: linhas novas só aparecem na próxima execução.
        Exec(u"INSERT INTO DocenteTitulacoes (Titulacao) VALUES ('Doutor')"_s);
        Eventos().Limpar();
        CarregarCodigosUmaVez(*j->Query, 29, u"Titulacao"_s, &titulacao);
        CarregarCodigosUmaVez(*j->Query, 66, u"Situacao"_s, &situacao);
        QVERIFY(Linhas().isEmpty());
        QCOMPARE(titulacao.itemText(0), u"TABELA ESTÁ VAZIA"_s);
        // Falha da tabela de códigos: registrada com o número dela.
        Exec(u"DROP TABLE DocenteSituacao"_s);
        QComboBox outra;
        CarregarCodigos(*j->Query, 66, u"Situacao"_s, &outra);
        QCOMPARE(outra.count(), 0);
        QVERIFY(Registrou(66, u"erro de SQL"_s));
        QVERIFY(r.Textos().last().contains(u"Docentes, Situação"_s));
    }
};

QTEST_MAIN(TesteCategorias)
#include "tst_categorias.moc"
