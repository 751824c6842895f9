#include "CampoMascara.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
struct Mascara {
    QString forma;
    bool guardaLiterais = false;
    QChar branco = u'_';

    static Mascara Ler(const QString &texto)
    {
        const QStringList partes = texto.split(u';');
        Mascara m;
        m.forma = partes.value(0);
        m.guardaLiterais = partes.value(1) == u"1"_s;
        if (!partes.value(2).isEmpty())
            m.branco = partes.value(2).at(0);
        return m;
    }
    static bool Digito(QChar c) { return c == u'9' || c == u'0'; }
    // Só dígitos, sem literais: um número.
    bool Numerica() const
    {
        return !forma.isEmpty() && std::all_of(forma.begin(), forma.end(), Digito);
    }
    // A mesma máscara na escrita do Qt (lá, 9 é o dígito exigido e 0 o que pode faltar).
    QString ParaQt() const
    {
        QString qt;
        for (const QChar c : forma) {
            if (c == u'9')
                qt += u'0';
            else if (c == u'0')
                qt += u'9';
            else
                qt += u'\\' + QString(c);
        }
        return qt + u';' + branco;
    }
};

class ControleMascara : public ControleCampo {
public:
    explicit ControleMascara(const Campo &c)
        : ControleCampo(c)
        , m_mascara(Mascara::Ler(c.mascara))
    {
    }
    QString Texto() const override
    {
        if (m_mascara.Numerica())
            return m_caixa->text();
        // Posição por posição: o dígito digitado ou um espaço; os literais se guardados.
        const QString tela = m_caixa->displayText();
        QString t;
        for (qsizetype i = 0; i < m_mascara.forma.size(); ++i) {
            const QChar c = i < tela.size() ? tela.at(i) : m_mascara.branco;
            if (Mascara::Digito(m_mascara.forma.at(i)))
                t += c == m_mascara.branco ? u' ' : c;
            else if (m_mascara.guardaLiterais)
                t += m_mascara.forma.at(i);
        }
        return t;
    }
    void DefinirTexto(const QString &texto) override
    {
        if (m_mascara.Numerica()) {
            m_caixa->setText(texto);
            return;
        }
        // Os espaços gravados no lugar dos brancos voltam a ser brancos.
        m_caixa->setText(QString(texto).replace(u' ', m_mascara.branco));
    }
    void Limpar() override { m_caixa->clear(); }

protected:
    QWidget *Criar(QWidget *pai) override
    {
        m_caixa = new QLineEdit(pai);
        if (m_mascara.Numerica())
            // Só o que se digita é conferido: um número gravado mais longo aparece inteiro
            // e volta inteiro.
            m_caixa->setValidator(new QRegularExpressionValidator(
                QRegularExpression(u"[0-9]{0,%1}"_s.arg(m_mascara.forma.size())), m_caixa));
        else
            m_caixa->setInputMask(m_mascara.ParaQt());
        m_caixa->setMaximumWidth(
            m_caixa->fontMetrics().horizontalAdvance(u'0') * int(m_mascara.forma.size() + 6));
        return m_caixa;
    }
    void SomenteLeitura(bool sim) override { m_caixa->setReadOnly(sim); }

private:
    Mascara m_mascara;
    QLineEdit *m_caixa = nullptr;
};
} // namespace

Campo CampoMascara(const QString &coluna, const QString &rotulo, const QString &mascara)
{
    Campo c;
    c.especie = FabricaDe<ControleMascara>();
    c.coluna = coluna;
    c.controle = u"Edit"_s + coluna;
    c.rotulo = rotulo;
    c.mascara = mascara;
    c.valor = Mascara::Ler(mascara).Numerica() ? TipoValor::Inteiro : TipoValor::Texto;
    return c;
}
