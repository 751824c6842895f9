// Histórico de alterações guardado pelo próprio banco: toda inclusão, alteração e exclusão
// numa tabela com histórico deixa uma linha em Historico, escrita por gatilhos na mesma
// transação, venha ela deste programa, de outra cópia dele ou de qualquer outro cliente.
//
//   Id, Momento (o instante, pelo relógio do servidor; nenhum ajuste de fuso da sessão o
//   muda), Usuario, Tabela, Registro (Id da linha, ou a chave do dono numa tabela de texto
//   longo), Operacao ('I', 'U', 'D'), Antes e Depois (as colunas em JSON; nulo do lado que
//   não existe; numa alteração só as colunas mudadas). A tabela está na descrição das
//   tabelas (EsquemaTabelas.cpp), sem histórico próprio.
//
// PostgreSQL: Usuario é o session_user (que um login não falsifica), Momento um
// timestamptz (now()). Os gatilhos são de comando, com as tabelas de transição: um
// comando que muda muitas linhas grava o histórico delas de uma vez. Eles chamam uma
// função SECURITY DEFINER do dono do banco, com search_path fixo: os logins não incluem,
// alteram nem apagam nada em Historico; leem as linhas das tabelas que podem ler (o
// administrador, todas).
//
// SQLite: não há logins; os gatilhos (de linha: o SQLite não tem outros) gravam Usuario
// vazio e Momento em UTC, e a conexão do programa põe em Usuario o nível de acesso com um
// gatilho temporário, só dela. Os gatilhos do arquivo usam apenas funções do próprio
// SQLite (JSON do 3.40), e o arquivo continua gravável por qualquer cliente.
#include "Esquema.h"

#include "PerfisAcesso.h"
#include "Sentenca.h"

#include <QRegularExpression>
#include <QSet>
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
    const QString momento = u"datetime('now'),''"_s; // UTC; e Usuario, marcado pelo programa
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

QStringList historicoSQLite()
{
    QStringList c = ComandosIndicesHistorico(FonteDados::SQLite);
    for (const Tabela *t : comHistorico())
        c << gatilhosSQLite(*t);
    return c;
}

// Os gatilhos de histórico do arquivo, pelo nome ("<tabela>_Historico...").
const QString gatilhoDeHistorico = u"*_Historico*"_s;

// --- PostgreSQL -----------------------------------------------------------------------

// Uma só função para todos os gatilhos; os argumentos do gatilho dão a tabela, a coluna
// do registro e as colunas na grafia do programa (o PostgreSQL as guarda em minúsculas).
// Gatilhos de comando: as linhas incluídas (novas), apagadas (velhas) ou as duas de uma
// alteração, pareadas pelo Id, vão ao histórico num só INSERT. Numa alteração, só as
// colunas mudadas; a linha que não mudou nada não é gravada; um Id trocado aparece como a
// exclusão de um Id e a inclusão do outro (o histórico segue as linhas pelo Id).
const QString funcaoPostgres = uR"(CREATE OR REPLACE FUNCTION historico_gravar() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $corpo$
DECLARE
    gravar constant text := 'INSERT INTO public.historico '
        '(momento, usuario, tabela, registro, operacao, antes, depois) SELECT now(), '
        'session_user, $1, ';
    registro constant text := quote_ident(lower(TG_ARGV[1]));
    velho text; -- v.coluna AS "Coluna", ... (a linha na grafia do programa)
    novo text;
    iguais text; -- CASE WHEN v.coluna IS NOT DISTINCT FROM n.coluna THEN 'Coluna' END, ...
BEGIN
    SELECT string_agg(format('v.%I AS %I', lower(c), c), ', ' ORDER BY o),
           string_agg(format('n.%I AS %I', lower(c), c), ', ' ORDER BY o),
           string_agg(format('CASE WHEN v.%1$I IS NOT DISTINCT FROM n.%1$I THEN %2$L END',
                             lower(c), c), ', ' ORDER BY o)
      INTO velho, novo, iguais
      FROM unnest(TG_ARGV[2:]) WITH ORDINALITY AS a (c, o);
    IF TG_OP = 'INSERT' THEN
        EXECUTE gravar || format('n.%s, ''I'', NULL, to_json(d)::text '
            'FROM novas n, LATERAL (SELECT %s) d', registro, novo) USING TG_ARGV[0];
    ELSIF TG_OP = 'DELETE' THEN
        EXECUTE gravar || format('v.%s, ''D'', to_json(a)::text, NULL '
            'FROM velhas v, LATERAL (SELECT %s) a', registro, velho) USING TG_ARGV[0];
    ELSE
        EXECUTE gravar || format('COALESCE(n.%1$s, v.%1$s), '
            'CASE WHEN v.id IS NULL THEN ''I'' WHEN n.id IS NULL THEN ''D'' ELSE ''U'' END, '
            'CASE WHEN v.id IS NOT NULL THEN (to_jsonb(a) - i.c)::text END, '
            'CASE WHEN n.id IS NOT NULL THEN (to_jsonb(d) - i.c)::text END '
            'FROM velhas v FULL JOIN novas n ON n.id = v.id, '
            'LATERAL (SELECT %2$s) a, LATERAL (SELECT %3$s) d, '
            'LATERAL (SELECT CASE WHEN v.id IS NULL OR n.id IS NULL THEN ''{}''::text[] '
            'ELSE array_remove(ARRAY[%4$s]::text[], NULL) END AS c) i '
            'WHERE v IS DISTINCT FROM n ORDER BY COALESCE(n.id, v.id)',
            registro, velho, novo, iguais) USING TG_ARGV[0];
    END IF;
    RETURN NULL;
END
$corpo$)"_s;

// Os gatilhos de uma tabela (um por operação: o PostgreSQL só dá tabelas de transição a
// gatilhos de uma operação), e os nomes dos da versão anterior, de linha.
QStringList gatilhosPostgres(const Tabela &t)
{
    QStringList argumentos = { CitarTexto(t.nome), CitarTexto(t.registroHistorico) };
    for (const Coluna &c : t.colunas)
        argumentos << CitarTexto(c.nome);
    const QString args = argumentos.join(u',');
    const QString gatilho = u"CREATE TRIGGER %1 AFTER %2 ON %3 REFERENCING %4 FOR EACH STATEMENT "
                            "EXECUTE FUNCTION historico_gravar(%5)"_s;
    return {
        gatilho.arg(u"historico_incluir"_s, u"INSERT"_s, t.nome, u"NEW TABLE AS novas"_s, args),
        gatilho.arg(u"historico_alterar"_s, u"UPDATE"_s, t.nome,
            u"OLD TABLE AS velhas NEW TABLE AS novas"_s, args),
        gatilho.arg(u"historico_excluir"_s, u"DELETE"_s, t.nome, u"OLD TABLE AS velhas"_s, args),
    };
}
const QStringList gatilhosPostgresNomes
    = { u"historico_incluir"_s, u"historico_alterar"_s, u"historico_excluir"_s,
          u"historico_incluir_excluir"_s }; // o último, da versão de gatilhos de linha

QStringList historicoPostgres()
{
    QStringList c = ComandosIndicesHistorico(FonteDados::PostgreSQL);
    c << funcaoPostgres << u"REVOKE ALL ON FUNCTION historico_gravar() FROM PUBLIC"_s;
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
// histórico sem usuário (a dos gatilhos do arquivo) gravada por esta conexão. Antes da
// inclusão, ele grava a linha já com o usuário e abandona a do arquivo (RAISE(IGNORE)
// desiste só do INSERT do gatilho do arquivo, não do comando que o disparou): uma inclusão
// por linha, em vez de uma inclusão e um UPDATE que reescreve a linha e o índice do
// usuário. A sua própria inclusão, já com o usuário, não o dispara de novo; o Id dado
// explicitamente é mantido (sem ele, NEW.Id antes da inclusão não é um Id).
QString marcaUsuarioSQLite(const QString &usuario)
{
    return u"CREATE TEMP TRIGGER HistoricoUsuario BEFORE INSERT ON main.Historico WHEN "
           "coalesce(NEW.Usuario,'')='' BEGIN INSERT INTO Historico (Id,Momento,Usuario,Tabela,"
           "Registro,Operacao,Antes,Depois) VALUES (CASE WHEN NEW.Id>0 THEN NEW.Id END,"
           "NEW.Momento,%1,NEW.Tabela,NEW.Registro,NEW.Operacao,NEW.Antes,NEW.Depois); "
           "SELECT RAISE(IGNORE); END"_s.arg(CitarTexto(usuario));
}

} // namespace

QStringList ComandosHistorico(Motor motor)
{
    return motor == FonteDados::PostgreSQL ? historicoPostgres() : historicoSQLite();
}

QStringList ComandosIndicesHistorico(Motor motor)
{
    // A linha de uma tabela (desfazer, filtro de linha); a listagem, a mais nova primeiro,
    // filtrada por tabela ou por login (e a lista dos logins, lida do índice); o filtro
    // de período. No PostgreSQL o período usa um índice BRIN: o momento cresce com a
    // tabela, e ele custa quase nada a cada linha gravada.
    QStringList c
        = { u"CREATE INDEX IF NOT EXISTS Historico_Registro ON Historico (Tabela, Registro)"_s,
              ComandoCriarIndice(u"Historico"_s, { u"Tabela"_s, u"Id"_s }),
              ComandoCriarIndice(u"Historico"_s, { u"Usuario"_s, u"Id"_s }) };
    c << (motor == FonteDados::PostgreSQL
            ? u"CREATE INDEX IF NOT EXISTS Historico_Momento ON Historico USING brin (Momento)"_s
            : ComandoCriarIndice(u"Historico"_s, { u"Momento"_s }));
    return c;
}

QStringList ComandosAtualizarPostgres()
{
    QStringList c = ComandosIndices();
    // O momento gravado no fuso da sessão passa a instante; as linhas antigas são lidas no
    // fuso desta sessão (o do servidor, salvo PGTZ).
    c << uR"(DO $$ BEGIN
    IF (SELECT atttypid FROM pg_attribute WHERE attrelid = 'public.historico'::regclass
          AND attname = 'momento') = 'timestamp'::regtype THEN
        ALTER TABLE public.historico ALTER COLUMN momento TYPE TIMESTAMPTZ(0)
            USING momento AT TIME ZONE current_setting('TimeZone');
    END IF;
END $$)"_s;
    c << ComandosIndicesHistorico(FonteDados::PostgreSQL) << funcaoPostgres
      << u"REVOKE ALL ON FUNCTION historico_gravar() FROM PUBLIC"_s;
    for (const Tabela *t : comHistorico()) {
        for (const QString &g : gatilhosPostgresNomes)
            c << u"DROP TRIGGER IF EXISTS %1 ON %2"_s.arg(g, t->nome);
        c << gatilhosPostgres(*t);
    }
    return c;
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

void PrepararSQLite(QSqlDatabase &db, const QString &usuario)
{
    // O que o arquivo já tem: tabelas, índices e o texto dos gatilhos de histórico.
    QSqlQuery q(db);
    if (!q.exec(u"SELECT type, name, sql FROM sqlite_master WHERE type IN ('table','index') "
                "OR (type='trigger' AND name GLOB '%1')"_s.arg(gatilhoDeHistorico)))
        throw ErroBanco(q.lastError().text());
    QSet<QString> nomes;
    QStringList gatilhos;
    bool antigos = false; // gatilhos da versão que gravava o momento na hora local
    while (q.next()) {
        nomes.insert(q.value(1).toString().toLower());
        if (q.value(0).toString() == u"trigger"_s) {
            gatilhos << q.value(1).toString();
            antigos = antigos || q.value(2).toString().contains(u"'localtime'"_s);
        }
    }
    q.finish();

    QStringList c;
    if (!nomes.contains(u"historico"_s)) {
        c << ComandoCriarTabela(*TabelaPorNome(u"Historico"_s), FonteDados::SQLite)
          << ComandosHistorico(FonteDados::SQLite);
    } else if (antigos) {
        // Os momentos gravados na hora local desta máquina passam a UTC, com os gatilhos.
        for (const QString &g : std::as_const(gatilhos))
            c << u"DROP TRIGGER "_s + g;
        c << u"UPDATE Historico SET Momento=datetime(Momento,'utc') WHERE Momento IS NOT NULL"_s;
        for (const Tabela *t : comHistorico())
            c << gatilhosSQLite(*t);
    }
    static const QRegularExpression nomeIndice(u"^CREATE INDEX IF NOT EXISTS (\\S+) "_s);
    for (const QString &i : ComandosIndices() + ComandosIndicesHistorico(FonteDados::SQLite))
        if (!nomes.contains(nomeIndice.match(i).captured(1).toLower()) && !c.contains(i))
            c << i;
    if (!c.isEmpty())
        Executar(db, c);

    q.exec(u"DROP TRIGGER IF EXISTS temp.HistoricoUsuario"_s);
    if (!usuario.isEmpty() && !q.exec(marcaUsuarioSQLite(usuario)))
        throw ErroBanco(q.lastError().text());
}

} // namespace Esquema
