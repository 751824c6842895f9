// Peças comuns das medidas de tempo: mediana, menor e percentil 90 de muitas repetições,
// a linha que as escreve e o início de um programa de medida nos dois motores.
#pragma once

#include "BancoTeste.h"
#include "Mensagens.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace Medidas {
struct Medida {
    double mediana = 0, menor = 0, p90 = 0;
};

inline Medida Resumo(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return { ms.at(ms.size() / 2), ms.first(), ms.at(ms.size() * 9 / 10) };
}

// Mede 'acao' 'repeticoes' vezes (ms), com o registro de eventos limpo antes de cada uma e
// 'preparar' fora do tempo.
inline Medida Medir(int repeticoes, SaidaMemoria &saida, const std::function<void()> &preparar,
    const std::function<void()> &acao)
{
    QList<double> ms;
    for (int i = 0; i < repeticoes; ++i) {
        if (preparar)
            preparar();
        saida.Limpar();
        QElapsedTimer t;
        t.start();
        acao();
        ms << t.nsecsElapsed() / 1e6;
    }
    return Resumo(ms);
}

inline Medida Medir(int repeticoes, SaidaMemoria &saida, const std::function<void()> &acao)
{
    return Medir(repeticoes, saida, {}, acao);
}

// Alinhado em caracteres, não em bytes (os acentos têm dois bytes em UTF-8).
inline void Escrever(const char *motor, const QString &oQue, const Medida &m)
{
    std::printf("%-11s %s mediana %7.3f ms   menor %7.3f ms   p90 %7.3f ms\n", motor,
        qPrintable(oQue.leftJustified(40)), m.mediana, m.menor, m.p90);
}

// O programa de medida: sem tela usa a plataforma offscreen; o registro de eventos em
// memória; mensagens na saída de erro; 'medir' no SQLite e no PostgreSQL com as
// repetições do primeiro argumento (ou 'padrao'). 0 se os dois motores mediram.
inline int Rodar(int argc, char **argv, int padrao,
    const std::function<bool(Motor, int repeticoes, SaidaMemoria &)> &medir)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeticoes = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : padrao;
    SaidaMemoria saida;
    InstalarSaidaEventos(&saida);
    Mensagens::Instalar([](TipoMensagem, const QString &texto) {
        std::fprintf(stderr, "mensagem: %s\n", qPrintable(texto));
        return false;
    });
    std::printf("%d repetições de cada medida\n", repeticoes);
    bool ok = medir(Motor::SQLite, repeticoes, saida);
    ok = medir(Motor::PostgreSQL, repeticoes, saida) && ok;
    InstalarSaidaEventos(nullptr);
    return ok ? 0 : 1;
}
} // namespace Medidas
