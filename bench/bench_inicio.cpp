// Tempo de início: do começo do processo até a janela principal à vista com todas as
// janelas criadas. Compara o Tarvisco com um programa Qt mínimo que cria o mesmo número
// de janelas. Uso: bench_inicio [execuções]   (veja bench/README.md)
#include "Aplicacao.h"
#include "Main.h"
#include "Registro.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
// Janelas que o Tarvisco cria: principal, 4 caixas do programa e as de tabela.
int janelasDoTarvisco()
{
    return 1 + 4 + int(Registro::NumerosJanelas().size());
}

// A janela está à vista e pintada pela primeira vez.
bool mostrada(QWidget *janela)
{
    if (!QTest::qWaitForWindowExposed(janela))
        return false;
    QCoreApplication::processEvents();
    return true;
}

int filhoTarvisco(int argc, char **argv)
{
    QApplication app(argc, argv);
    PrepararPrograma();
    TFormMain *principal = CriarJanelasDoPrograma();
    principal->show();
    if (!mostrada(principal))
        return 2;
    std::puts("pronto");
    std::fflush(stdout);
    Registro::DestruirJanelas();
    delete principal;
    return 0;
}

int filhoSimples(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow principal;
    principal.setWindowTitle(u"Simples"_s);
    principal.resize(760, 520);
    principal.setCentralWidget(new QLabel(u"Programa Qt mínimo"_s));
    QList<QDialog *> janelas;
    for (int i = 1; i < janelasDoTarvisco(); ++i) {
        auto *d = new QDialog(&principal);
        new QLabel(u"Janela %1"_s.arg(i), d);
        d->hide();
        janelas << d;
    }
    principal.show();
    if (!mostrada(&principal))
        return 2;
    std::puts("pronto");
    std::fflush(stdout);
    return 0;
}

// Tempo (ms) de uma execução do filho, do início do processo até o "pronto".
double medir(const QString &programa, const QString &modo, const QString &pasta)
{
    QProcess p;
    p.setWorkingDirectory(pasta);
    QElapsedTimer relogio;
    relogio.start();
    p.start(programa, { modo });
    if (!p.waitForStarted(10000))
        return -1;
    while (p.state() != QProcess::NotRunning || p.bytesAvailable() > 0) {
        if (p.canReadLine() && p.readLine().trimmed() == "pronto") {
            const double ms = relogio.nsecsElapsed() / 1e6;
            p.waitForFinished(10000);
            return ms;
        }
        p.waitForReadyRead(50);
    }
    return -1;
}

double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--tarvisco") == 0)
        return filhoTarvisco(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--simples") == 0)
        return filhoSimples(argc, argv);

    QCoreApplication app(argc, argv);
    const int execucoes = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir pasta; // sem Tarvisco.ini, sem banco: o início de uma máquina nova
    const QString programa = QCoreApplication::applicationFilePath();
    QTextStream saida(stdout);
    saida << "plataforma: " << qEnvironmentVariable("QT_QPA_PLATFORM", u"xcb"_s)
          << ", execuções: " << execucoes << Qt::endl;
    QList<double> tarvisco, simples;
    for (int i = 0; i < execucoes; ++i) { // alternadas, para dividir a carga da máquina
        tarvisco << medir(programa, u"--tarvisco"_s, pasta.path());
        simples << medir(programa, u"--simples"_s, pasta.path());
    }
    if (tarvisco.contains(-1) || simples.contains(-1)) {
        saida << "uma execução falhou" << Qt::endl;
        return 1;
    }
    const double t = mediana(tarvisco), s = mediana(simples);
    saida << "Tarvisco (" << janelasDoTarvisco() << " janelas): mediana "
          << QString::number(t, 'f', 1) << " ms" << Qt::endl;
    saida << "Qt mínimo (mesmo número de janelas): mediana " << QString::number(s, 'f', 1) << " ms"
          << Qt::endl;
    saida << "razão: " << QString::number(t / s, 'f', 2) << Qt::endl;
    return 0;
}
