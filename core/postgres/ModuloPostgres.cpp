// O módulo do PostgreSQL (ModuloPostgres.h): o leitor de resultados linha a linha, os
// comandos em lote, a sessão que caiu e o estado do TLS, direto do libpq.
#include "ModuloPostgres.h"

#include <QVarLengthArray>

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

class Modulo final : public ModuloPostgres {
public:
    bool Perdida(pg_conn *pg) const override
    {
        // A libpq pode só notar a queda no comando seguinte (o servidor parado às pressas
        // avisa e some): um comando vazio, que não muda nada na sessão, tira a dúvida.
        if (PQstatus(pg) == CONNECTION_OK)
            PQclear(PQexec(pg, ""));
        return PQstatus(pg) != CONNECTION_OK;
    }

    bool Criptografada(pg_conn *pg) const override { return PQsslInUse(pg) == 1; }

    int Soquete(pg_conn *pg) const override { return PQsocket(pg); }

    QString Ler(pg_conn *pg, const QByteArray &comando, ReceptorLinhas &receptor) const override
    {
        // Linha a linha do libpq, os textos como o servidor os manda (UTF-8; datas ISO).
        if (!PQsendQuery(pg, comando.constData()) || !PQsetSingleRowMode(pg)) {
            const QString erro = falhaPostgres(pg, nullptr);
            while (PGresult *r = PQgetResult(pg))
                PQclear(r);
            return erro;
        }
        QString erro;
        bool comColunas = false; // as colunas vão uma vez, com o primeiro resultado
        QVarLengthArray<QByteArrayView, 32> celulas;
        while (PGresult *r = PQgetResult(pg)) {
            const ExecStatusType estado = PQresultStatus(r);
            if (estado == PGRES_SINGLE_TUPLE || estado == PGRES_TUPLES_OK) {
                const int colunas = PQnfields(r);
                if (!comColunas) {
                    for (int i = 0; i < colunas; ++i)
                        receptor.Coluna(PQfname(r, i), naturezaOid(PQftype(r, i)));
                    comColunas = colunas > 0;
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
                    receptor.Linha(celulas.constData());
                }
            } else if (erro.isEmpty() && estado != PGRES_COMMAND_OK) {
                erro = falhaPostgres(pg, r);
            }
            PQclear(r);
        }
        return erro;
    }

    QString Executar(pg_conn *pg, const QByteArray &comandos) const override
    {
        // PQexec devolve a falha do primeiro comando que falhou (os seguintes não rodam) ou
        // o resultado do último.
        PGresult *r = PQexec(pg, comandos.constData());
        const ExecStatusType estado = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
        const QString erro = estado == PGRES_COMMAND_OK || estado == PGRES_TUPLES_OK
            ? QString()
            : falhaPostgres(pg, r);
        PQclear(r);
        return erro;
    }

    QString ExecutarValores(pg_conn *pg, const QByteArray &comando,
        const QList<QVariantList> &valores, int &afetadas) const override
    {
        // O comando sem nome, preparado uma vez; as execuções em modo de pipeline, em
        // blocos que terminam num ponto de sincronização (sem esperar a resposta de cada
        // uma, e sem encher os buffers dos dois lados).
        PGresult *preparo = PQprepare(pg, "", comando.constData(), 0, nullptr);
        if (PQresultStatus(preparo) != PGRES_COMMAND_OK) {
            const QString erro = falhaPostgres(pg, preparo);
            PQclear(preparo);
            return erro;
        }
        PQclear(preparo);
        if (!PQenterPipelineMode(pg))
            return falhaPostgres(pg, nullptr);
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
        return erro;
    }
};
} // namespace

extern "C" Q_DECL_EXPORT const ModuloPostgres *tarvisco_modulo_postgres(int versao)
{
    static const Modulo modulo;
    return versao == VersaoModuloPostgres ? &modulo : nullptr;
}
