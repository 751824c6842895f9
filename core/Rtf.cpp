#include "Rtf.h"

#include "Arquivos.h"
#include "Cp1252.h"

namespace {
QByteArray hex2(int codigo)
{
    return QByteArray::number(codigo, 16).rightJustified(2, '0');
}
} // namespace

namespace Rtf {
QByteArray Escapar(const QString &texto)
{
    QByteArray saida;
    saida.reserve(texto.size());
    for (const QChar c : texto) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            saida += '\\';
            saida += char(u);
        } else if (u == u'\t') {
            saida += "\\tab ";
        } else if (u >= 0x20 && u < 0x7F) {
            saida += char(u);
        } else if (const int codigo = Cp1252::Codigo(c); codigo >= 0) {
            saida += "\\'" + hex2(codigo);
        } else {
            // Valor de 16 bits com sinal; cada metade de um par substituto vai à parte.
            saida += "\\u" + QByteArray::number(int(static_cast<int16_t>(u))) + '?';
        }
    }
    return saida;
}

QByteArray Documento(const QList<Linha> &linhas, const QString &fonte, int pontos)
{
    QList<QRgb> cores;
    for (const Linha &l : linhas) {
        const QRgb rgb = l.cor.isValid() ? l.cor.rgb() & 0xFFFFFF : 0;
        if (!cores.contains(rgb))
            cores.append(rgb);
    }
    if (cores.isEmpty())
        cores.append(0);

    QByteArray doc = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046"
                     "{\\fonttbl{\\f0\\fmodern\\fcharset0 "
        + Escapar(fonte) + ";}}\r\n{\\colortbl ;";
    for (const QRgb rgb : cores)
        doc += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb))
            + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    doc += "}\r\n\\viewkind4\\uc1\\pard\\f0\\fs" + QByteArray::number(pontos * 2) + "\r\n";
    for (const Linha &l : linhas) {
        const QRgb rgb = l.cor.isValid() ? l.cor.rgb() & 0xFFFFFF : 0;
        doc += "\\cf" + QByteArray::number(cores.indexOf(rgb) + 1) + ' ' + Escapar(l.texto)
            + "\\par\r\n";
    }
    doc += "}\r\n";
    return doc;
}

bool Gravar(const QString &caminho, const QList<Linha> &linhas, QString *erro)
{
    return Arquivos::Gravar(caminho, Documento(linhas), erro);
}
} // namespace Rtf
