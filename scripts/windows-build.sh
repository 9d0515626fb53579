#!/usr/bin/env bash
# make windows: Qt and GoogleTest for Windows (built once, cached outside the tree), then the
# program cross-built with that Qt's qt-cmake, laid out in a folder that runs on Windows as it
# stands, and packed as a portable zip and an NSIS installer.
#   scripts/windows-build.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build-win}"
cache="${QUARRANT_CACHE:-$HOME/.cache/quarrant}"

bash "$here/scripts/install-deps.sh" --windows
start=$(date +%s)
qt="$(bash "$here/scripts/windows-qt.sh" "$cache" | tail -1)"
gtest="$(bash "$here/scripts/windows-gtest.sh" "$cache" | tail -1)"
echo "windows: Qt and GoogleTest ready in $(( $(date +%s) - start )) s ($qt)"

start=$(date +%s)
"$qt/bin/qt-cmake" -S "$here" -B "$build" -G Ninja \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DGTest_DIR="$gtest/lib/cmake/GTest" >/dev/null
cmake --build "$build" -j "$(nproc)"
version="$(sed -n 's/^#define QUARRANT_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/version.h")"
folder="$build/Quarrant-$version"
rm -rf "$folder"
cmake --install "$build" --prefix "$folder" --strip >/dev/null
echo "windows: program built and laid out in $(( $(date +%s) - start )) s: $folder"
bash "$here/scripts/windows-package.sh" "$folder" "$version" "$build"
