// Direitos dos logins: cada nível recebe o que as janelas que ele alcança leem e gravam.
// O nível abre pelo menu as janelas de suas ações; cada janela aberta para edição
// alcança suas janelas filhas (também para edição) e, nos campos de escolha, as janelas
// das tabelas referidas como escolhedoras, que só leem.
#include "Esquema.h"

#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"

#include <QHash>
#include <QMap>
#include <QSet>

using namespace Qt::StringLiterals;

namespace Esquema {
namespace {

struct Filha {
    int janela;
    QSet<int> niveis = {}; // vazio: todos os níveis que abrem a janela mãe
};

// Uma janela de tabela: o que lê e grava além da sua própria tabela. As janelas de
// escolha dos campos que guardam Id saem das colunas da tabela (Esquema::Tipo::IdDe).
struct Janela {
    int numero; // número do catálogo (tabela da janela)
    QList<int> textosLongos = {}; // tabelas de descrição (uma linha por linha da janela)
    QList<int> codigos = {}; // tabelas lidas para as listas de escolha
    QList<Filha> filhas = {}; // janelas abertas pela janela enquanto consulta
    QList<int> escolhedoras = {}; // além das tiradas das colunas que guardam Id
    QSet<int> somenteLeitura = {}; // níveis que abrem a janela mas não gravam nela
};

const QList<Janela> &janelas()
{
    static const QList<Janela> j = {
        // Organização
        { 10, { 61 }, {}, { { 22 }, { 16 } } },
        { 21, {}, {}, { { 23 }, { 24 } } },
        { 30, { 63 }, {}, { { 31 } } },
        { 31 },
        { 73 },
        { 27 },
        { 22 },
        { 16 },
        { 23 },
        { 24 },
        // Docentes (o nível 7 abre a janela, mas Aceitar recusa incluir e alterar)
        { 11, { 42, 43, 44 }, { 66, 29 }, { { 17 }, { 25 }, { 26 }, { 76 }, { 13, { 1 } } }, {},
            { 7 } },
        { 13 },
        { 17 },
        { 25 },
        { 26 },
        { 76 },
        // Ensino
        { 32, { 52, 53, 54, 55, 56, 57, 58, 59 }, { 33 }, { { 34 }, { 35 }, { 37 }, { 38 } } },
        { 36 }, // escolha de disciplinas dos requisitos
        { 35, {}, {}, {}, { 36 } },
        { 37, {}, {}, {}, { 36 } },
        { 38 },
        { 34, {}, {}, { { 39 }, { 77 } } },
        { 39 },
        { 77 },
        { 14, { 45, 46 }, { 28 } },
        { 15, { 47, 48, 49 } },
        { 40, {}, {}, { { 68 } } },
        { 68 },
        // Pós-graduação
        { 74 },
        { 72 },
        { 81 },
        // Conteúdo da página
        { 18 },
        { 70 },
        { 69 },
        { 71 },
        { 41, {}, { 60 } },
        { 67 },
        { 12 },
        // Grupos e veículos
        { 19, {}, {}, { { 20 } } },
        { 20 },
        { 50, {}, {}, { { 51 } } },
        { 51 },
        { 78, {}, {}, { { 79 } } },
        { 79 },
    };
    return j;
}

const Janela *janela(int numero)
{
    for (const Janela &j : janelas())
        if (j.numero == numero)
            return &j;
    return nullptr;
}

// Ação do menu (etiqueta) -> janela aberta por ela.
const QMap<int, int> &acoes()
{
    static const QMap<int, int> a = {
        { 1, 10 },
        { 2, 12 },
        { 3, 11 },
        { 4, 14 },
        { 5, 15 },
        { 6, 18 },
        { 7, 19 },
        { 8, 21 },
        { 9, 27 },
        { 10, 30 },
        { 11, 32 },
        { 12, 40 },
        { 13, 41 },
        { 14, 50 },
        { 15, 67 },
        { 16, 69 },
        { 17, 70 },
        { 18, 71 },
        { 19, 72 },
        { 20, 73 },
        { 22, 74 },
        { 23, 78 },
        { 24, 81 },
    };
    return a;
}

// Janela que escolhe linhas da tabela de nome dado.
int escolhedoraDe(const QString &tabela)
{
    static const QHash<QString, int> e = [] {
        QHash<QString, int> h;
        for (const Janela &j : janelas())
            if (j.numero != 36 && !h.contains(NomeTabela(j.numero)))
                h.insert(NomeTabela(j.numero), j.numero);
        return h;
    }();
    return e.value(tabela, 0);
}

QList<int> escolhedoras(const Janela &j)
{
    QList<int> e = j.escolhedoras;
    if (const Tabela *t = TabelaPorNome(NomeTabela(j.numero)))
        for (const Coluna &c : t->colunas)
            if (c.tipo == Tipo::IdDe)
                if (const int n = escolhedoraDe(c.referencia); n && !e.contains(n))
                    e << n;
    return e;
}

struct Acumulado {
    QMap<QString, Direito> direitos;
    Direito &de(const QString &tabela)
    {
        Direito &d = direitos[tabela];
        d.tabela = tabela;
        return d;
    }
};

void lerJanela(const Janela &j, Acumulado &a)
{
    a.de(NomeTabela(j.numero)).selecionar = true;
    for (int n : j.textosLongos) {
        // Mostrar uma linha cria a descrição que falta.
        Direito &d = a.de(NomeTabela(n));
        d.selecionar = d.incluir = true;
    }
    for (int n : j.codigos)
        a.de(NomeTabela(n)).selecionar = true;
    for (int n : escolhedoras(j)) // NomePorId dos campos de escolha
        a.de(NomeTabela(n)).selecionar = true;
}

void editarJanela(int nivel, int numero, Acumulado &a, QSet<int> &editadas, QSet<int> &escolhas)
{
    const Janela *j = janela(numero);
    if (!j || editadas.contains(numero))
        return;
    editadas.insert(numero);
    lerJanela(*j, a);
    const bool exclui = NivelPodeExcluir(nivel);
    if (!j->somenteLeitura.contains(nivel))
        for (int n : QList<int> { numero } + j->textosLongos) {
            Direito &d = a.de(NomeTabela(n));
            d.selecionar = d.incluir = d.alterar = true;
            d.excluir = d.excluir || exclui;
        }
    for (int n : escolhedoras(*j))
        escolhas.insert(n);
    for (const Filha &f : j->filhas)
        if (f.niveis.isEmpty() || f.niveis.contains(nivel))
            editarJanela(nivel, f.janela, a, editadas, escolhas);
}
} // namespace

QList<Direito> DireitosNivel(int nivel)
{
    Acumulado a;
    Direito &config = a.de(u"Tarvisco"_s);
    config.selecionar = config.alterar = true;
    config.colunasAlteraveis = { u"Instancias"_s };
    if (nivel < 1 || nivel > NumeroNiveis)
        return a.direitos.values();

    QSet<int> editadas, escolhas;
    for (auto it = acoes().cbegin(); it != acoes().cend(); ++it)
        if (NivelVeTabela(nivel, 0) && NivelVeTabela(nivel, it.key()))
            editarJanela(nivel, it.value(), a, editadas, escolhas);
    for (int n : std::as_const(escolhas))
        if (const Janela *j = janela(n))
            lerJanela(*j, a);
    return a.direitos.values();
}

// Colunas que as janelas gravam: todas menos a chave, atribuída pelo banco.
QStringList colunasGravadas(const QString &tabela)
{
    QStringList c;
    if (const Tabela *t = TabelaPorNome(tabela))
        for (const Coluna &col : t->colunas)
            if (col.tipo != Tipo::Id)
                c << col.nome;
    return c;
}

QStringList ComandosDireitos(int nivel)
{
    const QString login = UsuarioNivel(nivel);
    QStringList c;
    for (const Direito &d : DireitosNivel(nivel)) {
        const QStringList gravadas = colunasGravadas(d.tabela);
        QStringList privilegios;
        if (d.selecionar)
            privilegios << u"SELECT"_s;
        if (d.incluir)
            privilegios << u"INSERT (%1)"_s.arg(gravadas.join(u","_s));
        if (d.alterar)
            privilegios << u"UPDATE (%1)"_s.arg(
                (d.colunasAlteraveis.isEmpty() ? gravadas : d.colunasAlteraveis).join(u","_s));
        if (d.excluir)
            privilegios << u"DELETE"_s;
        if (privilegios.isEmpty())
            continue;
        c << u"GRANT %1 ON %2 TO %3"_s.arg(privilegios.join(u", "_s), d.tabela, login);
        if (d.incluir) // lastval() do Id incluído pede USAGE na identidade
            c << u"GRANT USAGE ON SEQUENCE %1 TO %2"_s.arg(
                u"%1_id_seq"_s.arg(d.tabela.toLower()), login);
    }
    return c;
}
} // namespace Esquema
