#include "CampoMemo.h"

#include "Rotinas.h"
#include "Servidor.h"
#include "Tabela.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

int ComprimentoMemo(const QString &texto)
{
    return int(texto.size() + texto.count(u'\n'));
}

QString CortarAoLimite(const QString &anterior, const QString &novo, int cursor, int limite)
{
    const qsizetype inserido = novo.size() - anterior.size();
    const qsizetype inicio = cursor - inserido;
    if (inserido > 0 && inicio >= 0 && novo.left(inicio) == anterior.left(inicio)
        && novo.mid(cursor) == anterior.mid(inicio)) {
        if (ComprimentoMemo(anterior) >= limite)
            return {};
        QString pedaco = novo.mid(inicio, inserido);
        while (!pedaco.isEmpty() && ComprimentoMemo(anterior) + ComprimentoMemo(pedaco) > limite)
            pedaco.chop(1);
        return anterior.left(inicio) + pedaco + anterior.mid(inicio);
    }
    QString t = novo;
    while (!t.isEmpty() && ComprimentoMemo(t) > limite)
        t.chop(1);
    return t;
}

namespace {
QString paraCrLf(QString texto)
{
    texto.replace(u"\r\n"_s, u"\n"_s);
    texto.replace(u'\n', u"\r\n"_s);
    return texto;
}

QString deCrLf(QString texto)
{
    texto.replace(u"\r\n"_s, u"\n"_s);
    return texto;
}

class ControleMemo : public ControleCampo {
public:
    using ControleCampo::ControleCampo;
    QString Texto() const override { return paraCrLf(m_memo->toPlainText()); }
    void DefinirTexto(const QString &texto) override
    {
        m_definindo = true;
        m_memo->setPlainText(deCrLf(texto));
        m_definindo = false;
    }
    void Mostrar(const TQuery &consulta, const QString &id) override
    {
        if (!m_campo.TextoLongo()) {
            ControleCampo::Mostrar(consulta, id);
            return;
        }
        QString texto;
        MostrarCampoDescricao(id, m_campo.tabelaTexto, texto, m_campo.chaveTexto);
        DefinirTexto(texto);
    }
    void Limpar() override
    {
        m_memo->clear();
        if (m_capacidade)
            m_capacidade->clear();
    }
    bool Largo() const override { return true; }
    QLabel *RotuloCapacidade() const override { return m_capacidade; }

    QWidget *MontarRotulo(QWidget *pai, QLabel *rotulo) override
    {
        if (!m_campo.capacidade)
            return rotulo;
        auto *caixa = new QWidget(pai);
        auto *v = new QVBoxLayout(caixa);
        v->setContentsMargins(0, 0, 0, 0);
        m_capacidade = new QLabel(caixa);
        Registrar(m_capacidade, m_campo.ControleCapacidade());
        rotulo->setParent(caixa);
        v->addWidget(rotulo);
        v->addWidget(m_capacidade);
        v->addStretch(1);
        return caixa;
    }

protected:
    QWidget *Criar(QWidget *pai) override
    {
        m_memo = new QPlainTextEdit(pai);
        m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_memo->setTabChangesFocus(true);
        m_memo->setMinimumHeight(70);
        if (m_campo.linhasVisiveis > 0) {
            const QMargins margens = m_memo->contentsMargins();
            m_memo->setFixedHeight(m_memo->fontMetrics().lineSpacing() * m_campo.linhasVisiveis
                + 2 * int(m_memo->document()->documentMargin()) + margens.top() + margens.bottom()
                + 2 * m_memo->frameWidth());
        }
        QObject::connect(m_memo, &QPlainTextEdit::textChanged, m_memo, [this] { aoMudar(); });
        return m_memo;
    }
    void SomenteLeitura(bool sim) override { m_memo->setReadOnly(sim); }

private:
    // Limite do que o usuário digita ou cola, contado como o programa conta (quebras
    // valem dois): o que passa do limite é cortado. Um texto gravado mais longo entra
    // inteiro (DefinirTexto) e nada dele se perde: só não cresce.
    void aoMudar()
    {
        const QString texto = m_memo->toPlainText();
        const int limite = m_campo.tamanho;
        if (!m_definindo && limite > 0 && ComprimentoMemo(texto) > limite
            && ComprimentoMemo(texto) > ComprimentoMemo(m_aceito)) {
            const QString cabe
                = CortarAoLimite(m_aceito, texto, m_memo->textCursor().position(), limite);
            const QSignalBlocker b(m_memo);
            m_memo->setPlainText(cabe.isNull() ? m_aceito : cabe);
            m_memo->moveCursor(QTextCursor::End);
            m_aceito = m_memo->toPlainText();
        } else {
            m_aceito = texto;
        }
        if (m_capacidade && limite > 0)
            m_capacidade->setText(
                QString::number(CapacidadeUsada(m_memo->toPlainText(), limite)) + u'%');
    }

    QPlainTextEdit *m_memo = nullptr;
    QLabel *m_capacidade = nullptr;
    QString m_aceito; // o texto depois da última mudança aceita
    bool m_definindo = false; // o programa está pondo o texto (não o usuário)
};
} // namespace

Campo CampoMemo(const QString &coluna, const QString &rotulo, int tamanho)
{
    Campo c;
    c.especie = FabricaDe<ControleMemo>();
    c.coluna = coluna;
    c.controle = u"Memo"_s + coluna;
    c.rotulo = rotulo;
    c.tamanho = tamanho;
    return c;
}

Campo CampoTextoLongo(
    const QString &coluna, const QString &rotulo, int tamanho, int tabela, const QString &chave)
{
    Campo c = CampoMemo(coluna, rotulo, tamanho);
    c.coluna.clear(); // não vem da linha: vem da tabela de descrição
    c.tabelaTexto = tabela;
    c.chaveTexto = chave;
    c.capacidade = true;
    return c;
}
