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
    Pendente, // edição em andamento ao sair: Gravar, Descartar ou Voltar
};

// Resposta à pergunta da edição em andamento (TipoMensagem::Pendente).
enum class RespostaPendente {
    Voltar = 0, // não sai: a edição continua na tela
    Gravar = 1,
    Descartar = 2,
};

namespace Mensagens {
// O manipulador recebe o tipo e o texto exato; para Confirmacao devolve 1 (true) para Sim,
// para Pendente o valor de uma RespostaPendente.
using Manipulador = std::function<int(TipoMensagem, const QString &)>;

void Instalar(Manipulador manipulador);
Manipulador Instalado();

void Informar(const QString &texto);
bool Confirmar(const QString &texto);
void Erro(const QString &texto);
RespostaPendente PerguntarPendente(const QString &texto);

// Os textos usam "\n\r" e "\r\n" como quebras; na tela viram uma quebra de linha cada.
QString TextoParaTela(const QString &texto);
} // namespace Mensagens
