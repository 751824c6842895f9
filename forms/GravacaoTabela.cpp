#include "GravacaoTabela.h"

#include "CatalogoTabelas.h"
#include "Comando.h"
#include "Mensagens.h"
#include "Rotinas.h"
#include "Servidor.h"
#include "Tabela.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>

using namespace Qt::StringLiterals;

const QString MensagemApagado
    = u"Este registro foi apagado por outro usuário depois de mostrado. Nada foi gravado."_s;

namespace {
const QString MensagemAlterado
    = u"Este registro foi alterado por outro usuário depois de mostrado."_s;
} // namespace

// Valores dos comandos lidos dos controles da janela pelo objectName.
class ValoresJanela : public FonteValores {
public:
    explicit ValoresJanela(const TFormTabela &j)
        : m_j(j)
    {
    }
    QString Texto(const QString &controle) const override { return m_j.Texto(controle); }
    bool Marcado(const QString &controle) const override
    {
        if (ControleCampo *c = m_j.CampoDoControle(controle))
            return c->Marcado();
        auto *c = m_j.Controle<QCheckBox>(controle);
        return c && c->isChecked();
    }
    QDate Data(const QString &controle) const override
    {
        if (ControleCampo *c = m_j.CampoDoControle(controle))
            return c->Data();
        auto *d = m_j.Controle<QDateEdit>(controle);
        return d ? d->date() : QDate();
    }
    bool Condicao(const QString &nome) const override { return m_j.Condicao(nome); }

private:
    const TFormTabela &m_j;
};

GravacaoTabela::GravacaoTabela(TFormTabela &janela)
    : m_janela(janela)
{
}

void GravacaoTabela::Comecar()
{
    m_zerados.clear();
}

void GravacaoTabela::Zerar(const QString &controleId)
{
    if (auto *pesquisa = dynamic_cast<ControlePesquisa *>(m_janela.CampoDoControle(controleId)))
        pesquisa->Limpar();
    else
        m_janela.DefinirTexto(controleId, QString());
    m_zerados.insert(controleId);
}

QStringList GravacaoTabela::Sentenca(bool inclusao) const
{
    TabelaLinhas linhas = m_janela.LinhasGravacao(inclusao);
    // Uma pesquisa que uma regra da janela esvaziou nesta edição é gravada como NULL (a
    // regra comum deixaria o Id antigo no banco).
    for (LinhaSentenca &l : linhas)
        if (l.presenca.tipo == Presenca::SeNaoVazio && m_zerados.contains(l.presenca.campo)
            && m_janela.Texto(l.presenca.campo).isEmpty()) {
            l.texto.replace(u"{#"_s + l.presenca.campo + u'}', u"NULL"_s);
            l.presenca.tipo = Presenca::Sempre;
        }
    return RenderizarSentenca(linhas, m_janela.NumeroTabela, ValoresJanela(m_janela));
}

bool GravacaoTabela::ConferirGravaveis() const
{
    for (const auto &c : m_janela.m_campos) {
        const QString recusa = c->Recusa();
        if (!recusa.isEmpty()) {
            Mensagens::Informar(recusa);
            return false;
        }
    }
    return true;
}

bool GravacaoTabela::EmTransacao(const std::function<bool()> &passos)
{
    TDatabase &db = Servidor::Database();
    try {
        db.IniciarTransacao();
        if (passos()) {
            db.ConfirmarTransacao();
            return true;
        }
    } catch (const ErroBanco &e) {
        RegistrarErro(m_janela.NumeroTabela, e.Mensagem());
    }
    db.DesfazerTransacao();
    return false;
}

bool GravacaoTabela::GravarTextosLongos(bool inclusao)
{
    const QString id = m_janela.EditId->text();
    for (const Campo &c : m_janela.Descricao().campos) {
        if (!c.TextoLongo())
            continue;
        const QString texto = m_janela.Texto(c.controle);
        const bool ok = inclusao ? InserirCampoDescricao(id, c.tabelaTexto, texto, c.chaveTexto)
                                 : AtualizarCampoDescricao(id, c.tabelaTexto, texto, c.chaveTexto);
        if (!ok)
            return false;
    }
    return true;
}

bool GravacaoTabela::conferirLinhaGravada(QList<Diferenca> &diferencas)
{
    // Na consulta compartilhada: a listagem da janela fica como estava enquanto o
    // usuário responde.
    const QString id = m_janela.EditId->text();
    TQuery &q = Servidor::Query();
    LerParaAlterar(q, m_janela.NumeroTabela, u"Id"_s, id);
    if (q.RecordCount() == 0)
        return false;
    QList<std::pair<ControleCampo *, QString>> gravados;
    QList<ControleCampo *> textosLongos;
    for (const auto &c : m_janela.m_campos) {
        const Campo &d = c->Descricao();
        if (!c->ValorMostrado())
            continue;
        if (d.TextoLongo())
            textosLongos << c.get();
        else if (q.TemCampo(d.coluna))
            gravados.append({ c.get(), q.AsString(d.coluna) });
    }
    for (ControleCampo *c : std::as_const(textosLongos)) {
        // Sem a linha de descrição, o texto gravado é vazio.
        const Campo &d = c->Descricao();
        LerParaAlterar(q, d.tabelaTexto, d.chaveTexto, id);
        gravados.append({ c, q.RecordCount() > 0 ? q.AsString(u"Texto"_s) : QString() });
    }
    // Na ordem dos campos na tela.
    for (const auto &c : m_janela.m_campos)
        for (const auto &[campo, gravado] : std::as_const(gravados))
            if (campo == c.get() && gravado != *campo->ValorMostrado())
                diferencas.append({ campo, *campo->ValorMostrado(), gravado });
    return true;
}

QString GravacaoTabela::perguntaAlterado(const QList<Diferenca> &diferencas)
{
    // Cada valor numa linha só e curto o bastante para caber na caixa.
    const auto curto = [](QString v) {
        v.replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ').replace(u'\r', u' ');
        return u'"' + (v.size() > 60 ? v.left(57) + u"..."_s : v) + u'"';
    };
    QString texto = MensagemAlterado + u"\n\r"_s;
    for (const Diferenca &d : diferencas) {
        const Campo &c = d.campo->Descricao();
        const QString rotulo = c.rotulo.isEmpty() ? c.coluna : QString(c.rotulo).remove(u'&');
        texto += u"\n\r"_s + rotulo + u": mostrado "_s + curto(d.campo->Exibicao(d.mostrado))
            + u", gravado agora "_s + curto(d.campo->Exibicao(d.gravado));
    }
    return texto
        + u"\n\r\n\rGravar assim mesmo, por cima do que o outro usuário gravou?\n\r"
          "(Não: a edição continua na tela e nada é gravado.)"_s;
}

bool GravacaoTabela::Gravar(bool inclusao)
{
    QLineEdit *editId = m_janela.EditId;
    TQuery &query = *m_janela.Query;
    const int numero = m_janela.NumeroTabela;
    const DescricaoJanela &descricao = m_janela.Descricao();
    const QString idAnterior = editId->text();
    for (;;) {
        // Na alteração, a linha como está gravada agora (travada até o fim da transação)
        // é comparada com a mostrada: apagada, ou mudada por outro usuário, nada é
        // gravado nesta transação; a pergunta vem depois, sem trava nenhuma esperando o
        // usuário.
        QList<Diferenca> diferencas;
        bool apagada = false;
        const bool ok = EmTransacao([&] {
            if (!inclusao) {
                if (!conferirLinhaGravada(diferencas)) {
                    apagada = true;
                    return false;
                }
                if (!diferencas.isEmpty())
                    return false;
            }
            int linhas = -1;
            if (!ExecutarComando(
                    query, numero, inclusao ? Passo::Inclusao : Passo::Alteracao,
                    [&] { return Sentenca(inclusao); }, &linhas)) {
                apagada = !inclusao && linhas == 0;
                return false;
            }
            if (inclusao) {
                // O Id novo vem do motor; ProcurarId fica pela sua linha no registro.
                const QString novo = query.UltimoIdInserido();
                if (!descricao.procuraColuna.isEmpty())
                    ProcurarId(
                        numero, m_janela.Texto(descricao.procuraControle), descricao.procuraColuna);
                editId->setText(novo);
            }
            return m_janela.GravarSeguintes(inclusao);
        });
        if (ok)
            return true;
        editId->setText(idAnterior);
        if (apagada) {
            Mensagens::Informar(MensagemApagado);
            return false;
        }
        if (diferencas.isEmpty() || !Mensagens::Confirmar(perguntaAlterado(diferencas)))
            return false;
        // Por cima: o que está gravado agora passa a ser o que o usuário viu, e a gravação
        // recomeça (uma nova mudança nesse meio-tempo é perguntada de novo).
        for (const Diferenca &d : std::as_const(diferencas))
            d.campo->DefinirValorMostrado(d.gravado);
    }
}

bool GravacaoTabela::Excluir()
{
    const QString id = m_janela.EditId->text();
    const int numero = m_janela.NumeroTabela;
    bool apagada = false;
    const bool ok = EmTransacao([&] {
        // Um DELETE que a segurança por linha filtra não acha a linha: é a recusa; sem
        // linha nenhuma, outro usuário já a apagou, e nada foi apagado.
        if (!ExecutarComando(
                *m_janela.Query, numero, Passo::Exclusao,
                [&] {
                    return QStringList { u"DELETE FROM "_s + NomeTabela(numero) + u" WHERE Id="_s
                        + ValorInteiro(id) };
                },
                nullptr,
                [&] {
                    apagada = !RecusarLinhaProtegida(
                        Servidor::Query(), NomeTabela(numero), u"Id"_s, id);
                }))
            return false;
        for (const Campo &c : m_janela.Descricao().campos)
            if (c.TextoLongo() && !ExcluirCampoDescricao(id, c.tabelaTexto, c.chaveTexto))
                return false;
        return true;
    });
    if (!ok && apagada)
        Mensagens::Informar(MensagemApagado);
    return ok;
}
