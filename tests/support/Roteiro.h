#pragma once
// Roteiro de mensagens para os testes: registra cada caixa (tipo e texto exato) e
// responde às perguntas com a próxima resposta da fila. Uma pergunta com a fila vazia
// é uma caixa inesperada: o teste falha na hora, em vez de ficar esperando.
#include "Mensagens.h"

#include <QList>
#include <QPair>
#include <QQueue>
#include <QString>

class Roteiro {
public:
    Roteiro(); // instala-se como manipulador das mensagens
    ~Roteiro(); // devolve o manipulador anterior

    QList<QPair<TipoMensagem, QString>> mostradas;
    QQueue<int> respostas; // true (1) = Sim; numa Pendente, a RespostaPendente

    void Responder(bool sim) { respostas.enqueue(sim); }
    void Responder(RespostaPendente resposta) { respostas.enqueue(int(resposta)); }
    QStringList Textos() const;
    void Limpar() { mostradas.clear(); }
    bool Mostrou(const QString &texto) const;
    // Ação chamada ao mostrar cada caixa (por exemplo, para conferir o estado da tela).
    std::function<void(TipoMensagem, const QString &)> aoMostrar;

private:
    Mensagens::Manipulador m_anterior;
};
