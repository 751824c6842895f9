#include "Cp1252.h"

namespace {
// 0x80..0x9F; 0 marca os cinco bytes sem caractere (lidos como o próprio código).
constexpr char16_t Faixa80[32] = {
    0x20AC,
    0,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0,
    0x017D,
    0,
    0,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0,
    0x017E,
    0x0178,
};
} // namespace

namespace Cp1252 {
int Codigo(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (Faixa80[i] == u || (Faixa80[i] == 0 && u == 0x80 + i))
            return 0x80 + i;
    return -1;
}

QString Decodificar(const QByteArray &bytes)
{
    QString texto;
    texto.reserve(bytes.size());
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        if (c >= 0x80 && c < 0xA0 && Faixa80[c - 0x80] != 0)
            texto += QChar(Faixa80[c - 0x80]);
        else
            texto += QChar(char16_t(c));
    }
    return texto;
}

QByteArray Codificar(const QString &texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate())
            ++i; // um caractere só, fora da página
        const int codigo = Codigo(c);
        bytes += codigo < 0 ? '?' : char(codigo);
    }
    return bytes;
}
} // namespace Cp1252
