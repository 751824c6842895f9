#pragma once
// Documento RTF do registro de eventos: uma linha por parágrafo, cada uma na sua cor,
// em Windows-1252 (\ansicpg1252) com os caracteres especiais escapados.
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

namespace Rtf {
struct Linha {
    QString texto;
    QColor cor;
};

// Texto de uma linha escrito em RTF: \ { } escapados, caracteres da página 1252
// acima de 127 como \'xx e os demais como \uN?.
QByteArray Escapar(const QString &texto);

QByteArray Documento(const QList<Linha> &linhas,
    const QString &fonte = QStringLiteral("Courier New"), int pontos = 10);

// Grava o documento em 'caminho' (substitui o arquivo). false e 'erro' (o motivo, em
// português) se falhar.
bool Gravar(const QString &caminho, const QList<Linha> &linhas, QString *erro);
} // namespace Rtf
