// Conexão com Dados_HP: definição da fonte, textos das falhas de conexão, servidor que
// some no meio da sessão.
#include "Banco.h"
#include "BancoTeste.h"
#include "Esquema.h"
#include "PerfisAcesso.h"
#include "Servidor.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
// Tenta abrir e devolve o texto da falha (vazio se conectou).
QString abrir(TDatabase &db)
{
    try {
        db.Open();
    } catch (const ErroBanco &e) {
        return e.Mensagem();
    }
    return {};
}

void responderSenha(const QString &senha, bool aceitar = true)
{
    TDatabase::DefinirPedidoSenha([senha, aceitar](const QString &, QString &, QString &s) {
        s = senha;
        return aceitar;
    });
}
} // namespace

class TesteConexao : public QObject {
    Q_OBJECT
private slots:
    void init() { Servidor::Database().Close(); }
    void cleanup() { Servidor::Database().Close(); }

    // Sem Dados_HP.conf: o SQLite Dados_HP.sqlite da pasta de trabalho, criado no primeiro
    // uso com o esquema e a demonstração.
    void padraoEmbutido()
    {
        QTemporaryDir pasta;
        const QString antes = QDir::currentPath();
        QDir::setCurrent(pasta.path());
        TDatabase db;
        db.Params = { u"USER NAME=tarvisco_adm"_s };
        const QString falha = abrir(db);
        QDir::setCurrent(antes);
        QCOMPARE(falha, QString());
        QVERIFY(QFile::exists(pasta.path() + u"/Dados_HP.sqlite"_s));
        TQuery q(&db);
        q.SQL = { u"SELECT COUNT(Id) FROM Docentes"_s };
        q.Open();
        QVERIFY2(q.Campo0().toInt() >= 20, qPrintable(q.Campo0()));
        q.SQL = { u"SELECT * FROM Docentes WHERE Nome<>'[vazio]'"_s };
        q.Open();
        for (q.First(); !q.Eof(); q.Next()) {
            TQuery t(&db);
            t.SQL = { u"SELECT COUNT(Id) FROM DocentesPesquisaArea WHERE Docente="_s
                + q.AsString(u"Id"_s) };
            t.Open();
            QCOMPARE(t.Campo0(), u"1"_s);
        }
        db.Close();
        // O padrão embutido não carrega o módulo do PostgreSQL nem o libpq (nem as
        // bibliotecas dele): eles só vêm com a primeira conexão PostgreSQL.
        QVERIFY(!BibliotecaNoProcesso("libtarvisco_postgres"));
        QVERIFY(!BibliotecaNoProcesso("libpq.so"));
    }

    void definicaoNoArquivo()
    {
        BancoTeste &pg = BancoTeste::De(Motor::PostgreSQL);
        QVERIFY2(pg.Pronto(), qPrintable(pg.Erro()));
        QTemporaryDir pasta;
        QFile conf(pasta.path() + u"/Dados_HP.conf"_s);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(u"# Dados_HP: servidor da faculdade\nmotor = postgresql\nhost = %1\nporta = %2\n"
                   "banco = %3\n"_s.arg(pg.Fonte().host)
                       .arg(pg.Fonte().porta)
                       .arg(pg.Fonte().banco)
                       .toUtf8());
        conf.close();
        const QString antes = QDir::currentPath();
        QDir::setCurrent(pasta.path());
        const FonteDados f = FonteDados::Definicao();
        TDatabase db;
        db.Params = { u"USER NAME="_s + UsuarioNivel(11) };
        responderSenha(pg.Senha(11));
        const QString falha = abrir(db);
        QDir::setCurrent(antes);
        QCOMPARE(f.motor, FonteDados::PostgreSQL);
        QCOMPARE(f.host, pg.Fonte().host);
        QCOMPARE(f.porta, pg.Fonte().porta);
        QCOMPARE(f.banco, pg.Fonte().banco);
        QCOMPARE(falha, QString());
        // A conexão PostgreSQL trouxe o módulo (o leitor da consulta abaixo é dele).
        QVERIFY(BibliotecaNoProcesso("libtarvisco_postgres"));
        TQuery q(&db);
        q.SQL = { u"SELECT * FROM Tarvisco"_s };
        q.Open();
        QCOMPARE(q.AsString(u"Versao"_s), u"16"_s);
        QVERIFY(!QFile::exists(pasta.path() + u"/Dados_HP.sqlite"_s));
    }

    // Chaves de TLS, comentários no fim da linha e caminhos relativos à pasta de trabalho.
    void definicaoComTls()
    {
        QTemporaryDir pasta;
        QFile conf(pasta.path() + u"/Dados_HP.conf"_s);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("motor = postgresql\n"
                   "host = bd.example.org   # a m\xc3\xa1quina\n"
                   "  SSLMode = verify-ca\n"
                   "sslrootcert = certs/raiz.crt\n"
                   "sslcert=/etc/tarvisco/cliente.crt\n"
                   "sslkey = chave#1.key #  o # colado ao nome faz parte dele\n");
        conf.close();
        const QString antes = QDir::currentPath();
        QDir::setCurrent(pasta.path());
        const FonteDados f = FonteDados::Definicao();
        QDir::setCurrent(antes);
        QCOMPARE(f.host, u"bd.example.org"_s);
        QCOMPARE(f.sslmode, u"verify-ca"_s);
        QCOMPARE(f.ModoTls(), u"verify-ca"_s);
        QCOMPARE(f.sslrootcert, QDir(pasta.path()).absoluteFilePath(u"certs/raiz.crt"_s));
        QCOMPARE(f.sslcert, u"/etc/tarvisco/cliente.crt"_s);
        QCOMPARE(f.sslkey, QDir(pasta.path()).absoluteFilePath(u"chave#1.key"_s));
    }

    void opcoesDeConexao_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("sslmode");
        QTest::addColumn<QString>("sslrootcert");
        QTest::addColumn<QStringList>("tem");
        QTest::addColumn<QStringList>("naoTem");
        const QString strings = u"options='-c standard_conforming_strings=on'"_s;
        QTest::newRow("soquete: sem TLS")
            << u"/var/run/postgresql"_s << QString() << QString() << QStringList { strings }
            << QStringList { u"sslmode"_s, u"sslrootcert"_s };
        QTest::newRow("rede: verify-full")
            << u"bd.example.org"_s << QString() << QString()
            << QStringList { strings, u"sslmode='verify-full'"_s } << QStringList();
        QTest::newRow("disable") << u"bd.example.org"_s << u"disable"_s << QString()
                                 << QStringList { u"sslmode='disable'"_s }
                                 << QStringList { u"sslrootcert"_s };
        QTest::newRow("caminho com aspas e barra")
            << u"bd.example.org"_s << QString() << u"/tmp/a'b\\c.crt"_s
            << QStringList { u"sslrootcert='/tmp/a\\'b\\\\c.crt'"_s } << QStringList();
        QTest::newRow("sslmode com outra opção")
            << u"bd.example.org"_s << u"disable host=outro"_s << QString()
            << QStringList { u"sslmode='disable host=outro'"_s } << QStringList();
    }
    void opcoesDeConexao()
    {
        QFETCH(QString, host);
        QFETCH(QString, sslmode);
        QFETCH(QString, sslrootcert);
        QFETCH(QStringList, tem);
        QFETCH(QStringList, naoTem);
        FonteDados f;
        f.motor = FonteDados::PostgreSQL;
        f.host = host;
        f.sslmode = sslmode;
        f.sslrootcert = sslrootcert;
        const QStringList opcoes = f.OpcoesConexao().split(u';');
        QCOMPARE(opcoes.first(), u"connect_timeout=10"_s);
        for (const QString &t : tem)
            QVERIFY2(opcoes.contains(t), qPrintable(opcoes.join(u'|')));
        for (const QString &t : naoTem)
            QVERIFY2(!f.OpcoesConexao().contains(t), qPrintable(opcoes.join(u'|')));
    }

    // O driver troca ";" por espaço nas opções: um caminho assim é recusado com o texto de TLS.
    void caminhoComPontoEVirgula()
    {
        FonteDados f;
        f.host = u"bd.example.org"_s;
        f.sslrootcert = u"/tmp/a;b.crt"_s;
        QString falha;
        try {
            f.OpcoesConexao();
        } catch (const ErroBanco &e) {
            falha = e.Mensagem();
        }
        const auto tls = FalhaTls::De(falha);
        QVERIFY2(tls, qPrintable(falha));
        QVERIFY(tls->motivo.contains(u"sslrootcert"_s));
    }

    void falhasDeConexao_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<bool>("aceitar");
        QTest::addColumn<QString>("frase");
        QTest::newRow("senha errada")
            << u"tarvisco_adm"_s << u"errada"_s << true << u"Unknown user name or password"_s;
        QTest::newRow("senha vazia")
            << u"tarvisco_dig"_s << QString() << true << u"Unknown user name or password"_s;
        QTest::newRow("usuário desconhecido")
            << u"fulano"_s << u"x"_s << true << u"Unknown user name or password"_s;
        QTest::newRow("pedido cancelado")
            << u"tarvisco_adm"_s << QString() << false << u"Cannot connect"_s;
    }
    void falhasDeConexao()
    {
        QFETCH(QString, login);
        QFETCH(QString, senha);
        QFETCH(bool, aceitar);
        QFETCH(QString, frase);
        BancoTeste &pg = BancoTeste::De(Motor::PostgreSQL);
        QVERIFY2(pg.Pronto(), qPrintable(pg.Erro()));
        TDatabase &db = Servidor::Database();
        db.Fonte = pg.Fonte();
        db.Params = { u"USER NAME="_s + login };
        responderSenha(senha, aceitar);
        const QString falha = abrir(db);
        QVERIFY2(falha.contains(frase), qPrintable(falha));
        QVERIFY(!db.Connected());
        // Depois da falha, a conexão certa funciona.
        QCOMPARE(pg.Conectar(1), QString());
    }

    void semPedidoDeSenhaInstalado()
    {
        BancoTeste &pg = BancoTeste::De(Motor::PostgreSQL);
        QVERIFY2(pg.Pronto(), qPrintable(pg.Erro()));
        TDatabase &db = Servidor::Database();
        db.Fonte = pg.Fonte();
        TDatabase::DefinirPedidoSenha({});
        QVERIFY(abrir(db).contains(u"Cannot connect"_s));
    }

    void arquivoSQLiteInacessivel()
    {
        TDatabase db;
        FonteDados f;
        f.arquivo = u"/pasta/que/nao/existe/Dados_HP.sqlite"_s;
        db.Fonte = f;
        const QString falha = abrir(db);
        QVERIFY2(falha.contains(u"Cannot connect"_s), qPrintable(falha));
        QVERIFY(!db.Connected());
    }

    // O servidor derruba a sessão: o próximo comando falha com o texto do motor, sem
    // travar nem cair; fechar e conectar de novo funciona.
    void servidorSomeNaSessao()
    {
        BancoTeste &pg = BancoTeste::De(Motor::PostgreSQL);
        QVERIFY2(pg.Pronto(), qPrintable(pg.Erro()));
        QCOMPARE(pg.Conectar(1), QString());
        QVERIFY(pg.Executar(u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                            "WHERE usename='tarvisco_adm'"_s));
        TQuery q(&Servidor::Database());
        q.SQL = { u"SELECT * FROM Tarvisco"_s };
        QString falha;
        try {
            q.Open();
        } catch (const ErroBanco &e) {
            falha = e.Mensagem();
        }
        QVERIFY2(!falha.isEmpty(), "comando na sessão derrubada não falhou");
        QVERIFY(!q.Active());
        try {
            q.ExecSQL();
        } catch (const ErroBanco &) {
        }
        Servidor::Database().Close();
        QCOMPARE(pg.Conectar(1), QString());
        q.Open();
        QCOMPARE(q.RecordCount(), 1);
    }

    // Servidor parado: "Cannot connect"; sessão aberta quando ele para: falha clara.
    void servidorParado()
    {
        BancoTeste &pg = BancoTeste::De(Motor::PostgreSQL);
        QVERIFY2(pg.Pronto(), qPrintable(pg.Erro()));
        QCOMPARE(pg.Conectar(1), QString());
        pg.Cluster()->Parar();
        TQuery q(&Servidor::Database());
        q.SQL = { u"SELECT * FROM Tarvisco"_s };
        QVERIFY_THROWS_EXCEPTION(ErroBanco, q.Open());
        Servidor::Database().Close();
        const QString falha = pg.Conectar(1);
        QVERIFY2(falha.contains(u"Cannot connect"_s), qPrintable(falha));
        QVERIFY2(pg.Cluster()->Reiniciar(), qPrintable(pg.Cluster()->Erro()));
        QCOMPARE(pg.Conectar(1), QString());
    }
};

QTEST_GUILESS_MAIN(TesteConexao)
#include "tst_banco_conexao.moc"
