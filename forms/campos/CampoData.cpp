#include "CampoData.h"

#include "Banco.h"
#include "Rotinas.h"

#include <QDateEdit>

using namespace Qt::StringLiterals;

QDateEdit *NovoSeletorData(QWidget *pai)
{
    auto *d = new QDateEdit(pai);
    d->setMinimumDate(DataMinima());
    d->setDate(DataMinima());
    d->setCalendarPopup(true);
    d->setDisplayFormat(u"dd/MM/yyyy"_s);
    return d;
}

namespace {
class ControleData : public ControleCampo {
public:
    using ControleCampo::ControleCampo;
    QString Texto() const override { return DataParaSQL(m_data->date()); }
    QDate Data() const override { return m_data->date(); }
    // Aceita a data em ISO (AAAA-MM-DD) ou como os comandos a escrevem (M/D/AAAA).
    void DefinirTexto(const QString &texto) override
    {
        QDate d = QDate::fromString(texto.left(10), Qt::ISODate);
        if (!d.isValid())
            d = QDate::fromString(texto, u"M/d/yyyy"_s);
        definir(d);
    }
    void Mostrar(const TQuery &consulta, const QString &) override
    {
        if (!m_campo.coluna.isEmpty() && consulta.TemCampo(m_campo.coluna))
            definir(consulta.AsDateTime(m_campo.coluna).date());
    }
    void Limpar() override { m_data->setDate(m_data->minimumDate()); }

protected:
    void DefinirAgora(const QDateTime &agora) override { definir(agora.date()); }
    QWidget *Criar(QWidget *pai) override
    {
        m_data = NovoSeletorData(pai);
        return m_data;
    }

private:
    void definir(const QDate &d)
    {
        m_data->setDate(d.isValid() && d >= DataMinima() ? d : DataMinima());
    }
    QDateEdit *m_data = nullptr;
};
} // namespace

Campo CampoData(const QString &coluna, const QString &controle, const QString &rotulo)
{
    Campo c;
    c.especie = FabricaDe<ControleData>();
    c.valor = TipoValor::Data;
    c.coluna = coluna;
    c.controle = controle;
    c.rotulo = rotulo;
    c.regra = RegraCampo::Habilitar;
    return c;
}

QString DicaDataNula()
{
    return u"Qualquer data do ano 2000 é considerada como nula. Portanto, se não deseja divulgar "
           "nenhum valor, basta escolher qualquer data do ano 2000."_s;
}
