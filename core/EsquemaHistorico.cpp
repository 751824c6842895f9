// Histórico de alterações guardado pelo próprio banco: toda inclusão, alteração e exclusão
// numa tabela com histórico deixa uma linha em Historico, escrita por gatilhos na mesma
// transação, venha ela deste programa, de outra cópia dele ou de qualquer outro cliente.
//
//   Id, Momento (relógio do servidor), Usuario, Tabela, Registro (Id da linha, ou a chave
//   do dono numa tabela de texto longo), Operacao ('I', 'U', 'D'), Antes e Depois (as
//   colunas em JSON; nulo do lado que não existe; numa alteração só as colunas mudadas).
//   A tabela está na descrição das tabelas (EsquemaTabelas.cpp), sem histórico próprio.
//
// PostgreSQL: Usuario é o session_user (que um login não falsifica). Os gatilhos chamam
// uma função SECURITY DEFINER do dono do banco, com search_path fixo: os logins não
// incluem, alteram nem apagam nada em Historico; leem as linhas das tabelas que podem ler
// (o administrador, todas).
//
// SQLite: não há logins; os gatilhos gravam Usuario vazio, e a conexão do programa põe ali
// o nível de acesso com um gatilho temporário, só dela. Os gatilhos do arquivo usam apenas
// funções do próprio SQLite (JSON do 3.40), e o arquivo continua gravável por qualquer
// cliente.
#include "Esquema.h"

#include "PerfisAcesso.h"
#include "Sentenca.h"

#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace Esquema {
namespace {

QList<const Tabela *> comHistorico()
{
    QList<const Tabela *> t;
    for (const Tabela &x : Tabelas())
        if (x.ComHistorico())
            t << &x;
    return t;
}

// --- SQLite ---------------------------------------------------------------------------

// Valor da coluna no lado dado ("NEW"/"OLD"); datas como ficam gravadas, para que a
// regravação em ISO feita pelos gatilhos das datas não pareça uma alteração.
QString valorSQLite(const Coluna &c, const QString &lado)
{
    const QString x = lado + u'.' + c.nome;
    if (c.tipo == Tipo::Data || c.tipo == Tipo::DataHora)
        return DataNormalizadaSQLite(x, c.tipo == Tipo::DataHora);
    return x;
}

QString objetoSQLite(const Tabela &t, const QString &lado)
{
    QStringList pares;
    for (const Coluna &c : t.colunas)
        pares << CitarTexto(c.nome) + u',' + valorSQLite(c, lado);
    return u"json_object("_s + pares.join(u',') + u')';
}

QStringList gatilhosSQLite(const Tabela &t)
{
    const QString gravar
        = u"INSERT INTO Historico (Momento,Usuario,Tabela,Registro,Operacao,Antes,Depois) "_s;
    const QString momento = u"datetime('now','localtime'),''"_s; // e Usuario, marcado pelo programa
    const QString tabela = CitarTexto(t.nome);
    const QString reg = t.registroHistorico;

    // Alteração: só as colunas cujo valor mudou (as outras saem dos dois objetos); sem
    // nenhuma, o gatilho não roda. Tudo em expressões, sem subconsultas: o gatilho é
    // compilado a cada comando que o dispara.
    QStringList mudou, fica;
    for (const Coluna &c : t.colunas) {
        const QString diferente
            = valorSQLite(c, u"OLD"_s) + u" IS NOT "_s + valorSQLite(c, u"NEW"_s);
        mudou << diferente;
        fica << u"CASE WHEN %1 THEN '$.\"\"' ELSE '$.%2' END"_s.arg(diferente, c.nome);
    }
    const QString remover = fica.join(u',');
    return {
        u"CREATE TRIGGER %1_HistoricoIncluir AFTER INSERT ON %1 BEGIN %2VALUES (%3,%4,NEW.%5,'I',"
        "NULL,%6); END"_s.arg(t.nome, gravar, momento, tabela, reg, objetoSQLite(t, u"NEW"_s)),
        u"CREATE TRIGGER %1_HistoricoAlterar AFTER UPDATE ON %1 WHEN %2 BEGIN %3VALUES (%4,%5,"
        "NEW.%6,'U',json_remove(%7,%9),json_remove(%8,%9)); END"_s.arg(t.nome,
            mudou.join(u" OR "_s), gravar, momento, tabela, reg, objetoSQLite(t, u"OLD"_s),
            objetoSQLite(t, u"NEW"_s), remover),
        u"CREATE TRIGGER %1_HistoricoExcluir AFTER DELETE ON %1 BEGIN %2VALUES (%3,%4,OLD.%5,'D',"
        "%6,NULL); END"_s.arg(t.nome, gravar, momento, tabela, reg, objetoSQLite(t, u"OLD"_s)),
    };
}

const QString indice = u"CREATE INDEX Historico_Registro ON Historico (Tabela, Registro)"_s;

QStringList historicoSQLite()
{
    QStringList c = { indice };
    for (const Tabela *t : comHistorico())
        c << gatilhosSQLite(*t);
    return c;
}

// --- PostgreSQL -----------------------------------------------------------------------

// Uma só função para todos os gatilhos; os argumentos do gatilho dão a tabela, a coluna
// do registro e as colunas na grafia do programa (o PostgreSQL as guarda em minúsculas).
const QString funcaoPostgres = uR"(CREATE FUNCTION historico_gravar() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $corpo$
DECLARE
    velho jsonb;
    novo jsonb;
    antes jsonb;
    depois jsonb;
BEGIN
    IF TG_OP <> 'INSERT' THEN
        velho := to_jsonb(OLD);
    END IF;
    IF TG_OP <> 'DELETE' THEN
        novo := to_jsonb(NEW);
    END IF;
    SELECT jsonb_object_agg(c, velho -> lower(c)), jsonb_object_agg(c, novo -> lower(c))
      INTO antes, depois
      FROM unnest(TG_ARGV[2:]) AS c
     WHERE TG_OP <> 'UPDATE' OR (velho -> lower(c)) IS DISTINCT FROM (novo -> lower(c));
    IF antes IS NULL THEN
        RETURN NULL; -- alteração que não muda nada
    END IF;
    INSERT INTO public.historico (momento, usuario, tabela, registro, operacao, antes, depois)
    VALUES (LOCALTIMESTAMP(0), session_user, TG_ARGV[0],
            (COALESCE(novo, velho) ->> lower(TG_ARGV[1]))::integer, left(TG_OP, 1),
            CASE WHEN velho IS NOT NULL THEN antes::text END,
            CASE WHEN novo IS NOT NULL THEN depois::text END);
    RETURN NULL;
END
$corpo$)"_s;

QStringList gatilhosPostgres(const Tabela &t)
{
    QStringList argumentos = { CitarTexto(t.nome), CitarTexto(t.registroHistorico) };
    for (const Coluna &c : t.colunas)
        argumentos << CitarTexto(c.nome);
    const QString args = argumentos.join(u',');
    return {
        u"CREATE TRIGGER historico_incluir_excluir AFTER INSERT OR DELETE ON %1 FOR EACH ROW "
        "EXECUTE FUNCTION historico_gravar(%2)"_s.arg(t.nome, args),
        u"CREATE TRIGGER historico_alterar AFTER UPDATE ON %1 FOR EACH ROW "
        "WHEN (OLD.* IS DISTINCT FROM NEW.*) EXECUTE FUNCTION historico_gravar(%2)"_s.arg(
            t.nome, args),
    };
}

QStringList historicoPostgres()
{
    QStringList c = {
        indice,
        funcaoPostgres,
        u"REVOKE ALL ON FUNCTION historico_gravar() FROM PUBLIC"_s,
    };
    for (const Tabela *t : comHistorico())
        c << gatilhosPostgres(*t);

    // Leitura: o administrador lê tudo; os outros logins, o histórico das tabelas que
    // podem ler. Ninguém além do dono inclui, altera ou apaga.
    c << u"ALTER TABLE Historico ENABLE ROW LEVEL SECURITY"_s
      << u"CREATE POLICY historico_administrador ON Historico FOR SELECT TO %1 USING (true)"_s.arg(
             UsuarioNivel(1));
    QStringList outros;
    for (int nivel = 2; nivel <= NumeroNiveis; ++nivel)
        outros << UsuarioNivel(nivel);
    c << u"CREATE POLICY historico_leitura ON Historico FOR SELECT TO %1 "
         "USING (has_table_privilege(Tabela, 'SELECT'))"_s.arg(outros.join(u", "_s));
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
        c << u"GRANT SELECT ON Historico TO %1"_s.arg(UsuarioNivel(nivel));
    // Desfazer uma exclusão inclui a linha de volta com o mesmo Id.
    for (const Direito &d : DireitosNivel(1))
        if (d.incluir)
            c << u"GRANT INSERT (Id) ON %1 TO %2"_s.arg(d.tabela, UsuarioNivel(1));
    return c;
}

// Gatilho temporário da conexão do programa no SQLite: põe o usuário em cada linha de
// histórico que os gatilhos do arquivo gravam por esta conexão.
QString marcaUsuarioSQLite(const QString &usuario)
{
    return u"CREATE TEMP TRIGGER HistoricoUsuario AFTER INSERT ON main.Historico BEGIN "
           "UPDATE Historico SET Usuario=%1 WHERE Id=NEW.Id; END"_s.arg(CitarTexto(usuario));
}

} // namespace

QStringList ComandosHistorico(Motor motor)
{
    return motor == FonteDados::PostgreSQL ? historicoPostgres() : historicoSQLite();
}

QStringList ComandosEsvaziarHistorico(Motor motor)
{
    if (motor == FonteDados::PostgreSQL)
        return { u"TRUNCATE TABLE Historico RESTART IDENTITY"_s };
    return { u"DELETE FROM Historico"_s };
}

QList<const Tabela *> TextosLongosDe(const QString &dono)
{
    QList<const Tabela *> t;
    for (const Tabela &x : Tabelas()) {
        if (!x.ComHistorico() || x.registroHistorico == u"Id"_s)
            continue;
        const Coluna *chave = x.coluna(x.registroHistorico);
        if (chave && chave->referencia.compare(dono, Qt::CaseInsensitive) == 0)
            t << &x;
    }
    return t;
}

void PrepararHistoricoSQLite(QSqlDatabase &db, const QString &usuario)
{
    QSqlQuery q(db);
    if (!q.exec(u"SELECT 1 FROM sqlite_master WHERE type='table' AND name='Historico'"_s))
        throw ErroBanco(q.lastError().text());
    const bool existe = q.next();
    q.finish();
    if (!existe)
        Executar(db,
            QStringList { ComandoCriarTabela(*TabelaPorNome(u"Historico"_s), FonteDados::SQLite) }
                + ComandosHistorico(FonteDados::SQLite));
    q.exec(u"DROP TRIGGER IF EXISTS temp.HistoricoUsuario"_s);
    if (!usuario.isEmpty() && !q.exec(marcaUsuarioSQLite(usuario)))
        throw ErroBanco(q.lastError().text());
}

} // namespace Esquema
