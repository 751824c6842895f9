#!/usr/bin/env bash
# O pacote Debian feito pelo cpack: o programa, o comando de preparo do servidor, a entrada
# do menu, o ícone e os metadados AppStream nos lugares certos, e as dependências de
# execução; o módulo do PostgreSQL onde o programa o procura, o programa sem o libpq nas
# ligações. Sem cpack ou dpkg-deb na máquina, o teste é pulado (saída 77).
# Uso: pacote_deb.sh <pasta build> <identificador> <módulo> <pasta do módulo> [cpack]
#   (a pasta do módulo relativa à dos executáveis, como o programa a procura)
set -euo pipefail
build=$1
id=$2
modulo=$3
pasta_modulo=$4
cpack=${5:-cpack}
command -v "$cpack" >/dev/null || { echo "sem cpack: teste pulado"; exit 77; }
command -v dpkg-deb >/dev/null || { echo "sem dpkg-deb: teste pulado"; exit 77; }

saida=$(mktemp -d)
trap 'rm -rf "$saida"' EXIT
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$saida" >"$saida/cpack.log" 2>&1; then
  cat "$saida/cpack.log"
  exit 1
fi
deb=$(ls "$saida"/tarvisco_*.deb)
echo "pacote: $(basename "$deb")"
falhou=0

conteudo=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/tarvisco ./usr/bin/tarvisco_criar_banco \
  "./usr/share/applications/$id.desktop" \
  "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
  "./usr/share/metainfo/$id.metainfo.xml" \
  ./usr/share/doc/tarvisco/copyright ./usr/share/doc/tarvisco/changelog.gz \
  ./usr/share/man/man1/tarvisco.1.gz ./usr/share/man/man1/tarvisco_criar_banco.1.gz; do
  grep -qxF "$f" <<<"$conteudo" || { echo "falta no pacote: $f"; falhou=1; }
done

depende=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depende"
for p in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libqt6sql6-psql libsqlite3-0 libpq5 \
  qt6-qpa-plugins; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depende" || { echo "dependência faltando: $p"; falhou=1; }
done

dpkg-deb -x "$deb" "$saida/raiz"
[ -f "$saida/raiz/usr/bin/$pasta_modulo/$modulo" ] \
  || { echo "falta no pacote: o módulo $modulo em usr/bin/$pasta_modulo"; falhou=1; }
if readelf -d "$saida/raiz/usr/bin/tarvisco" | grep NEEDED | grep -q libpq; then
  echo "o programa está ligado ao libpq (só o módulo do PostgreSQL deve estar)"
  falhou=1
fi
entrada="$saida/raiz/usr/share/applications/$id.desktop"
for linha in 'Exec=tarvisco' 'Categories=Office;Database;' "Icon=$id" 'Name=Tarvisco' \
  'Terminal=false'; do
  grep -qxF "$linha" "$entrada" || { echo "entrada do menu sem: $linha"; falhou=1; }
done
grep -q '^Comment=Edita os dados da página' "$entrada" || { echo "entrada sem comentário"; falhou=1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entrada" || falhou=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$saida/raiz/usr/share/metainfo/$id.metainfo.xml" \
    || falhou=1
fi
# o changelog e as páginas de manual se leem (gzip íntegro; o manual passa pelo groff)
for f in usr/share/doc/tarvisco/changelog.gz usr/share/man/man1/tarvisco.1.gz \
  usr/share/man/man1/tarvisco_criar_banco.1.gz; do
  gzip -t "$saida/raiz/$f" || { echo "arquivo comprimido inválido: $f"; falhou=1; }
done
if command -v groff >/dev/null; then
  for m in tarvisco tarvisco_criar_banco; do
    zcat "$saida/raiz/usr/share/man/man1/$m.1.gz" | groff -k -man -Tutf8 2>&1 >/dev/null \
      | grep . && { echo "página de manual com avisos: $m"; falhou=1; }
  done
fi
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$saida/raiz/usr/share/doc/tarvisco/copyright" || { echo "copyright fora do formato"; falhou=1; }
exit $falhou
