#pragma once
// O PostgreSQL por baixo de uma conexão QPSQL aberta: a conexão do libpq e o estado do
// TLS (o comando de preparo do servidor e os testes de TLS os usam).
#include <QSqlDatabase>

// A conexão do libpq por baixo de uma conexão QPSQL aberta (nula nos outros casos).
struct pg_conn;
pg_conn *ConexaoLibpq(const QSqlDatabase &db);
// A conexão aberta do driver QPSQL é criptografada (TLS)?
bool ConexaoCriptografada(const QSqlDatabase &db);
