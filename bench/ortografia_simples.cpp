// Base da medida da verificação ortográfica: um programa Qt mínimo com um QPlainTextEdit
// sem verificação, o mesmo texto e as mesmas teclas.
#include "TextoLongo.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QPlainTextEdit memo;
    memo.resize(600, 300);
    memo.show();
    TextoLongo::Medir(memo, "base (Qt, sem verificação)", argc > 1 ? atoi(argv[1]) : 200);
    return 0;
}
