#!/usr/bin/env bash
# Instala o que falta, compila e inicia o Tarvisco na pasta do repositório (banco SQLite
# embutido Dados_HP.sqlite, a menos que exista um Dados_HP.conf; veja o README).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/preparar.sh
instalar_pacotes
# só o programa, o módulo do PostgreSQL e o comando de preparo do servidor; os testes e
# as medidas ficam para o ./test.sh
compilar tarvisco tarvisco_postgres tarvisco_criar_banco
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Sem tela (DISPLAY vazio): use  xvfb-run -a ./run.sh  ou inicie um Xvfb e defina DISPLAY." >&2
  exit 1
fi
exec ./build/tarvisco "$@"
