#include "Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QtTest>

void AoAbrirModal(std::function<void(QWidget *)> acao, const QString &nome, int esperaMs)
{
    AoAbrirModalQue(
        [nome](QWidget *modal) { return nome.isEmpty() || modal->objectName() == nome; },
        std::move(acao), esperaMs);
}

void AoAbrirModalQue(
    std::function<bool(QWidget *)> qual, std::function<void(QWidget *)> acao, int esperaMs)
{
    auto *timer = new QTimer;
    auto relogio = std::make_shared<QElapsedTimer>();
    relogio->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, relogio, acao, qual, esperaMs] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && qual(modal)) {
            timer->stop();
            timer->deleteLater();
            acao(modal);
            return;
        }
        if (relogio->elapsed() > esperaMs) {
            timer->stop();
            timer->deleteLater();
            // Fecha o que estiver aberto para o teste seguir e falhar com clareza.
            if (modal)
                modal->close();
            QTest::qFail("nenhuma janela modal esperada apareceu", __FILE__, __LINE__);
        }
    });
    timer->start();
}

void Clicar(QWidget *janela, const QString &botao)
{
    auto *b = janela->findChild<QAbstractButton *>(botao);
    if (!b)
        qFatal(
            "botão %s não encontrado em %s", qPrintable(botao), qPrintable(janela->objectName()));
    b->click();
}
