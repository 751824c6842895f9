#include "Descricao.h"

#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "Esquema.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

const Campo *DescricaoJanela::CampoDoControle(const QString &controle) const
{
    for (const Campo &c : campos)
        if (c.controle == controle)
            return &c;
    return nullptr;
}

const Campo *DescricaoJanela::CampoDaColuna(const QString &coluna) const
{
    for (const Campo &c : campos)
        if (!c.coluna.isEmpty() && c.coluna.compare(coluna, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QStringList DescricaoJanela::CaixasAlternadas() const
{
    QStringList caixas;
    for (const Campo &c : campos)
        if (!c.lugar.mesmoLugarQue.isEmpty())
            for (const QString &caixa : { c.lugar.mesmoLugarQue, c.lugar.grupo })
                if (!caixas.contains(caixa))
                    caixas << caixa;
    return caixas;
}

QString DescricaoJanela::CaixaAlternadaDe(const Campo &c) const
{
    return !c.lugar.grupo.isEmpty() && CaixasAlternadas().contains(c.lugar.grupo) ? c.lugar.grupo
                                                                                  : QString();
}

namespace {
// Uma coluna gravada com o controle, o tipo do valor e a presença resolvidos.
struct Resolvida {
    QString coluna;
    QString colunaInclusao; // como o INSERT a escreve
    QString controle;
    TipoValor valor = TipoValor::Texto;
    ColunaGravada::Presenca presenca = ColunaGravada::Presenca::Sempre;
    ColunaGravada::Comando comando = ColunaGravada::Comando::Ambos;
    QString caixa; // a caixa alternada do campo: a coluna só vai com ela à vista
};

Resolvida resolver(const DescricaoJanela &d, const ColunaGravada &g)
{
    Resolvida r { g.coluna, g.grafiaInclusao.isEmpty() ? g.coluna : g.grafiaInclusao, g.controle,
        TipoValor::Texto, g.presenca, g.comando, {} };
    const Campo *campo
        = g.controle.isEmpty() ? d.CampoDaColuna(g.coluna) : d.CampoDoControle(g.controle);
    if (r.controle.isEmpty() && campo)
        r.controle = campo->controle;
    if (campo)
        r.caixa = d.CaixaAlternadaDe(*campo);
    r.valor = g.valor.value_or(campo ? campo->valor : TipoValor::Texto);
    if (r.presenca == ColunaGravada::Presenca::Padrao)
        r.presenca = r.valor == TipoValor::Inteiro ? ColunaGravada::Presenca::SeNaoVazio
                                                   : ColunaGravada::Presenca::Sempre;
    return r;
}

QString marca(TipoValor valor, const QString &controle)
{
    switch (valor) {
    case TipoValor::Texto:
        return u"{'"_s + controle + u'}';
    case TipoValor::Inteiro:
        return u"{#"_s + controle + u'}';
    case TipoValor::Marca:
        return u"{?"_s + controle + u'}';
    case TipoValor::Data:
        return u"{@"_s + controle + u'}';
    }
    return {};
}

Presenca presencaNo(const Resolvida &r, bool inclusao)
{
    Presenca p;
    switch (r.presenca) {
    case ColunaGravada::Presenca::SeNaoVazio:
        p = SeNaoVazio(r.controle);
        break;
    case ColunaGravada::Presenca::SeNaoVaziaNaAlteracao:
        p = inclusao ? Sempre() : SeNaoVazio(r.controle);
        break;
    default:
        p = Sempre();
        break;
    }
    p.condicao = r.caixa;
    return p;
}

QList<Resolvida> gravadas(const DescricaoJanela &d, bool inclusao)
{
    QList<Resolvida> l;
    for (const ColunaGravada &g : d.colunas) {
        const Resolvida r = resolver(d, g);
        if (r.comando
            == (inclusao ? ColunaGravada::Comando::SoAlteracao
                         : ColunaGravada::Comando::SoInclusao))
            continue;
        l << r;
    }
    return l;
}
} // namespace

TabelaLinhas DescricaoJanela::LinhasAlteracao() const
{
    if (!alteracao.isEmpty() || colunas.isEmpty())
        return alteracao;
    TabelaLinhas t { { formato.alteracao, Sempre() } };
    bool primeira = true;
    for (const Resolvida &r : gravadas(*this, false)) {
        t << LinhaSentenca { (primeira ? QString() : u","_s) + r.coluna + u'='
                + marca(r.valor, r.controle),
            presencaNo(r, false) };
        primeira = false;
    }
    t << LinhaSentenca { formato.onde, Sempre() };
    return t;
}

TabelaLinhas DescricaoJanela::LinhasInclusao() const
{
    if (!inclusao.isEmpty() || colunas.isEmpty())
        return inclusao;
    const QList<Resolvida> l = gravadas(*this, true);
    TabelaLinhas t { { formato.inclusao, Sempre() } };
    for (qsizetype i = 0; i < l.size(); ++i)
        t << LinhaSentenca { (i ? u","_s : QString()) + l[i].colunaInclusao,
            presencaNo(l[i], true) };
    t << LinhaSentenca { u") VALUES ("_s, Sempre() };
    for (qsizetype i = 0; i < l.size(); ++i)
        t << LinhaSentenca { (i ? u","_s : QString()) + marca(l[i].valor, l[i].controle),
            presencaNo(l[i], true) };
    t << LinhaSentenca { u")"_s, Sempre() };
    return t;
}

// ---- Conferência -------------------------------------------------------------------

namespace {
class Conferencia {
public:
    Conferencia(const DescricaoJanela &d, int registrado)
        : m_d(d)
        , m_prefixo(u"janela %1: "_s.arg(registrado))
        , m_tabela(Esquema::TabelaPorNome(NomeTabela(d.numero)))
    {
        if (d.numero != registrado)
            erro(u"descrita com o número %1"_s.arg(d.numero));
        m_catalogo = CatalogoJanelas::JanelaDe(registrado);
        if (!m_catalogo)
            erro(u"não está no catálogo das janelas"_s);
        if (!m_tabela)
            erro(u"a tabela %1 não está no esquema"_s.arg(NomeTabela(d.numero)));
    }

    QStringList Erros() const { return m_erros; }

    void Controles()
    {
        QSet<QString> vistos;
        const auto acrescentar = [&](const QString &nome) {
            if (nome.isEmpty())
                return;
            if (vistos.contains(nome))
                erro(u"controle repetido %1"_s.arg(nome));
            vistos.insert(nome);
        };
        for (const Campo &c : m_d.campos) {
            if (c.controle.isEmpty())
                erro(u"campo sem controle (coluna %1)"_s.arg(c.coluna));
            if (!c.especie)
                erro(u"campo %1 sem espécie"_s.arg(c.controle));
            acrescentar(c.controle);
            if (c.Pesquisa()) {
                acrescentar(c.ControleNome());
                if (!CatalogoJanelas::JanelaDe(c.escolha))
                    erro(u"%1 escolhe na janela %2, que não existe"_s.arg(c.controle)
                             .arg(c.escolha));
            }
            if (c.capacidade)
                acrescentar(c.ControleCapacidade());
            if (!c.unidade.isEmpty())
                acrescentar(c.ControleUnidade());
        }
        for (const QString &nome : m_d.controlesProprios)
            acrescentar(nome);
        for (const BotaoFilha &b : m_d.filhas)
            acrescentar(b.nome);
        m_conhecidos = vistos;
        m_conhecidos << u"EditId"_s;
    }

    void Colunas()
    {
        for (const Campo &c : m_d.campos) {
            if (!c.coluna.isEmpty()) {
                coluna(c.coluna, c.controle);
                cabe(c);
            }
            if (c.TextoLongo()) {
                const Esquema::Tabela *t = Esquema::TabelaPorNome(NomeTabela(c.tabelaTexto));
                if (!t || !t->coluna(c.chaveTexto))
                    erro(u"texto longo %1: chave %2 fora da tabela %3"_s.arg(
                        c.controle, c.chaveTexto, NomeTabela(c.tabelaTexto)));
            }
        }
        bool primeira = true;
        for (const ColunaGravada &g : m_d.colunas) {
            coluna(g.coluna, u"colunas gravadas"_s);
            if (!g.grafiaInclusao.isEmpty())
                coluna(g.grafiaInclusao, u"colunas gravadas"_s);
            const Resolvida r = resolver(m_d, g);
            if (r.controle.isEmpty())
                erro(u"coluna gravada %1 sem campo nem controle"_s.arg(g.coluna));
            else
                controle(r.controle, u"coluna gravada "_s + g.coluna);
            // A primeira coluna vai sem vírgula: se pudesse faltar, a seguinte ficaria
            // com a vírgula na frente.
            if (primeira && r.presenca != ColunaGravada::Presenca::Sempre)
                erro(u"a primeira coluna gravada (%1) pode ficar fora do comando"_s.arg(g.coluna));
            primeira = false;
        }
        if (!m_d.procuraColuna.isEmpty())
            coluna(m_d.procuraColuna, u"procuraColuna"_s);
        // A coluna procurada tem índice: o catálogo a conhece.
        if (m_catalogo && m_catalogo->colunaProcura != m_d.procuraColuna)
            erro(u"procuraColuna %1 diferente da colunaProcura do catálogo"_s.arg(
                m_d.procuraColuna));
    }

    void Listas()
    {
        for (const QString &c : m_d.ordemExibicao)
            controle(c, u"ordemExibicao"_s);
        for (const QString &c : m_d.controlesReservados)
            controle(c, u"controlesReservados"_s);
        if (!m_d.procuraControle.isEmpty())
            controle(m_d.procuraControle, u"procuraControle"_s);
        if (m_catalogo && !m_catalogo->colunaPai.isEmpty())
            pai(m_catalogo->colunaPai);
        if (!m_d.caixas.campo.isEmpty()) {
            controle(m_d.caixas.campo, u"caixas"_s);
            if (!m_d.caixas.escolher || m_d.CaixasAlternadas().isEmpty())
                erro(u"caixas sem escolha ou sem caixas no mesmo lugar"_s);
        }
        for (const BotaoFilha &b : m_d.filhas)
            if (!b.recusaSemLinha.isEmpty())
                controle(b.controleNome, u"botão "_s + b.nome);
    }

    void Comandos()
    {
        comando(m_d.LinhasInclusao(), u"inclusão"_s);
        comando(m_d.LinhasAlteracao(), u"alteração"_s);
    }

    void Catalogo()
    {
        // Uma janela sem campos (a genérica) só lista e escolhe.
        if (!m_catalogo || m_d.campos.isEmpty())
            return;
        QSet<int> textos, codigos;
        for (const Campo &c : m_d.campos) {
            if (c.TextoLongo())
                textos.insert(c.tabelaTexto);
            if (c.tabelaCodigos)
                codigos.insert(c.tabelaCodigos);
        }
        const QList<int> &textosCatalogo = m_catalogo->textosLongos;
        if (textos != QSet<int>(textosCatalogo.begin(), textosCatalogo.end()))
            erro(u"textos longos diferentes dos do catálogo"_s);
        const QList<int> &codigosCatalogo = m_catalogo->codigos;
        for (int n : codigos)
            if (!codigosCatalogo.contains(n))
                erro(u"tabela de códigos %1 fora do catálogo"_s.arg(n));
        QList<CatalogoJanelas::Filha> filhas = m_catalogo->filhas;
        for (const BotaoFilha &b : m_d.filhas) {
            qsizetype achada = -1;
            for (qsizetype i = 0; i < filhas.size(); ++i)
                if (filhas[i].numero == b.numero)
                    achada = i;
            if (achada < 0)
                erro(u"botão %1 abre a janela %2, que não é filha no catálogo"_s.arg(b.nome).arg(
                    b.numero));
            else if (filhas.takeAt(achada).niveis != b.niveis)
                erro(u"botão %1: níveis diferentes dos do catálogo"_s.arg(b.nome));
        }
        for (const CatalogoJanelas::Filha &f : filhas)
            erro(u"a filha %1 do catálogo não tem botão"_s.arg(f.numero));
    }

private:
    void erro(const QString &texto) { m_erros << m_prefixo + texto; }

    // O campo do pai de uma lista-filha: a pesquisa fixa Edit<colunaPai>, com a recusa de
    // gravar sem a mãe.
    void pai(const QString &colunaPai)
    {
        coluna(colunaPai, u"colunaPai"_s);
        const Campo *c = m_d.CampoDoControle(u"Edit"_s + colunaPai);
        if (!c || !c->Pesquisa() || c->fixa == PesquisaFixa::Nao)
            erro(u"sem o campo do pai Edit%1 (pesquisa fixa)"_s.arg(colunaPai));
        else if (c->obrigatorio.isEmpty())
            erro(u"o campo do pai Edit%1 não recusa gravar sem a mãe"_s.arg(colunaPai));
    }

    void coluna(const QString &nome, const QString &onde)
    {
        if (m_tabela && !m_tabela->coluna(nome))
            erro(u"coluna %1 (%2) fora da tabela %3"_s.arg(nome, onde, m_tabela->nome));
    }

    // O que o campo deixa digitar, e cada item da sua lista, cabem na coluna: escolher um
    // item nunca é recusado pelo banco.
    void cabe(const Campo &c)
    {
        const Esquema::Coluna *col = m_tabela ? m_tabela->coluna(c.coluna) : nullptr;
        if (!col || col->tipo != Esquema::Tipo::Texto || col->tamanho <= 0)
            return;
        if (c.tamanho > col->tamanho)
            erro(u"%1 deixa digitar %2 caracteres; a coluna %3 tem %4"_s.arg(c.controle)
                     .arg(c.tamanho)
                     .arg(c.coluna)
                     .arg(col->tamanho));
        for (const QString &item : c.itens)
            if (item.size() > col->tamanho)
                erro(u"o item \"%1\" de %2 não cabe na coluna %3 (%4)"_s.arg(
                    item, c.controle, c.coluna, QString::number(col->tamanho)));
    }

    void controle(const QString &nome, const QString &onde)
    {
        if (!m_conhecidos.contains(nome))
            erro(u"controle desconhecido %1 em %2"_s.arg(nome, onde));
    }

    void comando(const TabelaLinhas &linhas, const QString &qual)
    {
        static const QRegularExpression marcas(u"\\{['#?@]([^}]*)\\}"_s);
        for (qsizetype i = 0; i < linhas.size(); ++i) {
            const LinhaSentenca &l = linhas[i];
            const QString onde = u"%1, linha %2"_s.arg(qual).arg(i + 1);
            QStringList usados;
            for (auto it = marcas.globalMatch(l.texto); it.hasNext();) {
                const QString nome = it.next().captured(1);
                controle(nome, onde);
                usados << nome;
            }
            switch (l.presenca.tipo) {
            case Presenca::SeNaoVazio:
            case Presenca::SeVazio:
            case Presenca::SeMarcado:
                controle(l.presenca.campo, onde);
                break;
            case Presenca::ComLinha: {
                // A linha do valor acompanha a da coluna: as duas dependem do mesmo campo.
                const qsizetype alvo = l.presenca.linha - 1;
                if (alvo < 0 || alvo >= i) {
                    erro(u"ComLinha(%1) sem linha anterior (%2)"_s.arg(l.presenca.linha).arg(onde));
                    break;
                }
                const Presenca &p = linhas[alvo].presenca;
                if (p.tipo == Presenca::Sempre || p.tipo == Presenca::ComLinha
                    || p.tipo == Presenca::SeCondicao || !usados.contains(p.campo))
                    erro(u"ComLinha(%1) aponta para uma linha de outra presença (%2)"_s
                             .arg(l.presenca.linha)
                             .arg(onde));
                break;
            }
            default:
                break;
            }
        }
    }

    const DescricaoJanela &m_d;
    QString m_prefixo;
    const Esquema::Tabela *m_tabela;
    const CatalogoJanelas::Janela *m_catalogo = nullptr;
    QSet<QString> m_conhecidos;
    QStringList m_erros;
};
} // namespace

QStringList ConferirDescricao(const DescricaoJanela &d, int numeroRegistrado)
{
    Conferencia c(d, numeroRegistrado);
    c.Controles();
    c.Colunas();
    c.Listas();
    c.Comandos();
    c.Catalogo();
    return c.Erros();
}
