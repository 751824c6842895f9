#pragma once
// Caixas de mensagem do programa. Toda mensagem passa por aqui: o programa instala
// o manipulador gráfico; os testes instalam um roteiro que registra o texto e dá
// a próxima resposta.
#include <QString>
#include <functional>

enum class TipoMensagem {
    Informacao, // caixa com OK
    Confirmacao, // pergunta com Sim e Não
    Erro, // mensagem de erro geral (OK)
};

namespace Mensagens {
// O manipulador recebe o tipo e o texto exato; para Confirmacao devolve true para Sim.
using Manipulador = std::function<bool(TipoMensagem, const QString &)>;

void Instalar(Manipulador manipulador);
Manipulador Instalado();

void Informar(const QString &texto);
bool Confirmar(const QString &texto);
void Erro(const QString &texto);

// Os textos usam "\n\r" e "\r\n" como quebras; na tela viram uma quebra de linha cada.
QString TextoParaTela(const QString &texto);
} // namespace Mensagens
