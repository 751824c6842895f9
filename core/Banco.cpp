#include "Banco.h"

#include "Esquema.h"
#include "Rotinas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>
#include <QVarLengthArray>

#include <libpq-fe.h>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

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

// Tamanho do cabeçalho de uma linha: fins das colunas e marcas de nulo, em múltiplo de 4.
int cabecalhoLinha(int colunas)
{
    return (int(sizeof(qint32)) * colunas + (colunas + 7) / 8 + 3) & ~3;
}

// Monta uma linha do resultado: [fins das colunas (int32)] [marcas de nulo] [textos],
// os textos em UTF-8 (SQLite) ou UTF-16 (o que o driver já entrega como QString).
class MontadorLinha {
public:
    explicit MontadorLinha(int colunas)
        : m_colunas(colunas)
        , m_cabecalho(cabecalhoLinha(colunas))
    {
    }
    void Comecar()
    {
        m_linha.resize(m_cabecalho);
        std::fill(m_linha.begin(), m_linha.end(), '\0');
        m_coluna = 0;
    }
    void Texto(const char *dados, qsizetype tamanho)
    {
        m_linha.append(dados, tamanho);
        fechar(false);
    }
    void Nulo() { fechar(true); }
    QByteArray Linha() const { return m_linha; }

private:
    void fechar(bool nulo)
    {
        const qint32 fim = qint32(m_linha.size() - m_cabecalho);
        std::memcpy(m_linha.data() + sizeof(qint32) * m_coluna, &fim, sizeof fim);
        if (nulo)
            m_linha[sizeof(qint32) * m_colunas + m_coluna / 8] |= char(1 << (m_coluna % 8));
        ++m_coluna;
    }
    int m_colunas;
    int m_cabecalho;
    int m_coluna = 0;
    QByteArray m_linha;
};

bool celulaNula(const QByteArray &linha, int colunas, int c)
{
    return linha.at(int(sizeof(qint32)) * colunas + c / 8) & (1 << (c % 8));
}

QString celula(const QByteArray &linha, int colunas, int c, bool utf16)
{
    const char *base = linha.constData();
    qint32 inicio = 0, fim = 0;
    if (c > 0)
        std::memcpy(&inicio, base + sizeof(qint32) * (c - 1), sizeof inicio);
    std::memcpy(&fim, base + sizeof(qint32) * c, sizeof fim);
    const char *texto = base + cabecalhoLinha(colunas) + inicio;
    if (!utf16)
        return QString::fromUtf8(texto, fim - inicio);
    QString s((fim - inicio) / 2, Qt::Uninitialized);
    std::memcpy(s.data(), texto, fim - inicio);
    return s;
}

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
} // namespace

void TQuery::Open()
{
    Close();
    if (!m_db || !m_db->Connected())
        throw ErroBanco(u"A conexão com o banco de dados não está aberta."_s);
    if (sqlite3 *s = sqliteDe(m_db->Conexao())) {
        // SQLite: direto da biblioteca, texto UTF-8 de cada coluna.
        const QString texto = TextoComando();
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare16_v2(
                s, texto.utf16(), int(texto.size() * sizeof(char16_t)), &st, nullptr)
            != SQLITE_OK) {
            const QString erro = QString::fromUtf8(sqlite3_errmsg(s));
            sqlite3_finalize(st);
            throw ErroBanco(erro + u" Unable to execute statement"_s);
        }
        const int colunas = st ? sqlite3_column_count(st) : 0;
        for (int i = 0; i < colunas; ++i)
            m_nomes << Esquema::GrafiaColuna(QString::fromUtf8(sqlite3_column_name(st, i)));
        MontadorLinha m(colunas);
        int r = SQLITE_DONE;
        while (st && (r = sqlite3_step(st)) == SQLITE_ROW) {
            m.Comecar();
            for (int i = 0; i < colunas; ++i) {
                if (sqlite3_column_type(st, i) == SQLITE_NULL) {
                    m.Nulo();
                    continue;
                }
                const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(st, i));
                m.Texto(t, sqlite3_column_bytes(st, i));
            }
            m_linhas.append(m.Linha());
        }
        if (r != SQLITE_DONE) {
            const QString erro = QString::fromUtf8(sqlite3_errmsg(s));
            sqlite3_finalize(st);
            m_linhas.clear();
            m_nomes.clear();
            throw ErroBanco(erro + u" Unable to fetch row"_s);
        }
        sqlite3_finalize(st);
        m_utf16 = false;
    } else {
        m_utf16 = true;
        QSqlQuery q = executar(m_db, TextoComando());
        const QSqlRecord registro = q.record();
        for (int i = 0; i < registro.count(); ++i)
            m_nomes << Esquema::GrafiaColuna(registro.fieldName(i));
        const int colunas = registro.count();
        MontadorLinha m(colunas);
        while (q.next()) {
            m.Comecar();
            for (int i = 0; i < colunas; ++i) {
                const QVariant v = q.value(i);
                if (v.isNull())
                    m.Nulo();
                else {
                    const QString t = comoTexto(v);
                    m.Texto(reinterpret_cast<const char *>(t.utf16()), t.size() * 2);
                }
            }
            m_linhas.append(m.Linha());
        }
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
    const QByteArray &l = m_linhas.at(linha);
    if (celulaNula(l, int(m_nomes.size()), col))
        return {};
    return celula(l, int(m_nomes.size()), col, m_utf16);
}

QString TQuery::Texto(int linha, int col) const
{
    if (linha < 0 || linha >= m_linhas.size() || col < 0 || col >= m_nomes.size())
        return {};
    return celula(m_linhas.at(linha), int(m_nomes.size()), col, m_utf16);
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
    return Eof() || celulaNula(m_linhas.at(m_atual), int(m_nomes.size()), c);
}

QDateTime TQuery::AsDateTime(const QString &campo) const
{
    const int c = coluna(campo);
    if (Eof())
        return {};
    if (celulaNula(m_linhas.at(m_atual), int(m_nomes.size()), c))
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
