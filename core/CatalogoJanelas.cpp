// As janelas de tabela do programa, uma entrada por janela.
#include "CatalogoJanelas.h"

#include "CatalogoTabelas.h"
#include "Esquema.h"
#include "PerfisAcesso.h"
#include "Sentenca.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace CatalogoJanelas {
namespace {
AcaoMenu menu(int etiqueta, const QString &nome, const QString &titulo)
{
    return { etiqueta, nome, titulo };
}

const QString Ou4 = u" OR    "_s; // quatro brancos depois do OR

FiltroDepartamento porDepartamento(const QString &marcador, const QString &ou, const QString &ordem)
{
    return { u"Departamento"_s, marcador, ou, ordem };
}

// As disciplinas de cada seção pela modalidade, que começa (10) ou não (9) por
// "Pós-Graduação"; a linha "[vazio]" nas duas.
FiltroSecao porModalidade()
{
    const QString condicao
        = u" WHERE  SUBSTRING(Categoria,1,13)%1'Pós-Graduação' OR Nome='[vazio]'"_s;
    return { condicao.arg(u"<>"_s), condicao.arg(u"="_s), u" ORDER BY CodigoKVA, Nome"_s };
}

QList<Janela> montar()
{
    // O nível 7 abre a janela de docentes, mas Aceitar recusa incluir e alterar.
    return {
        // Organização
        { .numero = 10,
            .acao = menu(1, u"TabelaDepartamentos"_s, u"Tabela &Departamentos"_s),
            .colunaExibicao = u"Nome"_s,
            .textosLongos = { 61 },
            .filhas = { { 22 }, { 16 } },
            .filtro = { u"Id"_s, u"Nome"_s, u" OR "_s, u" ORDER BY Nome"_s },
            .colunaProcura = u"Nome"_s },
        { .numero = 11,
            .acao = menu(3, u"TabelaDocentes"_s, u"Tabela &Docentes"_s),
            .colunaExibicao = u"Nome"_s,
            .exibicaoSemEspacos = true,
            .textosLongos = { 42, 43, 44 },
            .codigos = { 66, 29 },
            .filhas = { { 17 }, { 25 }, { 26 }, { 76 }, { 13, { 1 } } },
            .somenteLeitura = { 7 },
            .filtro = porDepartamento(u"Nome"_s, Ou4, u" ORDER BY Nome"_s),
            .contagem = true,
            .colunaProcura = u"Nome"_s },
        { .numero = 12, .acao = menu(2, u"TabelaDescricoes"_s, u"&Descrições das Tabelas"_s) },
        { .numero = 13, .colunaExibicao = u"Sigla"_s },
        { .numero = 14,
            .acao = menu(4, u"TabelaGraduacoes"_s, u"Tabela &Graduações"_s),
            .colunaExibicao = u"Nome"_s,
            .textosLongos = { 45, 46 },
            .codigos = { 28 },
            .filtro = porDepartamento(u"Nome"_s, u" OR "_s, u" ORDER BY Nome"_s),
            .colunaProcura = u"Nome"_s },
        { .numero = 15,
            .acao = menu(5, u"TabelaPosgraduacoes"_s, u"Tabela &Pós-graduações"_s),
            .colunaExibicao = u"Nome"_s,
            .textosLongos = { 47, 48, 49 },
            .filtro = porDepartamento(u"Nome"_s, u" OR "_s, u" ORDER BY Nome"_s),
            .colunaProcura = u"Nome"_s },
        { .numero = 16, .colunaPai = u"Departamento"_s },
        { .numero = 17, .colunaPai = u"Docente"_s },
        { .numero = 18, .acao = menu(6, u"TabelaNoticias"_s, u"Tabela &Notícias"_s) },
        { .numero = 19,
            .acao = menu(7, u"TabelaExtensoes"_s, u"Tabela Atividades de &Extensão"_s),
            .colunaExibicao = u"Titulo"_s,
            .filhas = { { 20 } },
            .filtro = porDepartamento(u"Titulo"_s, Ou4, u" ORDER BY Titulo"_s) },
        { .numero = 20, .colunaPai = u"Extensao"_s },
        { .numero = 21,
            .acao = menu(8, u"TabelaSecoes"_s, u"Tabela &Seções"_s),
            .colunaExibicao = u"Nome"_s,
            .filhas = { { 23 }, { 24 } },
            .contagem = true },
        { .numero = 22, .colunaPai = u"Departamento"_s },
        { .numero = 23, .colunaPai = u"Secao"_s },
        { .numero = 24, .colunaPai = u"Secao"_s },
        { .numero = 25, .colunaPai = u"Docente"_s },
        { .numero = 26, .colunaPai = u"Docente"_s, .ordemPai = u" ORDER BY Titulo"_s },
        { .numero = 27,
            .acao = menu(9, u"TabelaFuncionarios"_s, u"Tabela &Funcionários"_s),
            .colunaExibicao = u"Nome"_s },
        { .numero = 30,
            .acao = menu(10, u"TabelaCentros"_s, u"Tabela &Centros de Pesquisa"_s),
            .colunaExibicao = u"Nome"_s,
            .textosLongos = { 63 },
            .filhas = { { 31 } },
            .filtro = porDepartamento(u"Nome"_s, u" OR "_s, u" ORDER BY Nome"_s),
            .colunaProcura = u"Nome"_s },
        { .numero = 31, .colunaPai = u"Centro"_s },
        // Ensino
        { .numero = 32,
            .acao = menu(11, u"TabelaDisciplinas"_s, u"Tabela &Disciplinas"_s),
            .textosLongos = { 52, 53, 54, 55, 56, 57, 58, 59 },
            .codigos = { 33 },
            .filhas = { { 34 }, { 35 }, { 37 }, { 38 } },
            .filtro = porDepartamento(u"Nome"_s, u" OR "_s, u" ORDER BY CodigoKVA, Nome"_s),
            .secao = porModalidade(),
            .contagem = true,
            .colunaProcura = u"CodigoKVA"_s },
        { .numero = 34, .filhas = { { 39 }, { 77 } }, .colunaPai = u"Disciplina"_s },
        { .numero = 35, .escolhedoras = { 36 }, .contagem = true, .colunaPai = u"Disciplina"_s },
        { .numero = 36 }, // escolha de disciplinas dos requisitos
        { .numero = 37, .escolhedoras = { 36 }, .colunaPai = u"Disciplina"_s },
        { .numero = 38, .colunaPai = u"Disciplina"_s },
        // a janela dos rodízios de uma disciplina oferecida
        { .numero = 39, .servidaPor = 38, .colunaPai = u"Disciplina"_s },
        { .numero = 40,
            .acao = menu(12, u"TabelaAgremiacoes"_s, u"Tabela &Agremiações Acadêmicas"_s),
            .filhas = { { 68 } },
            .filtro = porDepartamento(u"Nome"_s, u" OR "_s, u" ORDER BY Sigla, Nome"_s) },
        { .numero = 41,
            .acao = menu(13, u"TabelaDownloads"_s, u"Tabela &Downloads"_s),
            .codigos = { 60 },
            .filtro = porDepartamento(u"Nome"_s, Ou4, u" ORDER BY Nome"_s) },
        { .numero = 50,
            .acao = menu(14, u"TabelaGruposPesquisa"_s, u"Tabela &Grupos de Pesquisa"_s),
            .filhas = { { 51 } },
            .filtro = porDepartamento(u"Nome"_s, Ou4, u" ORDER BY Nome"_s) },
        { .numero = 51, .colunaPai = u"Grupo"_s },
        { .numero = 67, .acao = menu(15, u"TabelaLinks"_s, u"Tabela &Links"_s) },
        { .numero = 68, .colunaPai = u"Agremiacao"_s },
        { .numero = 69, .acao = menu(16, u"TabelaCalendario"_s, u"Tabela &Calendário Escolar"_s) },
        { .numero = 70,
            .acao = menu(17, u"TabelaComunicados"_s, u"Tabela &Comunicados e Eventos"_s),
            .filtro
            = porDepartamento(u"Titulo"_s, u" OR "_s, u" ORDER BY DataInicio,Hora,Titulo"_s) },
        { .numero = 71,
            .acao = menu(18, u"TabelaImagens"_s, u"Tabela &Imagens"_s),
            .colunaExibicao = u"Titulo"_s,
            .filtro = porDepartamento(u"Titulo"_s, Ou4, u" ORDER BY Titulo"_s) },
        { .numero = 72,
            .acao
            = menu(19, u"TabelaPosGraduacaoComissao"_s, u"Tabela &Comissão de Pós-Graduação"_s) },
        { .numero = 73,
            .acao = menu(20, u"TabelaAssistencias"_s, u"Tabela &Assistências"_s),
            .colunaExibicao = u"Nome"_s,
            .contagem = true },
        { .numero = 74, .acao = menu(22, u"TabelaDefesas"_s, u"Tabela &Defesas de Tese"_s) },
        { .numero = 76, .colunaPai = u"Docente"_s },
        { .numero = 77, .colunaPai = u"Disciplina"_s },
        { .numero = 78,
            .acao = menu(23, u"TabelaVeiculos"_s, u"Tabela &Veículos"_s),
            .filhas = { { 79 } },
            .filtro = porDepartamento(u"Nome"_s, u" OR "_s, {}) },
        { .numero = 79, .colunaPai = u"Solicitante"_s },
        { .numero = 81,
            .acao = menu(24, u"TabelaDiplomas"_s, u"Tabela &Diplomas"_s),
            // Os diplomas do programa da seção, qualquer que seja (também a linha "[vazio]"
            // do programa); a legenda conta a tabela inteira.
            .secao = { .graduacao = u" WHERE  Graduacao IS NOT NULL"_s,
                .posGraduacao = u" WHERE  PosGraduacao IS NOT NULL"_s,
                .ordem = u" ORDER BY Nome"_s,
                .naContagem = false },
            .contagem = true },
        // O histórico de alterações: o administrador o lê e desfaz alterações das outras
        // tabelas pelos direitos que já tem nelas; no histórico ninguém grava.
        { .numero = 82,
            .acao = menu(25, u"TabelaHistorico"_s, u"Tabela &Histórico de Alterações"_s),
            .somenteLeitura = { 1 } },
    };
}
} // namespace

const QList<Janela> &Janelas()
{
    static const QList<Janela> j = montar();
    return j;
}

const Janela *JanelaDe(int numero)
{
    for (const Janela &j : Janelas())
        if (j.numero == numero)
            return &j;
    return nullptr;
}

QList<int> Numeros()
{
    QList<int> n;
    for (const Janela &j : Janelas())
        if (!j.servidaPor)
            n << j.numero;
    return n;
}

int EscolhedoraDaTabela(const QString &tabela)
{
    // A primeira janela de cada tabela (a 36 é uma segunda janela sobre Disciplinas).
    static const QHash<QString, int> e = [] {
        QHash<QString, int> h;
        for (const Janela &j : Janelas())
            if (!h.contains(NomeTabela(j.numero)))
                h.insert(NomeTabela(j.numero), j.numero);
        return h;
    }();
    return e.value(tabela, 0);
}

QList<int> Escolhedoras(const Janela &j)
{
    QList<int> e = j.escolhedoras;
    if (const Esquema::Tabela *t = Esquema::TabelaPorNome(NomeTabela(j.numero)))
        for (const Esquema::Coluna &c : t->colunas)
            if (c.tipo == Esquema::Tipo::IdDe)
                if (const int n = EscolhedoraDaTabela(c.referencia); n && !e.contains(n))
                    e << n;
    return e;
}

const QList<int> &OrdemMenu()
{
    static const QList<int> ordem = { 12, 0, 18, 70, 69, 74, 0, 10, 11, 32, 14, 15, 0, 19, 50, 30,
        40, 72, 0, 73, 27, 21, 67, 0, 41, 71, 78, 81, 0, 82 };
    return ordem;
}

int JanelaDaEtiqueta(int etiqueta)
{
    if (etiqueta <= 0)
        return 0;
    for (const Janela &j : Janelas())
        if (j.acao.etiqueta == etiqueta)
            return j.numero;
    return 0;
}

namespace {
// O filtro do nível na janela: a condição e a ordem, vazias quando ela lista tudo.
struct CondicaoNivel {
    QString condicao, ordem;
};

CondicaoNivel condicaoDoNivel(int numero, bool contagem)
{
    const Janela *j = JanelaDe(numero);
    if (!j)
        return {};
    if (const FiltroDepartamento &f = j->filtro; !f.coluna.isEmpty() && FiltroDeDepartamentoAtivo())
        return { u" WHERE "_s + f.coluna + u'=' + ValorInteiro(FiltroTabelas) + f.ou + f.marcador
                + u"='[vazio]'"_s,
            f.ordem };
    if (const FiltroSecao &s = j->secao; FiltroDeSecaoAtivo() && (!contagem || s.naContagem))
        return { NivelAcesso == 9 ? s.graduacao : s.posGraduacao, s.ordem };
    return {};
}
} // namespace

QString SentencaListagem(int numero)
{
    const CondicaoNivel c = condicaoDoNivel(numero, false);
    if (c.condicao.isEmpty())
        return ConsultaTabela(numero);
    return u"SELECT * FROM "_s + NomeTabela(numero) + c.condicao + c.ordem;
}

QString SentencaContagem(int numero)
{
    return u"SELECT COUNT(Id) FROM "_s + NomeTabela(numero)
        + condicaoDoNivel(numero, true).condicao;
}

namespace {
// A linha da mãe de uma janela filha, vazia sem mãe (ou numa janela que não é filha).
QString linhaDaMae(int numero, const QString &idPai)
{
    const Janela *j = JanelaDe(numero);
    if (!j || j->colunaPai.isEmpty() || idPai.isEmpty())
        return {};
    return u" WHERE "_s + j->colunaPai + u'=' + ValorInteiro(idPai);
}
} // namespace

QStringList SentencaListagemFilha(int numero, const QString &idPai)
{
    QStringList linhas { ConsultaTabela(numero) };
    if (const QString mae = linhaDaMae(numero, idPai); !mae.isEmpty())
        linhas << mae + JanelaDe(numero)->ordemPai;
    return linhas;
}

QStringList SentencaContagemFilha(int numero, const QString &idPai)
{
    QStringList linhas { u"SELECT COUNT(Id) FROM "_s + NomeTabela(numero) };
    if (const QString mae = linhaDaMae(numero, idPai); !mae.isEmpty())
        linhas << mae;
    return linhas;
}

bool ContaAntesDeListar(int numero)
{
    const Janela *j = JanelaDe(numero);
    return j && j->contagem;
}

bool NivelSoLeitura(int nivel, int numero)
{
    const Janela *j = JanelaDe(numero);
    return j && j->somenteLeitura.contains(nivel);
}

namespace {
// Coluna da tabela de texto longo que guarda o Id da linha dona (a única que a refere).
QString chaveTextoLongo(int texto, int dona)
{
    if (const Esquema::Tabela *t = Esquema::TabelaPorNome(NomeTabela(texto)))
        for (const Esquema::Coluna &c : t->colunas)
            if (c.tipo == Esquema::Tipo::IdDe && c.referencia == NomeTabela(dona))
                return c.nome;
    return {};
}

QList<Confinamento> confinar()
{
    QList<Confinamento> c;
    QList<int> donas;
    for (const Janela &j : Janelas())
        if (!j.filtro.coluna.isEmpty()) {
            c << Confinamento { j.numero, j.filtro.coluna, 0, j.filtro.marcador };
            donas << j.numero;
        }
    const auto ja = [&c](int tabela) {
        return std::any_of(
            c.cbegin(), c.cend(), [tabela](const Confinamento &x) { return x.tabela == tabela; });
    };
    for (qsizetype i = 0; i < donas.size(); ++i) {
        const Janela *j = JanelaDe(donas.at(i));
        for (int t : j->textosLongos)
            if (!ja(t))
                c << Confinamento { t, chaveTextoLongo(t, j->numero), j->numero };
        for (const Filha &f : j->filhas)
            if (const Janela *filha = JanelaDe(f.numero);
                filha && !filha->colunaPai.isEmpty() && !ja(f.numero)) {
                c << Confinamento { f.numero, filha->colunaPai, j->numero };
                donas << f.numero;
            }
    }
    return c;
}
} // namespace

const QList<Confinamento> &Confinamentos()
{
    static const QList<Confinamento> c = confinar();
    return c;
}

const Confinamento *ConfinamentoDe(int tabela)
{
    for (const Confinamento &c : Confinamentos())
        if (c.tabela == tabela)
            return &c;
    return nullptr;
}

bool NivelInclui(int nivel, int numero)
{
    // Uma linha nova da tabela dos departamentos é um departamento novo, que não é o do
    // nível: o servidor a recusa a todo nível de departamento.
    const Confinamento *c = ConfinamentoDe(numero);
    return !(c && !c->dona && c->coluna == u"Id" && NivelDeDepartamento(nivel));
}

namespace {
QList<Busca> buscar()
{
    QList<Busca> b;
    // Na grafia do esquema; a coluna Id (a chave) e o que o esquema não tem ficam fora.
    const auto mais = [&b](const QString &tabela, const QString &coluna) {
        const Esquema::Tabela *t = Esquema::TabelaPorNome(tabela);
        const Esquema::Coluna *c = t ? t->coluna(coluna) : nullptr;
        if (!c || c->tipo == Esquema::Tipo::Id)
            return;
        const Busca x { t->nome, c->nome };
        if (!b.contains(x))
            b << x;
    };
    for (const Esquema::Tabela &t : Esquema::Tabelas())
        if (t.ComHistorico() && t.registroHistorico != u"Id"_s)
            mais(t.nome, t.registroHistorico); // texto longo: a chave do dono
    for (const Janela &j : Janelas()) {
        const QString tabela = NomeTabela(j.numero);
        for (int t : j.textosLongos)
            mais(NomeTabela(t), chaveTextoLongo(t, j.numero));
        if (!j.colunaPai.isEmpty())
            mais(tabela, j.colunaPai);
        if (!j.filtro.coluna.isEmpty()) {
            mais(tabela, j.filtro.coluna);
            mais(tabela, j.filtro.marcador);
        }
        if (!j.colunaProcura.isEmpty())
            mais(tabela, j.colunaProcura);
    }
    return b;
}
} // namespace

const QList<Busca> &Buscas()
{
    static const QList<Busca> b = buscar();
    return b;
}

} // namespace CatalogoJanelas
