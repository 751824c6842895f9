#pragma once
// Página de código Windows-1252: a do arquivo de configurações e a do registro gravado.
#include <QByteArray>
#include <QString>

namespace Cp1252 {
// Byte do caractere na página, ou -1 quando ela não o tem.
int Codigo(QChar c);
// Texto decodificado (todo byte tem um caractere; os 5 sem uso viram U+0080.. como no Windows).
QString Decodificar(const QByteArray &bytes);
// Texto codificado; um caractere fora da página vira '?'.
QByteArray Codificar(const QString &texto);
} // namespace Cp1252
