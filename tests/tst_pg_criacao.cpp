// O comando de criação do banco em servidores novos, com standard_conforming_strings
// desligado (como em instalações antigas) e ligado: senhas hostis chegam intactas e não
// executam nada; uma falha depois do CREATE DATABASE não deixa banco nem login.
#include "Banco.h"
#include "BancoTeste.h"
#include "ClusterPostgres.h"
#include "PerfisAcesso.h"

#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
ExecucaoCriarBanco criarBanco(ClusterPostgres &c, const QStringList &senhas,
    const QString &superusuario = u"postgres"_s, const QString &senhaSuperusuario = {})
{
    return CriarBanco(
        { u"--host"_s, c.PastaSoquete(), u"--porta"_s, QString::number(c.Porta()),
            u"--superusuario"_s, superusuario },
        [&senhas](int nivel) { return senhas.at(nivel - 1); }, {}, senhaSuperusuario);
}

// Conecta como o programa conecta e devolve o usuário da sessão, ou o texto da falha.
QString usuarioConectado(ClusterPostgres &c, const QString &login, const QString &senha)
{
    FonteDados f;
    f.motor = FonteDados::PostgreSQL;
    f.host = c.PastaSoquete();
    f.porta = c.Porta();
    TDatabase db;
    if (const QString falha = AbrirConexao(db, f, login, senha); !falha.isEmpty())
        return falha;
    TQuery q(&db);
    q.SQL = { u"SELECT current_user"_s };
    q.Open();
    return q.Campo0();
}

void linhasServidores()
{
    QTest::addColumn<bool>("stringsPadrao");
    QTest::newRow("standard_conforming_strings off") << false;
    QTest::newRow("standard_conforming_strings on") << true;
}

QString papeis(ClusterPostgres &c)
{
    return c
        .Psql(u"postgres"_s,
            u"SELECT string_agg(rolname, ',' ORDER BY rolname) FROM pg_roles "
            "WHERE rolname !~ '^pg_'"_s)
        .trimmed();
}
} // namespace

class TesteCriacaoBanco : public QObject {
    Q_OBJECT
    std::unique_ptr<ClusterPostgres> m_clusters[2];

    ClusterPostgres &cluster(bool stringsPadrao) { return *m_clusters[stringsPadrao ? 1 : 0]; }

private slots:
    void initTestCase()
    {
        for (bool padrao : { false, true }) {
            OpcoesCluster o;
            o.stringsPadrao = padrao;
            auto &c = m_clusters[padrao ? 1 : 0];
            c = std::make_unique<ClusterPostgres>(o);
            QVERIFY2(c->Iniciar(), qPrintable(c->Erro()));
            QCOMPARE(c->Psql(u"postgres"_s, u"SHOW standard_conforming_strings"_s).trimmed(),
                padrao ? u"on"_s : u"off"_s);
        }
    }

    // Quem cria não é superusuário e um dos logins já existe: o CREATE DATABASE passa,
    // os onze primeiros logins são criados e o décimo segundo falha. Nada fica.
    void falhaNoMeioDesfazTudo_data() { linhasServidores(); }
    void falhaNoMeioDesfazTudo()
    {
        QFETCH(bool, stringsPadrao);
        ClusterPostgres &c = cluster(stringsPadrao);
        bool ok = false;
        c.Psql(u"postgres"_s,
            u"CREATE ROLE criador LOGIN CREATEDB CREATEROLE PASSWORD 'criador';"
            "CREATE ROLE tarvisco_secaoatd NOLOGIN;"_s,
            &ok);
        QVERIFY2(ok, qPrintable(c.Erro()));
        const QString antes = papeis(c);
        QStringList senhas;
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
            senhas << u"senha%1"_s.arg(nivel);
        const ExecucaoCriarBanco e = criarBanco(c, senhas, u"criador"_s, u"criador"_s);
        QCOMPARE(e.saida, 1);
        QVERIFY2(e.texto.contains(u"Falha ao preparar o banco tarvisco"_s)
                && e.texto.contains(u"tarvisco_secaoatd"_s)
                && e.texto.contains(u"O banco tarvisco foi apagado"_s),
            qPrintable(e.texto));
        QVERIFY2(!e.texto.contains(u"SCRAM-SHA-256"_s), qPrintable(e.texto));
        QCOMPARE(
            c.Psql(u"postgres"_s, u"SELECT COUNT(*) FROM pg_database WHERE datname = 'tarvisco'"_s)
                .trimmed(),
            u"0"_s);
        QCOMPARE(papeis(c), antes);
        c.Psql(u"postgres"_s, u"DROP ROLE criador; DROP ROLE tarvisco_secaoatd;"_s, &ok);
        QVERIFY2(ok, qPrintable(c.Erro()));
    }

    // Senhas com aspas, barras invertidas, $$, um CREATE ROLE, espaços nas pontas, = e #,
    // CR: cada login entra com a sua, uma diferente é recusada, e só os doze existem.
    void senhasHostis_data() { linhasServidores(); }
    void senhasHostis()
    {
        QFETCH(bool, stringsPadrao);
        ClusterPostgres &c = cluster(stringsPadrao);
        const QStringList senhas = {
            u"\\'; CREATE ROLE x SUPERUSER LOGIN; --"_s,
            u"termina com barra\\"_s,
            u"barra\\no meio\\\\dupla"_s,
            u"$$; DROP TABLE Docentes; $$"_s,
            u"'; ALTER ROLE tarvisco_adm SUPERUSER; --"_s,
            u"  espaços nas pontas  "_s,
            u"igual=e#cerquilha"_s,
            u"antes\rdepois"_s,
            u"aspas \"duplas\" e 'simples'"_s,
            u"E'\\x41' e %s %1"_s,
            u"ção, ñ e €"_s,
            u"\\\\"_s,
        };
        const ExecucaoCriarBanco e = criarBanco(c, senhas);
        QVERIFY2(e.saida == 0, qPrintable(e.texto));
        QStringList esperados = { u"postgres"_s };
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
            esperados << UsuarioNivel(nivel);
        esperados.sort();
        QCOMPARE(papeis(c), esperados.join(u','));
        QCOMPARE(c.Psql(u"postgres"_s,
                      u"SELECT COUNT(*) FROM pg_roles WHERE rolname LIKE 'tarvisco%' "
                      "AND (rolsuper OR rolcreaterole OR rolcreatedb OR rolbypassrls)"_s)
                     .trimmed(),
            u"0"_s);
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
            const QString login = UsuarioNivel(nivel);
            const QString senha = senhas.at(nivel - 1);
            QCOMPARE(usuarioConectado(c, login, senha), login);
            const QString errada = usuarioConectado(c, login, senha.trimmed() + u'x');
            QVERIFY2(errada.contains(u"Unknown user name or password"_s), qPrintable(errada));
        }
    }
};

QTEST_GUILESS_MAIN(TesteCriacaoBanco)
#include "tst_pg_criacao.moc"
