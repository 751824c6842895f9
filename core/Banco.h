#pragma once
// Plataforma de banco de dados: a conexão com a fonte de dados "Dados_HP" e os objetos de
// consulta, cujo texto é uma lista de linhas. Cada parte no seu arquivo:
//   BancoFalhas.h    textos de falha (ErroBanco, conexão perdida, TLS)
//   BancoFonte.h     definição da fonte de dados (Dados_HP.conf) e opções de TLS
//   BancoConexao.h   a conexão (TDatabase)
//   BancoConsulta.h  a consulta (TQuery) e o seu resultado (BancoResultado.h)
//   BancoPostgres.h  a conexão do libpq por baixo do driver e o estado do TLS
// Os leitores de cada motor (BancoSQLite.cpp, BancoPostgres.cpp com o módulo do PostgreSQL,
// ModuloPostgres.h) ficam atrás da consulta.
#include "BancoConexao.h"
#include "BancoConsulta.h"
#include "BancoFalhas.h"
#include "BancoFonte.h"
#include "BancoPostgres.h"
