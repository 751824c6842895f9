#include "Servidor.h"

#include "CatalogoTabelas.h"
#include "Comando.h"
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
    const bool ok = RodarComando(
        q, n, {},
        [&] {
            return QStringList { u"SELECT * FROM "_s + NomeTabela(n) + u" WHERE "_s + chave + u'='
                + ValorInteiro(id) + u" ORDER BY "_s + chave + u" DESC"_s };
        },
        true);
    if (!ok)
        return false;
    if (q.RecordCount() > 0) {
        RegistrarEvento(n, u"consultado"_s);
        texto = q.AsString(u"Texto"_s);
        return true;
    }
    RegistrarEvento(n, u"erro"_s, u"campo "_s + chave + u" não encontrado"_s);
    return InserirCampoDescricao(id, n, texto, chave);
}

bool InserirCampoDescricao(const QString &id, int n, const QString &texto, const QString &chave)
{
    if (id.isEmpty())
        return true;
    return ExecutarComando(Servidor::Query(), n, Passo::Inclusao, [&] {
        return QStringList { u"INSERT INTO "_s + NomeTabela(n) + u'(' + chave
            + u",Texto) Values ("_s + ValorInteiro(id) + u',' + CitarTexto(texto) + u')' };
    });
}

bool AtualizarCampoDescricao(const QString &id, int n, const QString &texto, const QString &chave)
{
    if (id.isEmpty())
        return true;
    TQuery &q = Servidor::Query();
    const bool ok = RodarComando(
        q, n, u"alterando..."_s,
        [&] {
            return QStringList { u"UPDATE "_s + NomeTabela(n) + u" SET "_s,
                u"Texto="_s + CitarTexto(texto), u" WHERE "_s + chave + u'=' + ValorInteiro(id) };
        },
        false);
    if (!ok)
        return false;
    if (q.LinhasAfetadas() == 0) {
        // Sem linha de descrição o UPDATE não grava nada: a linha é criada com o texto.
        RegistrarEvento(n, u"erro"_s, u"campo "_s + chave + u" não encontrado"_s);
        return InserirCampoDescricao(id, n, texto, chave);
    }
    RegistrarEvento(n, u"alterado"_s);
    return true;
}

bool ExcluirCampoDescricao(const QString &id, int n, const QString &chave)
{
    if (id.isEmpty())
        return true;
    return ExecutarComando(Servidor::Query(), n, Passo::Exclusao, [&] {
        return QStringList { u"DELETE FROM "_s + NomeTabela(n) + u" WHERE "_s + chave + u'='
            + ValorInteiro(id) };
    });
}

QString ProcurarId(int n, const QString &valor, const QString &coluna)
{
    TQuery &q = Servidor::Query();
    const bool ok = RodarComando(
        q, n, {},
        [&] {
            return QStringList { u"SELECT * FROM "_s + NomeTabela(n) + u" WHERE "_s + coluna + u'='
                + CitarTexto(valor) + u" ORDER BY "_s + coluna + u" DESC"_s };
        },
        true);
    if (!ok)
        return {};
    RegistrarEvento(n, u"consultado"_s);
    return q.RecordCount() > 0 ? q.AsString(u"Id"_s) : QString();
}
