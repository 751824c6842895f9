// O texto longo das medidas da verificação ortográfica: 3.990 caracteres (o máximo do
// conteúdo de uma notícia) num parágrafo só (o pior caso: cada tecla confere o parágrafo
// inteiro), com uma palavra desconhecida a cada frase, e as teclas digitadas no meio dele.
// Incluído pelas duas medidas (o programa e a base), que não têm outro código em comum.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QtTest>
#include <algorithm>
#include <cstdio>

namespace TextoLongo {
inline QString Texto()
{
    const QString frase = QStringLiteral(
        "A coordenação do curso informa que as inscrições para a monitoria estão abertas "
        "até sexta-feira, na secretaria do departamentu. ");
    QString t;
    while (t.size() + frase.size() <= 3990)
        t += frase;
    return t.leftJustified(3990, u'.');
}

// Digita 'teclas' letras no meio do memo, cada uma até o memo pintado; escreve a mediana,
// o menor e o percentil 90 (ms).
inline void Medir(QPlainTextEdit &memo, const char *nome, int teclas)
{
    memo.setPlainText(Texto());
    QTextCursor c = memo.textCursor();
    c.setPosition(1995);
    memo.setTextCursor(c);
    memo.viewport()->repaint();
    QList<double> ms;
    for (int i = 0; i < teclas; ++i) {
        QElapsedTimer t;
        t.start();
        QTest::keyClick(&memo, i % 10 == 9 ? Qt::Key_Space : Qt::Key_A);
        memo.viewport()->repaint();
        ms << t.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s mediana %6.2f ms  menor %6.2f ms  p90 %6.2f ms\n", nome,
        ms.at(ms.size() / 2), ms.first(), ms.at(ms.size() * 9 / 10));
}
} // namespace TextoLongo
