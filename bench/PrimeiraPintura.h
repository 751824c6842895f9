// O instante em que a janela principal foi pintada pela primeira vez, medido do mesmo
// jeito nos dois programas do bench_inicio (o Tarvisco e o programa Qt mínimo): um filtro
// de eventos nota a primeira pintura da janela e, quando ela termina (a janela inteira
// pintada e entregue à tela), escreve "pronto" na saída e encerra o processo ali mesmo,
// sem o fim do programa (destruir janelas, descarregar bibliotecas), que não é do início:
// o tempo de processador de cada execução também para na primeira pintura.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

class PrimeiraPintura : public QObject {
public:
    explicit PrimeiraPintura(QWidget *janela)
        : QObject(janela)
    {
        janela->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint) {
            objeto->removeEventFilter(this);
            // Depois desta pintura vêm a dos filhos e a entrega à tela, no mesmo passo.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    std::puts("pronto");
                    std::fflush(stdout);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};
