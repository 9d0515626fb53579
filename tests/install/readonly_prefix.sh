#!/bin/sh
# Starts the installed program through its bin/ link with -debug in a prefix that the program
# cannot write to: readonly_prefix.sh STAGE PREFIX
# The program must keep its help file beside itself (lib/quarrant) and write its log to the
# temporary folder. Run as root, the program would write anyway (root ignores permission
# bits), so it is then started as the user nobody; a private copy of the staged tree, made
# read-only, keeps the shared stage untouched.
set -eu
stage=$1 prefix=$2
work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
cp -a "$stage" "$work/root"
mkdir "$work/tmp"
chmod -R a-w "$work/root"
chmod 1777 "$work/tmp"

run_as=
if [ "$(id -u)" -eq 0 ]; then run_as="setpriv --reuid=nobody --regid=nogroup --clear-groups --"; fi
mkdir -m 700 "$work/run"
if [ -n "$run_as" ]; then chown nobody:nogroup "$work/run"; fi
programdir=$work/root$prefix/lib/quarrant
if $run_as sh -c 'touch "$1/probe"' sh "$programdir" 2>/dev/null; then
  echo "the program's folder is writable for the user running the program"; exit 1
fi

cd "$work/tmp"
env -i PATH=/usr/bin:/bin HOME="$work/tmp" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/run" \
  QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 \
  $run_as "$work/root$prefix/bin/quarrant" -debug >"$work/output.txt" 2>&1 &
pid=$!
log=$work/tmp/HHDebug.txt
# The main window creates its help object last; its log line means start-up is done.
tries=0
until grep -q 'THookHelpSystem.Create' "$log" 2>/dev/null; do
  tries=$((tries + 1))
  if [ $tries -gt 200 ] || ! kill -0 "$pid" 2>/dev/null; then
    echo "no help object in the log; program output:"; cat "$work/output.txt"
    [ -f "$log" ] && cat "$log"
    exit 1
  fi
  sleep 0.1
done
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=

status=0
expect() {
  grep -qF "$1" "$log" || { echo "log lacks: $1"; status=1; }
}
expect "_ModuleDir =        	$programdir"
expect "_ModuleName =       	quarrant"
expect "THookHelpSystem.Create(\"$programdir/Rare.chm\""
[ -f "$programdir/Rare.chm" ] || { echo "no Rare.chm beside the program"; status=1; }
[ ! -e "$programdir/HHDebug.txt" ] || { echo "log written in the read-only folder"; status=1; }
[ $status -eq 0 ] || cat "$log"
[ -z "${SHOW_LOG:-}" ] || cat "$log" "$work/output.txt"
exit $status
