// Segurança por linha dos níveis de departamento: nas tabelas de departamento do
// catálogo das janelas (CatalogoJanelas::Confinamentos: as listas filtradas pelo
// departamento e, pela linha dona, as suas filhas e os seus textos longos), o servidor
// cumpre o que as janelas prometem: esses logins só incluem, alteram e excluem linhas do
// seu departamento; a leitura não muda (as janelas mostram nomes de outros departamentos).
#include "Esquema.h"

#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"
#include "Sentenca.h"

using namespace Qt::StringLiterals;

namespace Esquema {

const QString DepartamentoDoLogin = u"public.departamento_do_login()"_s;
const QString TabelaLoginsDepartamentos = u"LoginsDepartamentos"_s;
const QString PoliticaIncluir = u"departamento_incluir"_s;
const QString PoliticaAlterar = u"departamento_alterar"_s;
const QString PoliticaExcluir = u"departamento_excluir"_s;

using CatalogoJanelas::Confinamento;
using CatalogoJanelas::ConfinamentoDe;

namespace {
const QString Departamento = DepartamentoDoLogin;

// O departamento de cada login de departamento, gravado pelo comando de criação com o Id
// da linha de Departamentos que tem o nome do nível. Só o dono grava nesta tabela: o
// login pode renomear o seu departamento (a janela grava o Nome), mas continua preso ao
// mesmo Id, e o nome novo não entrega a ninguém as linhas de outro departamento.
//
// Num banco de uma versão anterior (a função lia o departamento pelo nome), a tabela é
// criada com o que a função antiga daria a cada login (a menor linha com o nome do
// nível); um login que já está nela fica como o dono o deixou, e um sem linha do seu
// nome fica sem departamento, como quando a linha é excluída.
QStringList comandosLoginsDepartamentos(const QString &para, bool atualizar)
{
    QStringList c = { u"CREATE TABLE %1public.%2 (Login text PRIMARY KEY, Departamento "
                      "integer NOT NULL)"_s.arg(
                          atualizar ? u"IF NOT EXISTS "_s : QString(), TabelaLoginsDepartamentos) };
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
        if (!NivelDeDepartamento(nivel))
            continue;
        const QString login = CitarTexto(UsuarioNivel(nivel));
        const QString nome = CitarTexto(DepartamentoNivel(nivel));
        if (atualizar)
            c << u"INSERT INTO public.%1 (Login, Departamento) SELECT %2, MIN(Id) FROM "
                 "public.%3 WHERE Nome = %4 HAVING COUNT(*) > 0 ON CONFLICT (Login) DO NOTHING"_s
                     .arg(TabelaLoginsDepartamentos, login, NomeTabela(10), nome);
        else
            // Sem a linha do nível (ou com duas) o comando falha: NOT NULL ou a subconsulta.
            c << u"INSERT INTO public.%1 (Login, Departamento) VALUES (%2, "
                 "(SELECT Id FROM public.%3 WHERE Nome = %4))"_s.arg(
                     TabelaLoginsDepartamentos, login, NomeTabela(10), nome);
    }
    c << u"GRANT SELECT ON public.%1 TO %2"_s.arg(TabelaLoginsDepartamentos, para);
    return c;
}

// Função que dá o Id do departamento do login corrente, pela tabela acima; nula para os
// outros logins ou quando a linha do departamento foi excluída. Nomes com o esquema e
// caminho de procura fixo: uma tabela temporária do mesmo nome não a engana.
QString comandoFuncao()
{
    return u"CREATE OR REPLACE FUNCTION %1 RETURNS integer LANGUAGE sql STABLE "
           "SET search_path = public, pg_temp AS $$SELECT d.Id FROM public.%2 l "
           "JOIN public.%3 d ON d.Id = l.Departamento WHERE l.Login = current_user$$"_s.arg(
               Departamento, TabelaLoginsDepartamentos, NomeTabela(10));
}

// Condição de uma linha (referida por 'linha': nome da tabela ou apelido) pertencer ao
// departamento do login. Uma linha dona reservada ("[vazio]") vale para as filhas: as
// janelas a listam a todos os níveis e, ao mostrá-la, criam os seus textos longos.
QString doDepartamento(const Confinamento &c, const QString &linha, int nivel = 1)
{
    if (!c.dona)
        return u"%1.%2 = %3"_s.arg(linha, c.coluna, Departamento);
    const Confinamento *dona = ConfinamentoDe(c.dona);
    const QString apelido = u"d%1"_s.arg(nivel);
    const QString daDona = dona->dona
        ? doDepartamento(*dona, apelido, nivel + 1)
        : u"(%1 OR %2.%3 = '[vazio]')"_s.arg(
            doDepartamento(*dona, apelido, nivel + 1), apelido, dona->vazio);
    return u"EXISTS (SELECT 1 FROM %1 %2 WHERE %2.Id = %3.%4 AND %5)"_s.arg(
        NomeTabela(c.dona), apelido, linha, c.coluna, daDona);
}

// Excluir: também as filhas que perderam a linha dona (as janelas apagam os textos
// longos depois da linha dona).
QString podeExcluir(const Confinamento &c, const QString &linha)
{
    if (!c.dona)
        return doDepartamento(c, linha);
    return u"NOT EXISTS (SELECT 1 FROM %1 d WHERE d.Id = %2.%3) OR %4"_s.arg(
        NomeTabela(c.dona), linha, c.coluna, doDepartamento(c, linha));
}
} // namespace

namespace {
// A tabela dos logins, a função e as políticas; ao atualizar um banco de uma versão
// anterior, as políticas antigas saem e entram as de agora.
QStringList comandosSeguranca(bool atualizar)
{
    QStringList logins;
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
        if (NivelDeDepartamento(nivel))
            logins << UsuarioNivel(nivel);
    const QString para = logins.join(u", "_s);

    QStringList c = comandosLoginsDepartamentos(para, atualizar) << comandoFuncao();
    for (const Confinamento &t : CatalogoJanelas::Confinamentos()) {
        const QString nome = NomeTabela(t.tabela);
        const QString dele = doDepartamento(t, nome);
        if (atualizar)
            for (const QString &p :
                { u"todos"_s, PoliticaIncluir, PoliticaAlterar, PoliticaExcluir })
                c << u"DROP POLICY IF EXISTS %1 ON %2"_s.arg(p, nome);
        // As políticas restritivas valem só para os logins de departamento; a permissiva
        // deixa todos os outros como estavam (nenhum login é dono de tabela).
        c << u"ALTER TABLE %1 ENABLE ROW LEVEL SECURITY"_s.arg(nome)
          << u"CREATE POLICY todos ON %1 USING (true) WITH CHECK (true)"_s.arg(nome)
          << u"CREATE POLICY %1 ON %2 AS RESTRICTIVE FOR INSERT TO %3 WITH CHECK (%4)"_s.arg(
                 PoliticaIncluir, nome, para, dele)
          << u"CREATE POLICY %1 ON %2 AS RESTRICTIVE FOR UPDATE TO %3 USING (%4) "
             "WITH CHECK (%4)"_s.arg(PoliticaAlterar, nome, para, dele)
          << u"CREATE POLICY %1 ON %2 AS RESTRICTIVE FOR DELETE TO %3 USING (%4)"_s.arg(
                 PoliticaExcluir, nome, para, podeExcluir(t, nome));
    }
    return c;
}
} // namespace

QStringList ComandosSegurancaLinhas()
{
    return comandosSeguranca(false);
}

QStringList ComandosAtualizarSegurancaLinhas()
{
    return comandosSeguranca(true);
}

} // namespace Esquema
