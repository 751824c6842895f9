#include "Servidor.h"

#include "CatalogoTabelas.h"
#include "Comando.h"
#include "Esquema.h"
#include "PerfisAcesso.h"
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

bool MostrarCampoDescricao(
    const QString &id, int n, QString &texto, const QString &chave, int dono, bool *donoApagado)
{
    if (donoApagado)
        *donoApagado = false;
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
    if (dono) {
        // A linha da lista pode ter sido apagada por outro usuário: sem a dona, nada é
        // gravado (a linha de descrição ficaria órfã).
        if (!RodarComando(
                q, dono, {},
                [&] {
                    return QStringList { u"SELECT COUNT(*) FROM "_s + NomeTabela(dono)
                        + u" WHERE Id="_s + ValorInteiro(id) };
                },
                true))
            return false;
        if (q.Campo0().toInt() == 0) {
            q.Close();
            if (donoApagado)
                *donoApagado = true;
            return false;
        }
        q.Close();
    }
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

void LerParaAlterar(TQuery &q, int n, const QString &chave, const QString &id)
{
    q.Close();
    const bool travar = q.Database()->Motor() == FonteDados::PostgreSQL;
    q.SQL = { u"SELECT * FROM "_s + NomeTabela(n) + u" WHERE "_s + chave + u'=' + ValorInteiro(id)
        + (travar ? u" FOR UPDATE"_s : QString()) };
    q.Open();
    // FOR UPDATE só acha as linhas que o login pode alterar.
    if (travar && q.RecordCount() == 0 && NivelDeDepartamento(NivelAcesso))
        RecusarLinhaProtegida(q, NomeTabela(n), chave, id);
    RegistrarEvento(n, u"consultado"_s);
}

const QString FalhaLinhaProtegida = u"Row-level security. "_s;

bool RecusarLinhaProtegida(
    TQuery &q, const QString &tabela, const QString &chave, const QString &id)
{
    q.Close();
    q.SQL
        = { u"SELECT COUNT(*) FROM "_s + tabela + u" WHERE "_s + chave + u'=' + ValorInteiro(id) };
    q.Open();
    const bool existe = q.Campo0().toInt() > 0;
    q.Close();
    // As políticas que escondem linhas para gravação valem só para os logins de
    // departamento (o SQLite não tem nenhuma).
    if (existe && q.Database()->Motor() == FonteDados::PostgreSQL
        && NivelDeDepartamento(NivelAcesso))
        throw ErroBanco(FalhaLinhaProtegida
            + u"A linha %1=%2 de %3 existe, mas este login não pode gravá-la."_s.arg(
                chave, id, tabela));
    return existe;
}

bool RecusaPorLinha(const QString &falha)
{
    if (falha.startsWith(FalhaLinhaProtegida))
        return true;
    if (!falha.contains(u"(42501)"_s))
        return false;
    // O nome da política não é traduzido; "row-level security" é o texto em inglês.
    for (const QString &politica :
        { Esquema::PoliticaIncluir, Esquema::PoliticaAlterar, Esquema::PoliticaExcluir })
        if (falha.contains(u'"' + politica + u'"'))
            return true;
    return falha.contains(u"row-level security"_s);
}
