#include "Banco.h"

#include "Esquema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>

using namespace Qt::StringLiterals;

ErroBanco::ErroBanco(const QString &mensagem)
    : m_mensagem(mensagem)
    , m_utf8(mensagem.toUtf8())
{
}

FonteDados FonteDados::Definicao()
{
    FonteDados f;
    QFile arquivo(u"Dados_HP.conf"_s);
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        return f;
    QTextStream in(&arquivo);
    while (!in.atEnd()) {
        const QString linha = in.readLine().trimmed();
        if (linha.isEmpty() || linha.startsWith(u'#'))
            continue;
        const qsizetype igual = linha.indexOf(u'=');
        if (igual < 0)
            continue;
        const QString chave = linha.left(igual).trimmed().toLower();
        const QString valor = linha.mid(igual + 1).trimmed();
        if (chave == u"motor"_s)
            f.motor = valor.toLower().startsWith(u"postgres"_s) ? PostgreSQL : SQLite;
        else if (chave == u"arquivo"_s)
            f.arquivo = valor;
        else if (chave == u"host"_s)
            f.host = valor;
        else if (chave == u"porta"_s)
            f.porta = valor.toInt();
        else if (chave == u"banco"_s)
            f.banco = valor;
    }
    return f;
}

namespace {
TDatabase::PedidoSenha &pedidoSenha()
{
    static TDatabase::PedidoSenha p;
    return p;
}

QList<QPointer<TQuery>> &consultasDe(const TDatabase *db)
{
    static QHash<const TDatabase *, QList<QPointer<TQuery>>> todas;
    return todas[db];
}

int contadorConexoes = 0;

// Traduz a falha de conexão do motor para os textos que o programa classifica.
QString textoFalhaConexao(const QString &texto)
{
    const QString t = texto.toLower();
    if (t.contains(u"password authentication failed"_s) || t.contains(u"no password supplied"_s)
        || (t.contains(u"role"_s) && t.contains(u"does not exist"_s))
        || t.contains(u"autenticação"_s))
        return u"Unknown user name or password. "_s + texto;
    return u"Cannot connect to database server. "_s + texto;
}
} // namespace

TDatabase::TDatabase(QObject *parent)
    : QObject(parent)
    , m_nomeConexao(u"Dados_HP_%1"_s.arg(++contadorConexoes))
{
}

TDatabase::~TDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_nomeConexao, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_nomeConexao);
}

void TDatabase::DefinirPedidoSenha(PedidoSenha pedido)
{
    pedidoSenha() = std::move(pedido);
}
TDatabase::PedidoSenha TDatabase::PedidoSenhaAtual()
{
    return pedidoSenha();
}

bool TDatabase::Connected() const
{
    QSqlDatabase db = QSqlDatabase::database(m_nomeConexao, false);
    return db.isValid() && db.isOpen();
}

QSqlDatabase TDatabase::Conexao() const
{
    return QSqlDatabase::database(m_nomeConexao, false);
}

FonteDados::Motor TDatabase::Motor() const
{
    return Fonte ? Fonte->motor : FonteDados::Definicao().motor;
}

void TDatabase::Open()
{
    if (Connected())
        return;
    emit BeforeConnect();
    const FonteDados fonte = Fonte ? *Fonte : FonteDados::Definicao();
    Fonte = fonte;

    QString usuario;
    for (const QString &p : Params)
        if (p.startsWith(u"USER NAME="_s, Qt::CaseInsensitive))
            usuario = p.mid(10);

    {
        QSqlDatabase velha = QSqlDatabase::database(m_nomeConexao, false);
        if (velha.isValid())
            velha.close();
    }
    QSqlDatabase::removeDatabase(m_nomeConexao);

    if (fonte.motor == FonteDados::SQLite) {
        const bool novo = !QFileInfo::exists(fonte.arquivo);
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_nomeConexao);
        db.setDatabaseName(fonte.arquivo);
        if (!db.open())
            throw ErroBanco(u"Cannot connect to database file "_s + fonte.arquivo + u". "_s
                + db.lastError().text());
        if (novo) {
            try {
                Esquema::CriarSQLite(db);
            } catch (...) {
                db.close();
                QFile::remove(fonte.arquivo);
                throw;
            }
        }
    } else {
        QString senha;
        const PedidoSenha pedido = pedidoSenha();
        if (!pedido || !pedido(AliasName, usuario, senha))
            throw ErroBanco(u"Cannot connect to database Dados_HP: password prompt cancelled."_s);
        QString falha;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, m_nomeConexao);
            db.setHostName(fonte.host);
            db.setPort(fonte.porta);
            db.setDatabaseName(fonte.banco);
            db.setUserName(usuario);
            db.setPassword(senha);
            db.setConnectOptions(u"connect_timeout=10"_s);
            if (!db.open())
                falha = db.lastError().text();
        }
        if (!falha.isEmpty()) {
            QSqlDatabase::removeDatabase(m_nomeConexao);
            throw ErroBanco(textoFalhaConexao(falha));
        }
        QSqlDatabase db = Conexao();
        // Datas 'M/D/AAAA' do programa, textos em UTF-8, barra invertida sem significado
        // dentro de aspas (o programa só dobra as aspas simples).
        QSqlQuery q(db);
        for (const QString &c : { u"SET DateStyle TO 'ISO, MDY'"_s,
                 u"SET client_encoding TO 'UTF8'"_s, u"SET standard_conforming_strings TO on"_s }) {
            if (!q.exec(c)) {
                const QString texto = q.lastError().text();
                db.close();
                throw ErroBanco(texto);
            }
        }
    }
    m_emTransacao = false;
    emit AfterConnect();
}

void TDatabase::Close()
{
    if (!Connected())
        return;
    emit BeforeDisconnect();
    for (const QPointer<TQuery> &q : consultasDe(this))
        if (q)
            q->Close();
    {
        QSqlDatabase db = Conexao();
        if (m_emTransacao)
            db.rollback();
        db.close();
    }
    m_emTransacao = false;
    emit AfterDisconnect();
}

void TDatabase::IniciarTransacao()
{
    if (!Connected())
        throw ErroBanco(u"A conexão com o banco de dados não está aberta."_s);
    QSqlDatabase db = Conexao();
    if (!db.transaction())
        throw ErroBanco(db.lastError().text());
    m_emTransacao = true;
}

void TDatabase::ConfirmarTransacao()
{
    QSqlDatabase db = Conexao();
    m_emTransacao = false;
    if (!db.commit())
        throw ErroBanco(db.lastError().text());
}

void TDatabase::DesfazerTransacao()
{
    if (!m_emTransacao)
        return;
    m_emTransacao = false;
    QSqlDatabase db = Conexao();
    if (db.isValid() && db.isOpen())
        db.rollback();
}

TQuery::TQuery(TDatabase *database, QObject *parent)
    : QObject(parent)
    , m_db(database)
{
    consultasDe(database).append(this);
}

namespace {
// O Id da linha recém-incluída, perguntado ao motor na mesma conexão: no PostgreSQL o
// último valor de identidade da sessão (o lastInsertId do QPSQL não é isso), no SQLite
// o rowid da última inclusão. Dentro de uma transação um ponto de salvamento impede que
// uma falha dessa leitura desfaça a transação inteira.
QString idInserido(TDatabase *db)
{
    QSqlDatabase conexao = db->Conexao();
    QSqlQuery q(conexao);
    const bool pg = conexao.driverName() == u"QPSQL"_s;
    const bool protegido = pg && db->EmTransacao();
    if (protegido)
        q.exec(u"SAVEPOINT tarvisco_id"_s);
    QString id;
    if (q.exec(pg ? u"SELECT lastval()"_s : u"SELECT last_insert_rowid()"_s) && q.next())
        id = q.value(0).toString();
    if (protegido)
        q.exec(id.isEmpty() ? u"ROLLBACK TO SAVEPOINT tarvisco_id"_s
                            : u"RELEASE SAVEPOINT tarvisco_id"_s);
    return id;
}

QSqlQuery executar(TDatabase *db, const QString &texto)
{
    if (!db || !db->Connected())
        throw ErroBanco(u"A conexão com o banco de dados não está aberta."_s);
    QSqlQuery q(db->Conexao());
    q.setForwardOnly(true);
    if (!q.exec(texto))
        throw ErroBanco(q.lastError().text());
    return q;
}
} // namespace

void TQuery::Open()
{
    Close();
    QSqlQuery q = executar(m_db, TextoComando());
    const QSqlRecord registro = q.record();
    m_nomes.clear();
    for (int i = 0; i < registro.count(); ++i)
        m_nomes << Esquema::GrafiaColuna(registro.fieldName(i));
    const int colunas = registro.count();
    while (q.next()) {
        QVector<QVariant> linha(colunas);
        for (int i = 0; i < colunas; ++i)
            linha[i] = q.value(i);
        m_linhas.append(std::move(linha));
    }
    m_ativa = true;
    m_atual = m_linhas.isEmpty() ? -1 : 0;
    emit Aberta();
}

void TQuery::ExecSQL()
{
    Close();
    m_ultimoId.clear();
    m_afetadas = -1;
    const QString texto = TextoComando();
    QSqlQuery q = executar(m_db, texto);
    m_afetadas = q.numRowsAffected();
    if (texto.trimmed().startsWith(u"INSERT"_s, Qt::CaseInsensitive))
        m_ultimoId = idInserido(m_db);
}

void TQuery::Close()
{
    const bool estava = m_ativa;
    m_ativa = false;
    m_atual = -1;
    m_linhas.clear();
    m_nomes.clear();
    if (estava)
        emit Fechada();
}

void TQuery::First()
{
    MoverPara(0);
}
void TQuery::Next()
{
    MoverPara(m_atual + 1);
}
bool TQuery::Eof() const
{
    return m_atual < 0 || m_atual >= m_linhas.size();
}

void TQuery::MoverPara(int linha)
{
    if (m_linhas.isEmpty()) {
        m_atual = -1;
        return;
    }
    m_atual = std::clamp(linha, 0, int(m_linhas.size()));
    if (m_atual < m_linhas.size())
        emit Movida(m_atual);
}

int TQuery::coluna(const QString &campo) const
{
    for (int i = 0; i < m_nomes.size(); ++i)
        if (m_nomes.at(i).compare(campo, Qt::CaseInsensitive) == 0)
            return i;
    throw ErroBanco(u"Field '"_s + campo + u"' not found"_s);
}

bool TQuery::TemCampo(const QString &campo) const
{
    for (const QString &n : m_nomes)
        if (n.compare(campo, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QVariant TQuery::Valor(int linha, int col) const
{
    if (linha < 0 || linha >= m_linhas.size() || col < 0 || col >= m_nomes.size())
        return {};
    return m_linhas.at(linha).at(col);
}

namespace {
QString comoTexto(const QVariant &v)
{
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return v.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss"_s);
    default:
        return v.toString();
    }
}
} // namespace

QString TQuery::Texto(int linha, int col) const
{
    return comoTexto(Valor(linha, col));
}

QString TQuery::AsString(const QString &campo) const
{
    const int c = coluna(campo);
    if (Eof())
        return {};
    return comoTexto(m_linhas.at(m_atual).at(c));
}

int TQuery::AsInteger(const QString &campo) const
{
    return AsString(campo).toInt();
}

bool TQuery::IsNull(const QString &campo) const
{
    const int c = coluna(campo);
    return Eof() || m_linhas.at(m_atual).at(c).isNull();
}

QDateTime TQuery::AsDateTime(const QString &campo) const
{
    const int c = coluna(campo);
    if (Eof())
        return {};
    const QVariant v = m_linhas.at(m_atual).at(c);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().startOfDay();
    const QString t = v.toString().trimmed();
    QDateTime dt = QDateTime::fromString(t, Qt::ISODate);
    if (!dt.isValid())
        dt = QDateTime::fromString(t, u"yyyy-MM-dd HH:mm:ss"_s);
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(t.left(10), Qt::ISODate);
        if (d.isValid())
            dt = d.startOfDay();
    }
    return dt;
}

QString TQuery::Campo0() const
{
    if (Eof() || m_nomes.isEmpty())
        return {};
    return comoTexto(m_linhas.at(m_atual).at(0));
}

QString TQuery::UltimoIdInserido() const
{
    return m_ultimoId;
}
