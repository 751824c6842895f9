// Entrada do programa: a janela principal; as outras janelas são criadas na primeira vez
// que são pedidas, uma vez cada (CriarJanelasDoPrograma); o programa termina quando a
// janela principal fecha. O programa instalado trabalha na pasta de dados do usuário.
#include "Main.h"
#include "Aplicacao.h"
#include "Registro.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    EntrarNaPastaTrabalho();
    PrepararPrograma();

    TFormMain *principal = CriarJanelasDoPrograma();
    QObject::connect(
        principal, &TFormMain::Finalizado, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    principal->show();
    const int codigo = app.exec();

    Registro::DestruirJanelas();
    delete principal;
    return codigo;
}
