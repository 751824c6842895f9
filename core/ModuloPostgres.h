#pragma once
// O módulo do PostgreSQL (libtarvisco_postgres.so): a única parte do programa que chama o
// libpq (o mesmo do driver QPSQL) e a única ligada a ele. O programa não é ligado ao
// libpq: BancoPostgres.cpp carrega o módulo na primeira conexão PostgreSQL, e o padrão
// embutido (SQLite) começa e trabalha sem o libpq e sem as bibliotecas dele (TLS,
// Kerberos, LDAP...). O módulo fica ao lado do executável na pasta de compilação e na
// pasta de bibliotecas do programa quando instalado (PastaModuloInstalado).
#include "BancoResultado.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVariant>

struct pg_conn;

// Quem recebe as colunas e as linhas de um comando lido pelo módulo.
class ReceptorLinhas {
public:
    // Uma coluna do resultado, com o nome em UTF-8 como o servidor o deu.
    virtual void Coluna(QByteArrayView nomeUtf8, NaturezaColuna natureza) = 0;
    // Uma linha, uma célula por coluna (nula: NULL; de tamanho zero: texto vazio).
    virtual void Linha(const QByteArrayView *celulas) = 0;

protected:
    ~ReceptorLinhas() = default;
};

// O que o módulo faz sobre a conexão do libpq de uma conexão QPSQL aberta. As falhas
// voltam como o texto do driver do Qt (vazio: deu certo).
class ModuloPostgres {
public:
    // A sessão caiu (servidor parado, reiniciado, rede)?
    virtual bool Perdida(pg_conn *pg) const = 0;
    // A conexão é criptografada (TLS)?
    virtual bool Criptografada(pg_conn *pg) const = 0;
    // Roda o comando e entrega as colunas e as linhas ao receptor, linha a linha.
    virtual QString Ler(pg_conn *pg, const QByteArray &comando, ReceptorLinhas &receptor) const = 0;
    // Roda comandos sem linhas separados por ';', numa só chamada; para no primeiro que falha.
    virtual QString Executar(pg_conn *pg, const QByteArray &comandos) const = 0;
    // O comando (com $1, $2...) preparado uma vez e rodado para cada lista de valores (nulo:
    // NULL; o resto como texto), em blocos sem esperar cada resposta; soma em 'afetadas' as
    // linhas mudadas e para no primeiro que falha.
    virtual QString ExecutarValores(pg_conn *pg, const QByteArray &comando,
        const QList<QVariantList> &valores, int &afetadas) const = 0;
    // O soquete da conexão (-1 sem ele), que o vigia dos comandos corta quando a rede se cala.
    virtual int Soquete(pg_conn *pg) const = 0;

protected:
    ~ModuloPostgres() = default;
};

// A entrada do módulo (extern "C"): o módulo desta versão da interface, ou nulo se ele é
// de outra versão do programa.
inline constexpr int VersaoModuloPostgres = 3;
inline constexpr char EntradaModuloPostgres[] = "tarvisco_modulo_postgres";
using FuncaoEntradaModuloPostgres = const ModuloPostgres *(*)(int versao);
