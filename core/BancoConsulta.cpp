#include "BancoConsulta.h"

#include "BancoMotores.h"
#include "BancoPostgres.h"
#include "Esquema.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVarLengthArray>

using namespace Qt::StringLiterals;

TQuery::TQuery(TDatabase *database, QObject *parent)
    : QObject(parent)
    , m_db(database)
{
    if (!database)
        return;
    database->m_consultas.removeIf([](const QPointer<TQuery> &q) { return q.isNull(); });
    database->m_consultas.append(this);
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
    const MotorPostgres::Vigia vigia(*db);
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
        const MotorPostgres::Vigia vigia(*db);
        QSqlQuery q(db->Conexao());
        q.setForwardOnly(true);
        if (q.exec(texto))
            return q;
        erro = q.lastError();
    }
    // A consulta já foi desfeita: a falha pode fechar a conexão.
    throw db->Falha(erro.text(), erro.nativeErrorCode().toInt());
}

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

// Outro driver do Qt (nenhum dos dois motores do programa): os valores pelo QSqlQuery,
// como texto.
void lerGenerico(TDatabase *db, const QString &comando, ResultadoConsulta &resultado)
{
    static const char vazio = 0;
    QSqlQuery q = executar(db, comando);
    const QSqlRecord registro = q.record();
    const int colunas = registro.count();
    for (int i = 0; i < colunas; ++i)
        resultado.AcrescentarColuna(Esquema::GrafiaColuna(registro.fieldName(i)),
            naturezaDoTipo(registro.field(i).metaType()));
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
        resultado.AcrescentarLinha(celulas.constData());
    }
}
} // namespace

void TQuery::Open()
{
    Close();
    if (!m_db || !m_db->Connected())
        throw ErroBanco(FalhaSemConexao);
    const QSqlDatabase conexao = m_db->Conexao();
    if (sqlite3 *s = MotorSQLite::Conexao(conexao))
        MotorSQLite::Ler(*m_db, s, TextoComando(), m_resultado);
    else if (pg_conn *pg = ConexaoLibpq(conexao))
        MotorPostgres::Ler(*m_db, pg, TextoComando(), m_resultado);
    else
        lerGenerico(m_db, TextoComando(), m_resultado);
    m_resultado.Concluir();
    m_ativa = true;
    m_atual = m_resultado.Linhas() == 0 ? -1 : 0;
    emit Aberta();
}

void TQuery::Reusar()
{
    if (!m_ativa)
        return;
    m_atual = m_resultado.Linhas() == 0 ? -1 : 0;
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
    if (pagina.m_resultado.Nomes() != m_resultado.Nomes())
        throw ErroBanco(u"As colunas da página não são as da listagem."_s);
    const int primeira = RecordCount();
    m_resultado.AcrescentarLinhas(pagina.m_resultado);
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
    sqlite3 *s = MotorSQLite::Conexao(conexao);
    pg_conn *pg = s ? nullptr : ConexaoLibpq(conexao);
    for (qsizetype i = 0; i < comandos.size(); i += PorBloco) {
        QStringList bloco;
        for (qsizetype k = i; k < std::min(i + PorBloco, comandos.size()); ++k)
            bloco << comandos.at(k).join(u"\r\n"_s);
        if (s) {
            MotorSQLite::Executar(*m_db, s, bloco.join(u";\r\n"_s));
        } else if (pg) {
            MotorPostgres::Executar(*m_db, pg, bloco.join(u";\r\n"_s));
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
    if (sqlite3 *s = MotorSQLite::Conexao(conexao))
        m_afetadas = MotorSQLite::ExecutarValores(*m_db, s, TextoComando(), valores);
    else if (pg_conn *pg = ConexaoLibpq(conexao))
        m_afetadas = MotorPostgres::ExecutarValores(*m_db, pg, TextoComando(), valores);
    else
        throw ErroBanco(FalhaSemConexao);
}

void TQuery::Close()
{
    const bool estava = m_ativa;
    m_ativa = false;
    m_atual = -1;
    m_resultado.Limpar();
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
    return m_atual < 0 || m_atual >= m_resultado.Linhas();
}

void TQuery::MoverPara(int linha)
{
    if (m_resultado.Linhas() == 0) {
        m_atual = -1;
        return;
    }
    m_atual = std::clamp(linha, 0, m_resultado.Linhas());
    if (m_atual < m_resultado.Linhas())
        emit Movida(m_atual);
}

int TQuery::coluna(const QString &campo) const
{
    const QStringList &nomes = m_resultado.Nomes();
    for (int i = 0; i < nomes.size(); ++i)
        if (nomes.at(i).compare(campo, Qt::CaseInsensitive) == 0)
            return i;
    throw ErroBanco(u"Field '"_s + campo + u"' not found"_s);
}

bool TQuery::TemCampo(const QString &campo) const
{
    for (const QString &n : m_resultado.Nomes())
        if (n.compare(campo, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool TQuery::celulaValida(int linha, int col) const
{
    return linha >= 0 && linha < m_resultado.Linhas() && col >= 0 && col < m_resultado.Colunas();
}

QByteArrayView TQuery::Bytes(int linha, int col) const
{
    if (!celulaValida(linha, col))
        return {};
    return m_resultado.Celula(linha, col);
}

void TQuery::BytesLinha(int linha, QByteArrayView *celulas) const
{
    m_resultado.CelulasDaLinha(linha, celulas);
}

QVariant TQuery::Valor(int linha, int col) const
{
    if (!celulaValida(linha, col) || m_resultado.Nula(linha, col))
        return {};
    return TextoUtf8(m_resultado.Celula(linha, col));
}

QString TQuery::Texto(int linha, int col) const
{
    return TextoUtf8(Bytes(linha, col));
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
    if (Eof() || m_resultado.Colunas() == 0)
        return {};
    return Texto(m_atual, 0);
}

QString TQuery::UltimoIdInserido() const
{
    return m_ultimoId;
}
