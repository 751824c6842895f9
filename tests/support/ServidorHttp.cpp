#include "ServidorHttp.h"

#include <QBuffer>
#include <QImage>
#include <QTcpSocket>

using namespace Qt::StringLiterals;

namespace {
QByteArray figuraPng()
{
    QImage img(3, 2, QImage::Format_RGB32);
    img.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return bytes;
}
} // namespace

ServidorHttp::ServidorHttp()
{
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = nextPendingConnection()) {
            connect(s, &QTcpSocket::readyRead, this, [this, s] { atender(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
}

QString ServidorHttp::Endereco(const QString &caminho) const
{
    return u"http://127.0.0.1:"_s + QString::number(serverPort()) + caminho;
}

void ServidorHttp::atender(QTcpSocket *s)
{
    QByteArray pedido = s->property("pedido").toByteArray() + s->readAll();
    s->setProperty("pedido", pedido);
    if (!pedido.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> linha = pedido.left(pedido.indexOf("\r\n")).split(' ');
    const QByteArray metodo = linha.value(0), caminho = linha.value(1);
    Pedidos << QString::fromLatin1(metodo + ' ' + caminho);
    QByteArray status = "200 OK", tipo = "text/plain", corpo = "ok", extra;
    if (caminho == "/imagem.png") {
        tipo = "image/png";
        corpo = figuraPng();
    } else if (caminho == "/texto.png") {
        corpo = "isto não é uma figura";
    } else if (caminho == "/nao-existe") {
        status = "404 Not Found";
        corpo = "não existe";
    } else if (caminho == "/movido") {
        status = "301 Moved Permanently";
        extra = "Location: /ok\r\n";
        corpo.clear();
    } else if (caminho == "/sem-head" && metodo == "HEAD") {
        status = "405 Method Not Allowed";
        corpo.clear();
    } else if (caminho == "/lento") {
        s->setProperty("pedido", QByteArray());
        return; // não responde
    } else if (caminho != "/ok" && caminho != "/sem-head") {
        status = "404 Not Found";
    }
    QByteArray resposta = "HTTP/1.1 " + status + "\r\nContent-Type: " + tipo
        + "\r\nContent-Length: " + QByteArray::number(corpo.size()) + "\r\n" + extra
        + "Connection: close\r\n\r\n";
    if (metodo != "HEAD")
        resposta += corpo;
    s->write(resposta);
    s->disconnectFromHost();
}
