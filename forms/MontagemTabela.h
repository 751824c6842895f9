#pragma once
// A montagem dos controles de uma janela de tabela, na primeira vez que ela é usada
// (TFormTabela::Montar): a listagem à esquerda; o registro, com o Id, os campos da
// descrição (cada um da sua espécie, no seu lugar: um por linha ou ao lado do anterior,
// nas abas ou nas caixas de grupo, com a legenda acima e a unidade depois) e os botões de
// edição e das janelas filhas; a barra de baixo, com o histórico; as ligações dos botões
// aos manipuladores; e, depois dos controles próprios da janela (MontarControles), o seu
// tamanho, que cabe na tela (os campos rolam numa área própria).
#include <QString>

struct Campo;
class QGridLayout;
class QPushButton;
class QWidget;
class TFormTabela;

class MontagemTabela {
public:
    explicit MontagemTabela(TFormTabela &janela);

    // Os controles da base e os campos da descrição.
    void Montar();
    // Larga e alta o bastante para a lista na largura toda ao lado dos campos inteiros, ao
    // menos a largura da descrição, sem passar da tela; redimensionável.
    void Dimensionar();
    // Ao mostrar, com os botões do nível à vista: nunca maior que a tela onde está (a
    // lista acima dos campos quando não cabe ao lado) e inteira dentro dela.
    void Caber();

    // Um botão da janela (sem ser o padrão do Enter).
    static QPushButton *Botao(const QString &nome, const QString &texto, QWidget *pai);

private:
    void listagem();
    void registro();
    void campos();
    // 'sozinho': nenhum campo vem ao lado dele (vai até o fim da linha).
    void campo(
        const Campo &c, QGridLayout *grade, QWidget *pai, int &linha, int &coluna, bool sozinho);
    void barraInferior();
    void ligar();
    void atalhos(); // Ctrl+N, Ctrl+S, Ctrl+Enter, Del, F5 e Ctrl+F

    TFormTabela &m_j;
};
