#!/usr/bin/env bash
# Fails when a translation is not finished: an entry of translations/quarrant_<lang>.ts that is
# unfinished, obsolete or vanished, or a text of src/ that lupdate would add (or an entry it
# would drop). lupdate runs on a copy, so the files are never changed here.
#   scripts/check-translations.sh
set -euo pipefail

cd "$(dirname "$0")/.."
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
status=0
for lang in $(cat translations/languages); do
  ts=translations/quarrant_$lang.ts
  [ -f "$ts" ] || { echo "$ts: missing"; status=1; continue; }
  cp "$ts" "$copy/"
  for kind in unfinished obsolete vanished; do
    count=$(grep -c "type=\"$kind\"" "$ts" || true)
    [ "$count" -eq 0 ] || { echo "$ts: $count $kind"; status=1; }
  done
done
bash scripts/update-translations.sh "$copy"
for lang in $(cat translations/languages); do
  ts=translations/quarrant_$lang.ts
  [ -f "$ts" ] || continue
  if ! diff -u "$ts" "$copy/quarrant_$lang.ts" >"$copy/$lang.diff"; then
    echo "$ts: out of date with src/ (run make translations):"
    grep -E '^[-+] *<source>' "$copy/$lang.diff" | head -20
    status=1
  fi
done
exit $status
