// O PostgreSQL direto do libpq (o mesmo do driver QPSQL): o leitor de resultados linha a
// linha, os comandos em lote, a sessão que caiu e o estado do TLS. Tudo o que o programa
// chama do libpq passa por aqui, e o libpq só é carregado na primeira conexão PostgreSQL:
// o padrão embutido (SQLite) não carrega o libpq nem as bibliotecas dele (TLS, Kerberos,
// LDAP...), que pesavam no início do programa.
#include "BancoPostgres.h"

#include "BancoConexao.h"
#include "BancoMotores.h"
#include "Esquema.h"

#include <QLibrary>
#include <QSqlDriver>
#include <QVarLengthArray>
#include <QVariant>

#include <libpq-fe.h> // só as declarações: as funções vêm do libpq carregado na hora

using namespace Qt::StringLiterals;

namespace {
// As funções do libpq que o programa chama, tiradas do libpq carregado na primeira vez que
// são pedidas. Numa conexão QPSQL aberta o driver já carregou o mesmo libpq: carregá-lo
// aqui só acha o que já está na memória.
#define LIBPQ_FUNCOES(X)                                                                           \
    X(PQclear)                                                                                     \
    X(PQerrorMessage)                                                                              \
    X(PQexec)                                                                                      \
    X(PQfname)                                                                                     \
    X(PQftype)                                                                                     \
    X(PQgetResult)                                                                                 \
    X(PQgetisnull)                                                                                 \
    X(PQgetlength)                                                                                 \
    X(PQgetvalue)                                                                                  \
    X(PQnfields)                                                                                   \
    X(PQntuples)                                                                                   \
    X(PQresultErrorField)                                                                          \
    X(PQresultStatus)                                                                              \
    X(PQsendQuery)                                                                                 \
    X(PQsetSingleRowMode)                                                                          \
    X(PQsslInUse)                                                                                  \
    X(PQstatus)

struct Libpq {
#define LIBPQ_MEMBRO(f) decltype(&::f) f = nullptr;
    LIBPQ_FUNCOES(LIBPQ_MEMBRO)
#undef LIBPQ_MEMBRO
    QString falha; // por que o libpq não pôde ser usado (vazio: carregado)
};

const Libpq &libpq()
{
    static const Libpq carregado = [] {
        Libpq l;
        QLibrary biblioteca(u"pq"_s, 5); // libpq.so.5, o do driver QPSQL
        if (!biblioteca.load()) {
            l.falha = u"A biblioteca do PostgreSQL não pôde ser carregada: "_s
                + biblioteca.errorString();
            return l;
        }
        // Fica carregada até o fim do programa (nada chama unload).
#define LIBPQ_RESOLVER(f)                                                                          \
    l.f = reinterpret_cast<decltype(&::f)>(biblioteca.resolve(#f));                                \
    if (!l.f && l.falha.isEmpty())                                                                 \
        l.falha = u"A biblioteca do PostgreSQL %1 não tem a função %2."_s.arg(                     \
            biblioteca.fileName(), QString::fromLatin1(#f));
        LIBPQ_FUNCOES(LIBPQ_RESOLVER)
#undef LIBPQ_RESOLVER
        return l;
    }();
    return carregado;
}

// O libpq carregado, ou a falha que diz por que não.
const Libpq &libpqCarregado()
{
    const Libpq &pq = libpq();
    if (!pq.falha.isEmpty())
        throw ErroBanco(pq.falha);
    return pq;
}

// Espécie de uma coluna pelo tipo do PostgreSQL (oids de pg_type).
NaturezaColuna naturezaOid(Oid tipo)
{
    switch (tipo) {
    case 20: // int8
    case 21: // int2
    case 23: // int4
    case 26: // oid
    case 700: // float4
    case 701: // float8
    case 1700: // numeric
        return NaturezaColuna::Numero;
    case 1082: // date
    case 1083: // time
    case 1114: // timestamp
    case 1184: // timestamptz
        return NaturezaColuna::Data;
    default:
        return NaturezaColuna::Texto;
    }
}

// A falha como o driver do Qt a escreve (mensagem do servidor, código e o texto do
// driver), para o registro mostrar o mesmo texto de sempre.
QString falhaPostgres(const Libpq &pq, PGconn *pg, const PGresult *r)
{
    QString texto = QString::fromUtf8(pq.PQerrorMessage(pg));
    if (r)
        texto += u"(%1)"_s.arg(QString::fromLatin1(pq.PQresultErrorField(r, PG_DIAG_SQLSTATE)));
    return texto + u" QPSQL: Unable to create query"_s;
}
} // namespace

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
    const Libpq &pq = libpq();
    return c && pq.falha.isEmpty() && pq.PQsslInUse(c) == 1;
}

namespace MotorPostgres {

QString Carregar()
{
    return libpq().falha;
}

bool Perdida(pg_conn *pg)
{
    const Libpq &pq = libpq();
    if (!pq.falha.isEmpty())
        return !pg;
    // Sem a conexão da libpq, o driver já a dá por fechada (a sessão caiu). A libpq pode
    // só notar a queda no comando seguinte (o servidor parado às pressas avisa e some):
    // um comando vazio, que não muda nada na sessão, tira a dúvida.
    if (pg && pq.PQstatus(pg) == CONNECTION_OK)
        pq.PQclear(pq.PQexec(pg, ""));
    return !pg || pq.PQstatus(pg) != CONNECTION_OK;
}

void Ler(TDatabase &db, pg_conn *pg, const QString &comando, ResultadoConsulta &resultado)
{
    // Linha a linha do libpq, os textos como o servidor os manda (UTF-8; datas ISO).
    const Libpq &pq = libpqCarregado();
    const QByteArray texto = comando.toUtf8();
    if (!pq.PQsendQuery(pg, texto.constData()) || !pq.PQsetSingleRowMode(pg)) {
        const QString erro = falhaPostgres(pq, pg, nullptr);
        while (PGresult *r = pq.PQgetResult(pg))
            pq.PQclear(r);
        throw db.Falha(erro);
    }
    QString erro;
    QVarLengthArray<QByteArrayView, 32> celulas;
    while (PGresult *r = pq.PQgetResult(pg)) {
        const ExecStatusType estado = pq.PQresultStatus(r);
        if (estado == PGRES_SINGLE_TUPLE || estado == PGRES_TUPLES_OK) {
            const int colunas = pq.PQnfields(r);
            if (resultado.Colunas() == 0)
                for (int i = 0; i < colunas; ++i)
                    resultado.AcrescentarColuna(
                        Esquema::GrafiaColuna(QString::fromUtf8(pq.PQfname(r, i))),
                        naturezaOid(pq.PQftype(r, i)));
            celulas.resize(colunas);
            for (int t = 0; t < pq.PQntuples(r); ++t) {
                for (int i = 0; i < colunas; ++i) {
                    if (pq.PQgetisnull(r, t, i)) {
                        celulas[i] = QByteArrayView();
                    } else if (pq.PQftype(r, i) == 16) {
                        // bool: "true"/"false", como o driver do Qt sempre deu.
                        celulas[i] = *pq.PQgetvalue(r, t, i) == 't' ? QByteArrayView("true")
                                                                    : QByteArrayView("false");
                    } else {
                        celulas[i]
                            = QByteArrayView(pq.PQgetvalue(r, t, i), pq.PQgetlength(r, t, i));
                    }
                }
                resultado.AcrescentarLinha(celulas.constData());
            }
        } else if (erro.isEmpty() && estado != PGRES_COMMAND_OK) {
            erro = falhaPostgres(pq, pg, r);
        }
        pq.PQclear(r);
    }
    if (!erro.isEmpty()) {
        resultado.Limpar();
        throw db.Falha(erro);
    }
}

void Executar(TDatabase &db, pg_conn *pg, const QString &comandos)
{
    // PQexec devolve a falha do primeiro comando que falhou (os seguintes não rodam) ou o
    // resultado do último.
    const Libpq &pq = libpqCarregado();
    PGresult *r = pq.PQexec(pg, comandos.toUtf8().constData());
    const ExecStatusType estado = r ? pq.PQresultStatus(r) : PGRES_FATAL_ERROR;
    const QString erro = estado == PGRES_COMMAND_OK || estado == PGRES_TUPLES_OK
        ? QString()
        : falhaPostgres(pq, pg, r);
    pq.PQclear(r);
    if (!erro.isEmpty())
        throw db.Falha(erro);
}

} // namespace MotorPostgres
