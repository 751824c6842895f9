#include "Servidor.h"

#include "CatalogoTabelas.h"
#include "Rotinas.h"
#include "Sentenca.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Servidor {
namespace {
// A conexão vive até o fim do programa e é fechada quando a aplicação termina, antes
// de o Qt desfazer o seu registro de conexões (um objeto estático seria destruído
// depois dele).
void fecharAoTerminar()
{
    Database().Close();
}
} // namespace

TDatabase &Database()
{
    static TDatabase *db = [] {
        auto *d = new TDatabase;
        qAddPostRoutine(fecharAoTerminar);
        return d;
    }();
    return *db;
}

TQuery &Query()
{
    static TQuery *q = new TQuery(&Database());
    return *q;
}
} // namespace Servidor

bool MostrarCampoDescricao(const QString &id, int n, QString &texto, const QString &chave)
{
    if (id.isEmpty())
        return true;
    texto.clear();
    TQuery &q = Servidor::Query();
    try {
        q.Close();
        q.SQL = { u"SELECT * FROM "_s + NomeTabela(n) + u" WHERE "_s + chave + u'='
            + ValorInteiro(id) + u" ORDER BY "_s + chave + u" DESC"_s };
        q.Open();
        if (q.RecordCount() > 0) {
            RegistrarEvento(n, u"consultado"_s);
            texto = q.AsString(u"Texto"_s);
            return true;
        }
    } catch (const ErroBanco &e) {
        RegistrarErro(n, e.Mensagem());
        return false;
    }
    RegistrarEvento(n, u"erro"_s, u"campo "_s + chave + u" não encontrado"_s);
    return InserirCampoDescricao(id, n, texto, chave);
}

bool InserirCampoDescricao(const QString &id, int n, const QString &texto, const QString &chave)
{
    if (id.isEmpty())
        return true;
    TQuery &q = Servidor::Query();
    try {
        q.Close();
        RegistrarEvento(n, u"incluindo..."_s);
        q.SQL = { u"INSERT INTO "_s + NomeTabela(n) + u'(' + chave + u",Texto) Values ("_s
            + ValorInteiro(id) + u',' + CitarTexto(texto) + u')' };
        q.ExecSQL();
        RegistrarEvento(n, u"incluído"_s);
        return true;
    } catch (const ErroBanco &e) {
        RegistrarErro(n, e.Mensagem());
        return false;
    }
}

bool AtualizarCampoDescricao(const QString &id, int n, const QString &texto, const QString &chave)
{
    if (id.isEmpty())
        return true;
    TQuery &q = Servidor::Query();
    try {
        q.Close();
        RegistrarEvento(n, u"alterando..."_s);
        q.SQL = { u"UPDATE "_s + NomeTabela(n) + u" SET "_s, u"Texto="_s + CitarTexto(texto),
            u" WHERE "_s + chave + u'=' + ValorInteiro(id) };
        q.ExecSQL();
        if (q.LinhasAfetadas() == 0) {
            // Sem linha de descrição o UPDATE não grava nada: a linha é criada com o texto.
            RegistrarEvento(n, u"erro"_s, u"campo "_s + chave + u" não encontrado"_s);
            return InserirCampoDescricao(id, n, texto, chave);
        }
        RegistrarEvento(n, u"alterado"_s);
        return true;
    } catch (const ErroBanco &e) {
        RegistrarErro(n, e.Mensagem());
        return false;
    }
}

bool ExcluirCampoDescricao(const QString &id, int n, const QString &chave)
{
    if (id.isEmpty())
        return true;
    TQuery &q = Servidor::Query();
    try {
        q.Close();
        RegistrarEvento(n, u"apagando..."_s);
        q.SQL = { u"DELETE FROM "_s + NomeTabela(n) + u" WHERE "_s + chave + u'='
            + ValorInteiro(id) };
        q.ExecSQL();
        RegistrarEvento(n, u"apagado"_s);
        return true;
    } catch (const ErroBanco &e) {
        RegistrarErro(n, e.Mensagem());
        return false;
    }
}

QString ProcurarId(int n, const QString &valor, const QString &coluna)
{
    TQuery &q = Servidor::Query();
    try {
        q.Close();
        q.SQL = { u"SELECT * FROM "_s + NomeTabela(n) + u" WHERE "_s + coluna + u'='
            + CitarTexto(valor) + u" ORDER BY "_s + coluna + u" DESC"_s };
        q.Open();
        RegistrarEvento(n, u"consultado"_s);
        return q.RecordCount() > 0 ? q.AsString(u"Id"_s) : QString();
    } catch (const ErroBanco &e) {
        RegistrarErro(n, e.Mensagem());
        return {};
    }
}

void LerParaAlterar(TQuery &q, int n, const QString &chave, const QString &id)
{
    q.Close();
    const bool travar = q.Database()->Motor() == FonteDados::PostgreSQL;
    q.SQL = { u"SELECT * FROM "_s + NomeTabela(n) + u" WHERE "_s + chave + u'=' + ValorInteiro(id)
        + (travar ? u" FOR UPDATE"_s : QString()) };
    q.Open();
    RegistrarEvento(n, u"consultado"_s);
}
