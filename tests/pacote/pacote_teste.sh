#!/usr/bin/env bash
# The Debian package as a user gets it: built from this build with CPack, checked by lintian,
# installed on this machine with apt-get, looked at where it landed, and purged again, leaving
# the machine's packages as they were. Exit 77: skipped (not root, no apt-get, or installed already).
#
#   pacote_teste.sh BUILD_DIR EXAMPLE.tpo CPACK VERSION
set -euo pipefail
export LC_ALL=C
compilacao=$1
exemplo=$2
cpack=$3
versao=$4

pular() {
  echo "SKIP: $*"
  exit 77
}
falhar() {
  echo "FALHOU: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || pular "instalar um pacote pede root"
command -v apt-get >/dev/null || pular "sem apt-get"
for programa in lintian desktop-file-validate appstreamcli xdg-mime mimetype flock; do
  command -v "$programa" >/dev/null || pular "sem $programa (scripts/setup o instala)"
done

# Another build's run would install and purge the same package: one run at a time on the machine.
exec 9>/run/lock/zidod-evuv-teste-pacote.lock
flock -w 900 9 || falhar "outro teste do pacote não terminou em 15 minutos"
instalado() { dpkg-query -W -f='${Status}' zidod-evuv 2>/dev/null | grep -q 'install ok installed'; }
instalado && pular "o pacote zidod-evuv já está instalado nesta máquina; o teste não mexe nele"

pasta=$(mktemp -d)
pacotes() { dpkg-query -W -f='${db:Status-Abbrev}\t${binary:Package}\n' | awk -F'\t' '$1 ~ /^.i/ {print $2}' | sort; }
pacotes >"$pasta/antes"
# Purges the package and what its installation brought along.
remover() {
  if instalado; then apt-get purge -y -qq zidod-evuv >/dev/null; fi
  local novos
  novos=$(pacotes | comm -13 "$pasta/antes" -)
  if [ -n "$novos" ]; then
    # shellcheck disable=SC2086  # one package a word
    apt-get purge -y -qq $novos >/dev/null
  fi
}
trap 'remover; rm -rf "$pasta"' EXIT

"$cpack" -G DEB --config "$compilacao/CPackConfig.cmake" -B "$pasta/cpack" >"$pasta/cpack.log" 2>&1 ||
  { cat "$pasta/cpack.log"; falhar "cpack"; }
deb="$pasta/cpack/zidod-evuv_${versao}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || falhar "cpack não deu $deb: $(ls "$pasta/cpack")"

lintian --fail-on error "$deb" || falhar "lintian acha erros no pacote"

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends "$deb" >"$pasta/apt.log" 2>&1 ||
  { cat "$pasta/apt.log"; falhar "apt-get install"; }

[ "$(/usr/bin/zidod-evuv --version)" = "zidod-evuv $versao" ] || falhar "zidod-evuv --version"
dados=/usr/share/zidod-evuv
cmp <(/usr/bin/zidod-evuv-lote verificar "$dados/exemplos/exemplo.tpo") "$exemplo" ||
  falhar "zidod-evuv-lote verificar não reescreve o exemplo byte a byte"
desktop-file-validate /usr/share/applications/zidod-evuv.desktop || falhar "desktop-file-validate"
metainfo=$(dpkg -L zidod-evuv | grep '^/usr/share/metainfo/.*\.xml$') || falhar "sem metainfo"
appstreamcli validate --no-net "$metainfo" || falhar "appstreamcli validate"
tipo=application/x-zidod-evuv-tpo
[ "$(xdg-mime query filetype "$dados/exemplos/exemplo.tpo")" = "$tipo" ] || falhar "xdg-mime não dá $tipo pelo nome"
# Without the extension the first line tells the type.
cp "$exemplo" "$pasta/secao"
[ "$(xdg-mime query filetype "$pasta/secao")" = "$tipo" ] || falhar "xdg-mime não dá $tipo pela primeira linha"
for pagina in zidod-evuv zidod-evuv-lote cad-substituto; do
  [ -f "/usr/share/man/man1/$pagina.1.gz" ] || falhar "sem a página de manual de $pagina"
done

apt-get purge -y -qq zidod-evuv >/dev/null || falhar "apt-get purge"
[ ! -e /usr/bin/zidod-evuv ] || falhar "/usr/bin/zidod-evuv ficou depois da remoção"
[ ! -e "$dados" ] || falhar "$dados ficou depois da remoção"
[ "$(xdg-mime query filetype "$pasta/secao")" != "$tipo" ] || falhar "o tipo $tipo ficou depois da remoção"
remover
pacotes | cmp -s "$pasta/antes" - || falhar "os pacotes da máquina não são os de antes do teste"
