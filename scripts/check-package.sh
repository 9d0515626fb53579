#!/usr/bin/env bash
# Builds the Debian package and checks it: its metadata and contents (dpkg-deb), lintian with
# no errors, and, when run as root (or with --no-install left out and sudo available), that
# it installs with apt-get and removes cleanly, leaving nothing behind.
#   scripts/check-package.sh [BUILD_FOLDER] [--no-install]
set -euo pipefail

build=build
install=yes
for arg in "$@"; do
  case "$arg" in
    --no-install) install=no ;;
    *) build=$arg ;;
  esac
done

fail() { echo "check-package: $*" >&2; exit 1; }

rm -f "$build"/package/quarrant_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/package/quarrant_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one quarrant_<version>_<arch>.deb"
deb=$(realpath "${debs[0]}")
echo "== $deb"

info=$(dpkg-deb -I "$deb")
echo "$info" | sed -n "/^ [A-Z][A-Za-z-]*: /,\$p"
for field in Package Version Architecture Maintainer Section Priority Depends Description; do
  echo "$info" | grep -q "^ $field: ." || fail "control field $field missing"
done
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "quarrant_${version}_${arch}.deb" ] || fail "file name $(basename "$deb")"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
outside=$(echo "$contents" | grep -v -e '^/$' -e '^/usr/' -e '^/usr$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
echo "$contents" | grep -qx '/usr/lib/quarrant/quarrant' || fail "program missing"
echo "$contents" | grep -qx '/usr/lib/quarrant/Rare.chm' || fail "help file missing"
echo "$contents" | grep -qx '/usr/bin/quarrant' || fail "bin/ link missing"

echo "== lintian"
lintian_out=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "root privileges" || true)
echo "$lintian_out"
if echo "$lintian_out" | grep -q '^E: '; then fail "lintian reports errors"; fi

if [ "$install" = yes ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "== install and remove"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq "$deb" >/dev/null
  dpkg-query -W -f='${Status}\n' quarrant | grep -q 'install ok installed' || fail "not installed"
  [ "$(readlink -f /usr/bin/quarrant)" = /usr/lib/quarrant/quarrant ] || fail "bin/ link"
  files=$(dpkg -L quarrant)
  $sudo apt-get -o DPkg::Lock::Timeout=600 remove --purge -y -qq quarrant >/dev/null
  if dpkg-query -W -f='${Status}\n' quarrant 2>/dev/null | grep -q installed; then
    fail "still installed after removal"
  fi
  left=$(echo "$files" | while read -r f; do
    if [ -f "$f" ] || [ -L "$f" ]; then echo "$f"; fi
  done)
  [ -z "$left" ] || fail "left after removal: $left"
  echo "installed and removed cleanly"
fi
echo "check-package: OK"
