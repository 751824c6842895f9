#pragma once
// Registro das janelas de tabela pelo número da tabela. Cada janela é criada uma vez,
// escondida, e vive até o fim do programa; as janelas se acham umas às outras por aqui.
// Os números são os do catálogo das janelas; cada editor registra a sua fábrica no seu
// próprio arquivo (REGISTRAR_JANELA), e os números sem editor usam a janela genérica.
#include <QList>
#include <QStringList>
#include <functional>

class QWidget;
class TFormTabela;

namespace Registro {
using Fabrica = std::function<TFormTabela *(QWidget *pai)>;

// Números das janelas de tabela do programa (os do catálogo das janelas).
QList<int> NumerosJanelas();
// Registra (ou troca) a fábrica de um número; devolve true (para o registro estático).
bool DefinirFabrica(int numero, Fabrica fabrica);
// O número tem um editor registrado (e não a janela genérica).
bool TemEditor(int numero);
// A janela do número (criada na primeira vez, se preciso); o número de uma tabela servida
// pela janela de outro número dá essa janela; nullptr para número sem janela.
TFormTabela *Janela(int numero);
// As janelas já criadas (nenhuma é criada aqui), em ordem de número.
QList<TFormTabela *> JanelasCriadas();
// Destrói todas (fim do programa, fim de um teste).
void DestruirJanelas();
// Confere a descrição de cada janela registrada contra o catálogo e o esquema; uma linha
// por defeito, com o número da janela e o nome em falta.
QStringList ConferirDescricoes();

// O histórico de alterações das linhas: a janela que o mostra registra-se aqui (no seu
// próprio arquivo), e as janelas de tabela o alcançam sem conhecê-la.
struct Historico {
    std::function<bool(int numero)> tem; // a janela 'numero' tem histórico
    // Mostra o histórico da linha 'id' da janela 'numero'; modal quando quem pede está
    // modal (uma janela filha ou de escolha).
    std::function<void(int numero, const QString &id, bool modal)> mostrar;
};
bool DefinirHistorico(Historico historico);
// A janela 'numero' tem histórico (não, sem a janela do histórico).
bool TemHistorico(int numero);
void MostrarHistorico(int numero, const QString &id, bool modal);
} // namespace Registro

// Registra o editor Classe para a janela 'numero' (no arquivo do editor).
#define REGISTRAR_JANELA(numero, Classe)                                                           \
    namespace {                                                                                    \
    [[maybe_unused]] const bool registrada##Classe                                                 \
        = Registro::DefinirFabrica(numero, [](QWidget *pai) { return new Classe(pai); });          \
    }
