#pragma once
// Peças do programa gráfico que não são de uma janela só: título da aplicação,
// traduções do Qt, caixas de mensagem na tela, abertura de endereços, centralização.
#include <QString>
#include <functional>

class QWidget;

// Preparação do programa antes da primeira janela: título "Tarvisco 1.7", traduções,
// caixas de mensagem na tela, pedido de senha do banco e ícone.
void PrepararPrograma();
// O ícone do programa em todas as janelas (parte de PrepararPrograma).
void InstalarIconePrograma();

// Identificador do programa na área de trabalho (nome da entrada do menu, do ícone e
// dos metadados AppStream).
QString IdentificadorDesktop();

// Pasta de trabalho (banco embutido, Tarvisco.ini, log/) do programa instalado, que fica
// em <prefixo>/bin ao lado da sua entrada do menu em <prefixo>/share/applications: a
// pasta de dados do usuário (~/.local/share/tarvisco). Fora de uma instalação (rodando
// de build/, por ./run.sh), vazio: a pasta atual continua a de trabalho.
QString PastaTrabalhoInstalada(const QString &pastaPrograma);
// Entra na pasta de trabalho do programa instalado, criando-a; false se não conseguiu
// (o programa fica na pasta atual).
bool EntrarNaPastaTrabalho();

// Título da aplicação (o texto do programa na barra de tarefas e das caixas de mensagem).
void DefinirTituloAplicacao(const QString &titulo);
QString TituloAplicacao();

// Carrega as traduções pt_BR do Qt (botões "Sim"/"Não" das perguntas). Devolve false
// quando o arquivo de tradução não existe.
bool CarregarTraducoes();

// Instala o manipulador gráfico de Mensagens (QMessageBox).
void InstalarMensagensTela();

// Abre um endereço com o programa padrão do sistema; os testes trocam a ação.
using AcaoAbrirEndereco = std::function<void(const QString &)>;
void AbrirEndereco(const QString &endereco);
void DefinirAbrirEndereco(AcaoAbrirEndereco acao);

// Coloca a janela no centro da tela em que ela está (ou da tela principal).
void CentralizarNaTela(QWidget *janela);
