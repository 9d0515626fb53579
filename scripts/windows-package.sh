#!/usr/bin/env bash
# The portable zip and the NSIS installer of the Windows program folder.
#   scripts/windows-package.sh FOLDER VERSION OUT_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
folder="$(cd "$1" && pwd)"
version="$2"
out="$(cd "$3" && pwd)"
name="$(basename "$folder")"

zip_file="$out/quarrant-$version-x64-portable.zip"
rm -f "$zip_file"
(cd "$(dirname "$folder")" && zip -q -r -X "$zip_file" "$name")

# The installer installs and its uninstaller removes exactly the files of the folder (never
# the whole installation folder, which the user may have pointed elsewhere).
lists="$out/nsis"
mkdir -p "$lists"
: >"$lists/install.nsh"
: >"$lists/uninstall.nsh"
while IFS= read -r dir; do
  rel="${dir#"$folder"}"
  rel="${rel#/}"
  win="${rel//\//\\}"
  echo "SetOutPath \"\$INSTDIR${win:+\\$win}\"" >>"$lists/install.nsh"
  find "$dir" -maxdepth 1 -type f -printf '%f\n' | sort | while IFS= read -r f; do
    echo "File \"$dir/$f\"" >>"$lists/install.nsh"
    echo "Delete \"\$INSTDIR${win:+\\$win}\\$f\"" >>"$lists/uninstall.nsh"
  done
done < <(find "$folder" -type d | sort)
find "$folder" -mindepth 1 -type d | sort -r | while IFS= read -r dir; do
  rel="${dir#"$folder"/}"
  echo "RMDir \"\$INSTDIR\\${rel//\//\\}\"" >>"$lists/uninstall.nsh"
done

setup="$out/quarrant-$version-x64-setup.exe"
makensis -V2 -DVERSION="$version" -DLISTS="$lists" -DOUTFILE="$setup" \
  -DICON="$out/src/windows_icon/quarrant.ico" "$here/packaging/windows/quarrant.nsi" >/dev/null
echo "windows: $(basename "$zip_file") $(du -h "$zip_file" | cut -f1), $(basename "$setup") $(du -h "$setup" | cut -f1)"
