#include "ClusterPostgres.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
QString pastaBinarios()
{
    for (const QString &p : {u"/usr/lib/postgresql/15/bin"_s, u"/usr/lib/postgresql/16/bin"_s})
        if (QFile::exists(p + u"/pg_ctl"_s))
            return p;
    return {};
}

bool souRoot() { return geteuid() == 0; }
} // namespace

ClusterPostgres::ClusterPostgres()
    : m_bin(pastaBinarios())
{
}

ClusterPostgres::~ClusterPostgres() { Parar(); }

QString ClusterPostgres::PastaSoquete() const { return m_pasta ? m_pasta->path() : QString(); }

bool ClusterPostgres::rodar(const QString &programa, const QStringList &args, QString *saida,
                            const QString &entrada) const
{
    QProcess p;
    QString prog = programa;
    QStringList a = args;
    if (souRoot()) {
        a.prepend(prog);
        a = QStringList{u"-u"_s, u"postgres"_s, u"--"_s} + a;
        prog = u"runuser"_s;
    }
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(prog, a);
    if (!p.waitForStarted(10000))
        return false;
    if (!entrada.isEmpty())
        p.write(entrada.toUtf8());
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        return false;
    }
    if (saida)
        *saida = QString::fromUtf8(p.readAllStandardOutput());
    const_cast<ClusterPostgres *>(this)->m_erro = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool ClusterPostgres::Iniciar()
{
    if (m_bin.isEmpty()) {
        m_erro = u"PostgreSQL não encontrado em /usr/lib/postgresql"_s;
        return false;
    }
    m_pasta = std::make_unique<QTemporaryDir>(u"/tmp/tarvisco-pg-XXXXXX"_s);
    if (!m_pasta->isValid())
        return false;
    QFile::setPermissions(m_pasta->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                               | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                               | QFileDevice::WriteOther | QFileDevice::ExeOther
                                               | QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                               | QFileDevice::ExeGroup);
    if (souRoot())
        QProcess::execute(u"chown"_s, {u"postgres:postgres"_s, m_pasta->path()});
    const QString dados = m_pasta->path() + u"/dados"_s;
    if (!rodar(m_bin + u"/initdb"_s,
               {u"-D"_s, dados, u"-U"_s, u"postgres"_s, u"-A"_s, u"trust"_s, u"-E"_s, u"UTF8"_s,
                u"--locale=C.UTF-8"_s, u"--no-sync"_s}))
        return false;
    // Conexões por soquete exigem senha (scram), como num servidor de verdade; o
    // superusuário local entra sem senha para preparar o banco.
    QFile hba(dados + u"/pg_hba.conf"_s);
    if (hba.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        hba.write("local all postgres trust\n"
                  "local all all scram-sha-256\n");
        hba.close();
    }
    for (int tentativa = 0; tentativa < 5; ++tentativa) {
        m_porta = 20000 + int(QRandomGenerator::global()->bounded(20000));
        const QString opcoes = u"-k %1 -p %2 -c listen_addresses='' -c fsync=off "
                               "-c synchronous_commit=off -c full_page_writes=off"_s
                                   .arg(m_pasta->path())
                                   .arg(m_porta);
        if (rodar(m_bin + u"/pg_ctl"_s,
                  {u"-D"_s, dados, u"-o"_s, opcoes, u"-l"_s, m_pasta->path() + u"/log.txt"_s,
                   u"-w"_s, u"start"_s})) {
            m_ativo = true;
            return true;
        }
    }
    return false;
}

void ClusterPostgres::Parar()
{
    if (!m_ativo)
        return;
    rodar(m_bin + u"/pg_ctl"_s,
          {u"-D"_s, m_pasta->path() + u"/dados"_s, u"-m"_s, u"immediate"_s, u"-w"_s, u"stop"_s});
    m_ativo = false;
}

QString ClusterPostgres::Psql(const QString &banco, const QString &sql, bool *ok) const
{
    QString saida;
    const bool r = rodar(m_bin + u"/psql"_s,
                         {u"-X"_s, u"-q"_s, u"-A"_s, u"-t"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s,
                          u"-h"_s, PastaSoquete(), u"-p"_s, QString::number(m_porta), u"-U"_s,
                          u"postgres"_s, u"-d"_s, banco, u"-f"_s, u"-"_s},
                         &saida, sql);
    if (ok)
        *ok = r;
    return saida;
}
