#include "BancoTeste.h"

#include "Esquema.h"
#include "PerfisAcesso.h"
#include "Servidor.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

void LinhasMotores()
{
    QTest::addColumn<int>("motor");
    QTest::newRow("sqlite") << int(Motor::SQLite);
    QTest::newRow("postgresql") << int(Motor::PostgreSQL);
}

Motor MotorAtual()
{
    QFETCH_GLOBAL(int, motor);
    return Motor(motor);
}

namespace {
BancoTeste *&instancia(Motor m)
{
    static BancoTeste *bancos[2] = { nullptr, nullptr };
    return bancos[int(m)];
}

void destruirBancos()
{
    Servidor::Database().Close();
    for (Motor m : { Motor::SQLite, Motor::PostgreSQL }) {
        delete instancia(m);
        instancia(m) = nullptr;
    }
}
} // namespace

BancoTeste &BancoTeste::De(Motor m)
{
    BancoTeste *&b = instancia(m);
    if (!b) {
        if (!instancia(Motor::SQLite) && !instancia(Motor::PostgreSQL))
            qAddPostRoutine(destruirBancos);
        b = new BancoTeste(m);
        b->preparar();
    }
    return *b;
}

BancoTeste::BancoTeste(Motor m)
    : m_motor(m)
    , m_pasta(u"/tmp/tarvisco-teste-XXXXXX"_s)
    , m_conexaoDono(m == Motor::SQLite ? u"BancoTeste_sqlite"_s : u"BancoTeste_postgresql"_s)
{
}

BancoTeste::~BancoTeste()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_conexaoDono, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_conexaoDono);
    if (m_cluster)
        m_cluster->Parar();
}

QString BancoTeste::Senha(int nivel) const
{
    // Aspas, barra invertida e acento: a senha também passa pelas citações.
    return u"S3nh@'%1\\ç"_s.arg(nivel);
}

void BancoTeste::preparar()
{
    if (!m_pasta.isValid()) {
        m_erro = u"Pasta temporária: "_s + m_pasta.errorString();
        return;
    }
    if (m_motor == Motor::SQLite) {
        m_fonte.motor = FonteDados::SQLite;
        m_fonte.arquivo = m_pasta.path() + u"/Dados_HP.sqlite"_s;
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_conexaoDono);
        db.setDatabaseName(m_fonte.arquivo);
        if (!db.open()) {
            m_erro = db.lastError().text();
            return;
        }
        try {
            Esquema::CriarSQLite(db, false);
        } catch (const ErroBanco &e) {
            m_erro = e.Mensagem();
            return;
        }
        m_pronto = true;
        return;
    }
    m_pronto = prepararPostgres();
}

bool BancoTeste::prepararPostgres()
{
    m_cluster = std::make_unique<ClusterPostgres>();
    if (!m_cluster->Iniciar()) {
        m_erro = u"O PostgreSQL de teste não iniciou: "_s + m_cluster->Erro();
        return false;
    }
    m_fonte.motor = FonteDados::PostgreSQL;
    m_fonte.host = m_cluster->PastaSoquete();
    m_fonte.porta = m_cluster->Porta();
    m_fonte.banco = u"tarvisco"_s;

    // O mesmo comando que o README documenta.
    const ExecucaoCriarBanco e = CriarBanco(
        { u"--host"_s, m_fonte.host, u"--porta"_s, QString::number(m_fonte.porta), u"--banco"_s,
            m_fonte.banco, u"--superusuario"_s, m_cluster->Superusuario() },
        [this](int nivel) { return Senha(nivel); });
    if (e.saida != 0) {
        m_erro = u"tarvisco_criar_banco falhou: "_s + e.texto;
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, m_conexaoDono);
    db.setHostName(m_fonte.host);
    db.setPort(m_fonte.porta);
    db.setDatabaseName(m_fonte.banco);
    db.setUserName(m_cluster->Superusuario());
    if (!db.open()) {
        m_erro = db.lastError().text();
        return false;
    }
    ajustarDono(db);
    return true;
}

QSqlDatabase BancoTeste::dono()
{
    QSqlDatabase db = QSqlDatabase::database(m_conexaoDono, false);
    // Depois de o agrupamento ser parado e iniciado de novo, a sessão do dono caiu: abre
    // outra (com os mesmos ajustes).
    if (m_motor == Motor::PostgreSQL && db.isValid() && !QSqlQuery(u"SELECT 1"_s, db).isActive()) {
        db.close();
        if (db.open())
            ajustarDono(db);
    }
    return db;
}

void BancoTeste::ajustarDono(QSqlDatabase &db)
{
    QSqlQuery q(db);
    // Reiniciar não espera para sempre por uma tabela presa por outra conexão.
    for (const QString &c : { u"SET client_encoding TO 'UTF8'"_s, u"SET DateStyle TO 'ISO, MDY'"_s,
             u"SET lock_timeout TO '10s'"_s, u"SET client_min_messages TO warning"_s })
        q.exec(c);
}

QString BancoTeste::Conectar(int nivel)
{
    if (!m_pronto)
        return m_erro.isEmpty() ? u"banco de teste não preparado"_s : m_erro;
    TDatabase &db = Servidor::Database();
    db.Close();
    NivelAcesso = nivel;
    return AbrirConexao(db, m_fonte, UsuarioNivel(nivel), Senha(nivel));
}

QString AbrirConexao(
    TDatabase &db, const FonteDados &fonte, const QString &login, const QString &senha)
{
    db.Fonte = fonte;
    db.Params = { u"USER NAME="_s + login };
    TDatabase::DefinirPedidoSenha([senha](const QString &, QString &, QString &s) {
        s = senha;
        return true;
    });
    try {
        db.Open();
    } catch (const ErroBanco &e) {
        return e.Mensagem();
    }
    return {};
}

bool BibliotecaNoProcesso(QByteArrayView nome)
{
    QFile mapas(u"/proc/self/maps"_s);
    if (!mapas.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &linha : mapas.readAll().split('\n')) {
        const qsizetype barra = linha.lastIndexOf('/');
        if (barra >= 0 && QByteArrayView(linha).sliced(barra + 1).startsWith(nome))
            return true;
    }
    return false;
}

bool IniciarCriarBanco(QProcess &p, const QStringList &opcoes,
    const std::function<QString(int)> &senha, const QString &entrada,
    const QString &senhaSuperusuario, QString *erro)
{
    QString linhas = entrada;
    if (linhas.isEmpty())
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
            linhas += UsuarioNivel(nivel) + u'=' + senha(nivel) + u'\n';
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!senhaSuperusuario.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(u"PGPASSWORD"_s, senhaSuperusuario);
        p.setProcessEnvironment(ambiente);
    }
    const QString programa = QStringLiteral(TARVISCO_BIN_DIR) + u"/tarvisco_criar_banco"_s;
    p.start(programa, opcoes);
    if (!p.waitForStarted(10000)) {
        if (erro)
            *erro = u"Não foi possível rodar "_s + programa + u": "_s + p.errorString();
        return false;
    }
    p.write(linhas.toUtf8());
    p.closeWriteChannel();
    return true;
}

ExecucaoCriarBanco CriarBanco(const QStringList &opcoes, const std::function<QString(int)> &senha,
    const QString &entrada, const QString &senhaSuperusuario)
{
    QProcess p;
    ExecucaoCriarBanco e;
    if (!IniciarCriarBanco(p, opcoes, senha, entrada, senhaSuperusuario, &e.texto))
        return e;
    const bool terminou = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit;
    e.texto = QString::fromUtf8(p.readAll());
    if (terminou)
        e.saida = p.exitCode();
    return e;
}

void BancoTeste::Desconectar()
{
    Servidor::Database().Close();
}

void BancoTeste::executarTodos(const QStringList &comandos)
{
    QSqlDatabase db = dono();
    Esquema::Executar(db, comandos);
}

void BancoTeste::Reiniciar(bool demonstracao)
{
    if (!m_pronto)
        return;
    const FonteDados::Motor motor = m_fonte.motor;
    QStringList c = Esquema::ComandosEsvaziar(motor) + Esquema::ComandosLinhasIniciais(motor);
    if (demonstracao) {
        c << Esquema::ComandosDemonstracao(motor);
        if (motor == FonteDados::PostgreSQL)
            c << Esquema::ComandosAjustarIdentidades();
    }
    c << Esquema::ComandosEsvaziarHistorico(motor); // as linhas semeadas não são alterações
    try {
        executarTodos(c);
    } catch (const ErroBanco &e) {
        m_ultimoErro = e.Mensagem();
        qWarning("BancoTeste::Reiniciar: %s", qPrintable(e.Mensagem()));
        QFAIL(qPrintable(u"Reiniciar o banco de teste falhou: "_s + e.Mensagem()));
    }
}

QString BancoTeste::RodarNoPrograma(const QString &sql)
{
    TQuery q(&Servidor::Database());
    q.SQL = { sql };
    try {
        if (sql.startsWith(u"SELECT"_s))
            q.Open();
        else
            q.ExecSQL();
    } catch (const ErroBanco &e) {
        return e.Mensagem();
    }
    return {};
}

bool BancoTeste::Executar(const QString &sql)
{
    m_ultimoErro.clear();
    if (!m_pronto) {
        m_ultimoErro = m_erro;
        return false;
    }
    QSqlQuery q(dono());
    if (!q.exec(sql)) {
        m_ultimoErro = q.lastError().text();
        return false;
    }
    return true;
}

QString BancoTeste::Valor(const QString &sql)
{
    m_ultimoErro.clear();
    if (!m_pronto) {
        m_ultimoErro = m_erro;
        return {};
    }
    QSqlQuery q(dono());
    if (!q.exec(sql)) {
        m_ultimoErro = q.lastError().text();
        return {};
    }
    // Um valor nulo é vazio nos dois motores (o QPSQL daria "0" para um inteiro nulo).
    return q.next() && !q.value(0).isNull() ? q.value(0).toString() : QString();
}
