#!/bin/sh
# Compares what is installed with the expected list: file_list.sh STAGE EXPECTED
# Every path is listed with its kind: f file, l link (with its target), d folders are left out.
set -eu
export LC_ALL=C
stage=$1 expected=$2
actual=$(cd "$stage" && find . ! -type d | sed 's|^\./|/|' | sort | while read -r path; do
  if [ -L "$stage$path" ]; then
    echo "l $path -> $(readlink "$stage$path")"
  else
    echo "f $path"
  fi
done)
if [ "$actual" != "$(grep -v '^#' "$expected")" ]; then
  echo "installed files differ from $expected (- expected, + installed):"
  printf '%s\n' "$actual" | diff -u "$expected" - | tail -n +3 | grep '^[-+]' || true
  exit 1
fi
test -x "$stage/usr/lib/quarrant/quarrant" || { echo "the program is not executable"; exit 1; }
echo "$(printf '%s\n' "$actual" | wc -l) files as expected"
