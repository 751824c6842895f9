#include "CampoMarcacao.h"

#include "Rotinas.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

namespace {
class ControleMarcacao : public ControleCampo {
public:
    using ControleCampo::ControleCampo;
    QString Texto() const override { return LogicoParaTexto(m_caixa->isChecked()); }
    bool Marcado() const override { return m_caixa->isChecked(); }
    void DefinirTexto(const QString &texto) override
    {
        m_caixa->setChecked(TextoParaLogico(texto));
    }
    void Limpar() override { m_caixa->setChecked(false); }
    bool RotuloNoControle() const override { return true; }

protected:
    QWidget *Criar(QWidget *pai) override
    {
        m_caixa = new QCheckBox(m_campo.rotulo, pai);
        return m_caixa;
    }

private:
    QCheckBox *m_caixa = nullptr;
};
} // namespace

Campo CampoMarcacao(const QString &coluna, const QString &rotulo)
{
    Campo c;
    c.especie = FabricaDe<ControleMarcacao>();
    c.valor = TipoValor::Marca;
    c.coluna = coluna;
    c.controle = u"CheckBox"_s + coluna;
    c.rotulo = rotulo;
    c.tamanho = 1;
    c.regra = RegraCampo::Livre;
    return c;
}
