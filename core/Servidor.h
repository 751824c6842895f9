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
bool MostrarCampoDescricao(const QString &id, int n, QString &texto, const QString &chave);
bool InserirCampoDescricao(const QString &id, int n, const QString &texto, const QString &chave);
bool AtualizarCampoDescricao(const QString &id, int n, const QString &texto, const QString &chave);
bool ExcluirCampoDescricao(const QString &id, int n, const QString &chave);
QString ProcurarId(int n, const QString &valor, const QString &coluna);

// Relê, dentro da transação de uma gravação, as linhas da tabela n cuja coluna 'chave' é
// 'id' (a linha a alterar, ou o seu texto longo) na consulta q; no PostgreSQL elas ficam
// travadas (FOR UPDATE) até o fim da transação, e ninguém as muda entre a conferência e
// a gravação (no SQLite a transação já tem a trava de escrita). Registra "consultado";
// lança ErroBanco na falha.
void LerParaAlterar(TQuery &q, int n, const QString &chave, const QString &id);
