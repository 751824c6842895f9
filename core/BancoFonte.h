#pragma once
// Definição da fonte de dados "Dados_HP": o motor, onde ele está e, no PostgreSQL, o TLS
// da conexão, com os textos das falhas de TLS e de conexão que o programa classifica.
#include "BancoFalhas.h"

#include <QString>

// Definição da fonte de dados "Dados_HP" (veja o README): arquivo Dados_HP.conf na
// pasta de trabalho; sem ele, um arquivo SQLite Dados_HP.sqlite na pasta de trabalho.
struct FonteDados {
    enum Motor { SQLite, PostgreSQL };
    Motor motor = SQLite;
    QString arquivo = QStringLiteral("Dados_HP.sqlite"); // SQLite
    QString host; // PostgreSQL: máquina ou pasta do soquete
    int porta = 5432;
    QString banco = QStringLiteral("tarvisco");
    // TLS do PostgreSQL, com os nomes do libpq. sslmode vazio: verify-full numa máquina
    // da rede, nada no soquete local. sslrootcert vazio ou "system": as autoridades
    // certificadoras do sistema. sslcert/sslkey: certificado do cliente, se o servidor
    // o pedir. Caminhos relativos partem da pasta de trabalho.
    QString sslmode;
    QString sslrootcert;
    QString sslcert;
    QString sslkey;
    // Rede que se cala (PostgreSQL), com os nomes do libpq e do servidor, em segundos:
    // quanto esperar para conectar; keepalives do TCP (0 desliga) depois de quanto tempo
    // parado, de quanto em quanto tempo e quantos sem resposta; quanto um comando pode
    // durar e quanto ele espera por uma linha travada por outro (0: sem limite). Um
    // comando nunca prende a janela mais que statement_timeout + connect_timeout
    // (EsperaMaximaMs): passado isso, a conexão é cortada e tratada como perdida.
    int connectTimeout = 10;
    bool keepalives = true;
    int keepalivesIdle = 30;
    int keepalivesInterval = 10;
    int keepalivesCount = 3;
    int statementTimeout = 60;
    int lockTimeout = 15;

    static FonteDados Definicao(); // lê a definição na pasta de trabalho

    bool SoqueteLocal() const; // host vazio (padrão do libpq) ou pasta do soquete
    QString ModoTls() const; // sslmode efetivo (vazio no soquete local sem sslmode)
    // Opções do driver QPSQL para conectar: tempo limite e TLS. Lança ErroBanco quando
    // um valor não cabe nas opções.
    QString OpcoesConexao() const;
    // O mais que um comando no PostgreSQL pode prender o programa (0: sem limite).
    int EsperaMaximaMs() const;
};

// Falha ao conectar ao PostgreSQL no texto que o programa classifica: falha de TLS,
// "Unknown user name or password" ou "Cannot connect".
QString TextoFalhaConexao(const QString &textoLibpq, const FonteDados &fonte,
    const QString &onde = QStringLiteral("no Dados_HP.conf"));
