#!/usr/bin/env bash
# Confere a formatação de todo o código C++ com o .clang-format do projeto (sem mudar nada).
# Para corrigir: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
