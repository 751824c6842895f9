// O lado do Tarvisco no bench_inicio: a entrada do programa (app/main.cpp), ligada como
// ele, que termina quando a janela principal foi pintada pela primeira vez.
#include "Aplicacao.h"
#include "Main.h"
#include "PrimeiraPintura.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    EntrarNaPastaTrabalho();
    PrepararPrograma();

    TFormMain *principal = CriarJanelasDoPrograma();
    new PrimeiraPintura(principal);
    principal->show();
    return app.exec();
}
