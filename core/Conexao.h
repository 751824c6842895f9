#pragma once
// O que o programa faz no servidor logo depois de conectar e ao desconectar, sem janela:
// a leitura da linha de configuração, a contagem de cópias em uso e o filtro das tabelas
// do nível. A janela principal chama estes passos e mostra o que for de tela.
#include <QString>
#include <optional>

namespace Conexao {

// A linha de configuração do servidor (tabela Tarvisco).
struct Configuracao {
    QString email;
    QString url;
    bool desligarVersaoAntiga = false;
    QString versao;
};

// Lê a configuração na consulta compartilhada ("verificando configurações no
// servidor..." / "configurações verificadas no servidor"). Uma tabela sem linha, uma
// coluna que falta ou a falha do comando é uma configuração ilegível: registra "exceção"
// com o texto, mostra o "ERRO GRAVE" e devolve vazio. Sem conexão, vazio sem mensagem;
// a conexão perdida no meio da leitura também (só registrada: a perda já foi avisada).
std::optional<Configuracao> LerConfiguracao();

// Soma 'mudanca' à contagem de cópias em uso (Instancias da linha 1); nunca abaixo de
// zero; sem conexão nada acontece; uma falha vai para RegistrarErro. true quando a
// contagem nova foi gravada.
bool ModificarContagem(int mudanca);

// Calcula FiltroTabelas para NivelAcesso: o Id do departamento do nível (3..6),
// "Graduação" (9), "Pós-Graduação" (10) ou vazio. O departamento é, no PostgreSQL, o que o
// servidor liga ao login (Esquema::DepartamentoDoLogin, o mesmo da segurança por linha);
// no SQLite, a linha com o nome do departamento do nível. false quando o departamento do nível
// não pôde ser lido ou não existe (o usuário já foi avisado): sem o filtro o nível
// listaria tudo.
bool DefinirFiltroDasTabelas();

// Conecta de novo, depois de uma conexão perdida, com o mesmo login (os parâmetros da
// conexão): no PostgreSQL, com a senha que esse login deu nesta sessão, sem perguntar (sem
// ela, o pedido de senha de sempre). Os passos depois de conectar (configuração,
// contagem, filtro) vêm dos eventos da conexão, como no Conectar. Uma falha vai para
// RegistrarErro; o servidor ainda fora do alcance, também a caixa MensagemReconexaoFalhou.
// true quando a conexão ficou aberta.
bool Reconectar();

// O primeiro início do programa nesta pasta (sem Tarvisco.ini nem registro de eventos):
// só então o banco SQLite embutido que falta é criado sem perguntar. A janela principal o
// define ao ser criada.
extern bool PrimeiroInicio;
// Antes de conectar (Conectar, Reconectar): o arquivo SQLite que falta fora do primeiro
// início é perguntado, com o nome dele ("criar um banco novo?"); com Não, uma mensagem
// clara e false (a conexão não se faz: nenhum banco de demonstração novo em silêncio).
bool ArquivoDoBancoPronto();
extern const QString MensagemReconexaoFalhou;

} // namespace Conexao
