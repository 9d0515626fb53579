#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quarrant need.
# Idempotent: only packages that are missing are installed, and they are named first.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-l10n-tools qt6-translations-l10n
  fp-utils libchm-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation2
  xvfb xauth poppler-utils
  librsvg2-bin desktop-file-utils appstream man-db groff-base dpkg-dev lintian openbox xdotool scrot x11-utils
  libx11-dev libxtst-dev
  dbus at-spi2-core libatspi2.0-dev
  locales
)

# The Windows build and its tests under Wine (make windows, make test-windows) only.
if [ "${1:-}" = "--windows" ]; then
  packages+=(
    g++-mingw-w64-x86-64-posix mingw-w64-tools nsis zip icoutils dpkg-dev
    wine wine64 xclip
  )
fi

# Locales with a decimal comma, in which the window journeys run again.
test_locales=(de_DE fr_FR)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

for l in "${test_locales[@]}"; do
  if ! locale -a 2>/dev/null | grep -qx "$l.utf8"; then
    echo "install-deps: generating the locale $l.UTF-8"
    $sudo localedef -i "$l" -f UTF-8 "$l.UTF-8"
  fi
done
