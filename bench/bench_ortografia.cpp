// Verificação ortográfica de um texto do tamanho máximo: cada tecla digitada no meio de um
// parágrafo de 3.990 caracteres, até o memo pintado, com o realce das palavras
// desconhecidas do programa (dicionário pt_BR lido) e, à parte, a base sem verificação
// (bench_ortografia_simples). Também o tempo de ler o dicionário, que corre fora da janela.
#include "EdicaoTexto.h"
#include "Ortografia.h"
#include "TextoLongo.h"

#include <QProcess>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int teclas = argc > 1 ? atoi(argv[1]) : 200;
    QElapsedTimer t;
    t.start();
    Ortografia::Padrao();
    while (!Ortografia::Padrao().Pronto())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::printf(
        "dicionário pt_BR lido (outra linha de execução): %.0f ms\n", t.nsecsElapsed() / 1e6);

    QPlainTextEdit memo;
    memo.resize(600, 300);
    new RealceOrtografia(memo.document());
    memo.show();
    TextoLongo::Medir(memo, "Tarvisco (com verificação)", teclas);

    QProcess base;
    base.setProcessChannelMode(QProcess::ForwardedChannels);
    base.start(QCoreApplication::applicationDirPath() + u"/bench_ortografia_simples"_qs,
        { QString::number(teclas) });
    base.waitForFinished(-1);
    return 0;
}
