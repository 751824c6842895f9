#pragma once
// Os dois motores direto das suas bibliotecas, sem uma cópia por célula: o SQLite pelo
// libsqlite3, o PostgreSQL pelo libpq (no módulo do PostgreSQL), por baixo da conexão
// aberta pelo driver do Qt.
// Peças da conexão (TDatabase) e da consulta (TQuery); o resto do programa usa essas duas.
// Toda falha de um comando volta como TDatabase::Falha (que trata a conexão perdida).
#include "BancoResultado.h"

#include <QList>
#include <QString>
#include <QVariant>

class QSqlDatabase;
class TDatabase;
struct pg_conn;
struct sqlite3;

namespace MotorSQLite {
// A conexão SQLite por baixo do driver QSQLITE (nula nos outros casos).
sqlite3 *Conexao(const QSqlDatabase &conexao);
// A falha de código dado (0: a última da conexão) veio de um arquivo que não serve
// mais: travado por outro programa além da espera, ilegível, trocado ou inacessível.
bool Perdida(sqlite3 *s, int codigo);
// Roda o comando e guarda as colunas e linhas em 'resultado'.
void Ler(TDatabase &db, sqlite3 *s, const QString &comando, ResultadoConsulta &resultado);
// Roda comandos sem linhas separados por ';', numa só chamada; para no primeiro que falha.
void Executar(TDatabase &db, sqlite3 *s, const QString &comandos);
// O comando preparado uma vez e rodado para cada lista de valores ($1, $2...); devolve o
// total de linhas mudadas. Para no primeiro que falha.
int ExecutarValores(
    TDatabase &db, sqlite3 *s, const QString &comando, const QList<QVariantList> &valores);
} // namespace MotorSQLite

namespace MotorPostgres {
// Carrega o módulo do PostgreSQL (ModuloPostgres.h), e com ele o libpq, o que só se faz na
// primeira conexão PostgreSQL; devolve por que ele não pôde ser usado (vazio: carregado).
QString Carregar();
// A sessão caiu (servidor parado, reiniciado, rede)? Nula: o driver já a deu por fechada.
bool Perdida(pg_conn *pg);
// Roda o comando e guarda as colunas e linhas em 'resultado', linha a linha.
void Ler(TDatabase &db, pg_conn *pg, const QString &comando, ResultadoConsulta &resultado);
// Roda comandos sem linhas separados por ';', numa só chamada; para no primeiro que falha.
void Executar(TDatabase &db, pg_conn *pg, const QString &comandos);
// O comando preparado uma vez e rodado para cada lista de valores ($1, $2...), em blocos
// sem esperar cada resposta; devolve o total de linhas mudadas. Para no primeiro que falha.
int ExecutarValores(
    TDatabase &db, pg_conn *pg, const QString &comando, const QList<QVariantList> &valores);

// Enquanto existe, vigia o comando da conexão no PostgreSQL (nos outros motores, nada):
// se ele não voltar em FonteDados::EsperaMaximaMs (a rede que se calou, sem resposta nem
// erro), o soquete é cortado por baixo do libpq, que volta com a conexão fechada, e a
// falha segue como conexão perdida. Vigias aninhados valem pelo de fora.
class Vigia {
public:
    explicit Vigia(const TDatabase &db);
    ~Vigia();
    Vigia(const Vigia &) = delete;
    Vigia &operator=(const Vigia &) = delete;
};
} // namespace MotorPostgres
