// Peças comuns das medidas de tempo: mediana, menor e percentil 90 de muitas repetições,
// a linha que as escreve e o início de um programa de medida nos dois motores.
#pragma once

#include "BancoTeste.h"
#include "Mensagens.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"
#include "Tabela.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

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

inline const char *NomeMotor(Motor motor)
{
    return motor == Motor::SQLite ? "SQLite" : "PostgreSQL";
}

// O banco do motor recriado, com os dados de demonstração ou vazio e enchido pelos
// comandos dados (no PostgreSQL, 'analisar' é a tabela que o VACUUM ANALYZE prepara
// depois), conectado como administrador. nullptr, com o motivo na saída de erro, se não
// deu.
inline BancoTeste *Preparar(
    Motor motor, bool demonstracao, const QString &encher = {}, const QString &analisar = {})
{
    BancoTeste &b = BancoTeste::De(motor);
    const auto falha = [motor](const char *oQue, const QString &erro) {
        std::fprintf(stderr, "%s: %s: %s\n", NomeMotor(motor), oQue, qPrintable(erro));
        return nullptr;
    };
    if (!b.Pronto())
        return falha("banco não preparado", b.Erro());
    b.Reiniciar(demonstracao);
    if (!encher.isEmpty() && !b.Executar(encher))
        return falha("preenchimento falhou", b.UltimoErro());
    if (motor == Motor::PostgreSQL && !analisar.isEmpty())
        b.Executar(u"VACUUM ANALYZE "_s + analisar);
    if (const QString erro = b.Conectar(1); !erro.isEmpty())
        return falha("conexão falhou", erro);
    return &b;
}

// O registro de eventos tem alguma linha de erro?
inline bool ErrosNoRegistro(const SaidaMemoria &saida)
{
    for (const auto &l : saida.linhas)
        if (l.texto.contains(u"erro"_s))
            return true;
    return false;
}

// Põe a consulta da janela na linha do Id; false se ele não está listado.
inline bool IrPara(TFormTabela *j, const QString &id)
{
    for (j->Query->First(); !j->Query->Eof(); j->Query->Next())
        if (j->Query->AsString(u"Id"_s) == id)
            return true;
    return false;
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
