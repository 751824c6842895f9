#pragma once
// Servidor HTTP local dos testes (nunca a rede de verdade), em 127.0.0.1 numa porta
// livre, com os caminhos de que os testes precisam:
//   /ok            200, texto
//   /imagem.png    200, uma figura PNG de 3x2 pixels (image/png)
//   /texto.png     200, um texto com o nome de figura
//   /nao-existe    404
//   /movido        301 para /ok
//   /sem-head      405 no HEAD, 200 no GET
//   /lento         nunca responde (a conexão fica aberta)
// Cada pedido é contado (método e caminho).
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTcpServer>

class ServidorHttp : public QTcpServer {
public:
    ServidorHttp();
    QString Endereco(const QString &caminho) const; // "http://127.0.0.1:porta/caminho"
    QStringList Pedidos; // "HEAD /ok", "GET /sem-head"...

private:
    void atender(QTcpSocket *s);
};
