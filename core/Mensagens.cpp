#include "Mensagens.h"

#include <QDebug>

namespace {
Mensagens::Manipulador &manipulador()
{
    static Mensagens::Manipulador m;
    return m;
}

bool mostrar(TipoMensagem tipo, const QString &texto)
{
    if (manipulador())
        return manipulador()(tipo, texto);
    qWarning().noquote() << "mensagem sem manipulador:" << texto;
    return false;
}
} // namespace

namespace Mensagens {
void Instalar(Manipulador m)
{
    manipulador() = std::move(m);
}
Manipulador Instalado()
{
    return manipulador();
}
void Informar(const QString &texto)
{
    mostrar(TipoMensagem::Informacao, texto);
}
bool Confirmar(const QString &texto)
{
    return mostrar(TipoMensagem::Confirmacao, texto);
}
void Erro(const QString &texto)
{
    mostrar(TipoMensagem::Erro, texto);
}

QString TextoParaTela(const QString &texto)
{
    QString t = texto;
    t.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}
} // namespace Mensagens
