#include "Banco.h"

#include "Esquema.h"
#include "PerfisAcesso.h"
#include "Rotinas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>
#include <QVarLengthArray>

#include <libpq-fe.h>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

const QString FalhaConexaoPerdida = u"Connection lost. "_s;
const QString FalhaSemConexao = u"Not connected. A conexão com o banco de dados não está aberta."_s;

ErroBanco::ErroBanco(const QString &mensagem)
    : m_mensagem(mensagem)
    , m_utf8(mensagem.toUtf8())
{
}

namespace {
// Caminho de arquivo do Dados_HP.conf: relativo à pasta de trabalho.
QString caminhoArquivo(const QString &valor)
{
    if (valor.isEmpty() || valor == u"system"_s)
        return valor;
    return QDir::current().absoluteFilePath(valor);
}

// "#" no início da linha ou depois de um espaço começa um comentário.
QString semComentario(const QString &linha)
{
    for (qsizetype i = 0; i < linha.size(); ++i)
        if (linha.at(i) == u'#' && (i == 0 || linha.at(i - 1).isSpace()))
            return linha.left(i);
    return linha;
}

// Autoridades certificadoras do sistema (Debian/Ubuntu, Fedora/RHEL, Alpine/BSD).
QString raizesDoSistema()
{
    for (const QString &p : { u"/etc/ssl/certs/ca-certificates.crt"_s,
             u"/etc/pki/tls/certs/ca-bundle.crt"_s, u"/etc/ssl/cert.pem"_s })
        if (QFileInfo::exists(p))
            return p;
    return {};
}

// Valor de uma opção do libpq entre aspas simples (barra e aspas com barra invertida).
// O driver troca todo ";" das opções por espaço: um valor com ";" não passa.
QString valorOpcao(const QString &chave, const QString &valor)
{
    if (valor.contains(u';'))
        throw ErroBanco(FalhaTls { u"o valor de %1 contém \";\"."_s.arg(chave),
            u"Use um caminho sem \";\" para o arquivo."_s, valor }
                            .Texto());
    QString v = valor;
    v.replace(u'\\', u"\\\\"_s).replace(u'\'', u"\\'"_s);
    return u";%1='%2'"_s.arg(chave, v);
}

const QString PrefixoFalhaTls = u"Conexão segura não estabelecida: "_s;
} // namespace

FonteDados FonteDados::Definicao()
{
    FonteDados f;
    QFile arquivo(u"Dados_HP.conf"_s);
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        return f;
    QTextStream in(&arquivo);
    while (!in.atEnd()) {
        const QString linha = semComentario(in.readLine()).trimmed();
        if (linha.isEmpty())
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
        else if (chave == u"sslmode"_s)
            f.sslmode = valor;
        else if (chave == u"sslrootcert"_s)
            f.sslrootcert = caminhoArquivo(valor);
        else if (chave == u"sslcert"_s)
            f.sslcert = caminhoArquivo(valor);
        else if (chave == u"sslkey"_s)
            f.sslkey = caminhoArquivo(valor);
    }
    return f;
}

bool FonteDados::SoqueteLocal() const
{
    return host.isEmpty() || host.startsWith(u'/') || host.startsWith(u'@');
}

QString FonteDados::ModoTls() const
{
    if (!sslmode.isEmpty())
        return sslmode;
    return SoqueteLocal() ? QString() : u"verify-full"_s;
}

QString FonteDados::OpcoesConexao() const
{
    // Barra invertida sem significado dentro de aspas desde o início da sessão, qualquer
    // que seja o padrão do servidor.
    QString o = u"connect_timeout=10"_s
        + valorOpcao(u"options"_s, u"-c standard_conforming_strings=on"_s);
    const QString modo = ModoTls();
    if (!modo.isEmpty())
        o += valorOpcao(u"sslmode"_s, modo);
    const bool verifica = modo.startsWith(u"verify-"_s);
    const QString raiz = (sslrootcert.isEmpty() || sslrootcert == u"system"_s)
        ? (verifica ? raizesDoSistema() : QString())
        : sslrootcert;
    if (!raiz.isEmpty())
        o += valorOpcao(u"sslrootcert"_s, raiz);
    if (!sslcert.isEmpty())
        o += valorOpcao(u"sslcert"_s, sslcert);
    if (!sslkey.isEmpty())
        o += valorOpcao(u"sslkey"_s, sslkey);
    return o;
}

QString FalhaTls::Texto() const
{
    return PrefixoFalhaTls + motivo + u'\n' + pedido + u'\n' + tecnico;
}

std::optional<FalhaTls> FalhaTls::De(const QString &texto)
{
    if (!texto.startsWith(PrefixoFalhaTls))
        return std::nullopt;
    const QStringList partes = texto.mid(PrefixoFalhaTls.size()).split(u'\n');
    FalhaTls f;
    f.motivo = partes.value(0);
    f.pedido = partes.value(1);
    f.tecnico = partes.mid(2).join(u'\n');
    return f;
}

std::optional<FalhaTls> FalhaTls::DoLibpq(
    const QString &textoLibpq, const FonteDados &fonte, const QString &onde)
{
    const QString t = textoLibpq.toLower();
    const QString tecnico = textoLibpq.trimmed();
    const QString raiz
        = u"Peça à equipe de informática o certificado raiz do servidor e indique o arquivo em "
          "sslrootcert %1."_s.arg(onde);
    if (t.contains(u"server does not support ssl"_s))
        return FalhaTls { u"o servidor não aceita conexões criptografadas (TLS)."_s,
            u"Peça à equipe de informática que ative o TLS no servidor PostgreSQL (ssl = on e "
            "uma linha hostssl no pg_hba.conf)."_s,
            tecnico };
    if (t.contains(u"does not match host name"_s)
        || t.contains(u"could not get server's host name"_s))
        return FalhaTls { u"o certificado do servidor não foi emitido para o nome %1."_s.arg(
                              fonte.host),
            u"Confira o host %1 (o nome que está no certificado) ou peça à equipe de informática "
            "um certificado emitido para esse nome."_s.arg(onde),
            tecnico };
    if (t.contains(u"root certificate file"_s))
        return FalhaTls {
            u"o arquivo do certificado raiz não foi encontrado ou não pôde ser lido."_s, raiz,
            tecnico
        };
    if (t.contains(u"certificate verify failed"_s))
        return FalhaTls {
            u"o certificado do servidor não foi emitido por uma autoridade confiável."_s, raiz,
            tecnico
        };
    if (t.contains(u"certificate file"_s) || t.contains(u"private key"_s))
        return FalhaTls { u"o certificado do cliente (sslcert e sslkey) não pôde ser usado."_s,
            u"Confira os arquivos sslcert e sslkey %1 (a chave só pode ser lida pelo seu "
            "usuário) ou peça à equipe de informática um novo certificado."_s.arg(onde),
            tecnico };
    if (t.contains(u"invalid sslmode value"_s))
        return FalhaTls { u"o valor de sslmode %1 não é válido."_s.arg(onde),
            u"Use verify-full (o padrão), verify-ca, require, prefer, allow ou disable."_s,
            tecnico };
    if (t.contains(u"pg_hba.conf"_s) && t.contains(u"no encryption"_s))
        return FalhaTls { u"o servidor recusou a conexão sem criptografia."_s,
            u"Retire o sslmode disable %1 ou peça à equipe de informática que libere o acesso "
            "desta máquina."_s.arg(onde),
            tecnico };
    if (t.contains(u"ssl error"_s) || t.contains(u"ssl syscall"_s)
        || t.contains(u"ssl connection"_s))
        return FalhaTls { u"a negociação da conexão criptografada (TLS) falhou."_s,
            u"Informe à equipe de informática a mensagem técnica abaixo."_s, tecnico };
    return std::nullopt;
}

QString TextoFalhaConexao(const QString &texto, const FonteDados &fonte, const QString &onde)
{
    if (const auto tls = FalhaTls::DoLibpq(texto, fonte, onde))
        return tls->Texto();
    const QString t = texto.toLower();
    if (t.contains(u"password authentication failed"_s) || t.contains(u"no password supplied"_s)
        || (t.contains(u"role"_s) && t.contains(u"does not exist"_s))
        || t.contains(u"autenticação"_s))
        return u"Unknown user name or password. "_s + texto;
    return u"Cannot connect to database server. "_s + texto;
}

pg_conn *ConexaoLibpq(const QSqlDatabase &db)
{
    if (db.driverName() != u"QPSQL"_s || !db.isOpen())
        return nullptr;
    // O driver registra o tipo pelo nome da estrutura (ou pelo do typedef).
    const QVariant h = db.driver()->handle();
    if (!h.isValid()
        || (qstrcmp(h.typeName(), "pg_conn*") != 0 && qstrcmp(h.typeName(), "PGconn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(h.constData());
}

bool ConexaoCriptografada(const QSqlDatabase &db)
{
    PGconn *c = ConexaoLibpq(db);
    return c && PQsslInUse(c) == 1;
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

// A conexão SQLite por baixo do driver, para ler resultados sem uma cópia por célula.
sqlite3 *sqliteDe(const QSqlDatabase &conexao)
{
    if (conexao.driverName() != u"QSQLITE"_s)
        return nullptr;
    const QVariant h = conexao.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(h.constData());
}

// A falha veio de uma conexão que não serve mais? PostgreSQL: a sessão caiu (servidor
// parado, reiniciado, rede). SQLite: o arquivo travado por outro programa além da espera,
// ilegível, trocado por outra coisa ou inacessível.
bool conexaoPerdida(const QSqlDatabase &conexao, int codigoSqlite)
{
    if (conexao.driverName() == u"QPSQL"_s) {
        // Sem a conexão da libpq, o driver já a dá por fechada (a sessão caiu). A libpq
        // pode só notar a queda no comando seguinte (o servidor parado às pressas avisa e
        // some): um comando vazio, que não muda nada na sessão, tira a dúvida.
        PGconn *pg = ConexaoLibpq(conexao);
        if (pg && PQstatus(pg) == CONNECTION_OK)
            PQclear(PQexec(pg, ""));
        return !pg || PQstatus(pg) != CONNECTION_OK;
    }
    if (sqlite3 *s = sqliteDe(conexao)) {
        const int codigo = (codigoSqlite ? codigoSqlite : sqlite3_extended_errcode(s)) & 0xFF;
        switch (codigo) {
        case SQLITE_BUSY:
        case SQLITE_IOERR:
        case SQLITE_CORRUPT:
        case SQLITE_CANTOPEN:
        case SQLITE_NOTADB:
            return true;
        default:
            return false;
        }
    }
    return false;
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
    // O estado do programa (aberta até Close), e não o do driver: uma sessão que caiu
    // continua "conectada" até um comando falhar e a queda ser tratada (Falha), para que a
    // janela principal e as janelas passem juntas ao estado desconectado.
    return m_aberta && Conexao().isValid();
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
        db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(EsperaTravaMs));
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
        try {
            // Um arquivo antigo ganha o que falta do esquema; as alterações feitas por esta
            // conexão levam o nível no histórico.
            Esquema::PrepararSQLite(db, NomeNivel(NivelAcesso));
        } catch (const ErroBanco &e) {
            // O arquivo ilegível ou travado por outro programa: a conexão não se faz.
            const bool semArquivo = conexaoPerdida(db, 0);
            db.close();
            if (semArquivo)
                throw ErroBanco(
                    u"Cannot connect to database file "_s + fonte.arquivo + u". "_s + e.Mensagem());
            throw;
        } catch (...) {
            db.close();
            throw;
        }
    } else {
        QString senha;
        const PedidoSenha pedido = pedidoSenha();
        if (!pedido || !pedido(AliasName, usuario, senha))
            throw ErroBanco(u"Cannot connect to database Dados_HP: password prompt cancelled."_s);
        const QString opcoes = fonte.OpcoesConexao();
        QString falha;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, m_nomeConexao);
            db.setHostName(fonte.host);
            db.setPort(fonte.porta);
            db.setDatabaseName(fonte.banco);
            db.setUserName(usuario);
            db.setPassword(senha);
            db.setConnectOptions(opcoes);
            if (!db.open())
                falha = db.lastError().text();
        }
        if (!falha.isEmpty()) {
            QSqlDatabase::removeDatabase(m_nomeConexao);
            throw ErroBanco(TextoFalhaConexao(falha, fonte));
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
        if (!fonte.SoqueteLocal() && !ConexaoCriptografada(db))
            RegistrarEvento(0, u"aviso"_s,
                u"conexão sem criptografia (sslmode = %1): os dados passam pela rede às claras"_s
                    .arg(fonte.ModoTls()));
    }
    m_emTransacao = false;
    m_aberta = true;
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
    m_aberta = false;
    emit AfterDisconnect();
}

ErroBanco TDatabase::Falha(const QString &texto, int codigoSqlite)
{
    if (!Connected() || !conexaoPerdida(Conexao(), codigoSqlite))
        return ErroBanco(texto);
    const QString perdida = FalhaConexaoPerdida + texto;
    Close();
    emit ConexaoPerdida(perdida);
    return ErroBanco(perdida);
}

void TDatabase::IniciarTransacao()
{
    if (!Connected())
        throw ErroBanco(FalhaSemConexao);
    QSqlDatabase db = Conexao();
    if (sqliteDe(db)) {
        // SQLite: a trava de escrita já no começo, para que o que a transação lê (a linha
        // comparada antes de gravar) não mude até o fim dela.
        QSqlError erro;
        {
            QSqlQuery q(db);
            if (!q.exec(u"BEGIN IMMEDIATE"_s))
                erro = q.lastError();
        }
        if (erro.isValid())
            throw Falha(erro.text(), erro.nativeErrorCode().toInt());
    } else if (!db.transaction()) {
        throw Falha(db.lastError().text(), db.lastError().nativeErrorCode().toInt());
    }
    m_emTransacao = true;
}

void TDatabase::ConfirmarTransacao()
{
    QSqlDatabase db = Conexao();
    m_emTransacao = false;
    if (!db.commit()) {
        const QSqlError erro = db.lastError();
        if (Connected())
            db.rollback(); // uma transação que não confirmou não fica aberta
        throw Falha(erro.text(), erro.nativeErrorCode().toInt());
    }
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
// valor corrente da identidade da tabela do INSERT (o lastInsertId do QPSQL não é isso,
// e o lastval() da sessão pode ser o do histórico, gravado pelo gatilho depois da
// linha), no SQLite o rowid da última inclusão (o dos gatilhos não conta). Dentro de uma
// transação um ponto de salvamento impede que uma falha dessa leitura desfaça a
// transação inteira.
QString idInserido(TDatabase *db, const QString &comando)
{
    QSqlDatabase conexao = db->Conexao();
    QSqlQuery q(conexao);
    const bool pg = conexao.driverName() == u"QPSQL"_s;
    const bool protegido = pg && db->EmTransacao();
    if (protegido)
        q.exec(u"SAVEPOINT tarvisco_id"_s);
    QString consulta = u"SELECT last_insert_rowid()"_s;
    if (pg) {
        static const QRegularExpression tabela(u"^\\s*INSERT\\s+INTO\\s+([A-Za-z_][A-Za-z0-9_]*)"_s,
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = tabela.match(comando);
        consulta = m.hasMatch()
            ? u"SELECT currval(pg_get_serial_sequence('%1','id'))"_s.arg(m.captured(1).toLower())
            : u"SELECT lastval()"_s;
    }
    QString id;
    if (q.exec(consulta) && q.next())
        id = q.value(0).toString();
    if (protegido)
        q.exec(id.isEmpty() ? u"ROLLBACK TO SAVEPOINT tarvisco_id"_s
                            : u"RELEASE SAVEPOINT tarvisco_id"_s);
    return id;
}

QSqlQuery executar(TDatabase *db, const QString &texto)
{
    if (!db || !db->Connected())
        throw ErroBanco(FalhaSemConexao);
    QSqlError erro;
    {
        QSqlQuery q(db->Conexao());
        q.setForwardOnly(true);
        if (q.exec(texto))
            return q;
        erro = q.lastError();
    }
    // A consulta já foi desfeita: a falha pode fechar a conexão.
    throw db->Falha(erro.text(), erro.nativeErrorCode().toInt());
}
} // namespace

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

// Uma linha guardada: [largura dos fins: 1, 2 ou 4 bytes] [fins das colunas] [marcas de
// nulo] [textos UTF-8]. Os fins contam a partir do começo dos textos; a largura é a menor
// que cabe o fim da linha.
struct LinhaGuardada {
    const char *base;
    int colunas;

    int largura() const { return base[0]; }
    const char *textos() const { return base + 1 + colunas * largura() + (colunas + 7) / 8; }
    qint32 fim(int c) const
    {
        if (c < 0)
            return 0;
        if (largura() == 1)
            return quint8(base[1 + c]);
        if (largura() == 2) {
            quint16 f;
            std::memcpy(&f, base + 1 + 2 * c, sizeof f);
            return f;
        }
        qint32 f;
        std::memcpy(&f, base + 1 + 4 * c, sizeof f);
        return f;
    }
    bool nula(int c) const { return base[1 + colunas * largura() + c / 8] & (1 << (c % 8)); }
    QByteArrayView celula(int c) const
    {
        const qint32 inicio = fim(c - 1);
        return QByteArrayView(textos() + inicio, fim(c) - inicio);
    }
};

TQuery::Natureza naturezaDeclarada(const char *tipo)
{
    const QByteArray t = QByteArray(tipo).toUpper();
    if (t.contains("DATE") || t.contains("TIME"))
        return TQuery::Natureza::Data;
    for (const char *n : { "INT", "REAL", "NUM", "DEC", "FLOA", "DOUB" })
        if (t.contains(n))
            return TQuery::Natureza::Numero;
    return TQuery::Natureza::Texto;
}

TQuery::Natureza naturezaDoTipo(QMetaType tipo)
{
    switch (tipo.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return TQuery::Natureza::Numero;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        return TQuery::Natureza::Data;
    default:
        return TQuery::Natureza::Texto;
    }
}

// Espécie de uma coluna pelo tipo do PostgreSQL (oids de pg_type).
TQuery::Natureza naturezaOid(Oid tipo)
{
    switch (tipo) {
    case 20: // int8
    case 21: // int2
    case 23: // int4
    case 26: // oid
    case 700: // float4
    case 701: // float8
    case 1700: // numeric
        return TQuery::Natureza::Numero;
    case 1082: // date
    case 1083: // time
    case 1114: // timestamp
    case 1184: // timestamptz
        return TQuery::Natureza::Data;
    default:
        return TQuery::Natureza::Texto;
    }
}

// A falha como o driver do Qt a escreve (mensagem do servidor, código e o texto do
// driver), para o registro mostrar o mesmo texto de sempre.
QString falhaPostgres(PGconn *pg, const PGresult *r)
{
    QString texto = QString::fromUtf8(PQerrorMessage(pg));
    if (r)
        texto += u"(%1)"_s.arg(QString::fromLatin1(PQresultErrorField(r, PG_DIAG_SQLSTATE)));
    return texto + u" QPSQL: Unable to create query"_s;
}
} // namespace

void TQuery::guardarLinha(const QByteArrayView *celulas)
{
    const int colunas = int(m_nomes.size());
    qsizetype textos = 0;
    for (int i = 0; i < colunas; ++i)
        textos += celulas[i].size();
    const int largura = textos < 0x100 ? 1 : textos < 0x10000 ? 2 : 4;
    const qsizetype cabecalho = 1 + colunas * largura + (colunas + 7) / 8;
    const qsizetype inicio = m_dados.size();
    m_dados.resize(inicio + cabecalho + textos);
    char *linha = m_dados.data() + inicio;
    std::memset(linha, 0, cabecalho);
    linha[0] = char(largura);
    char *texto = linha + cabecalho;
    qint32 fim = 0;
    for (int i = 0; i < colunas; ++i) {
        const QByteArrayView c = celulas[i];
        if (c.data() == nullptr)
            linha[1 + colunas * largura + i / 8] |= char(1 << (i % 8));
        if (!c.isEmpty())
            std::memcpy(texto + fim, c.data(), c.size());
        fim += qint32(c.size());
        if (largura == 1) {
            linha[1 + i] = char(quint8(fim));
        } else if (largura == 2) {
            const quint16 f = quint16(fim);
            std::memcpy(linha + 1 + 2 * i, &f, sizeof f);
        } else {
            std::memcpy(linha + 1 + 4 * i, &fim, sizeof fim);
        }
    }
    m_inicios.append(inicio);
}

void TQuery::Open()
{
    Close();
    if (!m_db || !m_db->Connected())
        throw ErroBanco(FalhaSemConexao);
    // Uma célula nula é uma vista sem dados; uma vazia, uma vista de tamanho zero.
    static const char vazio = 0;
    if (sqlite3 *s = sqliteDe(m_db->Conexao())) {
        // SQLite: direto da biblioteca, texto UTF-8 de cada coluna.
        const QString texto = TextoComando();
        sqlite3_stmt *st = nullptr;
        if (const int r = sqlite3_prepare16_v2(
                s, texto.utf16(), int(texto.size() * sizeof(char16_t)), &st, nullptr);
            r != SQLITE_OK) {
            const QString erro = QString::fromUtf8(sqlite3_errmsg(s));
            sqlite3_finalize(st);
            throw m_db->Falha(erro + u" Unable to execute statement"_s, r);
        }
        const int colunas = st ? sqlite3_column_count(st) : 0;
        for (int i = 0; i < colunas; ++i) {
            m_nomes << Esquema::GrafiaColuna(QString::fromUtf8(sqlite3_column_name(st, i)));
            m_naturezas << naturezaDeclarada(sqlite3_column_decltype(st, i));
        }
        QVarLengthArray<QByteArrayView, 32> celulas(colunas);
        int r = SQLITE_DONE;
        while (st && (r = sqlite3_step(st)) == SQLITE_ROW) {
            for (int i = 0; i < colunas; ++i) {
                if (sqlite3_column_type(st, i) == SQLITE_NULL) {
                    celulas[i] = QByteArrayView();
                    continue;
                }
                const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(st, i));
                celulas[i] = QByteArrayView(t ? t : &vazio, sqlite3_column_bytes(st, i));
            }
            guardarLinha(celulas.constData());
        }
        if (r != SQLITE_DONE) {
            const QString erro = QString::fromUtf8(sqlite3_errmsg(s));
            sqlite3_finalize(st);
            Close();
            throw m_db->Falha(erro + u" Unable to fetch row"_s, r);
        }
        sqlite3_finalize(st);
    } else if (PGconn *pg = ConexaoLibpq(m_db->Conexao())) {
        // PostgreSQL: linha a linha do libpq, os textos como o servidor os manda (UTF-8;
        // datas ISO).
        const QByteArray texto = TextoComando().toUtf8();
        if (!PQsendQuery(pg, texto.constData()) || !PQsetSingleRowMode(pg)) {
            const QString erro = falhaPostgres(pg, nullptr);
            while (PGresult *r = PQgetResult(pg))
                PQclear(r);
            throw m_db->Falha(erro);
        }
        QString erro;
        QVarLengthArray<QByteArrayView, 32> celulas;
        while (PGresult *r = PQgetResult(pg)) {
            const ExecStatusType estado = PQresultStatus(r);
            if (estado == PGRES_SINGLE_TUPLE || estado == PGRES_TUPLES_OK) {
                const int colunas = PQnfields(r);
                if (m_nomes.isEmpty())
                    for (int i = 0; i < colunas; ++i) {
                        m_nomes << Esquema::GrafiaColuna(QString::fromUtf8(PQfname(r, i)));
                        m_naturezas << naturezaOid(PQftype(r, i));
                    }
                celulas.resize(colunas);
                for (int t = 0; t < PQntuples(r); ++t) {
                    for (int i = 0; i < colunas; ++i) {
                        if (PQgetisnull(r, t, i)) {
                            celulas[i] = QByteArrayView();
                        } else if (PQftype(r, i) == 16) {
                            // bool: "true"/"false", como o driver do Qt sempre deu.
                            celulas[i] = *PQgetvalue(r, t, i) == 't' ? QByteArrayView("true")
                                                                     : QByteArrayView("false");
                        } else {
                            celulas[i] = QByteArrayView(PQgetvalue(r, t, i), PQgetlength(r, t, i));
                        }
                    }
                    guardarLinha(celulas.constData());
                }
            } else if (erro.isEmpty() && estado != PGRES_COMMAND_OK) {
                erro = falhaPostgres(pg, r);
            }
            PQclear(r);
        }
        if (!erro.isEmpty()) {
            Close();
            throw m_db->Falha(erro);
        }
    } else {
        QSqlQuery q = executar(m_db, TextoComando());
        const QSqlRecord registro = q.record();
        const int colunas = registro.count();
        for (int i = 0; i < colunas; ++i) {
            m_nomes << Esquema::GrafiaColuna(registro.fieldName(i));
            m_naturezas << naturezaDoTipo(registro.field(i).metaType());
        }
        QVarLengthArray<QByteArray, 32> textos(colunas);
        QVarLengthArray<QByteArrayView, 32> celulas(colunas);
        while (q.next()) {
            for (int i = 0; i < colunas; ++i) {
                const QVariant v = q.value(i);
                textos[i] = comoTexto(v).toUtf8();
                celulas[i] = v.isNull()
                    ? QByteArrayView()
                    : QByteArrayView(
                        textos[i].isEmpty() ? &vazio : textos[i].constData(), textos[i].size());
            }
            guardarLinha(celulas.constData());
        }
    }
    m_dados.squeeze();
    m_inicios.squeeze();
    m_ativa = true;
    m_atual = m_inicios.isEmpty() ? -1 : 0;
    emit Aberta();
}

void TQuery::Acrescentar()
{
    if (!m_ativa) {
        Open();
        return;
    }
    // A página numa consulta à parte: uma falha deixa o resultado aberto como estava.
    TQuery pagina(m_db);
    pagina.SQL = SQL;
    pagina.Open();
    if (pagina.m_nomes != m_nomes)
        throw ErroBanco(u"As colunas da página não são as da listagem."_s);
    const int primeira = RecordCount();
    const qsizetype inicio = m_dados.size();
    m_dados.append(pagina.m_dados);
    m_inicios.reserve(m_inicios.size() + pagina.m_inicios.size());
    for (const qsizetype i : std::as_const(pagina.m_inicios))
        m_inicios.append(inicio + i);
    if (RecordCount() > primeira)
        emit Acrescentadas(primeira, RecordCount() - primeira);
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
        m_ultimoId = idInserido(m_db, texto);
}

void TQuery::ExecSQLLote(const QList<QStringList> &comandos)
{
    Close();
    m_ultimoId.clear();
    m_afetadas = -1;
    if (!m_db || !m_db->Connected())
        throw ErroBanco(u"A conexão com o banco de dados não está aberta."_s);
    // Os comandos vão em blocos separados por ';', cada bloco numa só chamada ao motor;
    // os dois motores param no primeiro comando que falha e devolvem essa falha.
    constexpr qsizetype PorBloco = 500;
    const QSqlDatabase conexao = m_db->Conexao();
    sqlite3 *s = sqliteDe(conexao);
    PGconn *pg = s ? nullptr : ConexaoLibpq(conexao);
    for (qsizetype i = 0; i < comandos.size(); i += PorBloco) {
        QStringList bloco;
        for (qsizetype k = i; k < std::min(i + PorBloco, comandos.size()); ++k)
            bloco << comandos.at(k).join(u"\r\n"_s);
        if (s) {
            char *falha = nullptr;
            if (sqlite3_exec(
                    s, bloco.join(u";\r\n"_s).toUtf8().constData(), nullptr, nullptr, &falha)
                != SQLITE_OK) {
                const int codigo = sqlite3_errcode(s);
                const QString erro = QString::fromUtf8(falha ? falha : sqlite3_errmsg(s));
                sqlite3_free(falha);
                throw m_db->Falha(erro + u" Unable to execute statement"_s, codigo);
            }
        } else if (pg) {
            // PQexec devolve a falha do primeiro comando que falhou (os seguintes não
            // rodam) ou o resultado do último.
            PGresult *r = PQexec(pg, bloco.join(u";\r\n"_s).toUtf8().constData());
            const ExecStatusType estado = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
            const QString erro = estado == PGRES_COMMAND_OK || estado == PGRES_TUPLES_OK
                ? QString()
                : falhaPostgres(pg, r);
            PQclear(r);
            if (!erro.isEmpty())
                throw m_db->Falha(erro);
        } else {
            for (const QString &c : std::as_const(bloco))
                executar(m_db, c);
        }
    }
}

void TQuery::ExecSQLValores(const QList<QVariantList> &valores)
{
    Close();
    m_ultimoId.clear();
    m_afetadas = -1;
    if (!m_db || !m_db->Connected())
        throw ErroBanco(FalhaSemConexao);
    const QSqlDatabase conexao = m_db->Conexao();
    int afetadas = 0;
    if (sqlite3 *s = sqliteDe(conexao)) {
        // Os gatilhos da tabela são compilados uma vez, com o comando.
        const QString texto = TextoComando();
        sqlite3_stmt *st = nullptr;
        if (const int r = sqlite3_prepare16_v2(
                s, texto.utf16(), int(texto.size() * sizeof(char16_t)), &st, nullptr);
            r != SQLITE_OK || !st) {
            const QString erro = QString::fromUtf8(sqlite3_errmsg(s));
            sqlite3_finalize(st);
            throw m_db->Falha(erro + u" Unable to execute statement"_s, r);
        }
        const auto finalizar = qScopeGuard([st] { sqlite3_finalize(st); });
        for (const QVariantList &linha : valores) {
            for (qsizetype i = 0; i < linha.size(); ++i) {
                const int indice = sqlite3_bind_parameter_index(
                    st, ('$' + QByteArray::number(i + 1)).constData());
                if (indice == 0)
                    continue;
                const QVariant &v = linha.at(i);
                if (v.isNull()) {
                    sqlite3_bind_null(st, indice);
                } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
                    sqlite3_bind_int64(st, indice, v.toLongLong());
                } else {
                    const QByteArray t = v.toString().toUtf8();
                    sqlite3_bind_text(st, indice, t.constData(), int(t.size()), SQLITE_TRANSIENT);
                }
            }
            const int r = sqlite3_step(st);
            if (r != SQLITE_DONE && r != SQLITE_ROW) {
                const QString erro = QString::fromUtf8(sqlite3_errmsg(s));
                sqlite3_reset(st);
                throw m_db->Falha(erro + u" Unable to execute statement"_s, r);
            }
            afetadas += sqlite3_changes(s);
            sqlite3_reset(st);
            sqlite3_clear_bindings(st);
        }
    } else if (PGconn *pg = ConexaoLibpq(conexao)) {
        // O comando sem nome, preparado uma vez; as execuções em modo de pipeline, em
        // blocos que terminam num ponto de sincronização (sem esperar a resposta de cada
        // uma, e sem encher os buffers dos dois lados).
        const QByteArray texto = TextoComando().toUtf8();
        PGresult *preparo = PQprepare(pg, "", texto.constData(), 0, nullptr);
        if (PQresultStatus(preparo) != PGRES_COMMAND_OK) {
            const QString erro = falhaPostgres(pg, preparo);
            PQclear(preparo);
            throw m_db->Falha(erro);
        }
        PQclear(preparo);
        if (!PQenterPipelineMode(pg))
            throw m_db->Falha(falhaPostgres(pg, nullptr));
        constexpr qsizetype PorBloco = 500;
        QString erro;
        for (qsizetype i = 0; i < valores.size() && erro.isEmpty(); i += PorBloco) {
            const qsizetype fim = std::min(i + PorBloco, valores.size());
            QList<QByteArray> textos;
            QVarLengthArray<const char *, 8> ponteiros;
            for (qsizetype k = i; k < fim && erro.isEmpty(); ++k) {
                const QVariantList &linha = valores.at(k);
                textos.resize(linha.size());
                ponteiros.resize(linha.size());
                for (qsizetype c = 0; c < linha.size(); ++c) {
                    textos[c]
                        = linha.at(c).isNull() ? QByteArray() : linha.at(c).toString().toUtf8();
                    ponteiros[c] = linha.at(c).isNull() ? nullptr : textos[c].constData();
                }
                if (!PQsendQueryPrepared(
                        pg, "", int(linha.size()), ponteiros.constData(), nullptr, nullptr, 0))
                    erro = falhaPostgres(pg, nullptr);
            }
            if (!PQpipelineSync(pg) && erro.isEmpty())
                erro = falhaPostgres(pg, nullptr);
            // Os resultados do bloco até o ponto de sincronização: o primeiro comando que
            // falha dá o erro; os seguintes do bloco não rodaram (abortados).
            for (qsizetype nulos = 0; nulos <= fim - i;) {
                PGresult *r = PQgetResult(pg);
                if (!r) {
                    if (PQstatus(pg) != CONNECTION_OK)
                        break;
                    ++nulos; // fim dos resultados de um comando
                    continue;
                }
                const ExecStatusType estado = PQresultStatus(r);
                if (estado == PGRES_COMMAND_OK || estado == PGRES_TUPLES_OK)
                    afetadas += QByteArray(PQcmdTuples(r)).toInt();
                else if (estado != PGRES_PIPELINE_ABORTED && estado != PGRES_PIPELINE_SYNC
                    && erro.isEmpty())
                    erro = falhaPostgres(pg, r);
                PQclear(r);
                if (estado == PGRES_PIPELINE_SYNC)
                    break;
            }
            if (PQstatus(pg) != CONNECTION_OK && erro.isEmpty())
                erro = falhaPostgres(pg, nullptr);
        }
        if (PQstatus(pg) == CONNECTION_OK)
            PQexitPipelineMode(pg);
        if (!erro.isEmpty())
            throw m_db->Falha(erro);
    } else {
        throw ErroBanco(FalhaSemConexao);
    }
    m_afetadas = afetadas;
}

void TQuery::Close()
{
    const bool estava = m_ativa;
    m_ativa = false;
    m_atual = -1;
    m_dados = QByteArray();
    m_inicios = QList<qsizetype>();
    m_nomes.clear();
    m_naturezas.clear();
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
    return m_atual < 0 || m_atual >= m_inicios.size();
}

void TQuery::MoverPara(int linha)
{
    if (m_inicios.isEmpty()) {
        m_atual = -1;
        return;
    }
    m_atual = std::clamp(linha, 0, int(m_inicios.size()));
    if (m_atual < m_inicios.size())
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

QByteArrayView TQuery::Bytes(int linha, int col) const
{
    if (linha < 0 || linha >= m_inicios.size() || col < 0 || col >= m_nomes.size())
        return {};
    return LinhaGuardada { m_dados.constData() + m_inicios.at(linha), int(m_nomes.size()) }.celula(
        col);
}

void TQuery::BytesLinha(int linha, QByteArrayView *celulas) const
{
    const LinhaGuardada l { m_dados.constData() + m_inicios.at(linha), int(m_nomes.size()) };
    const char *textos = l.textos();
    qint32 inicio = 0;
    for (int c = 0; c < l.colunas; ++c) {
        const qint32 fim = l.fim(c);
        celulas[c] = QByteArrayView(textos + inicio, fim - inicio);
        inicio = fim;
    }
}

QVariant TQuery::Valor(int linha, int col) const
{
    if (linha < 0 || linha >= m_inicios.size() || col < 0 || col >= m_nomes.size())
        return {};
    const LinhaGuardada l { m_dados.constData() + m_inicios.at(linha), int(m_nomes.size()) };
    if (l.nula(col))
        return {};
    return QString::fromUtf8(l.celula(col));
}

QString TQuery::Texto(int linha, int col) const
{
    return QString::fromUtf8(Bytes(linha, col));
}

QString TQuery::AsString(const QString &campo) const
{
    const int c = coluna(campo);
    if (Eof())
        return {};
    return Texto(m_atual, c);
}

int TQuery::AsInteger(const QString &campo) const
{
    return AsString(campo).toInt();
}

bool TQuery::IsNull(const QString &campo) const
{
    const int c = coluna(campo);
    return Eof() || Valor(m_atual, c).isNull();
}

QDateTime TQuery::AsDateTime(const QString &campo) const
{
    const int c = coluna(campo);
    if (Eof())
        return {};
    if (Valor(m_atual, c).isNull())
        return {};
    const QString t = Texto(m_atual, c).trimmed();
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
    return Texto(m_atual, 0);
}

QString TQuery::UltimoIdInserido() const
{
    return m_ultimoId;
}
