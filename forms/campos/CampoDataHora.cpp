#include "CampoDataHora.h"

#include "Banco.h"
#include "CampoData.h"
#include "Rotinas.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString ConferirHoraMinuto(const QString &texto, const QString &campo, int maximo)
{
    static const QRegularExpression numero(u"^[0-9]{1,2}$"_s);
    const QString t = texto.trimmed();
    if (t.isEmpty() || (numero.match(t).hasMatch() && t.toInt() <= maximo))
        return {};
    return u"Campo %1 deve ser um número inteiro de 0 a %2. Operação interrompida."_s.arg(campo)
        .arg(maximo);
}

namespace {
QComboBox *listaDeNumeros(int maximo, QWidget *pai)
{
    auto *l = new QComboBox(pai);
    l->setEditable(true);
    l->setInsertPolicy(QComboBox::NoInsert); // o Enter aceita; não cria itens
    for (int i = 0; i <= maximo; ++i)
        l->addItem(QString::number(i).rightJustified(2, u'0'));
    l->setCurrentIndex(-1);
    return l;
}

class ControleDataHora : public ControleCampo {
public:
    using ControleCampo::ControleCampo;

    QString Texto() const override
    {
        return DataHoraParaSQL(hora(m_hora), hora(m_minuto), m_data->date());
    }
    QDate Data() const override { return m_data->date(); }
    // Aceita 'AAAA-MM-DD HH:MM:SS' (como o banco devolve) ou 'M/D/AAAA h:m:s'.
    void DefinirTexto(const QString &texto) override
    {
        const QString t = texto.trimmed();
        QDateTime dt = QDateTime::fromString(t, u"yyyy-MM-dd HH:mm:ss"_s);
        if (!dt.isValid())
            dt = QDateTime::fromString(t, u"M/d/yyyy H:m:s"_s);
        if (!dt.isValid())
            dt = QDate::fromString(t.left(10), Qt::ISODate).startOfDay();
        definir(dt);
    }
    void Mostrar(const TQuery &consulta, const QString &) override
    {
        if (!m_campo.coluna.isEmpty() && consulta.TemCampo(m_campo.coluna))
            definir(consulta.AsDateTime(m_campo.coluna));
    }
    void Limpar() override
    {
        m_data->setDate(m_data->minimumDate());
        for (QComboBox *l : { m_hora, m_minuto })
            if (l) {
                l->setCurrentIndex(-1);
                l->setEditText(QString());
            }
    }
    QString Conferir() const override
    {
        if (!m_hora)
            return {};
        QString recusa = ConferirHoraMinuto(m_hora->currentText(), m_campo.rotuloHora, 23);
        if (recusa.isEmpty())
            recusa = ConferirHoraMinuto(m_minuto->currentText(), m_campo.rotuloMinuto, 59);
        return recusa;
    }
    void Habilitar(bool on) override
    {
        ControleCampo::Habilitar(on);
        for (QComboBox *l : { m_hora, m_minuto })
            if (l) {
                l->setEnabled(on);
                Pintar(l, on ? CorEditavel() : CorSomenteLeitura());
            }
    }
    bool Largo() const override { return m_hora != nullptr; }
    QWidget *NaGrade() const override { return m_caixa ? m_caixa : m_data; }

protected:
    void DefinirAgora(const QDateTime &agora) override { definir(agora); }
    QWidget *Criar(QWidget *pai) override
    {
        m_data = NovoSeletorData(pai);
        if (m_campo.rotuloHora.isEmpty())
            return m_data;
        // A data, a hora e o minuto numa linha.
        m_caixa = new QWidget(pai);
        m_data->setParent(m_caixa);
        auto *linha = new QHBoxLayout(m_caixa);
        linha->setContentsMargins(0, 0, 0, 0);
        linha->addWidget(m_data);
        m_hora = listaDeNumeros(23, m_caixa);
        m_minuto = listaDeNumeros(59, m_caixa);
        const struct {
            QComboBox *lista;
            QString nome, rotulo;
        } listas[] = { { m_hora, u"ComboBoxHora"_s, m_campo.rotuloHora },
            { m_minuto, u"ComboBoxMinuto"_s, m_campo.rotuloMinuto } };
        for (const auto &l : listas) {
            Registrar(l.lista, l.nome);
            auto *rotulo = new QLabel(l.rotulo, m_caixa);
            rotulo->setObjectName(u"Label"_s + l.nome.mid(8));
            rotulo->setBuddy(l.lista);
            l.lista->setAccessibleName(QString(l.rotulo).remove(u'&'));
            linha->addSpacing(12);
            linha->addWidget(rotulo);
            linha->addWidget(l.lista);
        }
        linha->addStretch(1);
        return m_data;
    }

private:
    static QString hora(const QComboBox *l) { return l ? l->currentText().trimmed() : QString(); }
    // A data no seletor (o mínimo para uma data ausente ou anterior); a hora e o minuto
    // sem zero à esquerda.
    void definir(const QDateTime &dt)
    {
        const QDate d = dt.date();
        m_data->setDate(d.isValid() && d >= DataMinima() ? d : DataMinima());
        if (!m_hora)
            return;
        m_hora->setEditText(dt.isValid() ? QString::number(dt.time().hour()) : QString());
        m_minuto->setEditText(dt.isValid() ? QString::number(dt.time().minute()) : QString());
    }

    QDateEdit *m_data = nullptr;
    QWidget *m_caixa = nullptr;
    QComboBox *m_hora = nullptr;
    QComboBox *m_minuto = nullptr;
};

Campo dataHora(const QString &coluna, const QString &controle, const QString &rotulo)
{
    Campo c;
    c.especie = FabricaDe<ControleDataHora>();
    c.coluna = coluna;
    c.controle = controle;
    c.rotulo = rotulo;
    c.regra = RegraCampo::Habilitar;
    return c;
}
} // namespace

Campo CampoDataHora(const QString &coluna, const QString &controle, const QString &rotulo)
{
    return dataHora(coluna, controle, rotulo);
}

Campo CampoDataHora(const QString &coluna, const QString &controle, const QString &rotulo,
    const QString &rotuloHora, const QString &rotuloMinuto)
{
    Campo c = dataHora(coluna, controle, rotulo);
    c.rotuloHora = rotuloHora;
    c.rotuloMinuto = rotuloMinuto;
    return c;
}
