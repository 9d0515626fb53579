#!/usr/bin/env bash
# Checks that no source file includes a header of a layer above its own. The layers, lowest
# first; a file may include headers of its own layer and of the layers below it:
#   engine <- support <- controls <- report <- platform <- help <- forms <- main.cpp
# Usage: check-layers.sh [SOURCE_DIR]   (default: the src folder of this checkout)
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"
layers=(engine support controls report platform help forms)

rank() {
  local i
  for i in "${!layers[@]}"; do
    if [ "${layers[$i]}" = "$1" ]; then echo "$i"; return; fi
  done
  echo -1
}

violations=0
checked=0
while IFS= read -r -d '' file; do
  relative="${file#"$src"/}"
  folder="${relative%%/*}"
  if [ "$relative" = "$folder" ]; then
    own=${#layers[@]}  # a file directly in src (main.cpp) sits above every layer
  else
    own=$(rank "$folder")
    if [ "$own" -lt 0 ]; then
      echo "check-layers: $relative is in no known layer" >&2
      violations=$((violations + 1))
      continue
    fi
  fi
  checked=$((checked + 1))
  line_number=0
  while IFS= read -r line; do
    line_number=$((line_number + 1))
    [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z_]+)/ ]] || continue
    target="${BASH_REMATCH[1]}"
    target_rank=$(rank "$target")
    if [ "$target_rank" -lt 0 ]; then
      echo "check-layers: $relative:$line_number includes from unknown folder '$target'" >&2
      violations=$((violations + 1))
    elif [ "$target_rank" -gt "$own" ]; then
      echo "check-layers: $relative:$line_number: layer '$folder' includes '$target', a layer above it" >&2
      violations=$((violations + 1))
    fi
  done < "$file"
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) -print0)

if [ "$violations" -ne 0 ]; then
  echo "check-layers: $violations upward or unknown include(s) in $checked files" >&2
  exit 1
fi
echo "check-layers: $checked files, every include points to its own layer or one below"
