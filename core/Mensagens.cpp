#include "Mensagens.h"

#include <QDebug>

namespace {
Mensagens::Manipulador &manipulador()
{
    static Mensagens::Manipulador m;
    return m;
}

int mostrar(TipoMensagem tipo, const QString &texto)
{
    if (manipulador())
        return manipulador()(tipo, texto);
    qWarning().noquote() << "mensagem sem manipulador:" << texto;
    return 0;
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
    return mostrar(TipoMensagem::Confirmacao, texto) == 1;
}
void Erro(const QString &texto)
{
    mostrar(TipoMensagem::Erro, texto);
}
RespostaPendente PerguntarPendente(const QString &texto)
{
    switch (mostrar(TipoMensagem::Pendente, texto)) {
    case int(RespostaPendente::Gravar):
        return RespostaPendente::Gravar;
    case int(RespostaPendente::Descartar):
        return RespostaPendente::Descartar;
    default:
        return RespostaPendente::Voltar; // sem resposta clara, nada se perde
    }
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
