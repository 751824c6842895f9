#pragma once
// Registro das janelas de tabela pelo número da tabela. Cada janela é criada uma vez,
// escondida, e vive até o fim do programa; as janelas se acham umas às outras por aqui.
#include <QList>
#include <functional>

class QWidget;
class TFormTabela;

namespace Registro {
using Fabrica = std::function<TFormTabela *(QWidget *pai)>;

// Números das janelas de tabela do programa (inclui 16 e 17).
QList<int> NumerosJanelas();
// Troca a fábrica de um número (as janelas ainda não construídas usam a genérica).
void DefinirFabrica(int numero, Fabrica fabrica);
// Cria, escondidas, todas as janelas ainda não criadas.
void CriarJanelas(QWidget *pai = nullptr);
// A janela do número (criada na primeira vez, se preciso); nullptr para número sem janela.
TFormTabela *Janela(int numero);
// Destrói todas (fim do programa, fim de um teste).
void DestruirJanelas();
// Registra as fábricas dos editores prontos (um por linha, em Editores.cpp). Chamada
// uma vez, antes da primeira janela; os números sem editor usam a janela genérica.
void RegistrarEditores();
} // namespace Registro
