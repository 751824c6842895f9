// Recusas contadas como o que são: a segurança por linha do PostgreSQL recusa a um nível
// de departamento as linhas de outro departamento, e o programa diz isso (não "Erro de
// SQL", nem "apagado por outro usuário", nem um sucesso que não gravou nada); a janela de
// departamentos não inclui nos níveis de departamento; um desfazer que não mudou a linha é
// uma falha. Nos dois motores, com os casos da segurança por linha só no PostgreSQL.
#include "editores_apoio.h"

#include "Historico.h"
#include "TabelaHistorico.h"

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;

namespace {
// A caixa da recusa para o nível de Biologia, como o usuário a lê.
const QString RecusaBiologia
    = u"Gravação recusada pelo servidor:\n\r\n\rO usuário [Departamento de Biologia] não pode "
      "gravar esta ficha: cada departamento inclui, altera e exclui só as fichas do seu "
      "próprio departamento.\n\rNada foi gravado."_s;
} // namespace

class TesteRecusas : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;

    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    void exec(const QString &sql)
    {
        QVERIFY2(m_banco->Executar(sql), qPrintable(m_banco->UltimoErro()));
    }
    // Um docente de Biologia (Id 2) da demonstração.
    QString docenteBiologia()
    {
        return valor(u"SELECT MIN(Id) FROM Docentes WHERE Departamento=2"_s);
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&Apoio::Eventos()); }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
    }
    void cleanup()
    {
        Editores::Encerrar(m_banco);
        NivelAcesso = 1;
    }

    // O texto da recusa do servidor (o de verdade, e o de um servidor com as mensagens
    // em português, que só guarda o nome da política) vira a caixa da recusa e a linha
    // "gravação recusada"; outra falha de permissão continua "Erro de SQL".
    void textoDaRecusaClassificado()
    {
        if (!Apoio::PostgreSQL())
            QSKIP("o SQLite não tem segurança por linha");
        BANCO_DEMONSTRACAO(b, 3);
        TQuery q(&Servidor::Database());
        q.SQL = { u"INSERT INTO Docentes (Nome, Departamento) VALUES ('Intruso', 5)"_s };
        QString doServidor;
        try {
            q.ExecSQL();
        } catch (const ErroBanco &e) {
            doServidor = e.Mensagem();
        }
        QVERIFY2(doServidor.contains(u"(42501)"_s), qPrintable(doServidor));
        const QString traduzido = u"ERRO:  nova linha viola política de segurança em nível de "
                                  "linha \"departamento_alterar\" para tabela \"docentes\"\n"
                                  "(42501) QPSQL: Unable to create query"_s;
        for (const QString &texto : { doServidor, traduzido }) {
            Roteiro r;
            Apoio::Eventos().Limpar();
            RegistrarErro(11, texto);
            QCOMPARE(r.Textos(), QStringList { RecusaBiologia });
            QVERIFY2(Apoio::Registrou(11, u"gravação recusada pelo servidor"_s),
                qPrintable(Apoio::Linhas().join(u'|')));
        }
        Roteiro r;
        RegistrarErro(11,
            u"ERROR:  permission denied for table noticias\n(42501) QPSQL: Unable to create query"_s);
        QVERIFY(r.Textos().first().startsWith(u"Erro de SQL:"_s));
    }

    // A linha mostrada passou a outro departamento antes do Aceitar: a recusa, não
    // "apagado por outro usuário"; nada é gravado e a edição continua na tela.
    void alterarLinhaDeOutroDepartamento()
    {
        if (!Apoio::PostgreSQL())
            QSKIP("o SQLite não tem segurança por linha");
        BANCO_DEMONSTRACAO(b, 3);
        const QString id = docenteBiologia();
        const QString nome = valor(u"SELECT Nome FROM Docentes WHERE Id="_s + id);
        Roteiro r;
        TFormTabela *j = Registro::Janela(11);
        j->show();
        CLICAR_ID(j, id);
        j->BitBtnModificar->click();
        Digitar(j, u"EditNome"_s, u"Nome Tomado"_s);
        exec(u"UPDATE Docentes SET Departamento=5 WHERE Id="_s + id);
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(), QStringList { RecusaBiologia });
        QCOMPARE(j->Modo, ModoTabela::Modificando);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Nome Tomado"_s);
        QCOMPARE(valor(u"SELECT Nome FROM Docentes WHERE Id="_s + id), nome);
        j->BitBtnCancelar->click();
    }

    // Excluir uma linha que passou a outro departamento: a recusa, não um "apagado" que
    // não apagou nada.
    void excluirLinhaDeOutroDepartamento()
    {
        if (!Apoio::PostgreSQL())
            QSKIP("o SQLite não tem segurança por linha");
        BANCO_DEMONSTRACAO(b, 3);
        const QString id = docenteBiologia();
        Roteiro r;
        TFormTabela *j = Registro::Janela(11);
        j->show();
        CLICAR_ID(j, id);
        exec(u"UPDATE Docentes SET Departamento=5 WHERE Id="_s + id);
        r.Responder(true);
        j->BitBtnExcluir->click();
        QCOMPARE(r.Textos(),
            QStringList(
                { u"Tem certeza que deseja apagar o registro selecionado?"_s, RecusaBiologia }));
        QVERIFY(!Apoio::Registrou(11, u"apagado"_s));
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes WHERE Id="_s + id), u"1"_s);
    }

    // A janela de departamentos não inclui nos níveis de departamento (o servidor recusaria
    // a linha nova): diz por quê e continua consultando. Os outros níveis que a abrem
    // incluem.
    void departamentosSemIncluirNosNiveisDeDepartamento()
    {
        BANCO_DEMONSTRACAO(b, 3);
        Roteiro r;
        TFormTabela *j = Registro::Janela(10);
        j->show();
        j->BitBtnIncluir->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Usuário [Departamento de Biologia] não possui permissão para incluir "
                          "departamentos: cada departamento altera só a sua própria ficha."_s });
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        j->hide();
        r.Limpar();
        for (int nivel : { 1, 2, 10, 12 }) {
            NivelAcesso = nivel;
            j->show();
            j->BitBtnIncluir->click();
            QCOMPARE(j->Modo, ModoTabela::Incluindo);
            j->BitBtnCancelar->click();
            j->hide();
        }
        QVERIFY(r.Textos().isEmpty());
    }

    // Desfazer pela janela do histórico quando o servidor não muda a linha (um gatilho
    // que a ignora): falha contada, nada de "desfeito".
    void desfazerQueNaoMudaALinha()
    {
        BANCO_DEMONSTRACAO(b, 1);
        exec(u"UPDATE Docentes SET Nome='Nome Errado' WHERE Id=6"_s);
        const QString alteracao = valor(u"SELECT MAX(Id) FROM Historico"_s);
        if (Apoio::PostgreSQL()) {
            exec(u"CREATE FUNCTION ignorar() RETURNS trigger LANGUAGE plpgsql "
                 "AS $$BEGIN RETURN NULL; END$$"_s);
            exec(u"CREATE TRIGGER ignorar BEFORE UPDATE ON Docentes FOR EACH ROW "
                 "EXECUTE FUNCTION ignorar()"_s);
        } else {
            exec(
                u"CREATE TRIGGER ignorar BEFORE UPDATE ON Docentes BEGIN SELECT RAISE(IGNORE); END"_s);
        }
        auto *h
            = static_cast<TFormTabelaHistorico *>(Registro::Janela(TFormTabelaHistorico::Numero));
        h->show();
        CLICAR_ID(h, alteracao);
        Roteiro r;
        r.Responder(true);
        h->Controle<QPushButton>(u"BitBtnDesfazer"_s)->click();
        exec(u"DROP TRIGGER ignorar"_s + (Apoio::PostgreSQL() ? u" ON Docentes"_s : QString()));
        if (Apoio::PostgreSQL())
            exec(u"DROP FUNCTION ignorar()"_s);
        QCOMPARE(r.Textos().size(), 2);
        QVERIFY2(r.Textos().at(1).contains(u"Nada foi desfeito"_s), qPrintable(r.Textos().at(1)));
        QVERIFY(!Apoio::Registrou(TFormTabelaHistorico::Numero, u"desfeito"_s));
        QCOMPARE(valor(u"SELECT Nome FROM Docentes WHERE Id=6"_s), u"Nome Errado"_s);
    }

    // Desfazer, como nível de departamento, uma alteração de outro departamento: a
    // segurança por linha filtra o UPDATE, e isso é a recusa, não um sucesso.
    void desfazerNoutroDepartamento()
    {
        if (!Apoio::PostgreSQL())
            QSKIP("o SQLite não tem segurança por linha");
        BANCO_DEMONSTRACAO(b, 3);
        exec(u"UPDATE Departamentos SET Sigla='QQ' WHERE Id=5"_s);
        const QString id = valor(u"SELECT MAX(Id) FROM Historico"_s);
        TQuery q(&Servidor::Database());
        QString falha;
        try {
            Historico::Desfazer(q, Historico::Ler(q, id));
        } catch (const ErroBanco &e) {
            falha = e.Mensagem();
        }
        QVERIFY2(RecusaPorLinha(falha), qPrintable(falha));
        QCOMPARE(valor(u"SELECT Sigla FROM Departamentos WHERE Id=5"_s), u"QQ"_s);
    }
};

QTEST_MAIN(TesteRecusas)
#include "tst_recusas.moc"
