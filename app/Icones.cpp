#include "Icones.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {
const QColor Azul(0x1F, 0x5F, 0xA8);
const QColor Verde(0x2E, 0x8B, 0x3A);
const QColor Vermelho(0xC0, 0x39, 0x2B);
const QColor Cinza(0x9A, 0x9A, 0x9A);

// O plugue de um cabo: corpo, dois pinos e o fio; "encaixado" junta-o à tomada.
void desenharPlugue(QPainter &p, const QColor &cor, bool encaixado)
{
    const qreal folga = encaixado ? 0 : 2.5;
    p.setPen(QPen(cor, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QLineF(0.8, 8, 3.5 - folga / 2, 8));
    p.drawLine(QLineF(12.5 + folga / 2, 8, 15.2, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    const qreal x = 3.5 - folga / 2;
    p.drawRoundedRect(QRectF(x, 4.5, 4, 7), 1, 1);
    p.drawRect(QRectF(x + 4, 5.8, 2, 1.2));
    p.drawRect(QRectF(x + 4, 9, 2, 1.2));
    p.drawRoundedRect(QRectF(9.5 + folga / 2, 4, 3, 8), 1, 1);
}

void desenhar(QPainter &p, Icone icone, bool habilitado)
{
    const auto cor = [habilitado](const QColor &c) { return habilitado ? c : Cinza; };
    switch (icone) {
    case Icone::Conectar:
        desenharPlugue(p, cor(Verde), true);
        break;
    case Icone::Desconectar:
        desenharPlugue(p, cor(Vermelho), false);
        break;
    case Icone::Sair: {
        p.setPen(QPen(cor(Azul), 1.2));
        p.setBrush(QColor(0xE8, 0xEE, 0xF7));
        p.drawRect(QRectF(1.6, 1.6, 7.4, 12.8)); // a porta
        p.setPen(QPen(cor(Vermelho), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QLineF(5.5, 8, 14, 8));
        QPainterPath ponta;
        ponta.moveTo(11, 5);
        ponta.lineTo(14.2, 8);
        ponta.lineTo(11, 11);
        p.setBrush(Qt::NoBrush);
        p.drawPath(ponta);
        break;
    }
    case Icone::Tabela: {
        const QRectF quadro(1.5, 2.5, 13, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(quadro);
        p.setBrush(cor(Azul));
        p.drawRect(QRectF(1.5, 2.5, 13, 3)); // a linha dos títulos
        p.setPen(QPen(cor(Azul), 0.8));
        for (qreal y : { 8.5, 11.0 })
            p.drawLine(QLineF(1.5, y, 14.5, y));
        for (qreal x : { 5.8, 10.2 })
            p.drawLine(QLineF(x, 5.5, x, 13.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(quadro);
        break;
    }
    }
}

// Desenha o ícone numa grade de 16 unidades ajustada ao tamanho pedido; nada é
// preparado antes que ele seja pintado.
class IconeDesenhado : public QIconEngine {
public:
    explicit IconeDesenhado(Icone icone)
        : m_icone(icone)
    {
    }

    void paint(QPainter *pintor, const QRect &area, QIcon::Mode modo, QIcon::State) override
    {
        const qreal lado = qMin(area.width(), area.height());
        pintor->save();
        pintor->setRenderHint(QPainter::Antialiasing);
        pintor->translate(
            area.x() + (area.width() - lado) / 2, area.y() + (area.height() - lado) / 2);
        pintor->scale(lado / 16, lado / 16);
        desenhar(*pintor, m_icone, modo != QIcon::Disabled);
        pintor->restore();
    }

    QPixmap pixmap(const QSize &tamanho, QIcon::Mode modo, QIcon::State estado) override
    {
        QPixmap figura(tamanho);
        figura.fill(Qt::transparent);
        QPainter pintor(&figura);
        paint(&pintor, QRect(QPoint(), tamanho), modo, estado);
        return figura;
    }

    QSize actualSize(const QSize &tamanho, QIcon::Mode, QIcon::State) override
    {
        const int lado = qMin(tamanho.width(), tamanho.height());
        return { lado, lado };
    }

    QIconEngine *clone() const override { return new IconeDesenhado(m_icone); }
    QString key() const override { return u"IconeDesenhado"_s; }
    bool isNull() override { return false; }

private:
    Icone m_icone;
};

QString nomeNoTema(Icone icone)
{
    switch (icone) {
    case Icone::Conectar:
        return u"network-connect"_s;
    case Icone::Desconectar:
        return u"network-disconnect"_s;
    case Icone::Sair:
        return u"application-exit"_s;
    case Icone::Tabela:
        return u"x-office-spreadsheet"_s;
    }
    return {};
}
} // namespace

QIcon IconeDoPrograma(Icone icone)
{
    // O tema só é consultado quando a área de trabalho tem um tema de ícones seu: o
    // hicolor, a base comum de quando não há tema, só traz ícones de programas, não de
    // ações, e procurar neles leva milissegundos no início do programa.
    const QString tema = QIcon::themeName();
    const QString nome = nomeNoTema(icone);
    if (!tema.isEmpty() && tema != u"hicolor"_s && QIcon::hasThemeIcon(nome))
        return QIcon::fromTheme(nome);
    return QIcon(new IconeDesenhado(icone));
}
