#!/usr/bin/env bash
# Instala o que falta, compila e roda todos os testes (sem tela; os testes de PostgreSQL
# sobem os próprios servidores descartáveis).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/preparar.sh
instalar_pacotes
compilar
cd build
ctest --output-on-failure -j2 "$@"
