#!/usr/bin/env bash
# Brings the translation sources translations/quarrant_<lang>.ts up to date with the texts in
# src/: new texts are added (unfinished), texts no longer in the sources are dropped. No source
# locations are written, so moving a line does not rewrite the files.
#   scripts/update-translations.sh [FOLDER]
# FOLDER (default translations/) receives the .ts files; a check passes a copy.
set -euo pipefail

cd "$(dirname "$0")/.."
folder=${1:-translations}
lupdate=$(command -v lupdate || true)
[ -x /usr/lib/qt6/bin/lupdate ] && lupdate=/usr/lib/qt6/bin/lupdate
[ -n "$lupdate" ] || { echo "update-translations: lupdate is missing (qt6-l10n-tools)" >&2; exit 1; }

ts=()
for lang in $(cat translations/languages); do ts+=("$folder/quarrant_$lang.ts"); done
"$lupdate" -silent -no-obsolete -locations none -no-ui-lines -extensions cpp,h \
  -source-language en src -ts "${ts[@]}"
