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

using CatalogoJanelas::Confinamento;
using CatalogoJanelas::ConfinamentoDe;

namespace {
const QString Departamento = u"departamento_do_login()"_s;

// Função que dá o Id do departamento do login corrente: a linha de Departamentos com o
// nome do departamento do nível (a mesma que define o filtro das listas); nula para os
// outros logins ou quando a linha falta.
QString comandoFuncao()
{
    QString casos;
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
        if (NivelDeDepartamento(nivel))
            casos += u" WHEN %1 THEN %2"_s.arg(
                CitarTexto(UsuarioNivel(nivel)), CitarTexto(DepartamentoNivel(nivel)));
    return u"CREATE FUNCTION %1 RETURNS integer LANGUAGE sql STABLE SET search_path = public "
           "AS $$SELECT MIN(Id) FROM %2 WHERE Nome = CASE current_user%3 END$$"_s.arg(
               Departamento, NomeTabela(10), casos);
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

QStringList ComandosSegurancaLinhas()
{
    QStringList logins;
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
        if (NivelDeDepartamento(nivel))
            logins << UsuarioNivel(nivel);
    const QString para = logins.join(u", "_s);

    QStringList c = { comandoFuncao() };
    for (const Confinamento &t : CatalogoJanelas::Confinamentos()) {
        const QString nome = NomeTabela(t.tabela);
        const QString dele = doDepartamento(t, nome);
        // As políticas restritivas valem só para os logins de departamento; a permissiva
        // deixa todos os outros como estavam (nenhum login é dono de tabela).
        c << u"ALTER TABLE %1 ENABLE ROW LEVEL SECURITY"_s.arg(nome)
          << u"CREATE POLICY todos ON %1 USING (true) WITH CHECK (true)"_s.arg(nome)
          << u"CREATE POLICY departamento_incluir ON %1 AS RESTRICTIVE FOR INSERT TO %2 "
             "WITH CHECK (%3)"_s.arg(nome, para, dele)
          << u"CREATE POLICY departamento_alterar ON %1 AS RESTRICTIVE FOR UPDATE TO %2 "
             "USING (%3) WITH CHECK (%3)"_s.arg(nome, para, dele)
          << u"CREATE POLICY departamento_excluir ON %1 AS RESTRICTIVE FOR DELETE TO %2 "
             "USING (%3)"_s.arg(nome, para, podeExcluir(t, nome));
    }
    return c;
}

} // namespace Esquema
