#include "CampoLista.h"

#include "Comando.h"
#include "PerfisAcesso.h"
#include "Rotinas.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
class ControleLista : public ControleCampo {
public:
    ControleLista(const Campo &c, bool editavel)
        : ControleCampo(c)
        , m_editavel(editavel)
    {
    }
    QString Texto() const override { return m_lista->currentText(); }
    void DefinirTexto(const QString &texto) override
    {
        if (m_lista->isEditable())
            m_lista->setCurrentText(texto);
        else
            m_lista->setCurrentIndex(m_lista->findText(texto));
    }
    void Limpar() override
    {
        m_lista->setCurrentIndex(-1);
        m_lista->setEditText(QString());
    }

protected:
    QWidget *Criar(QWidget *pai) override
    {
        m_lista = new QComboBox(pai);
        m_lista->setEditable(m_editavel);
        m_lista->setInsertPolicy(QComboBox::NoInsert); // o Enter aceita; não cria itens
        m_lista->addItems(m_campo.itens);
        m_lista->setCurrentIndex(-1);
        if (m_editavel) {
            LimitarDigitacao(m_lista->lineEdit(), m_campo.tamanho, Nome());
            // O que se digita é gravado como foi digitado: a lista só sugere (abaixo da
            // caixa), nunca completa o texto nem troca a grafia por a de um item.
            m_lista->completer()->setCompletionMode(QCompleter::PopupCompletion);
            m_lista->completer()->setCaseSensitivity(Qt::CaseSensitive);
        }
        return m_lista;
    }

private:
    QComboBox *m_lista = nullptr;
    bool m_editavel;
};
} // namespace

Campo CampoLista(const QString &coluna, const QString &rotulo, const QStringList &itens,
    bool editavel, int tamanho)
{
    Campo c;
    c.especie = [editavel](const Campo &d) { return std::make_unique<ControleLista>(d, editavel); };
    c.coluna = coluna;
    c.controle = u"Edit"_s + coluna;
    c.rotulo = rotulo;
    c.tamanho = tamanho;
    c.itens = itens;
    c.regra = RegraCampo::Habilitar;
    return c;
}

void CarregarCodigos(TQuery &consulta, int n, const QString &coluna, QComboBox *combo)
{
    if (!ExecutarComando(
            consulta, n, Passo::Consulta, [n] { return QStringList { ConsultaTabela(n) }; }))
        return;
    combo->clear();
    if (consulta.RecordCount() == 0)
        combo->addItem(u"TABELA ESTÁ VAZIA"_s);
    try {
        for (consulta.First(); !consulta.Eof(); consulta.Next()) {
            combo->addItem(consulta.AsString(coluna));
            QCoreApplication::processEvents();
        }
    } catch (const ErroBanco &e) {
        RegistrarErro(n, e.Mensagem()); // os itens já postos ficam
    }
    combo->setCurrentIndex(-1);
}

void CarregarCodigosUmaVez(TQuery &consulta, int n, const QString &coluna, QComboBox *combo)
{
    if (combo->count() == 0)
        CarregarCodigos(consulta, n, coluna, combo);
}
