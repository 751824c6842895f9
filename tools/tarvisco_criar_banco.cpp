// Prepara um servidor PostgreSQL para o Tarvisco: cria o banco, as tabelas, as linhas
// iniciais e os doze logins dos níveis de acesso com os direitos de cada um.
//
//   tarvisco_criar_banco --host /var/run/postgresql --porta 5432 --banco tarvisco
//                        --superusuario postgres < senhas.txt
//
// A entrada padrão traz uma linha "login=senha" para cada um dos doze logins. O
// superusuário se autentica como o libpq prefere (PGPASSWORD, ~/.pgpass, peer ou trust).
#include "Esquema.h"
#include "PerfisAcesso.h"
#include "Sentenca.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
QTextStream &erro()
{
    static QTextStream s(stderr);
    return s;
}

struct Opcoes {
    QString host;
    int porta = 5432;
    QString banco;
    QString superusuario;
};

QSqlDatabase conectar(const Opcoes &o, const QString &banco, const QString &nome)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, nome);
    db.setHostName(o.host);
    db.setPort(o.porta);
    db.setDatabaseName(banco);
    db.setUserName(o.superusuario);
    db.setConnectOptions(u"connect_timeout=10"_s);
    if (!db.open())
        throw ErroBanco(u"Não foi possível conectar ao banco %1 como %2: %3"_s.arg(
            banco, o.superusuario, db.lastError().text()));
    QSqlQuery q(db);
    q.exec(u"SET client_encoding TO 'UTF8'"_s);
    q.exec(u"SET DateStyle TO 'ISO, MDY'"_s);
    return db;
}

QHash<QString, QString> lerSenhas()
{
    QHash<QString, QString> senhas;
    QTextStream in(stdin);
    in.setEncoding(QStringConverter::Utf8);
    QString linha;
    while (in.readLineInto(&linha)) {
        if (linha.endsWith(u'\r'))
            linha.chop(1);
        if (linha.trimmed().isEmpty() || linha.trimmed().startsWith(u'#'))
            continue;
        const qsizetype igual = linha.indexOf(u'=');
        if (igual <= 0)
            throw ErroBanco(u"Linha de senha sem \"login=senha\": "_s + linha.left(40));
        senhas.insert(linha.left(igual).trimmed(), linha.mid(igual + 1));
    }
    QStringList faltam;
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
        if (senhas.value(UsuarioNivel(nivel)).isEmpty())
            faltam << UsuarioNivel(nivel);
    if (!faltam.isEmpty())
        throw ErroBanco(u"Faltam senhas na entrada padrão para: "_s + faltam.join(u", "_s));
    return senhas;
}

void criar(const Opcoes &o, const QHash<QString, QString> &senhas)
{
    {
        QSqlDatabase adm = conectar(o, u"postgres"_s, u"adm"_s);
        QSqlQuery q(adm);
        if (!q.exec(u"SELECT 1 FROM pg_database WHERE datname="_s + CitarTexto(o.banco)))
            throw ErroBanco(q.lastError().text());
        if (q.next())
            throw ErroBanco(u"O banco %1 já existe; nada foi alterado."_s.arg(o.banco));
        QStringList comandos
            = { u"CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0"_s.arg(o.banco) };
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
            const QString login = UsuarioNivel(nivel);
            if (!q.exec(u"SELECT 1 FROM pg_roles WHERE rolname="_s + CitarTexto(login)))
                throw ErroBanco(q.lastError().text());
            const bool existe = q.next();
            comandos << u"%1 ROLE %2 LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOINHERIT "
                        "PASSWORD %3"_s.arg(existe ? u"ALTER"_s : u"CREATE"_s, login,
                            CitarTexto(senhas.value(login)));
        }
        for (const QString &c : comandos)
            if (!q.exec(c))
                throw ErroBanco(q.lastError().text() + u"\r\n"_s + c.left(60));
    }
    QSqlDatabase::removeDatabase(u"adm"_s);

    QSqlDatabase db = conectar(o, o.banco, u"banco"_s);
    QStringList comandos = {
        u"REVOKE ALL ON DATABASE %1 FROM PUBLIC"_s.arg(o.banco),
        u"REVOKE ALL ON SCHEMA public FROM PUBLIC"_s,
    };
    comandos << Esquema::ComandosCriacao(FonteDados::PostgreSQL)
             << Esquema::ComandosLinhasIniciais(FonteDados::PostgreSQL);
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
        const QString login = UsuarioNivel(nivel);
        comandos << u"GRANT CONNECT ON DATABASE %1 TO %2"_s.arg(o.banco, login)
                 << u"GRANT USAGE ON SCHEMA public TO %1"_s.arg(login)
                 << Esquema::ComandosDireitos(nivel);
    }
    comandos << Esquema::ComandosHistorico(FonteDados::PostgreSQL); // depois dos logins e linhas
    Esquema::Executar(db, comandos);
    db.close();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tarvisco_criar_banco"_s);
    QCommandLineParser p;
    p.setApplicationDescription(
        u"Cria o banco do Tarvisco num servidor PostgreSQL: tabelas, linhas iniciais e os "
        "doze logins dos níveis de acesso. Lê da entrada padrão uma linha login=senha "
        "para cada login."_s);
    p.addHelpOption();
    p.addOption({ u"host"_s, u"Máquina do servidor ou pasta do soquete."_s, u"host"_s });
    p.addOption({ u"porta"_s, u"Porta do servidor (5432)."_s, u"porta"_s, u"5432"_s });
    p.addOption({ u"banco"_s, u"Nome do banco a criar (tarvisco)."_s, u"banco"_s, u"tarvisco"_s });
    p.addOption({ u"superusuario"_s, u"Superusuário que cria tudo (postgres)."_s, u"nome"_s,
        u"postgres"_s });
    p.process(app);

    Opcoes o;
    o.host = p.value(u"host"_s);
    bool ok = false;
    o.porta = p.value(u"porta"_s).toInt(&ok);
    o.banco = p.value(u"banco"_s);
    o.superusuario = p.value(u"superusuario"_s);
    static const QRegularExpression nomeValido(u"^[a-z_][a-z0-9_]*$"_s);
    if (!ok || o.porta <= 0) {
        erro() << "Porta inválida: " << p.value(u"porta"_s) << Qt::endl;
        return 2;
    }
    if (!nomeValido.match(o.banco).hasMatch()) {
        erro() << "Nome de banco inválido (use minúsculas, dígitos e _): " << o.banco << Qt::endl;
        return 2;
    }
    try {
        criar(o, lerSenhas());
    } catch (const ErroBanco &e) {
        erro() << e.Mensagem() << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << "Banco " << o.banco << " criado com os doze logins." << Qt::endl;
    return 0;
}
