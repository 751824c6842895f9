// Provisório: a entrada completa do programa entra aqui.
#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return 0;
}
