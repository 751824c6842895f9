#include "Historico.h"

#include "Sentenca.h"
#include "Servidor.h"

#include <QJsonDocument>
#include <QMap>
#include <QRegularExpression>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace Historico {

const QString OutroPrograma = u"(outro programa)"_s;

QString NomeUsuario(const QString &usuario)
{
    return usuario.isEmpty() ? OutroPrograma : usuario;
}

QString NomeOperacao(QChar operacao)
{
    return operacao == u'I' ? u"Inclusão"_s : operacao == u'U' ? u"Alteração"_s : u"Exclusão"_s;
}

QStringList Alteracao::Colunas() const
{
    QStringList c;
    const Esquema::Tabela *t = Tabela();
    if (!t)
        return c;
    for (const Esquema::Coluna &col : t->colunas)
        if ((antes && antes->contains(col.nome)) || (depois && depois->contains(col.nome)))
            c << col.nome;
    return c;
}

QStringList Alteracao::ColunasMudadas() const
{
    if (operacao != u'U')
        return Colunas();
    QStringList c;
    const Esquema::Tabela *t = Tabela();
    for (const QString &coluna : Colunas()) {
        const Esquema::Coluna *col = t->coluna(coluna);
        if (Texto(col, antes->value(coluna)) != Texto(col, depois->value(coluna)))
            c << coluna;
    }
    return c.isEmpty() ? Colunas() : c;
}

QString Texto(const Esquema::Coluna *c, const QJsonValue &v)
{
    if (v.isNull() || v.isUndefined())
        return {};
    if (v.isDouble()) // inteiros em decimal; outro número (de outro programa), como veio
        return v.toDouble() == double(v.toInteger()) ? QString::number(v.toInteger())
                                                     : QString::number(v.toDouble(), 'g', 17);
    if (v.isBool())
        return v.toBool() ? u"true"_s : u"false"_s;
    QString t = v.toString();
    // O JSON do PostgreSQL separa a data da hora com "T".
    if (c && c->tipo == Esquema::Tipo::DataHora && t.size() >= 19 && t.at(10) == u'T')
        t[10] = u' ';
    return t;
}

QString MarcaAlteracoes(TQuery &q, const QString &tabela)
{
    if (!q.Database() || !q.Database()->Connected())
        return {};
    const bool postgres = q.Database()->Motor() == FonteDados::PostgreSQL;
    if (postgres) {
        const Esquema::Tabela *t = Esquema::TabelaPorNome(tabela);
        if (!t || !t->ComHistorico())
            return {};
        // Sem outra transação que grava em curso (toda que grava tem a trava do seu
        // número de transação), todo Id que o histórico ainda der será maior que o maior
        // visto agora. O arquivo da tabela e o do histórico mudam quando são esvaziados
        // (TRUNCATE, que não passa pelo histórico).
        q.SQL = { u"SELECT CASE WHEN has_table_privilege(%1,'SELECT') AND NOT EXISTS (SELECT "
                  "FROM pg_locks WHERE locktype='transactionid' AND pid IS DISTINCT FROM "
                  "pg_backend_pid()) THEN concat_ws('.', pg_relation_filenode(%1), "
                  "pg_relation_filenode('Historico'), (SELECT MAX(Id) FROM Historico WHERE "
                  "Tabela=%1)) END"_s.arg(CitarTexto(t->nome)) };
    } else {
        q.SQL = { u"SELECT data_version || '.' || total_changes() FROM pragma_data_version"_s };
    }
    try {
        q.Open();
        return q.RecordCount() ? q.Campo0() : QString();
    } catch (const ErroBanco &) {
        if (!q.Database()->Connected())
            throw; // quem lê a listagem registra a conexão perdida, como a leitura faria
        return {}; // sem a marca, a listagem é lida de novo
    }
}

namespace {
std::optional<QJsonObject> objeto(const TQuery &q, const QString &campo)
{
    if (q.IsNull(campo))
        return std::nullopt;
    // Cada U+FEFF escrito como \ufeff: o leitor de JSON do Qt tira o U+FEFF do começo de
    // um texto escrito tal qual (o JSON dos dois motores o escreve assim).
    QString json = q.AsString(campo);
    json.replace(QChar(0xFEFF), u"\\ufeff"_s);
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QString linhaDe(const Esquema::Tabela &t, const QString &registro)
{
    return u"SELECT * FROM %1 WHERE %2=%3"_s.arg(
        t.nome, t.registroHistorico, ValorInteiro(registro));
}

// Colunas da linha atual que diferem do lado esperado.
QList<Diferenca> comparar(
    const Esquema::Tabela &t, const QJsonObject &esperado, const TQuery &atual)
{
    QList<Diferenca> d;
    for (const Esquema::Coluna &c : t.colunas) {
        if (!esperado.contains(c.nome))
            continue;
        const QString e = Texto(&c, esperado.value(c.nome));
        const QString a = atual.AsString(c.nome);
        if (e != a)
            d << Diferenca { t.nome, c.nome, e, a };
    }
    return d;
}

QStringList atualizacao(const Esquema::Tabela &t, const QJsonObject &valores, const QString &reg)
{
    QStringList linhas = { u"UPDATE "_s + t.nome + u" SET "_s };
    bool primeira = true;
    for (const Esquema::Coluna &c : t.colunas) {
        if (!valores.contains(c.nome))
            continue;
        const QJsonValue v = valores.value(c.nome);
        linhas << (primeira ? QString() : u","_s) + c.nome + u'='
                + (v.isNull() ? u"NULL"_s : Esquema::Literal(c, Texto(&c, v)));
        primeira = false;
    }
    linhas << u" WHERE "_s + t.registroHistorico + u'=' + ValorInteiro(reg);
    return linhas;
}

// INSERT da linha com as colunas não nulas do lado dado ('semId': deixa o Id ao banco).
QStringList inclusao(const Esquema::Tabela &t, const QJsonObject &valores, bool semId = false)
{
    Esquema::Valores v;
    for (const Esquema::Coluna &c : t.colunas)
        if (valores.contains(c.nome) && !valores.value(c.nome).isNull()
            && !(semId && c.tipo == Esquema::Tipo::Id))
            v << qMakePair(c.nome, Texto(&c, valores.value(c.nome)));
    return { Esquema::ComandoInserir(t.nome, v) };
}

// Id de uma linha de histórico vizinha da linha (t, registro): a última antes de 'id'
// (ou 0) ou a primeira depois (ou vazio).
QString vizinha(TQuery &q, const Alteracao &a, bool depois)
{
    q.Close();
    q.SQL = { u"SELECT %1(Id) FROM Historico WHERE Tabela=%2 AND Registro=%3 AND Id%4%5"_s.arg(
        depois ? u"MIN"_s : u"MAX"_s, CitarTexto(a.tabela), ValorInteiro(a.registro),
        depois ? u">"_s : u"<"_s, ValorInteiro(a.id)) };
    q.Open();
    return q.Campo0();
}

// Exclusão de um dono: os textos longos apagados junto (a exclusão de cada tabela de
// texto com o mesmo registro mais próxima da do dono, entre as alterações vizinhas dele).
QList<QPair<const Esquema::Tabela *, QJsonObject>> textosApagados(
    TQuery &q, const Alteracao &a, const QList<const Esquema::Tabela *> &textos)
{
    QList<QPair<const Esquema::Tabela *, QJsonObject>> r;
    if (textos.isEmpty())
        return r;
    const QString anterior = vizinha(q, a, false);
    const QString seguinte = vizinha(q, a, true);
    QStringList nomes;
    for (const Esquema::Tabela *t : textos)
        nomes << CitarTexto(t->nome);
    q.Close();
    q.SQL = { u"SELECT Id, Tabela, Antes FROM Historico WHERE Operacao='D'"_s,
        u" AND Registro="_s + ValorInteiro(a.registro),
        u" AND Tabela IN ("_s + nomes.join(u',') + u')',
        u" AND Id>"_s + (anterior.isEmpty() ? u"0"_s : ValorInteiro(anterior)) };
    if (!seguinte.isEmpty())
        q.SQL << u" AND Id<"_s + ValorInteiro(seguinte);
    q.Open();
    QMap<QString, QPair<qint64, QJsonObject>> maisProxima;
    const qint64 k = a.id.toLongLong();
    for (q.First(); !q.Eof(); q.Next()) {
        const qint64 distancia = qAbs(q.AsString(u"Id"_s).toLongLong() - k);
        const QString tabela = q.AsString(u"Tabela"_s);
        if (!maisProxima.contains(tabela) || distancia < maisProxima.value(tabela).first)
            maisProxima.insert(
                tabela, { distancia, objeto(q, u"Antes"_s).value_or(QJsonObject()) });
    }
    for (const Esquema::Tabela *t : textos)
        if (maisProxima.contains(t->nome))
            r << qMakePair(t, maisProxima.value(t->nome).second);
    return r;
}
} // namespace

namespace {
bool postgres()
{
    return Servidor::Database().Motor() == FonteDados::PostgreSQL;
}

// O fuso desta máquina como o PostgreSQL o entende: o nome do banco de fusos (o mesmo
// que o servidor tem), ou, sem um nome assim, o deslocamento de agora.
QString fusoLocal()
{
    static const QRegularExpression nome(u"^[A-Za-z][A-Za-z0-9_+\\-]*(/[A-Za-z0-9_+\\-]+)*$"_s);
    const QString id = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    if (QTimeZone(id.toUtf8()).isValid() && nome.match(id).hasMatch())
        return CitarTexto(id);
    const int s = QDateTime::currentDateTime().offsetFromUtc();
    return QString::asprintf(
        "INTERVAL '%c%02d:%02d'", s < 0 ? '-' : '+', qAbs(s) / 3600, qAbs(s) % 3600 / 60);
}

// O começo do dia (da hora local) como o instante gravado em Momento.
QString inicioDoDia(const QDate &dia)
{
    const QString d = dia.toString(Qt::ISODate);
    if (postgres())
        return u"(TIMESTAMP '%1 00:00:00' AT TIME ZONE %2)"_s.arg(d, fusoLocal());
    return u"datetime('%1','utc')"_s.arg(d);
}
} // namespace

QString MomentoLocal(const QString &coluna)
{
    if (postgres())
        return u"to_char(%1 AT TIME ZONE %2, 'YYYY-MM-DD HH24:MI:SS')"_s.arg(coluna, fusoLocal());
    return u"datetime(%1,'localtime')"_s.arg(coluna);
}

Alteracao Ler(TQuery &q, const QString &id)
{
    q.Close();
    q.SQL = { u"SELECT Id, %1 AS Momento, Usuario, Tabela, Registro, Operacao, Antes, Depois "
              "FROM Historico WHERE Id=%2"_s.arg(MomentoLocal(u"Momento"_s), ValorInteiro(id)) };
    q.Open();
    if (q.RecordCount() == 0)
        throw ErroBanco(u"Alteração "_s + id + u" não encontrada no histórico."_s);
    Alteracao a;
    a.id = q.AsString(u"Id"_s);
    a.momento = q.AsString(u"Momento"_s);
    a.usuario = q.AsString(u"Usuario"_s);
    a.tabela = q.AsString(u"Tabela"_s);
    a.registro = q.AsString(u"Registro"_s);
    const QString op = q.AsString(u"Operacao"_s);
    a.operacao = op.isEmpty() ? QChar() : op.at(0);
    a.antes = objeto(q, u"Antes"_s);
    a.depois = objeto(q, u"Depois"_s);
    return a;
}

QStringList SentencaLista(const Filtro &f, const QString &antesDe, int limite)
{
    QStringList condicoes;
    if (!f.registro.isEmpty())
        condicoes << u"Registro="_s + ValorInteiro(f.registro);
    if (f.usuario)
        condicoes << u"Usuario="_s
                + CitarTexto(*f.usuario == OutroPrograma ? QString() : *f.usuario);
    if (f.de.isValid())
        condicoes << u"Momento>="_s + inicioDoDia(f.de);
    if (f.ate.isValid())
        condicoes << u"Momento<"_s + inicioDoDia(f.ate.addDays(1));
    if (!antesDe.isEmpty())
        condicoes << u"Id<"_s + ValorInteiro(antesDe);
    const QString fim = u" ORDER BY Id DESC LIMIT "_s + QString::number(limite);
    // A página de uma tabela (ou de todas), na ordem de um índice: (Tabela, Id),
    // (Usuario, Id), (Tabela, Registro) ou a chave.
    const auto pagina = [&](const QString &tabela) {
        QStringList c = condicoes;
        if (!tabela.isEmpty())
            c.prepend(u"Tabela="_s + CitarTexto(tabela));
        return u"SELECT Id, Momento, Usuario, Tabela, Registro, Operacao FROM Historico"_s
            + (c.isEmpty() ? QString() : u" WHERE "_s + c.join(u" AND "_s)) + fim;
    };
    QStringList s = { u"SELECT Id, %1 AS Momento, CASE WHEN Usuario='' THEN %2 ELSE Usuario END "
                      "AS Usuario, Tabela, Registro, CASE Operacao WHEN 'I' THEN %3 WHEN 'U' THEN "
                      "%4 ELSE %5 END AS Operacao"_s.arg(MomentoLocal(u"Momento"_s),
                          CitarTexto(OutroPrograma), CitarTexto(NomeOperacao(u'I')),
                          CitarTexto(NomeOperacao(u'U')), CitarTexto(NomeOperacao(u'D'))) };
    if (f.tabelas.size() <= 1) {
        s << u" FROM ("_s + pagina(f.tabelas.value(0)) + u") AS h"_s;
    } else {
        // Várias tabelas (o dono e seus textos longos): a página de cada uma, juntas.
        QStringList partes;
        for (qsizetype i = 0; i < f.tabelas.size(); ++i)
            partes << u"SELECT * FROM ("_s + pagina(f.tabelas.at(i)) + u") AS h"_s
                    + QString::number(i);
        s << u" FROM ("_s + partes.join(u" UNION ALL "_s) + u") AS h"_s;
    }
    s << fim.mid(1);
    return s;
}

QStringList Usuarios(TQuery &q)
{
    // Do menor ao maior, cada um o primeiro maior que o anterior no índice (Usuario, Id).
    q.Close();
    q.SQL = { u"WITH RECURSIVE u (Usuario) AS (SELECT MIN(Usuario) FROM Historico UNION ALL "
              "SELECT (SELECT MIN(h.Usuario) FROM Historico h WHERE h.Usuario > u.Usuario) "
              "FROM u WHERE u.Usuario IS NOT NULL)"_s,
        u"SELECT Usuario FROM u WHERE Usuario IS NOT NULL ORDER BY Usuario"_s };
    q.Open();
    QStringList u;
    for (q.First(); !q.Eof(); q.Next())
        u << NomeUsuario(q.Campo0());
    return u;
}

Plano Planejar(TQuery &q, const Alteracao &a)
{
    const Esquema::Tabela *t = a.Tabela();
    if (!t || !t->ComHistorico())
        throw ErroBanco(u"Tabela sem histórico: "_s + a.tabela);
    Plano p;
    q.Close();
    q.SQL = { linhaDe(*t, a.registro) };
    q.Open();
    const bool existe = q.RecordCount() > 0;
    const bool dono = t->registroHistorico == u"Id"_s;
    const QList<const Esquema::Tabela *> textos
        = dono ? Esquema::TextosLongosDe(t->nome) : QList<const Esquema::Tabela *>();

    if (a.operacao == u'U' || a.operacao == u'I') {
        const QJsonObject depois = a.depois.value_or(QJsonObject());
        if (!existe) {
            p.linhaAusente = true;
            return p;
        }
        p.diferencas = comparar(*t, depois, q);
        if (p.Recusado())
            return p;
        if (a.operacao == u'U') {
            p.comandos << atualizacao(*t, a.antes.value_or(QJsonObject()), a.registro);
            return p;
        }
        const QString id = Texto(t->coluna(u"Id"_s), depois.value(u"Id"_s));
        p.comandos << QStringList { u"DELETE FROM %1 WHERE Id=%2"_s.arg(
            t->nome, ValorInteiro(id)) };
        for (const Esquema::Tabela *x : textos) {
            q.Close();
            q.SQL = { linhaDe(*x, a.registro) };
            q.Open();
            if (q.RecordCount() == 0)
                continue;
            p.textosLongos << x->nome;
            p.comandos << QStringList { u"DELETE FROM %1 WHERE %2=%3"_s.arg(
                x->nome, x->registroHistorico, ValorInteiro(a.registro)) };
        }
        return p;
    }

    // Exclusão: a linha volta com o mesmo Id, e os textos longos apagados com ela.
    const QJsonObject antes = a.antes.value_or(QJsonObject());
    if (existe) {
        p.linhaPresente = true;
        p.diferencas = comparar(*t, antes, q);
        return p;
    }
    p.comandos << inclusao(*t, antes);
    for (const auto &[x, valores] : textosApagados(q, a, textos)) {
        q.Close();
        q.SQL = { linhaDe(*x, a.registro) };
        q.Open();
        if (q.RecordCount() > 0) {
            p.linhaPresente = true;
            p.diferencas << comparar(*x, valores, q);
            continue;
        }
        p.textosLongos << x->nome;
        p.comandos << inclusao(*x, valores, true);
    }
    if (p.linhaPresente)
        p.comandos.clear();
    return p;
}

Plano Desfazer(TQuery &q, const Alteracao &a)
{
    TDatabase &db = *q.Database();
    db.IniciarTransacao();
    try {
        Plano p = Planejar(q, a);
        if (!p.Recusado())
            for (const QStringList &c : p.comandos) {
                q.Close();
                q.SQL = c;
                q.ExecSQL();
                if (q.LinhasAfetadas() != 0)
                    continue;
                // Um UPDATE ou DELETE que não achou a linha não desfez nada: a segurança
                // por linha não deixa este login gravá-la, ela sumiu depois do plano, ou o
                // servidor não a mudou (um gatilho, por exemplo).
                const Esquema::Tabela *t = a.Tabela();
                if (RecusarLinhaProtegida(q, t->nome, t->registroHistorico, a.registro))
                    throw ErroBanco(u"Nada foi desfeito: o servidor não mudou a linha %1=%2 de "
                                    "%3 (nenhum registro alterado)."_s.arg(
                                        t->registroHistorico, a.registro, t->nome));
                p.linhaAusente = true;
                break;
            }
        if (p.Recusado())
            db.DesfazerTransacao();
        else
            db.ConfirmarTransacao();
        return p;
    } catch (...) {
        db.DesfazerTransacao();
        throw;
    }
}

} // namespace Historico
