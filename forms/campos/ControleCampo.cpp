#include "ControleCampo.h"

#include "Banco.h"
#include "PerfisAcesso.h"
#include "Rotinas.h"
#include "Tabela.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QValidator>
#include <QWidget>

using namespace Qt::StringLiterals;

QString Campo::ControleCapacidade() const
{
    // "MemoDescricao" -> "LabelCapacidadeDescricao"
    return u"LabelCapacidade"_s + (controle.startsWith(u"Memo"_s) ? controle.mid(4) : controle);
}

Campo &Campo::SoNosNiveis(const QList<int> &niveis, const QString &recusa)
{
    nivel = [niveis, recusa](
                TFormTabela &) { return niveis.contains(NivelAcesso) ? QString() : recusa; };
    return *this;
}

ControleCampo::ControleCampo(const Campo &campo)
    : m_campo(campo)
{
}

ControleCampo::~ControleCampo() = default;

QWidget *ControleCampo::Montar(QWidget *pai, TFormTabela &janela)
{
    m_janela = &janela;
    m_widget = Criar(pai);
    Registrar(m_widget, m_campo.controle);
    // O leitor de tela lê o rótulo do campo (também nos memos e listas).
    if (!m_campo.rotulo.isEmpty())
        Visivel()->setAccessibleName(QString(m_campo.rotulo).remove(u'&'));
    return Visivel();
}

QWidget *ControleCampo::MontarRotulo(QWidget *, QLabel *rotulo)
{
    return rotulo;
}

namespace {
class LimiteDigitacao : public QValidator {
public:
    LimiteDigitacao(int limite, QObject *pai)
        : QValidator(pai)
        , m_limite(limite)
    {
    }
    State validate(QString &texto, int &) const override
    {
        return texto.size() <= m_limite ? Acceptable : Invalid;
    }

private:
    int m_limite;
};
} // namespace

void LimitarDigitacao(QLineEdit *caixa, int limite)
{
    if (limite > 0)
        caixa->setValidator(new LimiteDigitacao(limite, caixa));
}

void ControleCampo::Registrar(QWidget *controle, const QString &nome)
{
    m_janela->RegistrarControle(controle, nome);
}

bool ControleCampo::Marcado() const
{
    return TextoParaLogico(Texto());
}

QDate ControleCampo::Data() const
{
    return {};
}

QString ControleCampo::Coluna(const TQuery &consulta) const
{
    if (m_campo.coluna.isEmpty() || !consulta.TemCampo(m_campo.coluna))
        return {};
    const QString valor = consulta.AsString(m_campo.coluna);
    return m_campo.semEspacosFinais ? RemoverEspacosFinais(valor) : valor;
}

void ControleCampo::Mostrar(const TQuery &consulta, const QString &)
{
    if (m_campo.coluna.isEmpty() || !consulta.TemCampo(m_campo.coluna))
        return;
    DefinirTexto(Coluna(consulta));
}

void ControleCampo::SomenteLeitura(bool sim)
{
    m_widget->setEnabled(!sim);
}

void ControleCampo::Habilitar(bool on)
{
    switch (m_campo.regra) {
    case RegraCampo::Escrita:
        SomenteLeitura(!on);
        Pintar(m_widget, on ? CorEditavel() : CorSomenteLeitura());
        break;
    case RegraCampo::Habilitar:
        m_widget->setEnabled(on);
        Pintar(m_widget, on ? CorEditavel() : CorSomenteLeitura());
        break;
    case RegraCampo::HabilitarAmarelo:
        m_widget->setEnabled(on);
        Pintar(m_widget, on ? CorPesquisa() : CorSomenteLeitura());
        break;
    case RegraCampo::SoCor:
        Pintar(m_widget, on ? CorEditavel() : CorSomenteLeitura());
        break;
    case RegraCampo::Fixo:
        SomenteLeitura(true);
        Pintar(m_widget, CorSomenteLeitura());
        break;
    case RegraCampo::Livre:
        break;
    }
}

QColor ControleCampo::CorEditavel()
{
    return QColor(0xFF, 0xFF, 0xFF);
}

QColor ControleCampo::CorSomenteLeitura()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor ControleCampo::CorPesquisa()
{
    return QApplication::palette().color(QPalette::ToolTipBase);
}

void ControleCampo::Pintar(QWidget *controle, const QColor &cor)
{
    if (!controle)
        return;
    QPalette p = controle->palette();
    p.setColor(QPalette::Base, cor);
    if (qobject_cast<QComboBox *>(controle))
        p.setColor(QPalette::Button, cor);
    controle->setPalette(p);
}
