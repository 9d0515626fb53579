#!/usr/bin/env bash
# Builds GoogleTest for 64-bit Windows once, from Debian's googletest source package, with the
# MinGW-w64 cross compiler, into the cache folder. Prints the install prefix as its last line.
#   scripts/windows-gtest.sh [cache-folder]     (default: ~/.cache/quarrant)
set -euo pipefail
source "$(dirname "$0")/windows-cache.sh"
version="$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || dpkg-query -W -f='${Version}' libgtest-dev)"
version="${version%%-*}"
prefix="$cache/googletest-$version-mingw64"
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
src="$(debian_source googletest "$version")"
build="$cache/build-googletest-mingw64"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF \
  >"$cache/googletest-build.log" 2>&1
cmake --build "$build" -j "$(nproc)" >>"$cache/googletest-build.log" 2>&1
cmake --install "$build" >>"$cache/googletest-build.log" 2>&1
rm -rf "$build"
touch "$prefix/.complete"
echo "$prefix"
