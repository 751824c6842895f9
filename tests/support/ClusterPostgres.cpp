#include "ClusterPostgres.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
QString pastaBinarios()
{
    for (const QString &p : { u"/usr/lib/postgresql/15/bin"_s, u"/usr/lib/postgresql/16/bin"_s })
        if (QFile::exists(p + u"/pg_ctl"_s))
            return p;
    return {};
}

bool souRoot()
{
    return geteuid() == 0;
}

// Argumentos para rodar 'programa' como o usuário postgres quando o teste roda como root.
QStringList comoPostgres(const QString &programa, const QStringList &args)
{
    if (!souRoot())
        return QStringList { programa } + args;
    return QStringList { u"runuser"_s, u"-u"_s, u"postgres"_s, u"--"_s, programa } + args;
}
} // namespace

ClusterPostgres::ClusterPostgres(const OpcoesCluster &opcoes)
    : m_opcoes(opcoes)
    , m_bin(pastaBinarios())
{
}

ClusterPostgres::~ClusterPostgres()
{
    Parar();
}

QString ClusterPostgres::PastaSoquete() const
{
    return m_pasta ? m_pasta->path() : QString();
}

bool ClusterPostgres::rodar(const QString &programa, const QStringList &args, QString *saida,
    const QString &entrada, const QString &senha)
{
    const QStringList linha = comoPostgres(programa, args);
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    if (!senha.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(u"PGPASSWORD"_s, senha);
        p.setProcessEnvironment(ambiente);
    }
    p.start(linha.first(), linha.mid(1));
    if (!p.waitForStarted(10000)) {
        m_erro = u"Não foi possível iniciar %1: %2"_s.arg(linha.first(), p.errorString());
        return false;
    }
    if (!entrada.isEmpty())
        p.write(entrada.toUtf8());
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished(5000);
        m_erro = programa + u" não terminou em 120 s"_s;
        return false;
    }
    if (saida)
        *saida = QString::fromUtf8(p.readAllStandardOutput());
    const bool ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok)
        m_erro = programa + u": "_s + QString::fromUtf8(p.readAllStandardError()).trimmed();
    return ok;
}

bool ClusterPostgres::Iniciar()
{
    if (m_ativo)
        return true;
    if (m_bin.isEmpty()) {
        m_erro = u"PostgreSQL não encontrado em /usr/lib/postgresql"_s;
        return false;
    }
    m_pasta = std::make_unique<QTemporaryDir>(u"/tmp/tarvisco-pg-XXXXXX"_s);
    if (!m_pasta->isValid()) {
        m_erro = u"Não foi possível criar a pasta temporária: "_s + m_pasta->errorString();
        return false;
    }
    QFile::setPermissions(m_pasta->path(),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
            | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
            | QFileDevice::ExeOther);
    if (souRoot()
        && QProcess::execute(u"chown"_s, { u"postgres:postgres"_s, m_pasta->path() }) != 0) {
        m_erro = u"chown postgres da pasta temporária falhou"_s;
        return false;
    }
    const QString dados = m_pasta->path() + u"/dados"_s;
    if (!rodar(m_bin + u"/initdb"_s,
            { u"-D"_s, dados, u"-U"_s, u"postgres"_s, u"-A"_s, u"trust"_s, u"-E"_s, u"UTF8"_s,
                u"--locale=C.UTF-8"_s, u"--no-sync"_s, u"--no-instructions"_s }))
        return false;
    // Conexões exigem senha (scram), como num servidor de verdade; o superusuário entra
    // sem senha para preparar o banco.
    QString hba = u"local all postgres trust\nlocal all all scram-sha-256\n"_s;
    const bool tls = !m_opcoes.certificado.isEmpty() && !m_opcoes.chave.isEmpty();
    if (m_opcoes.tcp)
        for (const QString &rede : { u"127.0.0.1/32"_s, u"::1/128"_s })
            hba += u"%1 all postgres %2 trust\n%1 all all %2 scram-sha-256\n"_s.arg(
                tls ? u"hostssl"_s : u"host"_s, rede);
    if (!rodar(u"sh"_s, { u"-c"_s, u"cat > '%1/pg_hba.conf'"_s.arg(dados) }, nullptr, hba))
        return false;
    if (tls) {
        // A chave do servidor só pode ser lida pelo dono (o usuário postgres).
        const QString crt = m_pasta->path() + u"/servidor.crt"_s;
        const QString key = m_pasta->path() + u"/servidor.key"_s;
        if (!QFile::copy(m_opcoes.certificado, crt) || !QFile::copy(m_opcoes.chave, key)) {
            m_erro = u"Não foi possível copiar o certificado do servidor"_s;
            return false;
        }
        QFile::setPermissions(key, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (souRoot() && QProcess::execute(u"chown"_s, { u"postgres:postgres"_s, crt, key }) != 0) {
            m_erro = u"chown postgres do certificado falhou"_s;
            return false;
        }
    }
    vigiar();
    for (int tentativa = 0; tentativa < 5; ++tentativa) {
        m_porta = 20000 + int(QRandomGenerator::global()->bounded(20000));
        if (iniciarServidor())
            return true;
    }
    return false;
}

bool ClusterPostgres::iniciarServidor()
{
    QString opcoes = u"-k %1 -p %2 -c listen_addresses='%3' -c fsync=off "
                     "-c synchronous_commit=off -c full_page_writes=off "
                     "-c max_connections=40 -c shared_buffers=16MB"_s.arg(m_pasta->path())
                         .arg(m_porta)
                         .arg(m_opcoes.tcp ? u"localhost"_s : QString());
    if (!m_opcoes.stringsPadrao)
        opcoes += u" -c standard_conforming_strings=off"_s;
    if (!m_opcoes.certificado.isEmpty() && !m_opcoes.chave.isEmpty())
        opcoes
            += u" -c ssl=on -c ssl_cert_file=%1/servidor.crt -c ssl_key_file=%1/servidor.key"_s.arg(
                m_pasta->path());
    if (m_opcoes.registrarConexoes)
        opcoes += u" -c log_connections=on"_s;
    if (!rodar(m_bin + u"/pg_ctl"_s,
            { u"-D"_s, m_pasta->path() + u"/dados"_s, u"-o"_s, opcoes, u"-l"_s,
                m_pasta->path() + u"/log.txt"_s, u"-w"_s, u"-t"_s, u"60"_s, u"start"_s })) {
        QFile log(m_pasta->path() + u"/log.txt"_s);
        if (log.open(QIODevice::ReadOnly))
            m_erro += u"\n"_s + QString::fromUtf8(log.readAll().right(2000));
        return false;
    }
    m_ativo = true;
    return true;
}

bool ClusterPostgres::Reiniciar()
{
    if (m_ativo)
        return true;
    if (!m_pasta)
        return Iniciar();
    return iniciarServidor();
}

// Um processo à parte espera o fim do processo do teste e então para o servidor e
// apaga a pasta: nada fica rodando se o teste cair ou for interrompido.
void ClusterPostgres::vigiar()
{
    const QString parar = comoPostgres(m_bin + u"/pg_ctl"_s,
        { u"-D"_s, m_pasta->path() + u"/dados"_s, u"-m"_s, u"immediate"_s, u"-w"_s, u"stop"_s })
                              .join(u' ');
    const QString script = u"while kill -0 %1 2>/dev/null; do sleep 1; done; "
                           "if [ -f '%2/dados/postmaster.pid' ]; then %3 >/dev/null 2>&1; fi; "
                           "rm -rf '%2'"_s.arg(qint64(getpid()))
                               .arg(m_pasta->path(), parar);
    QProcess::startDetached(u"sh"_s, { u"-c"_s, script });
}

void ClusterPostgres::Parar()
{
    if (!m_ativo)
        return;
    rodar(m_bin + u"/pg_ctl"_s,
        { u"-D"_s, m_pasta->path() + u"/dados"_s, u"-m"_s, u"immediate"_s, u"-w"_s, u"stop"_s });
    m_ativo = false;
}

QString ClusterPostgres::Psql(const QString &banco, const QString &sql, bool *ok)
{
    return PsqlComo(banco, Superusuario(), QString(), sql, ok);
}

QString ClusterPostgres::PsqlComo(const QString &banco, const QString &login, const QString &senha,
    const QString &sql, bool *ok, QString *erro)
{
    QString saida;
    const bool r = rodar(m_bin + u"/psql"_s,
        { u"-X"_s, u"-q"_s, u"-A"_s, u"-t"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s, u"-h"_s,
            PastaSoquete(), u"-p"_s, QString::number(m_porta), u"-U"_s, login, u"-d"_s, banco,
            u"-f"_s, u"-"_s },
        &saida, sql, senha);
    if (ok)
        *ok = r;
    if (erro)
        *erro = r ? QString() : m_erro;
    return saida;
}

QString ClusterPostgres::Registro() const
{
    QFile log(m_pasta ? m_pasta->path() + u"/log.txt"_s : QString());
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}
