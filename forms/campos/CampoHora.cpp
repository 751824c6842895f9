#include "CampoHora.h"

#include "CampoMascara.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
// A caixa com máscara da espécie comum, com o texto gravado guardado.
class ControleHora : public ControleCampo {
public:
    ControleHora(const Campo &c, std::unique_ptr<ControleCampo> caixa)
        : ControleCampo(c)
        , m_caixa(std::move(caixa))
    {
    }
    QString Texto() const override
    {
        const QLineEdit *e = caixa();
        if (!e->isModified())
            return m_gravado;
        // A hora de um algarismo só ("9:30", sem o zero) é gravada com o zero, "09:30",
        // como as de dois; uma gravada de outro jeito (" 8:00") só muda se for editada.
        QString t = e->displayText().replace(u'_', u' ');
        if (const QString hora = t.left(2).trimmed();
            t.size() == 5 && t.at(2) == u':' && hora.size() == 1 && hora.at(0).isDigit())
            t = u'0' + hora + t.mid(2);
        return t;
    }
    void DefinirTexto(const QString &texto) override
    {
        m_caixa->DefinirTexto(texto);
        m_gravado = texto;
    }
    void Limpar() override
    {
        m_caixa->Limpar();
        m_gravado = caixa()->displayText().replace(u'_', u' ');
    }

protected:
    QWidget *Criar(QWidget *pai) override { return m_caixa->Montar(pai, *Janela()); }
    void SomenteLeitura(bool sim) override { caixa()->setReadOnly(sim); }

private:
    QLineEdit *caixa() const { return static_cast<QLineEdit *>(m_caixa->Widget()); }
    std::unique_ptr<ControleCampo> m_caixa;
    QString m_gravado;
};
} // namespace

Campo CampoHora(const QString &coluna, const QString &controle, const QString &rotulo)
{
    Campo c = CampoMascara(coluna, rotulo, u"90:00;1;_"_s).NoControle(controle);
    c.tamanho = 5;
    c.especie = [caixa = c.especie](
                    const Campo &d) { return std::make_unique<ControleHora>(d, caixa(d)); };
    return c;
}
