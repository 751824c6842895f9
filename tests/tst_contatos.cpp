// Listas de contatos: as seis janelas da família, cada uma com a sua linha da tabela de
// diferenças, nos dois motores.
#include "quadro_apoio.h"

#include "TabelaContatos.h"

#include <QComboBox>
#include <QGroupBox>

using namespace Qt::StringLiterals;
using namespace Apoio;

namespace {
// Uma linha-mãe por família de pais: Id e nome.
struct Pai {
    QString id, nome;
};

Pai paiDe(int numero)
{
    switch (numero) {
    case 22:
    case 16:
        return { u"2"_s, DepartamentoNivel(3) }; // Biologia, semeado
    case 23:
    case 24:
        return { u"50"_s, u"Seção de Teste"_s };
    default:
        return { u"50"_s, u"Docente de Teste"_s };
    }
}

bool telefone(int numero)
{
    return numero == 16 || numero == 24 || numero == 17;
}
} // namespace

class TesteContatos : public QObject {
    Q_OBJECT

    TFormTabelaContatos *janela(int n)
    {
        return qobject_cast<TFormTabelaContatos *>(Registro::Janela(n));
    }

    // Um contato na tabela da janela n para o pai 'id'.
    void contato(int n, const QString &id, const QString &valor)
    {
        const QString coluna = TFormTabelaContatos::DiferencasDe(n).colunaPai;
        if (telefone(n))
            Exec(
                u"INSERT INTO %1 (%2, Categoria, Telefone, Comentario) VALUES (%3, 'fax', '%4', 'c')"_s
                    .arg(NomeTabela(n), coluna, id, valor));
        else
            Exec(u"INSERT INTO %1 (%2, Email, Comentario) VALUES (%3, '%4', 'c')"_s.arg(
                NomeTabela(n), coluna, id, valor));
    }

    QString campoContato(int n) const { return telefone(n) ? u"EditTelefone"_s : u"EditEmail"_s; }
    QString colunaContato(int n) const { return telefone(n) ? u"Telefone"_s : u"Email"_s; }

    void numeros()
    {
        QTest::addColumn<int>("n");
        for (int n : { 22, 16, 23, 24, 25, 17 })
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void init()
    {
        QVERIFY(Iniciar());
        Exec(u"INSERT INTO Secoes (Id, Nome) VALUES (50, 'Seção de Teste')"_s);
        Exec(u"INSERT INTO Docentes (Id, Nome) VALUES (50, 'Docente de Teste')"_s);
    }
    void cleanup() { Terminar(); }

    void membrosComNomes()
    {
        auto *d = qobject_cast<TFormTabelaTelefonesDepartamentos *>(Registro::Janela(16));
        QVERIFY(d);
        d->IdDepartamento = u"2"_s;
        d->NomeDepartamento = u"Biologia"_s;
        QCOMPARE(d->IdPai, u"2"_s);
        QCOMPARE(d->NomePai, u"Biologia"_s);
        auto *s = qobject_cast<TFormTabelaEmailsSecoes *>(Registro::Janela(23));
        s->IdSecao = u"50"_s;
        QCOMPARE(s->IdPai, u"50"_s);
        auto *p = qobject_cast<TFormTabelaTelefonesDocentes *>(Registro::Janela(17));
        p->NomeDocente = u"X"_s;
        QCOMPARE(p->NomePai, u"X"_s);
        QVERIFY(qobject_cast<TFormTabelaEmailsDepartamentos *>(Registro::Janela(22)));
        QVERIFY(qobject_cast<TFormTabelaTelefonesSecoes *>(Registro::Janela(24)));
        QVERIFY(qobject_cast<TFormTabelaEmailsDocentes *>(Registro::Janela(25)));
    }

    void listaEIncluiDoPai_data() { numeros(); }
    void listaEIncluiDoPai()
    {
        QFETCH(int, n);
        const Pai pai = paiDe(n);
        contato(n, pai.id, u"primeiro"_s);
        contato(n, pai.id, u"segundo"_s);
        contato(n, u"3"_s, u"de outro pai"_s);
        Roteiro r;
        TFormTabelaContatos *j = janela(n);
        j->IdPai = pai.id;
        j->NomePai = pai.nome;
        const QString colunaPai = j->Diferencas().colunaPai;
        AoAbrir(j, [&] {
            QCOMPARE(j->windowTitle(), u"Tabela "_s + TituloTabela(n));
            QCOMPARE(j->GroupBox2->title(), u" Listagem (2) "_s);
            QCOMPARE(Edit(j, u"Edit"_s + colunaPai)->text(), pai.id);
            QCOMPARE(Edit(j, u"Edit"_s + colunaPai + u"_Nome"_s)->text(), pai.nome);
            QCOMPARE(j->Texto(campoContato(n)), u"primeiro"_s);
            j->BitBtnIncluir->click();
            QCOMPARE(Edit(j, u"Edit"_s + colunaPai)->text(), pai.id); // o pai fica
            QCOMPARE(j->Texto(campoContato(n)), QString());
            Digitar(j, campoContato(n), u"novo'x"_s);
            Digitar(j, u"EditComentario"_s, u"comentário"_s);
            if (telefone(n))
                j->Controle<QComboBox>(u"EditCategoria"_s)->setCurrentText(u"telfax"_s);
            Eventos().Limpar();
            j->BitBtnAceitar->click();
            QVERIFY(Registrou(n, u"incluindo..."_s));
            QVERIFY(Registrou(n, u"incluído"_s));
            QCOMPARE(j->GroupBox2->title(), u" Listagem (3) "_s); // listado pelo mesmo pai
            j->BitBtnFechar->click();
        });
        QVERIFY(j->MostrarModal());
        QVERIFY(!j->isVisible());
        QCOMPARE(Valor(u"SELECT %1 FROM %2 WHERE %3='novo''x'"_s.arg(
                     colunaPai, NomeTabela(n), colunaContato(n))),
            pai.id);
        if (telefone(n))
            QCOMPARE(
                Valor(u"SELECT Categoria FROM %1 WHERE Telefone='novo''x'"_s.arg(NomeTabela(n))),
                u"telfax"_s);
        QVERIFY(r.mostradas.isEmpty());
    }

    void paiDaListaVazia_data() { numeros(); }
    void paiDaListaVazia()
    {
        QFETCH(int, n);
        const Pai pai = paiDe(n);
        Roteiro r;
        TFormTabelaContatos *j = janela(n);
        j->IdPai = pai.id;
        j->NomePai = pai.nome;
        j->show();
        QCOMPARE(j->GroupBox2->title(), u" Listagem (0) "_s);
        QCOMPARE(r.Textos(), QStringList { u"A tabela está vazia."_s });
        const QString nome = Edit(j, u"Edit"_s + j->Diferencas().colunaPai + u"_Nome"_s)->text();
        // Os telefones mostram o pai mesmo sem linhas; os e-mails, não.
        QCOMPARE(nome, telefone(n) ? pai.nome : QString());
    }

    void paiVazioRecusado_data() { numeros(); }
    void paiVazioRecusado()
    {
        QFETCH(int, n);
        contato(n, paiDe(n).id, u"existente"_s);
        Roteiro r;
        TFormTabelaContatos *j = janela(n);
        j->IdPai.clear(); // a mãe entregou um Id vazio: a lista mostra todas as linhas
        j->NomePai.clear();
        j->show();
        const QString mensagem = j->Diferencas().mensagemPai;
        for (bool inclusao : { true, false }) {
            r.Limpar();
            ClicarLinha(j, 0);
            (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
            Digitar(j, campoContato(n), u"não grava"_s);
            j->BitBtnAceitar->click();
            QCOMPARE(r.Textos(), QStringList { mensagem });
            QCOMPARE(j->Modo, inclusao ? ModoTabela::Incluindo : ModoTabela::Modificando);
            QVERIFY(!j->DBGridPesquisa->isEnabled());
            j->BitBtnCancelar->click();
        }
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM %1"_s.arg(NomeTabela(n))), u"1"_s);
        QCOMPARE(
            Valor(u"SELECT %1 FROM %2"_s.arg(colunaContato(n), NomeTabela(n))), u"existente"_s);
    }

    void duploCliqueNoPai_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("mensagem");
        for (int n : { 22, 16, 23, 24, 25, 17 })
            QTest::newRow(qPrintable(QString::number(n))) << n << (n == 16 || n == 24);
    }
    void duploCliqueNoPai()
    {
        QFETCH(int, n);
        QFETCH(bool, mensagem);
        const Pai pai = paiDe(n);
        contato(n, pai.id, u"um"_s);
        Roteiro r;
        TFormTabelaContatos *j = janela(n);
        j->IdPai = pai.id;
        j->NomePai = pai.nome;
        j->show();
        const QString nomePai = u"Edit"_s + j->Diferencas().colunaPai + u"_Nome"_s;
        for (bool editando : { false, true }) {
            r.Limpar();
            if (editando)
                j->BitBtnModificar->click();
            DuploClique(j, nomePai);
            QCOMPARE(r.Textos(),
                mensagem ? QStringList { u"Esse campo já está preenchido."_s } : QStringList());
            QCOMPARE(Edit(j, nomePai)->text(), pai.nome);
            QVERIFY(Edit(j, nomePai)->isReadOnly());
            QCOMPARE(Edit(j, nomePai)->palette().color(QPalette::Base),
                ControleCampo::CorSomenteLeitura());
        }
        QVERIFY(!QApplication::activeModalWidget());
        j->BitBtnCancelar->click();
    }

    void botoesDaFamilia_data() { numeros(); }
    void botoesDaFamilia()
    {
        QFETCH(int, n);
        const Pai pai = paiDe(n);
        contato(n, pai.id, u"um"_s);
        Roteiro r;
        TFormTabelaContatos *j = janela(n);
        j->IdPai = pai.id;
        j->NomePai = pai.nome;
        j->show();
        QStringList esperado = ConjuntoConsulta();
        if (n == 16)
            esperado.removeAll(u"BitBtnEscolher"_s);
        QCOMPARE(BotoesVisiveis(j), esperado);
        // Atualizar: toda janela lista de novo (a 17 mostrando-se de novo).
        contato(n, pai.id, u"dois"_s);
        Eventos().Limpar();
        j->BitBtnAtualizar->click();
        QCOMPARE(j->Operacao, OperacaoTabela::AtualizacaoPedida);
        QVERIFY(Registrou(n, u"consultando..."_s));
        QCOMPARE(j->GroupBox2->title(), u" Listagem (2) "_s);
        // Duplo clique numa linha fecha a janela (também a 16, sem o botão).
        ClicarLinha(j, 0, true);
        QVERIFY(!j->isVisible());
    }

    void emailDigitadoConsultando()
    {
        contato(22, u"2"_s, u"velho@x"_s);
        Roteiro r;
        TFormTabelaContatos *j = janela(22);
        j->IdPai = u"2"_s;
        j->NomePai = u"Biologia"_s;
        j->show();
        // Os campos de e-mail nunca ficam só leitura: só mudam de cor.
        QVERIFY(!Edit(j, u"EditEmail"_s)->isReadOnly());
        QCOMPARE(Edit(j, u"EditEmail"_s)->palette().color(QPalette::Base),
            ControleCampo::CorSomenteLeitura());
        Digitar(j, u"EditEmail"_s, u"novo@x"_s);
        j->BitBtnModificar->click();
        QCOMPARE(Edit(j, u"EditEmail"_s)->palette().color(QPalette::Base), QColor(Qt::white));
        j->BitBtnAceitar->click();
        QCOMPARE(Valor(u"SELECT Email FROM EmailsDepartamentos"_s), u"novo@x"_s);
    }

    void telefoneCamposEditaveis()
    {
        contato(24, u"50"_s, u"123"_s);
        Roteiro r;
        TFormTabelaContatos *j = janela(24);
        j->IdPai = u"50"_s;
        j->NomePai = u"Seção de Teste"_s;
        j->show();
        auto *categoria = j->Controle<QComboBox>(u"EditCategoria"_s);
        QVERIFY(!categoria->isEnabled());
        QVERIFY(Edit(j, u"EditTelefone"_s)->isReadOnly());
        j->BitBtnModificar->click();
        QVERIFY(categoria->isEnabled());
        QVERIFY(categoria->isEditable());
        QCOMPARE(categoria->count(), 4);
        QCOMPARE(categoria->itemText(3), u"modem"_s);
        categoria->lineEdit()->clear();
        QTest::keyClicks(categoria->lineEdit(), u"celular123"_s); // até 8
        QCOMPARE(categoria->currentText(), u"celular1"_s);
        QTest::keyClick(categoria->lineEdit(), Qt::Key_Return); // Enter aceita
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(categoria->count(), 4); // o texto digitado não vira item
        QCOMPARE(Valor(u"SELECT Categoria FROM TelefonesSecoes"_s), u"celular1"_s);
    }

    void sentencas_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("inclusao");
        QTest::addColumn<QStringList>("linhas");
        QTest::newRow("22 INSERT")
            << 22 << true
            << QStringList { u"INSERT INTO EmailsDepartamentos ("_s, u"Departamento"_s, u",Email"_s,
                   u",Comentario"_s, u") VALUES ("_s, u"2"_s, u",'a''b'"_s, u",'c'"_s, u")"_s };
        QTest::newRow("22 UPDATE")
            << 22 << false
            << QStringList { u"UPDATE EmailsDepartamentos SET "_s, u"Departamento=2"_s,
                   u",Email='a''b'"_s, u",Comentario='c'"_s, u" WHERE Id=ID"_s };
        QTest::newRow("16 INSERT")
            << 16 << true
            << QStringList { u"INSERT INTO TelefonesDepartamentos("_s, u"Departamento"_s,
                   u",Categoria"_s, u",Telefone"_s, u",Comentario"_s, u") VALUES ("_s, u"2"_s,
                   u",'fax'"_s, u",'a''b'"_s, u",'c'"_s, u")"_s };
        QTest::newRow("16 UPDATE")
            << 16 << false
            << QStringList { u"UPDATE TelefonesDepartamentos SET "_s, u"Departamento=2"_s,
                   u",Categoria='fax'"_s, u",Telefone='a''b'"_s, u",Comentario='c'"_s,
                   u"WHERE Id=ID"_s };
        QTest::newRow("17 UPDATE")
            << 17 << false
            << QStringList { u"UPDATE TelefonesDocentes SET "_s, u"Docente=50"_s,
                   u",Categoria='fax'"_s, u",Telefone='a''b'"_s, u",Comentario='c'"_s,
                   u" WHERE Id=ID"_s };
    }
    void sentencas()
    {
        QFETCH(int, n);
        QFETCH(bool, inclusao);
        QFETCH(QStringList, linhas);
        const Pai pai = paiDe(n);
        contato(n, pai.id, u"x"_s);
        Roteiro r;
        TFormTabelaContatos *j = janela(n);
        j->IdPai = pai.id;
        j->NomePai = pai.nome;
        j->show();
        const QString id = Edit(j, u"EditId"_s)->text();
        (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
        Digitar(j, campoContato(n), u"a'b"_s);
        Digitar(j, u"EditComentario"_s, u"c"_s);
        if (telefone(n))
            j->Controle<QComboBox>(u"EditCategoria"_s)->setCurrentText(u"fax"_s);
        linhas.replaceInStrings(u"=ID"_s, u'=' + id);
        QCOMPARE(j->Gravacao().Sentenca(inclusao), linhas);
        j->BitBtnAceitar->click();
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM %1 WHERE %2='a''b'"_s.arg(
                     NomeTabela(n), colunaContato(n))),
            u"1"_s);
    }

    void excluirDeixaOPai()
    {
        contato(25, u"50"_s, u"a@x"_s);
        Roteiro r;
        TFormTabelaContatos *j = janela(25);
        j->IdPai = u"50"_s;
        j->NomePai = u"Docente de Teste"_s;
        j->show();
        r.Responder(true);
        j->BitBtnExcluir->click();
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM EmailsDocentes"_s), u"0"_s);
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM Docentes WHERE Id=50"_s), u"1"_s);
        QCOMPARE(r.Textos().last(), u"A tabela está vazia."_s);
    }
};

QTEST_MAIN(TesteContatos)
#include "tst_contatos.moc"
