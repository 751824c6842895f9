// O comando de criação do banco em servidores novos, com standard_conforming_strings
// desligado (como em instalações antigas) e ligado: senhas hostis chegam intactas e não
// executam nada; uma falha depois do CREATE DATABASE não deixa banco nem login; logins
// que já existiam são repostos no que o nível precisa; interrompido no meio, não deixa
// nada (Ctrl-C), ou só o banco provisório que a execução seguinte aponta (morto).
#include "Banco.h"
#include "BancoTeste.h"
#include "ClusterPostgres.h"
#include "PerfisAcesso.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>
#include <memory>
#include <signal.h>

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

QStringList opcoesBanco(ClusterPostgres &c, const QString &banco)
{
    return { u"--host"_s, c.PastaSoquete(), u"--porta"_s, QString::number(c.Porta()),
        u"--superusuario"_s, u"postgres"_s, u"--banco"_s, banco };
}

QString senhaDoNivel(int nivel)
{
    return u"senha-%1"_s.arg(nivel);
}

QString bancos(ClusterPostgres &c)
{
    return c
        .Psql(u"postgres"_s, u"SELECT string_agg(datname, ',' ORDER BY datname) FROM pg_database"_s)
        .trimmed();
}

// Espera até a consulta (como superusuário) dar 'esperado', por até 30 s.
bool esperar(ClusterPostgres &c, const QString &consulta, const QString &esperado)
{
    for (int i = 0; i < 300; ++i) {
        if (c.Psql(u"postgres"_s, consulta).trimmed() == esperado)
            return true;
        QTest::qWait(100);
    }
    return false;
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

    // Logins que já existiam com o que o nível não dá (membro do papel do administrador
    // e de pg_write_all_data, com um membro de fora, validade vencida, limite de
    // conexões, ajustes próprios e por banco, direito de mudar session_replication_role)
    // saem do comando exatamente como os novos.
    void loginsExistentesSaoRepostos()
    {
        ClusterPostgres &c = cluster(true);
        bool ok = false;
        c.Psql(u"postgres"_s,
            u"DO $$DECLARE l text; BEGIN FOREACH l IN ARRAY ARRAY['tarvisco_adm', 'tarvisco_dig', "
            "'tarvisco_deptobio', 'tarvisco_seac'] LOOP IF NOT EXISTS (SELECT 1 FROM pg_roles "
            "WHERE rolname = l) THEN EXECUTE format('CREATE ROLE %I', l); END IF; END LOOP; END$$;"
            "ALTER ROLE tarvisco_seac SUPERUSER VALID UNTIL '2001-01-01' CONNECTION LIMIT 0;"
            "CREATE ROLE intruso;"
            "GRANT tarvisco_adm TO tarvisco_seac; GRANT pg_write_all_data TO tarvisco_deptobio;"
            "GRANT tarvisco_adm TO intruso; GRANT tarvisco_seac TO tarvisco_dig;"
            "ALTER ROLE tarvisco_seac SET search_path = pg_temp, public;"
            "ALTER ROLE tarvisco_seac IN DATABASE postgres SET work_mem = '1MB';"
            "GRANT SET ON PARAMETER session_replication_role TO tarvisco_deptobio;"_s,
            &ok);
        QVERIFY2(ok, qPrintable(c.Erro()));
        const ExecucaoCriarBanco e = CriarBanco(opcoesBanco(c, u"reposto"_s), senhaDoNivel, {}, {});
        QVERIFY2(e.saida == 0, qPrintable(e.texto));

        const QString dosLogins = u"(SELECT oid FROM pg_roles WHERE rolname LIKE 'tarvisco%')"_s;
        QCOMPARE(
            c.Psql(u"postgres"_s,
                 u"SELECT COUNT(*) FROM pg_auth_members WHERE roleid IN %1 OR member IN %1"_s.arg(
                     dosLogins))
                .trimmed(),
            u"0"_s);
        QCOMPARE(
            c.Psql(u"postgres"_s,
                 u"SELECT COUNT(*) FROM pg_db_role_setting WHERE setrole IN %1"_s.arg(dosLogins))
                .trimmed(),
            u"0"_s);
        QCOMPARE(c.Psql(u"postgres"_s,
                      u"SELECT COUNT(*) FROM pg_parameter_acl, aclexplode(paracl) a "
                      "WHERE a.grantee IN %1"_s.arg(dosLogins))
                     .trimmed(),
            u"0"_s);
        QCOMPARE(
            c.Psql(u"postgres"_s,
                 u"SELECT COUNT(*) FROM pg_roles WHERE rolname LIKE 'tarvisco%' AND (rolsuper "
                 "OR rolconnlimit <> -1 OR COALESCE(rolvaliduntil, 'infinity') <> 'infinity')"_s)
                .trimmed(),
            u"0"_s);
        // E o servidor o confirma: o SEAC entra, não vira administrador nem escreve onde
        // o seu nível não escreve; o login de Biologia não desliga os gatilhos.
        const auto comoLogin = [&c](int nivel, const QString &sql) {
            bool certo = false;
            QString erro;
            c.PsqlComo(u"reposto"_s, UsuarioNivel(nivel), senhaDoNivel(nivel), sql, &certo, &erro);
            return certo ? QString() : erro;
        };
        QCOMPARE(comoLogin(7, u"SELECT 1"_s), QString());
        for (const auto &[nivel, sql] :
            QList<QPair<int, QString>> { { 7, u"SET ROLE tarvisco_adm"_s },
                { 7, u"INSERT INTO Noticias (Titulo) VALUES ('x')"_s },
                { 2, u"SET ROLE tarvisco_seac"_s },
                { 3, u"INSERT INTO Noticias (Titulo) VALUES ('x')"_s },
                { 3, u"SET session_replication_role = replica"_s } }) {
            const QString erro = comoLogin(nivel, sql);
            QVERIFY2(erro.contains(u"permission denied"_s), qPrintable(sql + u": "_s + erro));
        }
        c.Psql(u"postgres"_s, u"DROP ROLE intruso"_s, &ok);
        QVERIFY2(ok, qPrintable(c.Erro()));
    }

    // Com --demonstracao o banco novo recebe a faculdade fictícia do banco embutido, e as
    // sequências continuam depois dos Id dela; sem a opção, só as linhas iniciais. Com
    // --atualizar a opção é recusada antes de qualquer conexão.
    void demonstracaoOpcional()
    {
        ClusterPostgres &c = cluster(true);
        ExecucaoCriarBanco e = CriarBanco(
            opcoesBanco(c, u"com_demo"_s) << u"--demonstracao"_s, senhaDoNivel, {}, {});
        QVERIFY2(e.saida == 0, qPrintable(e.texto));
        e = CriarBanco(opcoesBanco(c, u"sem_demo"_s), senhaDoNivel, {}, {});
        QVERIFY2(e.saida == 0, qPrintable(e.texto));
        QCOMPARE(c.Psql(u"sem_demo"_s, u"SELECT COUNT(*) FROM Docentes WHERE Id > 1"_s).trimmed(),
            u"0"_s);
        QVERIFY(
            c.Psql(u"com_demo"_s, u"SELECT COUNT(*) FROM Docentes WHERE Id > 1"_s).trimmed().toInt()
            >= 20);
        QCOMPARE(c.Psql(u"com_demo"_s,
                      u"SELECT (SELECT MAX(Id) FROM Departamentos) < nextval("
                      "pg_get_serial_sequence('departamentos', 'id'))"_s)
                     .trimmed(),
            u"t"_s);
        e = CriarBanco(opcoesBanco(c, u"com_demo"_s) << u"--atualizar"_s << u"--demonstracao"_s,
            senhaDoNivel, {}, {});
        QCOMPARE(e.saida, 2);
        QVERIFY2(e.texto.contains(u"--demonstracao"_s), qPrintable(e.texto));
    }

    // Interrompido no meio (esperando a trava de um login que outra sessão está mudando):
    // Ctrl-C não deixa banco nenhum nem muda login; morto (SIGKILL), deixa só o banco
    // provisório, nunca o nome pedido, e a execução seguinte diz como recuperar.
    void interrompidoNoMeio_data()
    {
        QTest::addColumn<int>("sinal");
        QTest::newRow("Ctrl-C (SIGINT)") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("morto (SIGKILL)") << int(SIGKILL);
    }
    void interrompidoNoMeio()
    {
        QFETCH(int, sinal);
        ClusterPostgres &c = cluster(true);
        const QString banco = u"interrompido"_s;
        const QString provisorio = u"interrompido_em_preparacao"_s;
        const QString antes = bancos(c);
        const QString limite
            = u"SELECT rolconnlimit FROM pg_roles WHERE rolname = 'tarvisco_secaoatd'"_s;
        const QString limiteAntes = c.Psql(u"postgres"_s, limite).trimmed();

        // Outra sessão muda um login e segura a trava: o comando para no meio, no ALTER ROLE.
        const QString nome = u"trava"_s;
        {
            QSqlDatabase trava = QSqlDatabase::addDatabase(u"QPSQL"_s, nome);
            trava.setHostName(c.PastaSoquete());
            trava.setPort(c.Porta());
            trava.setDatabaseName(u"postgres"_s);
            trava.setUserName(u"postgres"_s);
            QVERIFY2(trava.open(), qPrintable(trava.lastError().text()));
            QVERIFY(trava.transaction());
            QSqlQuery q(trava);
            QVERIFY2(q.exec(u"ALTER ROLE tarvisco_secaoatd CONNECTION LIMIT 7"_s),
                qPrintable(q.lastError().text()));
        }
        const auto soltar = [&nome] {
            {
                QSqlDatabase trava = QSqlDatabase::database(nome, false);
                trava.rollback();
                trava.close();
            }
            QSqlDatabase::removeDatabase(nome);
        };
        QProcess p;
        QString erro;
        QVERIFY2(IniciarCriarBanco(p, opcoesBanco(c, banco), senhaDoNivel, {}, {}, &erro),
            qPrintable(erro));
        const bool parou = esperar(c,
            u"SELECT COUNT(*) FROM pg_stat_activity WHERE datname IN ('%1', '%2') "
            "AND wait_event_type = 'Lock'"_s.arg(banco, provisorio),
            u"1"_s);
        if (!parou) {
            soltar();
            p.waitForFinished(30000);
            QFAIL(qPrintable(u"o comando não parou na trava: "_s + QString::fromUtf8(p.readAll())));
        }
        ::kill(pid_t(p.processId()), sinal);
        const bool terminou = p.waitForFinished(30000);
        soltar();
        QVERIFY(terminou);
        const QString texto = QString::fromUtf8(p.readAll());
        QCOMPARE(c.Psql(u"postgres"_s, limite).trimmed(), limiteAntes);

        if (sinal != SIGKILL) {
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QCOMPARE(p.exitCode(), 128 + sinal);
            QVERIFY2(texto.contains(u"Interrompido"_s)
                    && texto.contains(
                        u"O banco %1 foi apagado (ainda com o nome provisório %2); "
                        "nenhum login foi criado ou alterado."_s.arg(banco, provisorio)),
                qPrintable(texto));
            QCOMPARE(bancos(c), antes);
            return;
        }
        // Morto sem limpar: a sessão dele sai quando a trava é solta, sem COMMIT.
        QVERIFY(esperar(c,
            u"SELECT COUNT(*) FROM pg_stat_activity WHERE datname = '%1'"_s.arg(provisorio),
            u"0"_s));
        QCOMPARE(c.Psql(u"postgres"_s,
                      u"SELECT COUNT(*) FROM pg_database WHERE datname = '%1'"_s.arg(banco))
                     .trimmed(),
            u"0"_s);
        ExecucaoCriarBanco e = CriarBanco(opcoesBanco(c, banco), senhaDoNivel);
        QCOMPARE(e.saida, 1);
        QVERIFY2(e.texto.contains(u"execução interrompida"_s)
                && e.texto.contains(u"DROP DATABASE %1;"_s.arg(provisorio)),
            qPrintable(e.texto));
        bool ok = false;
        c.Psql(u"postgres"_s, u"DROP DATABASE %1"_s.arg(provisorio), &ok);
        QVERIFY2(ok, qPrintable(c.Erro()));
        QCOMPARE(bancos(c), antes);
        e = CriarBanco(opcoesBanco(c, banco), senhaDoNivel);
        QVERIFY2(e.saida == 0, qPrintable(e.texto));
        QVERIFY(bancos(c).split(u',').contains(banco));
        c.Psql(u"postgres"_s, u"DROP DATABASE %1"_s.arg(banco), &ok);
        QVERIFY2(ok, qPrintable(c.Erro()));
    }
};

QTEST_GUILESS_MAIN(TesteCriacaoBanco)
#include "tst_pg_criacao.moc"
