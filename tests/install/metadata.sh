#!/bin/sh
# Validates the installed menu entry, metainfo and manual page: metadata.sh ROOT (the staged
# prefix). Every validator must pass; the manual page must render without a single warning.
set -eu
root=$1
status=0
desktop-file-validate "$root"/share/applications/*.desktop || status=1
appstreamcli validate --no-net --pedantic --explain "$root"/share/metainfo/*.metainfo.xml \
  || status=1
warnings=$(MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$root"/share/man/man1/quarrant.1.gz 2>&1 \
  >/dev/null)
if [ -n "$warnings" ]; then
  echo "man page warnings:"
  echo "$warnings"
  status=1
fi
# The menu entry names an icon and a metainfo component that are installed.
icon=$(sed -n 's/^Icon=//p' "$root"/share/applications/*.desktop)
[ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || { echo "no icon $icon"; status=1; }
grep -q "<launchable type=\"desktop-id\">$(basename "$root"/share/applications/*.desktop)<" \
  "$root"/share/metainfo/*.metainfo.xml || { echo "metainfo launches another entry"; status=1; }
exit $status
