#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quarrant need.
# Idempotent: only packages that are missing are installed, and they are named first.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  fp-utils libchm-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation2
  xvfb xauth poppler-utils
  librsvg2-bin desktop-file-utils appstream man-db groff-base dpkg-dev lintian openbox xdotool scrot x11-utils
  libx11-dev libxtst-dev
  dbus at-spi2-core libatspi2.0-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
