// O PostgreSQL direto do libpq (o mesmo do driver QPSQL): o leitor de resultados linha a
// linha, os comandos em lote, a sessão que caiu e o estado do TLS.
#include "BancoPostgres.h"

#include "BancoConexao.h"
#include "BancoMotores.h"
#include "Esquema.h"

#include <QSqlDriver>
#include <QVarLengthArray>
#include <QVariant>

#include <libpq-fe.h>

using namespace Qt::StringLiterals;

namespace {
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
QString falhaPostgres(PGconn *pg, const PGresult *r)
{
    QString texto = QString::fromUtf8(PQerrorMessage(pg));
    if (r)
        texto += u"(%1)"_s.arg(QString::fromLatin1(PQresultErrorField(r, PG_DIAG_SQLSTATE)));
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
    return c && PQsslInUse(c) == 1;
}

namespace MotorPostgres {

bool Perdida(pg_conn *pg)
{
    // Sem a conexão da libpq, o driver já a dá por fechada (a sessão caiu). A libpq pode
    // só notar a queda no comando seguinte (o servidor parado às pressas avisa e some):
    // um comando vazio, que não muda nada na sessão, tira a dúvida.
    if (pg && PQstatus(pg) == CONNECTION_OK)
        PQclear(PQexec(pg, ""));
    return !pg || PQstatus(pg) != CONNECTION_OK;
}

void Ler(TDatabase &db, pg_conn *pg, const QString &comando, ResultadoConsulta &resultado)
{
    // Linha a linha do libpq, os textos como o servidor os manda (UTF-8; datas ISO).
    const QByteArray texto = comando.toUtf8();
    if (!PQsendQuery(pg, texto.constData()) || !PQsetSingleRowMode(pg)) {
        const QString erro = falhaPostgres(pg, nullptr);
        while (PGresult *r = PQgetResult(pg))
            PQclear(r);
        throw db.Falha(erro);
    }
    QString erro;
    QVarLengthArray<QByteArrayView, 32> celulas;
    while (PGresult *r = PQgetResult(pg)) {
        const ExecStatusType estado = PQresultStatus(r);
        if (estado == PGRES_SINGLE_TUPLE || estado == PGRES_TUPLES_OK) {
            const int colunas = PQnfields(r);
            if (resultado.Colunas() == 0)
                for (int i = 0; i < colunas; ++i)
                    resultado.AcrescentarColuna(
                        Esquema::GrafiaColuna(QString::fromUtf8(PQfname(r, i))),
                        naturezaOid(PQftype(r, i)));
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
                resultado.AcrescentarLinha(celulas.constData());
            }
        } else if (erro.isEmpty() && estado != PGRES_COMMAND_OK) {
            erro = falhaPostgres(pg, r);
        }
        PQclear(r);
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
    PGresult *r = PQexec(pg, comandos.toUtf8().constData());
    const ExecStatusType estado = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
    const QString erro = estado == PGRES_COMMAND_OK || estado == PGRES_TUPLES_OK
        ? QString()
        : falhaPostgres(pg, r);
    PQclear(r);
    if (!erro.isEmpty())
        throw db.Falha(erro);
}

} // namespace MotorPostgres
