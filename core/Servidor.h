#pragma once
// A conexão do programa com "Dados_HP", a consulta compartilhada e os serviços de
// textos longos e de procura de Id que a janela principal oferece a todas as janelas.
#include "Banco.h"

#include <QString>

namespace Servidor {
TDatabase &Database();
TQuery &Query(); // consulta compartilhada: configuração, NomePorId, textos longos
} // namespace Servidor

// Textos longos (uma linha por dono na tabela de descrição n, coluna-chave 'chave').
// Com 'id' vazio nada acontece. Devolvem false quando o comando falhou (a falha já
// foi registrada com RegistrarErro).
// MostrarCampoDescricao cria a linha de descrição que falta (texto vazio); com 'dono' (a
// tabela da linha dona, pela coluna Id), confere antes que a dona existe: apagada por
// outro usuário, nada é gravado, *donoApagado vira true e devolve false.
bool MostrarCampoDescricao(const QString &id, int n, QString &texto, const QString &chave,
    int dono = 0, bool *donoApagado = nullptr);
bool InserirCampoDescricao(const QString &id, int n, const QString &texto, const QString &chave);
bool AtualizarCampoDescricao(const QString &id, int n, const QString &texto, const QString &chave);
bool ExcluirCampoDescricao(const QString &id, int n, const QString &chave);
QString ProcurarId(int n, const QString &valor, const QString &coluna);

// Relê, dentro da transação de uma gravação, as linhas da tabela n cuja coluna 'chave' é
// 'id' (a linha a alterar, ou o seu texto longo) na consulta q; no PostgreSQL elas ficam
// travadas (FOR UPDATE) até o fim da transação, e ninguém as muda entre a conferência e
// a gravação (no SQLite a transação já tem a trava de escrita). Uma linha que o login lê
// mas não grava é recusada (RecusarLinhaProtegida). Registra "consultado"; lança
// ErroBanco na falha.
void LerParaAlterar(TQuery &q, int n, const QString &chave, const QString &id);

// Recusa da segurança por linha do PostgreSQL (um login de departamento diante de uma
// linha de outro departamento). Um UPDATE ou DELETE que ela filtra não falha: não acha a
// linha. Quem procurou a linha da tabela 'tabela' de 'chave' = 'id' para gravar e não a
// achou chama RecusarLinhaProtegida, que devolve se ela existe; existindo para leitura
// num login de departamento, a falha é esta recusa: lança ErroBanco com o texto começando
// por FalhaLinhaProtegida (RegistrarErro a reconhece, como a recusa do próprio servidor).
extern const QString FalhaLinhaProtegida; // "Row-level security. " + linha
bool RecusarLinhaProtegida(
    TQuery &q, const QString &tabela, const QString &chave, const QString &id);
// O texto da falha é uma recusa da segurança por linha: a do servidor (SQLSTATE 42501 com
// o nome de uma política dos departamentos, ou "row-level security") ou FalhaLinhaProtegida.
bool RecusaPorLinha(const QString &falha);
