#include "CampoSpin.h"

#include "Banco.h"

#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace {
class ControleSpin : public ControleCampo {
public:
    using ControleCampo::ControleCampo;
    // O número escrito; vazio (limpo) ou não numérico vale 0.
    QString Texto() const override
    {
        bool ok = false;
        const int valor = m_numero->cleanText().toInt(&ok);
        return QString::number(ok ? valor : 0);
    }
    void DefinirTexto(const QString &texto) override
    {
        if (texto.isEmpty())
            m_numero->clear();
        else
            m_numero->setValue(texto.toInt());
    }
    // A coluna lida como inteiro: sem valor (ou não numérica) mostra 0.
    void Mostrar(const TQuery &consulta, const QString &) override
    {
        if (!m_campo.coluna.isEmpty() && consulta.TemCampo(m_campo.coluna))
            m_numero->setValue(Coluna(consulta).toInt());
    }
    void Limpar() override { m_numero->clear(); }

protected:
    QWidget *Criar(QWidget *pai) override
    {
        m_numero = new QSpinBox(pai);
        m_numero->setRange(m_campo.minimo, m_campo.maximo);
        return m_numero;
    }
    void SomenteLeitura(bool sim) override { m_numero->setReadOnly(sim); }

private:
    QSpinBox *m_numero = nullptr;
};
} // namespace

Campo CampoSpin(const QString &coluna, const QString &rotulo, int minimo, int maximo)
{
    Campo c;
    c.especie = FabricaDe<ControleSpin>();
    c.valor = TipoValor::Inteiro;
    c.coluna = coluna;
    c.controle = u"Edit"_s + coluna;
    c.rotulo = rotulo;
    c.minimo = minimo;
    c.maximo = maximo;
    c.regra = RegraCampo::Habilitar;
    return c;
}
