#include "Roteiro.h"

#include <QtTest>

Roteiro::Roteiro()
    : m_anterior(Mensagens::Instalado())
{
    Mensagens::Instalar([this](TipoMensagem tipo, const QString &texto) -> int {
        mostradas.append({ tipo, texto });
        if (aoMostrar)
            aoMostrar(tipo, texto);
        if (tipo != TipoMensagem::Confirmacao && tipo != TipoMensagem::Pendente)
            return 1;
        if (respostas.isEmpty())
            qFatal("Pergunta inesperada (sem resposta no roteiro): %s", qPrintable(texto));
        return respostas.dequeue();
    });
}

Roteiro::~Roteiro()
{
    Mensagens::Instalar(m_anterior);
}

QStringList Roteiro::Textos() const
{
    QStringList t;
    for (const auto &m : mostradas)
        t << m.second;
    return t;
}

bool Roteiro::Mostrou(const QString &texto) const
{
    return Textos().contains(texto);
}
