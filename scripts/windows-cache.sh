# Sourced by the scripts that build third-party code for Windows once into the cache folder
# (windows-qt.sh, windows-gtest.sh). Sets `here` (the checkout) and `cache`; provides
# `debian_source`.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${1:-${QUARRANT_CACHE:-$HOME/.cache/quarrant}}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

# debian_source PACKAGE VERSION: unpacks Debian's source package of that upstream version
# (with Debian's patches applied) under $cache/src once; prints its folder. apt-get source
# needs deb-src entries: the machine's own deb entries are added as source entries first.
debian_source() {
  local package="$1" version="$2" srcroot="$cache/src" src
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
    ! grep -qs '^deb-src' /etc/apt/sources.list; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        $sudo tee /etc/apt/sources.list.d/quarrant-src.sources >/dev/null
    else
      sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
        $sudo tee /etc/apt/sources.list.d/quarrant-src.list >/dev/null
    fi
    $sudo apt-get update -qq >&2
  fi
  mkdir -p "$srcroot"
  src="$(find "$srcroot" -maxdepth 1 -type d -name "$package-$version*" | head -1)"
  if [ -z "$src" ]; then
    (cd "$srcroot" && apt-get source -qq "$package" >&2)
    src="$(find "$srcroot" -maxdepth 1 -type d -name "$package-$version*" | head -1)"
  fi
  [ -n "$src" ] || { echo "no source of $package $version" >&2; return 1; }
  echo "$src"
}
