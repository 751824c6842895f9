#pragma once
// Esquema do banco: a fonte única das tabelas e colunas, da qual saem os comandos de
// criação dos dois motores, as linhas iniciais, os dados de demonstração e os direitos
// dos logins de cada nível.
#include "Banco.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace Esquema {

enum class Tipo {
    Id, // chave atribuída pelo banco
    Inteiro, // número
    IdDe, // inteiro que guarda o Id de uma linha de outra tabela
    Texto, // texto de até 'tamanho' caracteres
    TextoLongo, // texto sem limite (memos, campos sem tamanho máximo)
    Marca, // 'S' ou 'N'
    Data, // data
    DataHora, // data e hora
    Instante, // momento absoluto: UTC no SQLite, com fuso no PostgreSQL (o histórico)
};

struct Coluna {
    QString nome; // grafia usada pelo programa
    Tipo tipo = Tipo::Texto;
    int tamanho = 0; // Texto
    QString referencia; // IdDe: tabela referida
};

struct Tabela {
    QString nome;
    QList<Coluna> colunas;
    // Coluna que identifica a linha no histórico de alterações: "Id", ou a chave do dono
    // numa tabela de texto longo; vazia nas tabelas que as janelas não gravam
    // (configuração e códigos), que não têm histórico.
    QString registroHistorico = QStringLiteral("Id");
    const Coluna *coluna(const QString &nome) const; // sem distinguir maiúsculas
    bool ComHistorico() const { return !registroHistorico.isEmpty(); }
};

// Todas as tabelas, na ordem de criação.
const QList<Tabela> &Tabelas();
const Tabela *TabelaPorNome(const QString &nome);

// Grafia da coluna como o programa a escreve ("departamento" -> "Departamento"); o
// PostgreSQL devolve os nomes sem aspas em minúsculas. Nome desconhecido volta como veio.
QString GrafiaColuna(const QString &nome);

using Motor = FonteDados::Motor;

// Comandos, um por elemento, para o motor dado.
// Tabelas, índices das buscas (e, no SQLite, gatilhos das datas).
QStringList ComandosCriacao(Motor motor);
QString ComandoCriarTabela(const Tabela &t, Motor motor);
// Um índice por coluna de busca (CatalogoJanelas::Buscas), chamado <Tabela>_<Coluna>;
// "IF NOT EXISTS": os mesmos comandos completam um banco antigo.
QStringList ComandosIndices();
// Criação (se ainda não existe) do índice <tabela>_<colunas> sobre as colunas dadas.
QString ComandoCriarIndice(const QString &tabela, const QStringList &colunas);
QStringList ComandosLinhasIniciais(Motor motor); // configuração, "[vazio]", níveis, códigos
QStringList ComandosDemonstracao(Motor motor); // faculdade fictícia de demonstração
QStringList ComandosEsvaziar(Motor motor); // apaga todas as linhas e volta as chaves ao início
// PostgreSQL: leva cada identidade para depois do maior Id gravado (após linhas com Id).
QStringList ComandosAjustarIdentidades();

// INSERT de uma linha; cada valor é citado conforme o tipo da coluna (inteiros sem aspas,
// o resto com CitarTexto; datas em ISO 'AAAA-MM-DD').
using Valores = QList<QPair<QString, QString>>;
QString ComandoInserir(const QString &tabela, const Valores &valores);
// Valor da coluna como entra num comando: inteiro sem aspas, o resto com CitarTexto.
QString Literal(const Coluna &c, const QString &valor);

// Histórico de alterações (EsquemaHistorico.cpp): os índices da tabela Historico (criada
// com as outras) e os gatilhos que escrevem nela em toda tabela com histórico; no
// PostgreSQL também a função dos gatilhos e a leitura pelos logins (os logins precisam
// existir). Depois das linhas semeadas, que não são alterações.
QStringList ComandosHistorico(Motor motor);
QStringList ComandosEsvaziarHistorico(Motor motor);
// Índices da tabela Historico (os filtros e a listagem da janela do histórico).
QStringList ComandosIndicesHistorico(Motor motor);
// PostgreSQL, pelo dono do banco: traz um banco criado por uma versão anterior ao esquema
// de agora (os índices que faltam; o histórico gravado por gatilhos de linha, com o
// momento no fuso da sessão, passa aos gatilhos de comando e ao momento com fuso). Pode
// rodar de novo: o que já está feito fica como está.
QStringList ComandosAtualizarPostgres();
// Conexão SQLite do programa: traz um arquivo antigo ao esquema de agora (cria o
// histórico que falta, troca os gatilhos de histórico de uma versão anterior, cria os
// índices que faltam) e marca as alterações feitas por esta conexão com 'usuario' (as de
// outros programas ficam vazias).
void PrepararSQLite(QSqlDatabase &db, const QString &usuario);
// Tabelas de texto longo de um dono (linha por linha do dono, chave em registroHistorico).
QList<const Tabela *> TextosLongosDe(const QString &dono);

// SQLite: expressão que põe uma data 'M/D/AAAA' (com hora, se 'comHora') no formato ISO
// gravado; outros textos voltam como estão.
QString DataNormalizadaSQLite(const QString &expressao, bool comHora);

// Roda os comandos na conexão dada, numa transação; lança ErroBanco em falha.
void Executar(QSqlDatabase &db, const QStringList &comandos);

// Cria as tabelas e as linhas iniciais num banco SQLite vazio (o padrão embutido);
// com 'demonstracao', também os dados de demonstração. Lança ErroBanco em falha.
void CriarSQLite(QSqlDatabase &db, bool demonstracao = true);

// Direitos de um login sobre uma tabela.
struct Direito {
    QString tabela;
    bool selecionar = false;
    bool incluir = false;
    bool alterar = false;
    bool excluir = false;
    QStringList colunasAlteraveis; // vazio com 'alterar': todas menos Id
};
// Direitos do login do nível (1..12), derivados das janelas que o nível abre.
QList<Direito> DireitosNivel(int nivel);
// GRANTs (PostgreSQL) do login do nível sobre as tabelas e suas identidades. Incluir e
// alterar valem para as colunas da tabela, não para a chave Id.
QStringList ComandosDireitos(int nivel);

// Segurança por linha (PostgreSQL) dos logins de departamento nas tabelas de
// departamento (CatalogoJanelas::Confinamentos): a tabela que liga cada login ao Id do
// seu departamento (só o dono a grava), a função do departamento do login, a ativação e
// as políticas. Depois das linhas iniciais (os departamentos dos níveis).
QStringList ComandosSegurancaLinhas();
// O mesmo num banco de uma versão anterior (--atualizar): cria o que falta e repõe a
// função e as políticas de agora.
QStringList ComandosAtualizarSegurancaLinhas();
// O Id do departamento do login da sessão, como o servidor o vê (nulo para os outros
// logins): "public.departamento_do_login()".
extern const QString DepartamentoDoLogin;
extern const QString TabelaLoginsDepartamentos; // "LoginsDepartamentos"
// Nomes das políticas restritivas dos logins de departamento. A recusa de uma delas traz
// o nome no texto da falha, qualquer que seja o idioma das mensagens do servidor.
extern const QString PoliticaIncluir; // "departamento_incluir"
extern const QString PoliticaAlterar; // "departamento_alterar"
extern const QString PoliticaExcluir; // "departamento_excluir"

} // namespace Esquema
