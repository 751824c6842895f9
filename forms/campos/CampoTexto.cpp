#include "CampoTexto.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
class ControleTexto : public ControleCampo {
public:
    using ControleCampo::ControleCampo;
    QString Texto() const override { return m_caixa->text(); }
    void DefinirTexto(const QString &texto) override
    {
        m_caixa->setText(texto);
        m_caixa->home(false); // um texto comprido aparece do começo, não do fim
    }
    void Limpar() override { m_caixa->clear(); }

protected:
    QWidget *Criar(QWidget *pai) override
    {
        m_caixa = new QLineEdit(pai);
        LimitarDigitacao(m_caixa, m_campo.tamanho, Nome());
        return m_caixa;
    }
    void SomenteLeitura(bool sim) override { m_caixa->setReadOnly(sim); }

private:
    QLineEdit *m_caixa = nullptr;
};
} // namespace

Campo CampoEdit(const QString &coluna, const QString &rotulo, int tamanho)
{
    Campo c;
    c.especie = FabricaDe<ControleTexto>();
    c.coluna = coluna;
    c.controle = u"Edit"_s + coluna;
    c.rotulo = rotulo;
    c.tamanho = tamanho;
    return c;
}
