// O SQLite direto do libsqlite3 (o mesmo do driver QSQLITE): o leitor de resultados, os
// comandos em lote e a conexão perdida.
#include "BancoConexao.h"
#include "BancoMotores.h"
#include "Esquema.h"

#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVarLengthArray>
#include <QVariant>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {
NaturezaColuna naturezaDeclarada(const char *tipo)
{
    const QByteArray t = QByteArray(tipo).toUpper();
    if (t.contains("DATE") || t.contains("TIME"))
        return NaturezaColuna::Data;
    for (const char *n : { "INT", "REAL", "NUM", "DEC", "FLOA", "DOUB" })
        if (t.contains(n))
            return NaturezaColuna::Numero;
    return NaturezaColuna::Texto;
}
} // namespace

namespace MotorSQLite {

sqlite3 *Conexao(const QSqlDatabase &conexao)
{
    if (conexao.driverName() != u"QSQLITE"_s)
        return nullptr;
    const QVariant h = conexao.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(h.constData());
}

bool Perdida(sqlite3 *s, int codigo)
{
    switch ((codigo ? codigo : sqlite3_extended_errcode(s)) & 0xFF) {
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

void Ler(TDatabase &db, sqlite3 *s, const QString &comando, ResultadoConsulta &resultado)
{
    // Uma célula nula é uma vista sem dados; uma vazia, uma vista de tamanho zero.
    static const char vazio = 0;
    sqlite3_stmt *st = nullptr;
    if (const int r = sqlite3_prepare16_v2(
            s, comando.utf16(), int(comando.size() * sizeof(char16_t)), &st, nullptr);
        r != SQLITE_OK) {
        const QString erro = QString::fromUtf8(sqlite3_errmsg(s));
        sqlite3_finalize(st);
        throw db.Falha(erro + u" Unable to execute statement"_s, r);
    }
    const int colunas = st ? sqlite3_column_count(st) : 0;
    for (int i = 0; i < colunas; ++i)
        resultado.AcrescentarColuna(
            Esquema::GrafiaColuna(QString::fromUtf8(sqlite3_column_name(st, i))),
            naturezaDeclarada(sqlite3_column_decltype(st, i)));
    // O texto UTF-8 de cada coluna, como o SQLite o guarda.
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
        resultado.AcrescentarLinha(celulas.constData());
    }
    if (r != SQLITE_DONE) {
        const QString erro = QString::fromUtf8(sqlite3_errmsg(s));
        sqlite3_finalize(st);
        resultado.Limpar();
        throw db.Falha(erro + u" Unable to fetch row"_s, r);
    }
    sqlite3_finalize(st);
}

void Executar(TDatabase &db, sqlite3 *s, const QString &comandos)
{
    char *falha = nullptr;
    if (sqlite3_exec(s, comandos.toUtf8().constData(), nullptr, nullptr, &falha) != SQLITE_OK) {
        const int codigo = sqlite3_errcode(s);
        const QString erro = QString::fromUtf8(falha ? falha : sqlite3_errmsg(s));
        sqlite3_free(falha);
        throw db.Falha(erro + u" Unable to execute statement"_s, codigo);
    }
}

int ExecutarValores(
    TDatabase &db, sqlite3 *s, const QString &comando, const QList<QVariantList> &valores)
{
    // Os gatilhos da tabela são compilados uma vez, com o comando.
    sqlite3_stmt *st = nullptr;
    if (const int r = sqlite3_prepare16_v2(
            s, comando.utf16(), int(comando.size() * sizeof(char16_t)), &st, nullptr);
        r != SQLITE_OK || !st) {
        const QString erro = QString::fromUtf8(sqlite3_errmsg(s));
        sqlite3_finalize(st);
        throw db.Falha(erro + u" Unable to execute statement"_s, r);
    }
    const auto finalizar = qScopeGuard([st] { sqlite3_finalize(st); });
    int afetadas = 0;
    for (const QVariantList &linha : valores) {
        for (qsizetype i = 0; i < linha.size(); ++i) {
            const int indice
                = sqlite3_bind_parameter_index(st, ('$' + QByteArray::number(i + 1)).constData());
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
            throw db.Falha(erro + u" Unable to execute statement"_s, r);
        }
        afetadas += sqlite3_changes(s);
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
    }
    return afetadas;
}

} // namespace MotorSQLite
