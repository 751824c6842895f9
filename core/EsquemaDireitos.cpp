// Direitos dos logins: cada nível recebe o que as janelas que ele alcança leem e gravam.
// O nível abre pelo menu as janelas de suas ações; cada janela aberta para edição
// alcança suas janelas filhas (também para edição) e, nos campos de escolha, as janelas
// das tabelas referidas como escolhedoras, que só leem.
#include "Esquema.h"

#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace Esquema {
namespace {

using CatalogoJanelas::Janela;

const Janela *janela(int numero)
{
    return CatalogoJanelas::JanelaDe(numero);
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
    for (int n : CatalogoJanelas::Escolhedoras(j)) // NomePorId dos campos de escolha
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
    for (int n : CatalogoJanelas::Escolhedoras(*j))
        escolhas.insert(n);
    for (const CatalogoJanelas::Filha &f : j->filhas)
        if (f.niveis.isEmpty() || f.niveis.contains(nivel))
            editarJanela(nivel, f.numero, a, editadas, escolhas);
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
    for (const Janela &j : CatalogoJanelas::Janelas())
        if (j.acao.etiqueta > 0 && NivelVeTabela(nivel, 0) && NivelVeTabela(nivel, j.acao.etiqueta))
            editarJanela(nivel, j.numero, a, editadas, escolhas);
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
