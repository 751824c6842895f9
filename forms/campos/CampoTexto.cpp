#include "CampoTexto.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
class ControleTexto : public ControleCampo {
public:
    using ControleCampo::ControleCampo;
    QString Texto() const override { return m_caixa->text(); }
    void DefinirTexto(const QString &texto) override { m_caixa->setText(texto); }
    void Limpar() override { m_caixa->clear(); }

protected:
    QWidget *Criar(QWidget *pai) override
    {
        m_caixa = new QLineEdit(pai);
        if (!m_campo.mascara.isEmpty())
            m_caixa->setInputMask(m_campo.mascara);
        LimitarDigitacao(m_caixa, m_campo.tamanho, Nome());
        return m_caixa;
    }
    void SomenteLeitura(bool sim) override { m_caixa->setReadOnly(sim); }

private:
    QLineEdit *m_caixa = nullptr;
};

Campo texto(const QString &coluna, const QString &rotulo)
{
    Campo c;
    c.especie = FabricaDe<ControleTexto>();
    c.coluna = coluna;
    c.controle = u"Edit"_s + coluna;
    c.rotulo = rotulo;
    return c;
}
} // namespace

Campo CampoEdit(const QString &coluna, const QString &rotulo, int tamanho)
{
    Campo c = texto(coluna, rotulo);
    c.tamanho = tamanho;
    return c;
}

Campo CampoMascara(const QString &coluna, const QString &rotulo, const QString &mascara)
{
    Campo c = texto(coluna, rotulo);
    c.mascara = mascara;
    return c;
}
