// Prepara um servidor PostgreSQL para o Tarvisco: cria o banco, as tabelas, as linhas
// iniciais e os doze logins dos níveis de acesso com os direitos de cada um.
//
//   tarvisco_criar_banco --host /var/run/postgresql --porta 5432 --banco tarvisco
//                        --superusuario postgres < senhas.txt
//
// A entrada padrão traz uma linha "login=senha" para cada um dos doze logins. O
// superusuário se autentica como o libpq prefere (PGPASSWORD, ~/.pgpass, peer ou trust).
//
// Tudo ou nada: a entrada inteira é conferida antes de qualquer comando; o banco é criado
// com um nome provisório, os logins e o esquema numa só transação dentro dele, e só no fim
// ele recebe o nome pedido. Qualquer falha ou interrupção (Ctrl-C, SIGTERM, SIGHUP) antes
// disso apaga o banco provisório (os logins saem com a transação desfeita); um processo
// morto sem poder limpar deixa só o banco provisório, que a próxima execução aponta.
// Logins que já existem são repostos no que o nível precisa. Nenhuma senha vai ao
// servidor como texto: só o verificador SCRAM-SHA-256 calculado aqui.
//
// Com --atualizar, num banco que já existe, não cria nada além do que uma versão nova do
// programa pede (índices, a forma nova do histórico), numa só transação, e não lê senhas.
#include "Esquema.h"
#include "PerfisAcesso.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringDecoder>
#include <QTextStream>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <libpq-fe.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
// Saídas do comando (as do README); interrompido por um sinal: 128 + o sinal.
enum Saida { Sucesso = 0, FalhaServidor = 1, EntradaInvalida = 2 };

// Opção ou entrada recusada antes de qualquer mudança no servidor.
struct Recusa {
    QString mensagem;
};

QTextStream &erro()
{
    static QTextStream s(stderr);
    return s;
}

struct Opcoes {
    FonteDados fonte; // host, porta, banco e TLS, como no Dados_HP.conf
    QString superusuario;
    bool atualizar = false; // banco existente: só o que falta do esquema
    bool demonstracao = false; // banco novo com a faculdade fictícia do banco embutido
};

// ---------------------------------------------------------------- entrada

void declararOpcoes(QCommandLineParser &p)
{
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
    p.addOption({ u"sslmode"_s, u"TLS como no Dados_HP.conf (verify-full numa máquina da rede)."_s,
        u"modo"_s });
    p.addOption({ u"sslrootcert"_s, u"Certificado raiz do servidor (padrão: o do sistema)."_s,
        u"arquivo"_s });
    p.addOption({ u"sslcert"_s, u"Certificado do cliente."_s, u"arquivo"_s });
    p.addOption({ u"sslkey"_s, u"Chave do certificado do cliente."_s, u"arquivo"_s });
    p.addOption({ u"atualizar"_s,
        u"Num banco já criado por uma versão anterior, cria o que falta do esquema de agora "
        "(índices, histórico) sem tocar nos dados nem nos logins; não lê senhas."_s });
    p.addOption({ u"demonstracao"_s,
        u"Grava no banco novo a faculdade fictícia de demonstração do banco embutido "
        "(para experimentar o programa; não num banco de verdade)."_s });
}

// Nome do banco: minúsculas, dígitos e _, até 63 bytes (o limite dos nomes do servidor).
// Palavras reservadas são recusadas depois, com a lista do próprio servidor.
void conferirNomeBanco(const QString &banco)
{
    static const QRegularExpression valido(u"^[a-z_][a-z0-9_]*$"_s);
    if (!valido.match(banco).hasMatch())
        throw Recusa { u"Nome de banco inválido (use minúsculas, dígitos e _): "_s + banco };
    if (banco.toUtf8().size() > 63)
        throw Recusa { u"Nome de banco inválido (mais de 63 letras): "_s + banco };
}

Opcoes lerOpcoes(const QCommandLineParser &p)
{
    if (!p.positionalArguments().isEmpty())
        throw Recusa { u"Argumento inesperado: "_s + p.positionalArguments().constFirst() };
    Opcoes o;
    FonteDados &f = o.fonte;
    f.motor = FonteDados::PostgreSQL;
    f.host = p.value(u"host"_s);
    bool ok = false;
    f.porta = p.value(u"porta"_s).toInt(&ok);
    if (!ok || f.porta <= 0 || f.porta > 65535)
        throw Recusa { u"Porta inválida: "_s + p.value(u"porta"_s) };
    f.banco = p.value(u"banco"_s);
    conferirNomeBanco(f.banco);
    o.atualizar = p.isSet(u"atualizar"_s);
    o.demonstracao = p.isSet(u"demonstracao"_s);
    if (o.atualizar && o.demonstracao)
        throw Recusa { u"--demonstracao só vale na criação, não com --atualizar."_s };
    o.superusuario = p.value(u"superusuario"_s);
    if (o.superusuario.isEmpty())
        throw Recusa { u"Superusuário vazio."_s };
    const auto arquivo = [&p](const QString &opcao) {
        const QString v = p.value(opcao);
        return (v.isEmpty() || v == u"system"_s) ? v : QFileInfo(v).absoluteFilePath();
    };
    f.sslmode = p.value(u"sslmode"_s);
    static const QStringList modos
        = { u"disable"_s, u"allow"_s, u"prefer"_s, u"require"_s, u"verify-ca"_s, u"verify-full"_s };
    if (!f.sslmode.isEmpty() && !modos.contains(f.sslmode))
        throw Recusa { u"sslmode inválido: %1 (use %2)."_s.arg(f.sslmode, modos.join(u", "_s)) };
    f.sslrootcert = arquivo(u"sslrootcert"_s);
    f.sslcert = arquivo(u"sslcert"_s);
    f.sslkey = arquivo(u"sslkey"_s);
    try {
        f.OpcoesConexao();
    } catch (const ErroBanco &e) {
        throw Recusa { e.Mensagem() };
    }
    return o;
}

// Uma linha "login=senha" por login, em UTF-8. O login vai sem os espaços das pontas; a
// senha é tudo o que vem depois do primeiro "=", como está (só o CR de um fim de linha
// CR LF sai). Linhas vazias e as que começam com "#" não contam.
QHash<QString, QString> lerSenhas(const QByteArray &entrada)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(entrada);
    if (utf8.hasError())
        throw Recusa { u"A entrada padrão não está em UTF-8."_s };
    QStringList logins;
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
        logins << UsuarioNivel(nivel);

    QHash<QString, QString> senhas;
    int numero = 0;
    for (QString linha : texto.split(u'\n')) {
        ++numero;
        if (linha.endsWith(u'\r'))
            linha.chop(1);
        if (linha.trimmed().isEmpty() || linha.trimmed().startsWith(u'#'))
            continue;
        const qsizetype igual = linha.indexOf(u'=');
        if (igual <= 0)
            throw Recusa { u"A linha %1 da entrada padrão não tem a forma \"login=senha\"."_s.arg(
                numero) };
        const QString login = linha.left(igual).trimmed();
        const QString senha = linha.mid(igual + 1);
        // O texto não é repetido: pode ser uma senha escrita no lugar errado.
        if (!logins.contains(login))
            throw Recusa { u"A linha %1 da entrada padrão tem um login desconhecido (o texto "
                           "antes do \"=\" não é um dos doze logins)."_s.arg(numero) };
        if (senhas.contains(login))
            throw Recusa { u"Senha repetida na entrada padrão para: "_s + login };
        if (senha.isEmpty())
            throw Recusa { u"Senha vazia para: "_s + login };
        if (senha.contains(QChar(u'\0')))
            throw Recusa { u"Senha com caractere NUL para: "_s + login };
        senhas.insert(login, senha);
    }
    QStringList faltam;
    for (const QString &login : std::as_const(logins))
        if (!senhas.contains(login))
            faltam << login;
    if (!faltam.isEmpty())
        throw Recusa { u"Faltam senhas na entrada padrão para: "_s + faltam.join(u", "_s) };
    return senhas;
}

// ---------------------------------------------------------------- interrupção

// Ctrl-C (SIGINT), SIGTERM e SIGHUP enquanto o banco é preparado: o primeiro sinal
// cancela o comando em curso no servidor (PQcancel pode ser chamado de um tratador de
// sinal) e o próximo passo para; o comando então apaga o banco provisório e sai com 128 +
// o sinal. Um segundo sinal encerra na hora (o banco provisório fica, e a próxima
// execução diz como recuperar). Depois do COMMIT o trabalho está feito: o sinal só é
// anotado, e o banco recebe o nome pedido.
namespace Interrupcao {
volatile std::sig_atomic_t sinal = 0;
std::atomic<PGcancel *> cancelamentos[2] = {};
std::atomic<bool> cancelavel { true };
constexpr int Sinais[] = { SIGINT, SIGTERM, SIGHUP };

void tratar(int s)
{
    if (sinal != 0) {
        std::signal(s, SIG_DFL);
        std::raise(s); // entregue quando o tratador voltar
        return;
    }
    sinal = s;
    if (!cancelavel)
        return;
    for (std::atomic<PGcancel *> &c : cancelamentos)
        if (PGcancel *p = c.load()) {
            char erro[256];
            PQcancel(p, erro, sizeof erro);
        }
}

void instalar()
{
    struct sigaction a = {};
    a.sa_handler = tratar;
    sigemptyset(&a.sa_mask);
    a.sa_flags = SA_RESTART;
    for (int s : Sinais)
        sigaction(s, &a, nullptr);
}

bool Interrompido()
{
    return sinal != 0 && cancelavel;
}

QString Texto()
{
    return u"interrompido pelo sinal %1"_s.arg(int(sinal));
}

// Antes de cada comando ao servidor.
void conferir()
{
    if (Interrompido())
        throw ErroBanco(Texto());
}
} // namespace Interrupcao

// ---------------------------------------------------------------- servidor

// Uma conexão do superusuário, com as citações e o verificador de senha do libpq.
class Conexao {
public:
    Conexao(const Opcoes &o, const QString &banco, const QString &nome)
        : m_nome(nome)
    {
        FonteDados f = o.fonte;
        f.banco = banco;
        QString falha;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, nome);
            db.setHostName(f.host);
            db.setPort(f.porta);
            db.setDatabaseName(banco);
            db.setUserName(o.superusuario);
            db.setConnectOptions(f.OpcoesConexao());
            if (!db.open())
                falha = db.lastError().text();
        }
        if (!falha.isEmpty()) {
            QSqlDatabase::removeDatabase(nome);
            if (const auto tls = FalhaTls::DoLibpq(falha, f, u"nas opções do comando"_s))
                falha = tls->Texto();
            throw ErroBanco(u"Não foi possível conectar ao banco %1 como %2: %3"_s.arg(
                banco, o.superusuario, falha));
        }
        static bool avisado = false;
        if (!f.SoqueteLocal() && !ConexaoCriptografada(Db()) && !std::exchange(avisado, true))
            erro() << "Aviso: a conexão com o servidor não é criptografada (sslmode = "
                   << f.ModoTls() << ")." << Qt::endl;
        m_pg = ConexaoLibpq(Db());
        if (!m_pg) {
            fechar();
            throw ErroBanco(u"O driver QPSQL não expõe a conexão do libpq."_s);
        }
        // Um sinal cancela o comando que esta conexão estiver rodando.
        m_cancelamento = PQgetCancel(m_pg);
        for (std::atomic<PGcancel *> &c : Interrupcao::cancelamentos) {
            PGcancel *livre = nullptr;
            if (m_cancelamento && c.compare_exchange_strong(livre, m_cancelamento)) {
                m_vaga = &c;
                break;
            }
        }
        // Barra invertida sem significado dentro de aspas, qualquer que seja o padrão do
        // servidor; caminho de procura fixo; sucesso só depois de gravado no disco.
        Executar({ u"SET standard_conforming_strings TO on"_s, u"SET synchronous_commit TO on"_s,
            u"SET client_encoding TO 'UTF8'"_s, u"SET DateStyle TO 'ISO, MDY'"_s,
            u"SET search_path TO public"_s, u"SET client_min_messages TO warning"_s });
    }
    ~Conexao() { fechar(); }
    Conexao(const Conexao &) = delete;
    Conexao &operator=(const Conexao &) = delete;

    QSqlDatabase Db() const { return QSqlDatabase::database(m_nome, false); }

    void Executar(const QStringList &comandos)
    {
        QSqlQuery q(Db());
        for (const QString &c : comandos) {
            Interrupcao::conferir();
            if (!q.exec(c))
                throw falha(q, c.left(200));
        }
    }
    bool Existe(const QString &consulta) { return !Linhas(consulta).isEmpty(); }
    // As linhas da consulta, cada uma com as suas colunas como texto.
    QList<QStringList> Linhas(const QString &consulta)
    {
        Interrupcao::conferir();
        QSqlQuery q(Db());
        if (!q.exec(consulta))
            throw falha(q);
        QList<QStringList> linhas;
        while (q.next()) {
            QStringList l;
            for (int i = 0; i < q.record().count(); ++i)
                l << q.value(i).toString();
            linhas << l;
        }
        return linhas;
    }
    // Um comando cujo texto não vai para a mensagem de falha (traz um verificador de senha).
    void ExecutarCalado(const QString &comando, const QString &contexto)
    {
        Interrupcao::conferir();
        QSqlQuery q(Db());
        if (!q.exec(comando))
            throw falha(q, {}, contexto);
    }

    QString Identificador(const QString &nome) const { return escapado(PQescapeIdentifier, nome); }
    QString Literal(const QString &texto) const { return escapado(PQescapeLiteral, texto); }
    // Verificador SCRAM-SHA-256 da senha, calculado aqui: a senha não sai desta máquina.
    QString Verificador(const QString &login, const QString &senha) const
    {
        char *v = PQencryptPasswordConn(
            m_pg, senha.toUtf8().constData(), login.toUtf8().constData(), "scram-sha-256");
        if (!v)
            throw ErroBanco(u"Não foi possível cifrar a senha de %1: %2"_s.arg(
                login, QString::fromUtf8(PQerrorMessage(m_pg)).trimmed()));
        const QString r = QString::fromUtf8(v);
        PQfreemem(v);
        return r;
    }

private:
    // A falha do comando; interrompido, o texto diz o sinal (o do servidor é o cancelamento).
    static ErroBanco falha(
        const QSqlQuery &q, const QString &comando = {}, const QString &contexto = {})
    {
        if (Interrupcao::Interrompido())
            return ErroBanco(Interrupcao::Texto());
        return ErroBanco((contexto.isEmpty() ? QString() : contexto + u": "_s)
            + q.lastError().text() + (comando.isEmpty() ? QString() : u"\r\n"_s + comando));
    }
    QString escapado(char *(*f)(PGconn *, const char *, size_t), const QString &texto) const
    {
        const QByteArray b = texto.toUtf8();
        char *e = f(m_pg, b.constData(), size_t(b.size()));
        if (!e)
            throw ErroBanco(QString::fromUtf8(PQerrorMessage(m_pg)).trimmed());
        const QString r = QString::fromUtf8(e);
        PQfreemem(e);
        return r;
    }
    void fechar()
    {
        if (m_vaga)
            m_vaga->store(nullptr);
        m_vaga = nullptr;
        if (m_cancelamento)
            PQfreeCancel(m_cancelamento);
        m_cancelamento = nullptr;
        {
            QSqlDatabase db = Db();
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_nome);
        m_pg = nullptr;
    }
    QString m_nome;
    PGconn *m_pg = nullptr;
    PGcancel *m_cancelamento = nullptr;
    std::atomic<PGcancel *> *m_vaga = nullptr;
};

// O nome não pode ser palavra-chave do SQL que não seja de uso livre (select, user...).
void conferirPalavraReservada(Conexao &adm, const QString &banco)
{
    if (adm.Existe(u"SELECT 1 FROM pg_catalog.pg_get_keywords() WHERE catcode <> 'U' AND word = "_s
            + adm.Literal(banco)))
        throw Recusa { u"Nome de banco inválido (palavra reservada do SQL): "_s + banco };
}

QString listaLogins(Conexao &c)
{
    QStringList l;
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
        l << c.Literal(UsuarioNivel(nivel));
    return u"ARRAY["_s + l.join(u", "_s) + u"]::name[]"_s;
}

// Os doze logins: novos, ou os que já existem repostos no que o nível precisa (só entrar,
// sem nenhum poder, sem validade, sem limite de conexões), com a senha nova.
QStringList comandosLogins(Conexao &c, const QHash<QString, QString> &senhas)
{
    QStringList comandos;
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
        const QString login = UsuarioNivel(nivel);
        const bool existe
            = c.Existe(u"SELECT 1 FROM pg_catalog.pg_roles WHERE rolname = "_s + c.Literal(login));
        comandos << u"%1 ROLE %2 LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOINHERIT "
                    "NOREPLICATION NOBYPASSRLS%3 PASSWORD %4"_s.arg(
                        existe ? u"ALTER"_s : u"CREATE"_s, c.Identificador(login),
                        existe ? u" CONNECTION LIMIT -1 VALID UNTIL 'infinity'"_s : QString(),
                        c.Literal(c.Verificador(login, senhas.value(login))));
    }
    return comandos;
}

// O que um login que já existia pode trazer de antes e o nível não dá, com o comando que
// o tira: papéis de que é membro (SET ROLE para o administrador, pg_write_all_data...),
// papéis membros dele (que agiriam como ele), ajustes guardados para o login (ALTER ROLE
// ... SET) e direitos sobre parâmetros do servidor (session_replication_role desliga os
// gatilhos do histórico). Cada linha: login, o que é, comando. Os comandos e os nomes vêm
// citados pelo próprio servidor (format %I).
QList<QStringList> sobras(Conexao &c)
{
    const QString logins = listaLogins(c);
    return c.Linhas(
        u"SELECT m.rolname, 'membro do papel ' || r.rolname, format('REVOKE %I FROM %I', "
        "r.rolname, m.rolname) FROM pg_catalog.pg_auth_members a JOIN pg_catalog.pg_roles r "
        "ON r.oid = a.roleid JOIN pg_catalog.pg_roles m ON m.oid = a.member "
        "WHERE m.rolname = ANY(%1) "
        "UNION ALL SELECT r.rolname, 'com o membro ' || m.rolname, format('REVOKE %I FROM %I', "
        "r.rolname, m.rolname) FROM pg_catalog.pg_auth_members a JOIN pg_catalog.pg_roles r "
        "ON r.oid = a.roleid JOIN pg_catalog.pg_roles m ON m.oid = a.member "
        "WHERE r.rolname = ANY(%1) AND NOT m.rolname = ANY(%1) "
        "UNION ALL SELECT r.rolname, 'com ajustes ' || COALESCE('no banco ' || d.datname, "
        "'próprios') || ': ' || array_to_string(s.setconfig, ', '), CASE WHEN s.setdatabase = 0 "
        "THEN format('ALTER ROLE %I RESET ALL', r.rolname) ELSE format('ALTER ROLE %I IN "
        "DATABASE %I RESET ALL', r.rolname, d.datname) END FROM pg_catalog.pg_db_role_setting s "
        "JOIN pg_catalog.pg_roles r ON r.oid = s.setrole LEFT JOIN pg_catalog.pg_database d "
        "ON d.oid = s.setdatabase WHERE r.rolname = ANY(%1) "
        "UNION ALL SELECT r.rolname, 'com direito sobre o parâmetro ' || p.parname, "
        "format('REVOKE ALL ON PARAMETER %s FROM %I', p.parname, r.rolname) "
        "FROM pg_catalog.pg_parameter_acl p CROSS JOIN LATERAL aclexplode(p.paracl) x "
        "JOIN pg_catalog.pg_roles r ON r.oid = x.grantee WHERE r.rolname = ANY(%1) "
        "ORDER BY 1, 2"_s.arg(logins));
}

// Repõe os logins que já existiam: tira o que sobrou de antes e confere que nada ficou.
void reporLogins(Conexao &c)
{
    QStringList comandos;
    for (const QStringList &s : sobras(c))
        comandos << s.at(2);
    comandos.removeDuplicates();
    c.Executar(comandos);
    QStringList ficou;
    for (const QStringList &s : sobras(c))
        ficou << s.at(0) + u' ' + s.at(1);
    if (!ficou.isEmpty())
        throw ErroBanco(u"Não foi possível repor os logins que já existiam no que os níveis "
                        "precisam; tire à mão e rode o comando de novo: "_s
            + ficou.join(u"; "_s));
}

QStringList comandosEsquema(Conexao &c, const QString &banco, bool demonstracao)
{
    QStringList comandos
        = QStringList { u"REVOKE ALL ON DATABASE %1 FROM PUBLIC"_s.arg(c.Identificador(banco)),
              u"REVOKE ALL ON SCHEMA public FROM PUBLIC"_s }
        + Esquema::ComandosCriacao(FonteDados::PostgreSQL)
        + Esquema::ComandosLinhasIniciais(FonteDados::PostgreSQL);
    // a demonstração grava os Id dela: as sequências continuam depois deles
    if (demonstracao)
        comandos << Esquema::ComandosDemonstracao(FonteDados::PostgreSQL)
                 << Esquema::ComandosAjustarIdentidades();
    return comandos;
}

QStringList comandosDireitos(Conexao &c, const QString &banco)
{
    QStringList comandos;
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
        const QString login = c.Identificador(UsuarioNivel(nivel));
        comandos << u"GRANT CONNECT ON DATABASE %1 TO %2"_s.arg(c.Identificador(banco), login)
                 << u"GRANT USAGE ON SCHEMA public TO %1"_s.arg(login)
                 << Esquema::ComandosDireitos(nivel);
    }
    return comandos;
}

// Logins, esquema, direitos, segurança por linha e histórico no banco dado (o
// provisório), numa só transação.
void prepararBanco(const Opcoes &o, const QString &banco, const QHash<QString, QString> &senhas)
{
    Conexao c(o, banco, u"banco"_s);
    QSqlDatabase db = c.Db();
    if (!db.transaction())
        throw ErroBanco(db.lastError().text());
    try {
        // Os verificadores primeiro: nenhum comando com senha passa pelo registro de erro.
        const QStringList logins = comandosLogins(c, senhas);
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
            c.ExecutarCalado(logins.at(nivel - 1), u"login "_s + UsuarioNivel(nivel));
        reporLogins(c);
        c.Executar(comandosEsquema(c, banco, o.demonstracao));
        c.Executar(comandosDireitos(c, banco));
        c.Executar(Esquema::ComandosSegurancaLinhas());
        c.Executar(Esquema::ComandosHistorico(FonteDados::PostgreSQL)); // depois das linhas
        Interrupcao::conferir();
        // Daqui em diante o trabalho está feito: um sinal não o desfaz mais.
        Interrupcao::cancelavel = false;
        if (!db.commit())
            throw ErroBanco(db.lastError().text());
    } catch (...) {
        db.rollback();
        throw;
    }
}

// Nome com que o banco é preparado até ficar pronto.
QString nomeProvisorio(const QString &banco)
{
    const QString sufixo = u"_em_preparacao"_s;
    return banco.left(63 - sufixo.size()) + sufixo;
}

// O que falta do esquema de agora num banco existente, numa só transação.
void atualizar(const Opcoes &o)
{
    Conexao c(o, o.fonte.banco, u"banco"_s);
    QSqlDatabase db = c.Db();
    if (!c.Existe(u"SELECT 1 FROM pg_catalog.pg_class WHERE relname = 'historico' AND "
                  "relnamespace = 'public'::regnamespace"_s))
        throw ErroBanco(u"O banco %1 não foi criado por este comando."_s.arg(o.fonte.banco));
    if (!db.transaction())
        throw ErroBanco(db.lastError().text());
    try {
        c.Executar(Esquema::ComandosAtualizarPostgres());
        c.Executar(Esquema::ComandosAtualizarSegurancaLinhas());
        if (!db.commit())
            throw ErroBanco(db.lastError().text());
    } catch (...) {
        db.rollback();
        throw;
    }
}

void criar(const Opcoes &o, const QHash<QString, QString> &senhas)
{
    const QString banco = o.fonte.banco;
    const QString provisorio = nomeProvisorio(banco);
    Interrupcao::instalar();
    Conexao adm(o, u"postgres"_s, u"adm"_s);
    conferirPalavraReservada(adm, banco);
    const auto existe = [&adm](const QString &nome) {
        return adm.Existe(
            u"SELECT 1 FROM pg_catalog.pg_database WHERE datname = "_s + adm.Literal(nome));
    };
    if (existe(banco))
        throw ErroBanco(u"O banco %1 já existe; nada foi alterado."_s.arg(banco));
    if (existe(provisorio))
        throw ErroBanco(
            u"O banco %1 ficou de uma execução interrompida deste comando (o banco %2 é "
            "preparado com esse nome e só o recebe no fim); nada foi alterado agora. Apague-o "
            "e rode o comando de novo:\n    DROP DATABASE %1;"_s.arg(provisorio, banco));
    adm.Executar({ u"CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0"_s.arg(
        adm.Identificador(provisorio)) });
    try {
        prepararBanco(o, provisorio, senhas);
    } catch (const ErroBanco &e) {
        // Um sinal já recebido não cancela a limpeza; um segundo encerra na hora.
        Interrupcao::cancelavel = false;
        QString desfeito = u"O banco %1 foi apagado (ainda com o nome provisório %2); nenhum "
                           "login foi criado ou alterado."_s.arg(banco, provisorio);
        try {
            adm.Executar({ u"DROP DATABASE %1 WITH (FORCE)"_s.arg(adm.Identificador(provisorio)) });
        } catch (const ErroBanco &d) {
            desfeito = u"Nenhum login foi criado ou alterado, mas o banco %1 ficou criado e "
                       "vazio; apague-o (DROP DATABASE %1) antes de tentar de novo: %2"_s.arg(
                           provisorio, d.Mensagem());
        }
        if (Interrupcao::sinal != 0)
            throw ErroBanco(u"Interrompido (sinal %1) antes de o banco %2 ficar pronto.\n%3"_s.arg(
                QString::number(int(Interrupcao::sinal)), banco, desfeito));
        throw ErroBanco(
            u"Falha ao preparar o banco %1: %2\n%3"_s.arg(banco, e.Mensagem(), desfeito));
    }
    // Pronto: o banco recebe o nome pedido (o servidor espera a sessão que o preparou sair).
    try {
        adm.Executar({ u"ALTER DATABASE %1 RENAME TO %2"_s.arg(
            adm.Identificador(provisorio), adm.Identificador(banco)) });
    } catch (const ErroBanco &e) {
        throw ErroBanco(
            u"O banco foi preparado com o nome %1 e os logins receberam as senhas "
            "novas, mas o nome %2 não pôde ser dado a ele: %3\nDê o nome à mão:\n"
            "    ALTER DATABASE %1 RENAME TO %2;"_s.arg(provisorio, banco, e.Mensagem()));
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tarvisco_criar_banco"_s);
    QCommandLineParser p;
    declararOpcoes(p);
    if (!p.parse(QCoreApplication::arguments())) {
        erro() << p.errorText() << Qt::endl;
        return EntradaInvalida;
    }
    if (p.isSet(u"help"_s))
        p.showHelp(Sucesso);

    Opcoes o;
    QHash<QString, QString> senhas;
    try {
        o = lerOpcoes(p);
    } catch (const Recusa &r) {
        erro() << r.mensagem << Qt::endl;
        return EntradaInvalida;
    }
    if (o.atualizar) {
        try {
            atualizar(o);
        } catch (const ErroBanco &e) {
            erro() << e.Mensagem() << Qt::endl;
            return FalhaServidor;
        }
        QTextStream(stdout) << "Banco " << o.fonte.banco << " atualizado." << Qt::endl;
        return Sucesso;
    }
    try {
        QFile entrada;
        if (!entrada.open(stdin, QIODevice::ReadOnly))
            throw Recusa { u"Não foi possível ler a entrada padrão."_s };
        senhas = lerSenhas(entrada.readAll());
    } catch (const Recusa &r) {
        erro() << r.mensagem << Qt::endl;
        return EntradaInvalida;
    }
    try {
        criar(o, senhas);
    } catch (const Recusa &r) {
        erro() << r.mensagem << Qt::endl;
        return EntradaInvalida;
    } catch (const ErroBanco &e) {
        erro() << e.Mensagem() << Qt::endl;
        return Interrupcao::sinal != 0 ? 128 + Interrupcao::sinal : FalhaServidor;
    }
    QTextStream(stdout) << "Banco " << o.fonte.banco << " criado com os doze logins." << Qt::endl;
    return Sucesso;
}
