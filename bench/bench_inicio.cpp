// Tempo de início: do começo do processo até a janela principal pintada pela primeira
// vez. Compara o Tarvisco (bench_inicio_tarvisco: a entrada do programa, ligada como
// ele) com um programa Qt 6 Widgets mínimo e separado (bench_inicio_simples) que monta
// uma janela principal com os mesmos menus e ações. Cada execução é um processo novo,
// os dois em rodadas alternadas; o resultado é a mediana das razões de cada rodada.
// Uso: bench_inicio [execuções]   (veja bench/README.md)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// Tempo (ms) de uma execução do programa, do início do processo até o "pronto".
double medir(const QString &programa, const QString &pasta)
{
    QProcess p;
    p.setWorkingDirectory(pasta);
    QElapsedTimer relogio;
    relogio.start();
    p.start(programa, QStringList());
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
    QCoreApplication app(argc, argv);
    const int execucoes = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 21;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir pasta; // sem Tarvisco.ini, sem banco: o início de uma máquina nova
    const QString dir = QCoreApplication::applicationDirPath();
    const QString tarvisco = dir + u"/bench_inicio_tarvisco"_s;
    const QString simples = dir + u"/bench_inicio_simples"_s;
    QTextStream saida(stdout);
    saida << "plataforma: "
          << qEnvironmentVariable(
                 "QT_QPA_PLATFORM", u"xcb (DISPLAY=%1)"_s.arg(qEnvironmentVariable("DISPLAY")))
          << ", execuções: " << execucoes << Qt::endl;
    // Uma rodada de aquecimento de cada (cache de arquivos, fontes), fora da conta.
    medir(tarvisco, pasta.path());
    medir(simples, pasta.path());
    QList<double> t, s, razoes;
    for (int i = 0; i < execucoes; ++i) { // alternadas, para dividir a carga da máquina
        const double a = medir(tarvisco, pasta.path());
        const double b = medir(simples, pasta.path());
        if (a < 0 || b < 0) {
            saida << "uma execução falhou" << Qt::endl;
            return 1;
        }
        t << a;
        s << b;
        razoes << a / b;
    }
    const auto menor = [](const QList<double> &v) { return *std::min_element(v.begin(), v.end()); };
    saida << "Tarvisco:        mediana " << QString::number(mediana(t), 'f', 1) << " ms, menor "
          << QString::number(menor(t), 'f', 1) << " ms" << Qt::endl;
    saida << "Qt mínimo à parte: mediana " << QString::number(mediana(s), 'f', 1) << " ms, menor "
          << QString::number(menor(s), 'f', 1) << " ms" << Qt::endl;
    saida << "razão (mediana das rodadas): " << QString::number(mediana(razoes), 'f', 2)
          << "   razão das medianas: " << QString::number(mediana(t) / mediana(s), 'f', 2)
          << Qt::endl;
    return 0;
}
