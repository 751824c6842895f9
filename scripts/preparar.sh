# Funções comuns de run.sh e test.sh: instalar o que falta (Debian 12) e compilar.
# Para ser lido com "source" a partir da raiz do repositório.

PACOTES=(
  build-essential cmake clang-format
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n
  libsqlite3-dev libpq-dev sqlite3
  postgresql-15 openssl
  xvfb xauth fonts-liberation
  libhunspell-dev hunspell-pt-br pkg-config
)

instalar_pacotes() {
  local faltam=() p
  for p in "${PACOTES[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
      faltam+=("$p")
    fi
  done
  [ ${#faltam[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Instalando: ${faltam[*]}"
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${faltam[@]}"
}

# compilar [alvos...]: sem alvos, tudo (o programa, os testes e as medidas); o run.sh
# pede só o programa, o que abre a primeira janela bem antes numa máquina nova.
compilar() {
  local lancador=() alvos=()
  [ $# -gt 0 ] && alvos=(--target "$@")
  # ccache, quando instalado, guarda as compilações entre pastas de trabalho
  command -v ccache >/dev/null && lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lancador[@]}" >/dev/null
  cmake --build build -j"$(nproc)" "${alvos[@]}"
}
