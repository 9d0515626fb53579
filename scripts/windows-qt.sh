#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once, from Debian's own qt6-base source package, with the
# MinGW-w64 cross compiler and the host's Qt tools of the same version, and installs it
# under the cache folder, outside any work tree. Later runs find the finished install and
# return at once. Prints the prefix of the finished install as its last line.
#   scripts/windows-qt.sh [cache-folder]     (default: ~/.cache/quarrant)
set -euo pipefail
source "$(dirname "$0")/windows-cache.sh"
version="$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//')"
prefix="$cache/qt-$version-mingw64"
stamp="$prefix/.complete"

if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

src="$(debian_source qt6-base "$version")"

build="$cache/build-qt-$version-mingw64"
echo "windows-qt: building Qt $version for Windows from $src into $prefix (about 45 minutes on 2 cores)" >&2
start=$(date +%s)
# What the program uses (Core, Gui, Widgets, PrintSupport, Test) with Qt's bundled
# third-party libraries; the source package leaves out the Wintab header, so no tablet
# events; OpenGL stays at its default, which the Windows platform plugin needs.
cmake -S "$src" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_tabletevent=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
  -DFEATURE_xml=OFF -DFEATURE_opengl_widgets=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_openssl=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF \
  >"$cache/qt-configure.log" 2>&1 || { tail -40 "$cache/qt-configure.log" >&2; exit 1; }
cmake --build "$build" -j "$(nproc)" >"$cache/qt-build.log" 2>&1 || { tail -40 "$cache/qt-build.log" >&2; exit 1; }
cmake --install "$build" >"$cache/qt-install.log" 2>&1
echo "windows-qt: Qt built in $(( ($(date +%s) - start) / 60 )) minutes" >&2
touch "$stamp"
rm -rf "$build"
echo "$prefix"
