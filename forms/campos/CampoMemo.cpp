#include "CampoMemo.h"

#include "EdicaoTexto.h"
#include "Rotinas.h"
#include "Servidor.h"
#include "Tabela.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
class ControleMemo : public ControleCampo {
public:
    using ControleCampo::ControleCampo;
    // As quebras de linha saem como CR LF; um texto gravado só com LF volta com LF, e o
    // resto (espaço sem quebra, marca de ordem de bytes) volta como estava.
    QString Texto() const override
    {
        QString texto = TextoDoMemo(m_memo);
        if (!m_soLf)
            texto.replace(u'\n', u"\r\n"_s);
        return texto;
    }
    void DefinirTexto(const QString &texto) override
    {
        m_soLf = texto.contains(u'\n') && !texto.contains(u'\r');
        m_definindo = true;
        m_memo->setPlainText(QString(texto).replace(u"\r\n"_s, u"\n"_s));
        m_definindo = false;
    }
    void Mostrar(const TQuery &consulta, const QString &id) override
    {
        if (!m_campo.TextoLongo()) {
            ControleCampo::Mostrar(consulta, id);
            return;
        }
        QString texto;
        bool apagada = false;
        if (MostrarCampoDescricao(id, m_campo.tabelaTexto, texto, m_campo.chaveTexto,
                Janela() ? Janela()->NumeroTabela : 0, &apagada))
            DefinirValorMostrado(texto);
        DefinirTexto(texto);
        if (apagada && Janela())
            Janela()->AvisarLinhaApagada();
    }
    void Limpar() override
    {
        m_soLf = false;
        m_memo->clear();
        if (m_capacidade)
            m_capacidade->clear();
    }
    bool Largo() const override { return true; }
    QWidget *NaGrade() const override { return m_caixa; }
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
        // o memo e, debaixo dele, a barra de localizar (escondida até o Ctrl+F)
        m_caixa = new QWidget(pai);
        auto *v = new QVBoxLayout(m_caixa);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(0);
        m_memo = new QPlainTextEdit(m_caixa);
        m_memo->setObjectName(m_campo.controle);
        v->addWidget(m_memo);
        m_barra = new BarraLocalizar(m_memo, m_caixa);
        v->addWidget(m_barra);
        new RealceOrtografia(m_memo->document());
        m_memo->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(m_memo, &QWidget::customContextMenuRequested, m_memo,
            [this](const QPoint &ponto) { MostrarMenuOrtografia(m_memo, ponto); });
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
    void SomenteLeitura(bool sim) override
    {
        m_memo->setReadOnly(sim);
        m_barra->SomenteLeitura(sim);
    }

private:
    // Limite do que o usuário digita ou cola, contado como o programa conta (quebras
    // valem dois): o que passa do limite é cortado. Um texto gravado mais longo entra
    // inteiro (DefinirTexto) e nada dele se perde: só não cresce.
    void aoMudar()
    {
        const QString texto = TextoDoMemo(m_memo);
        const int limite = m_campo.tamanho;
        if (!m_definindo && limite > 0 && ComprimentoTexto(texto) > limite
            && ComprimentoTexto(texto) > ComprimentoTexto(m_aceito)) {
            int posicao = 0;
            const QString cabe = CortarAoLimite(
                m_aceito, texto, m_memo->textCursor().position(), limite, &posicao);
            const QSignalBlocker b(m_memo);
            m_memo->setPlainText(cabe.isNull() ? m_aceito : cabe);
            QTextCursor cursor = m_memo->textCursor();
            cursor.setPosition(cabe.isNull() ? int(m_aceito.size()) : posicao);
            m_memo->setTextCursor(cursor);
            m_aceito = TextoDoMemo(m_memo);
            AvisarCorte(Nome(), limite, m_memo);
        } else {
            m_aceito = texto;
        }
        if (m_capacidade && limite > 0)
            m_capacidade->setText(QString::number(CapacidadeUsada(m_aceito, limite)) + u'%');
    }

    QWidget *m_caixa = nullptr; // o memo e a barra de localizar
    QPlainTextEdit *m_memo = nullptr;
    BarraLocalizar *m_barra = nullptr;
    QLabel *m_capacidade = nullptr;
    QString m_aceito; // o texto depois da última mudança aceita
    bool m_definindo = false; // o programa está pondo o texto (não o usuário)
    bool m_soLf = false; // o texto mostrado tinha as quebras só com LF
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
