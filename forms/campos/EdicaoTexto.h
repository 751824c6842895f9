#pragma once
// O que os memos e textos longos ganham além do texto: a verificação ortográfica enquanto
// se digita (as palavras desconhecidas sublinhadas; no menu de contexto, as sugestões e
// "Adicionar ao dicionário") e a barra de localizar e substituir do Ctrl+F, que não
// distingue maiúsculas nem acentos, como a pesquisa das listas. Nada disso muda um
// caractere do texto por si: só o que o usuário escolhe.
#include "Ortografia.h"

#include <QSyntaxHighlighter>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// O texto do memo como o usuário o vê e como as posições do cursor o contam: sem a troca
// que o toolkit faz do espaço sem quebra (U+00A0) por um espaço comum; as quebras de
// linha como LF.
QString TextoDoMemo(const QPlainTextEdit *memo);

// Onde 'procura' aparece em 'texto' sem distinguir maiúsculas nem acentos (a dobra das
// listas), a partir de 'desde' (para trás: o último que termina até 'desde'), sem dar a
// volta. Tamanho 0: não encontrado.
Ortografia::Trecho LocalizarNoTexto(
    const QString &texto, const QString &procura, int desde, bool paraTras = false);

// Sublinha as palavras desconhecidas do documento (formatos do realce, não do texto).
class RealceOrtografia : public QSyntaxHighlighter {
public:
    explicit RealceOrtografia(QTextDocument *documento);

protected:
    void highlightBlock(const QString &texto) override;
};

// A barra de localizar e substituir de um memo, debaixo dele, escondida até o Ctrl+F.
class BarraLocalizar : public QWidget {
public:
    BarraLocalizar(QPlainTextEdit *memo, QWidget *pai);

    void Abrir(); // mostra a barra com a seleção do memo (ou a última procura)
    bool Proximo(); // seleciona a próxima ocorrência (dá a volta); false se não houver
    bool Anterior();
    bool Substituir(); // troca a seleção, se for a procura, e vai à próxima
    int SubstituirTodos(); // devolve quantas trocou
    void SomenteLeitura(bool sim); // sem substituir num memo só de leitura

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    bool localizar(bool paraTras);
    void fechar();

    QPlainTextEdit *m_memo;
    QLineEdit *m_procura, *m_troca;
    QPushButton *m_substituir, *m_todos;
    QLabel *m_nota;
};

// Menu de contexto do memo com as sugestões da palavra desconhecida no ponto (do viewport)
// e "Adicionar ao dicionário" acima do menu comum; quem chama fica com o menu.
class QMenu;
QMenu *CriarMenuOrtografia(QPlainTextEdit *memo, const QPoint &ponto);
// Mostra esse menu no ponto.
void MostrarMenuOrtografia(QPlainTextEdit *memo, const QPoint &ponto);
