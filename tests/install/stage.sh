#!/bin/sh
# Installs the build into a fresh staging folder: stage.sh BUILD STAGE PREFIX
set -eu
build=$1 stage=$2 prefix=$3
rm -rf "$stage"
DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null
