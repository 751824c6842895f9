// A base do bench_inicio: um programa Qt 6 Widgets mínimo, separado do Tarvisco e ligado
// só ao QtCore, QtGui e QtWidgets, que monta uma janela principal como a do programa
// (760x520; os menus "&Arquivo", "Tabela" e "&Ajuda" com as mesmas 29 ações e
// separadores, o menu "Tabela" escondido como antes de conectar; a barra de ferramentas
// com três ações; o texto do registro; a barra de status) e termina quando ela foi pintada
// pela primeira vez.
#include "PrimeiraPintura.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow principal;
    principal.setWindowTitle(QStringLiteral("Simples 16"));
    principal.resize(760, 520);

    auto *registro = new QTextEdit;
    registro->setReadOnly(true);
    registro->setLineWrapMode(QTextEdit::NoWrap);
    principal.setCentralWidget(registro);
    principal.statusBar()->addWidget(new QLabel(QStringLiteral("Desconectado do servidor")), 1);

    const auto acao
        = [&principal](const QString &titulo) { return new QAction(titulo, &principal); };
    QMenu *arquivo = principal.menuBar()->addMenu(QStringLiteral("&Arquivo"));
    QAction *conectar = acao(QStringLiteral("&Conectar com Servidor"));
    arquivo->addAction(conectar);
    QAction *desconectar = acao(QStringLiteral("&Desconectar do Servidor"));
    desconectar->setEnabled(false);
    arquivo->addAction(desconectar);
    arquivo->addSeparator();
    QAction *sair = acao(QStringLiteral("Sai&r"));
    sair->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    arquivo->addAction(sair);

    // As 24 ações de tabela, em grupos separados como no menu do programa.
    QMenu *tabela = principal.menuBar()->addMenu(QStringLiteral("Tabela"));
    for (int i = 1; i <= 24; ++i) {
        tabela->addAction(acao(QStringLiteral("Tabela &%1").arg(i)));
        if (i == 1 || i == 5 || i == 10 || i == 15 || i == 19 || i == 23)
            tabela->addSeparator();
    }
    tabela->menuAction()->setVisible(false);

    QMenu *ajuda = principal.menuBar()->addMenu(QStringLiteral("&Ajuda"));
    ajuda->addAction(acao(QStringLiteral("&Contactar WebMaster...")));
    ajuda->addAction(acao(QStringLiteral("Sobre o Programa...")));

    QToolBar *barra = principal.addToolBar(QStringLiteral("ToolBar1"));
    barra->setMovable(false);
    barra->addAction(sair);
    barra->addAction(conectar);
    barra->addAction(desconectar);

    new PrimeiraPintura(&principal);
    principal.show();
    return app.exec();
}
