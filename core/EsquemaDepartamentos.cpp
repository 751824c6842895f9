// Linhas de departamento: as tabelas cujas listas os níveis de departamento (3..6) veem
// filtradas pelo seu departamento, direto ou pela linha dona (textos longos, contatos,
// participantes). No PostgreSQL a segurança por linha faz o servidor cumprir o que as
// janelas prometem: esses logins só incluem, alteram e excluem linhas do seu
// departamento; a leitura não muda (as janelas mostram nomes de outros departamentos).
#include "Esquema.h"

#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"
#include "Sentenca.h"

using namespace Qt::StringLiterals;

namespace Esquema {

const QList<Confinamento> &Confinamentos()
{
    // Número da tabela no catálogo; coluna com o departamento (ou com a linha dona);
    // tabela dona; coluna do título da linha reservada "[vazio]" das listas filtradas.
    static const QList<Confinamento> c = {
        // Filtradas pelo departamento nas listas dos níveis 3..6
        { 10, u"Id"_s, 0, u"Nome"_s }, // Departamentos: a própria linha
        { 11, u"Departamento"_s, 0, u"Nome"_s }, // Docentes
        { 14, u"Departamento"_s, 0, u"Nome"_s }, // Graduacoes
        { 15, u"Departamento"_s, 0, u"Nome"_s }, // Posgraduacoes
        { 19, u"Departamento"_s, 0, u"Titulo"_s }, // Extensoes
        { 30, u"Departamento"_s, 0, u"Nome"_s }, // Centros
        { 32, u"Departamento"_s, 0, u"Nome"_s }, // Disciplinas
        { 40, u"Departamento"_s, 0, u"Nome"_s }, // Agremiacoes
        { 41, u"Departamento"_s, 0, u"Nome"_s }, // Downloads
        { 50, u"Departamento"_s, 0, u"Nome"_s }, // GruposPesquisa
        { 70, u"Departamento"_s, 0, u"Titulo"_s }, // Comunicados
        { 71, u"Departamento"_s, 0, u"Titulo"_s }, // Imagens
        { 78, u"Departamento"_s, 0, u"Nome"_s }, // Veiculos
        // Pela linha dona
        { 61, u"Departamento"_s, 10 },
        { 22, u"Departamento"_s, 10 },
        { 16, u"Departamento"_s, 10 },
        { 42, u"Docente"_s, 11 },
        { 43, u"Docente"_s, 11 },
        { 44, u"Docente"_s, 11 },
        { 25, u"Docente"_s, 11 },
        { 17, u"Docente"_s, 11 },
        { 26, u"Docente"_s, 11 },
        { 76, u"Docente"_s, 11 },
        { 45, u"Graduacao"_s, 14 },
        { 46, u"Graduacao"_s, 14 },
        { 47, u"PosGraduacao"_s, 15 },
        { 48, u"PosGraduacao"_s, 15 },
        { 49, u"PosGraduacao"_s, 15 },
        { 20, u"Extensao"_s, 19 },
        { 63, u"Centro"_s, 30 },
        { 31, u"Centro"_s, 30 },
        { 52, u"Disciplina"_s, 32 },
        { 53, u"Disciplina"_s, 32 },
        { 54, u"Disciplina"_s, 32 },
        { 55, u"Disciplina"_s, 32 },
        { 56, u"Disciplina"_s, 32 },
        { 57, u"Disciplina"_s, 32 },
        { 58, u"Disciplina"_s, 32 },
        { 59, u"Disciplina"_s, 32 },
        { 34, u"Disciplina"_s, 32 },
        { 35, u"Disciplina"_s, 32 },
        { 37, u"Disciplina"_s, 32 },
        { 38, u"Disciplina"_s, 32 },
        { 39, u"Disciplina"_s, 34 },
        { 77, u"Disciplina"_s, 34 },
        { 68, u"Agremiacao"_s, 40 },
        { 51, u"Grupo"_s, 50 },
        { 79, u"Solicitante"_s, 78 },
    };
    return c;
}

const Confinamento *ConfinamentoDe(int tabela)
{
    for (const Confinamento &c : Confinamentos())
        if (c.tabela == tabela)
            return &c;
    return nullptr;
}

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
    for (const Confinamento &t : Confinamentos()) {
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
