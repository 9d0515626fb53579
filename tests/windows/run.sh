#!/usr/bin/env bash
# make test-windows: the Windows build under Wine, in a fresh Wine prefix inside the build
# folder, on a private Xvfb with openbox; every key goes through the X server (XTEST).
#   tests/windows/run.sh WIN_BUILD LINUX_BUILD
#
#  1. the engine's tests, cross-built: the same cases as the Linux build's, all passing;
#  2. the window: its title, the loan of the overview typed (PMT -599.55), the amortization
#     window and a CSV export through the save dialog, equal byte for byte to the Linux
#     program's export of the same journey;
#  3. -debug: HHDebug.txt beside the program with the Windows values, and F1 opening the
#     system's help viewer (a top-level window of class "HH Parent"), traced;
#  4. the installer: silent install, the installed program starts and finds its help, the
#     silent uninstall leaves nothing behind.
# Screenshots of the main window, the amortization window and the log go to
# WIN_BUILD/test-windows/.
set -uo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
win="$(cd "$1" && pwd)"
linux="$(cd "$2" && pwd)"
version="$(sed -n 's/^#define QUARRANT_VERSION_TEXT "\(.*\)"$/\1/p' "$win/generated/version.h")"
major_minor="${version%.*}"
folder="$win/Quarrant-$version"
out="$win/test-windows"
rm -rf "$out"
mkdir -p "$out"

export WINEPREFIX="$out/prefix" WINEARCH=win64 WINEDEBUG=-all
# Wine's Mono and Gecko add-ons cannot be had here: without them it does not ask for them (and
# the help viewer opens without rendering its page).
export WINEDLLOVERRIDES="mscoree,mshtml="

passed=0
failed=0
check() {
  local name="$1"
  shift
  if "$@"; then
    echo "ok   $name"
    passed=$((passed + 1))
  else
    echo "FAIL $name"
    failed=$((failed + 1))
  fi
}

# ---- A private display with a window manager ----
display=""
for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
    display=":$n"
    break
  fi
done
[ -n "$display" ] || { echo "test-windows: no free display"; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
openbox >"$out/openbox.log" 2>&1 &
wm_pid=$!
linux_pid=""
cleanup() {
  [ -n "$linux_pid" ] && kill "$linux_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  kill "$wm_pid" "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT
sleep 1

echo "test-windows: a fresh Wine prefix in $WINEPREFIX"
wineboot -i >"$out/wineboot.log" 2>&1
wineserver -w
windows_path() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }
export WINEPATH="$(windows_path "$folder")"  # the program folder's DLLs for the test programs

# ---- 1. The engine's tests ----
# Suite.Case names, sorted: the two linkers register the suites in different orders.
case_names() { tr -d '\r' | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }' | sort; }
"$linux/tests/engine_tests" --gtest_list_tests | case_names >"$out/engine-cases-linux.txt"
wine "$win/tests/engine_tests.exe" --gtest_list_tests 2>/dev/null | case_names >"$out/engine-cases-windows.txt"
check "engine tests: the same cases as on Linux ($(wc -l <"$out/engine-cases-linux.txt"))" \
  cmp -s "$out/engine-cases-linux.txt" "$out/engine-cases-windows.txt"
wine "$win/tests/engine_tests.exe" 2>&1 | tr -d '\r' >"$out/engine-tests.log"
check "engine tests pass under Wine ($(grep -o 'PASSED  \] [0-9]* tests' "$out/engine-tests.log"))" \
  grep -q '^\[  PASSED  \] [0-9]* tests\.$' "$out/engine-tests.log"

# ---- Helpers ----
wait_window() {  # NAME [SECONDS]: the id of the first visible window so named
  local id
  id="$(timeout "${2:-60}" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1)"
  [ -n "$id" ] && echo "$id"
}
wait_file() {  # PATH [SECONDS]
  for _ in $(seq $((${2:-30} * 5))); do [ -s "$1" ] && return 0; sleep 0.2; done
  return 1
}
focus() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  sleep 0.5
}
shot() { scrot -o "$out/$1.png"; }
# traced_in_order LOG LINE...: the log's time-stamped lines hold each LINE, in this order.
traced_in_order() {
  local log="$1"
  shift
  sed -n 's/^[0-9][^ ]*\( [AP]M\)\{0,1\}   //p' "$log" | awk -v n="$#" '
    BEGIN { for (i = 1; i < ARGC; i++) want[i] = ARGV[i]; ARGC = 1; k = 1 }
    k <= n && $0 == want[k] { k++ }
    END { exit k <= n }' "$@"
}
find_window() { wine "$win/tests/windows/find_window.exe" "$@" 2>/dev/null | tr -d '\r'; }
stop_wine() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
}

# The overview's loan, typed: 6 % a year, 30*12 months, 100000 borrowed; the payment read
# back from its field through the clipboard; then the schedule exported as CSV to the path
# typed into the save dialog. LABEL names the screenshots and the payment file.
journey() {
  local label="$1" typed="$2" main amortization dialog
  main="$(wait_window "Quarrant V$major_minor" 90)" || return 1
  focus "$main"
  # The tab bar has the focus; the page's fields follow it: FV, I%YR, N, PMT, PV, then the
  # PV and PMT buttons. A field reached by Tab has its text selected, so typing replaces it.
  xdotool key Tab Tab && xdotool type 6
  xdotool key Tab && xdotool type '30*12'
  xdotool key Tab Tab && xdotool type 100000
  xdotool key Tab Tab space
  sleep 1
  xdotool key shift+Tab shift+Tab shift+Tab ctrl+c
  sleep 1
  xclip -o -selection clipboard >"$out/$label-pmt.txt" 2>/dev/null
  shot "$label-main"
  xdotool key alt+a
  amortization="$(wait_window "Amortization Schedule")" || return 1
  focus "$amortization"
  shot "$label-amortization"
  xdotool key space  # the first button of its tool bar: Save as
  dialog="$(wait_window "Save file")" || return 1
  focus "$dialog"
  # The file type list is not in the dialog's tab chain: open it with the mouse (it is the
  # bottom row's wide box), then choose the second type, CSV.
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  xdotool mousemove --window "$dialog" $((WIDTH / 2)) $((HEIGHT - 23)) click 1
  sleep 1
  xdotool key Down Return
  sleep 0.5
  xdotool key alt+n ctrl+a && xdotool type "$typed"
  xdotool key Return
}

# ---- 2. The window ----
csv_linux="$out/schedule-linux.csv"
csv_windows="$out/schedule-windows.csv"
QT_QPA_PLATFORM=xcb "$linux/bin/quarrant" >"$out/linux-program.log" 2>&1 &
linux_pid=$!
journey linux "$csv_linux"
wait_file "$csv_linux"
kill "$linux_pid" 2>/dev/null
wait "$linux_pid" 2>/dev/null
linux_pid=""

(cd "$folder" && wine quarrant.exe >"$out/windows-program.log" 2>&1 &)
title_id="$(wait_window "Quarrant V$major_minor" 90)"
check "the window starts, its title \"Quarrant V$major_minor\" from the version resource" test -n "$title_id"
journey windows "$(windows_path "$csv_windows" | tr '\\' '/')"
check "the loan typed with real keys: PMT $(cat "$out/windows-pmt.txt" 2>/dev/null)" \
  test "$(cat "$out/windows-pmt.txt" 2>/dev/null)" = "-599.55"
wait_file "$csv_windows"
check "the amortization schedule exported as CSV through the save dialog" \
  grep -q '^"Amortization Schedule"' "$csv_windows"
check "the CSV equals the Linux export byte for byte ($(stat -c %s "$csv_windows" 2>/dev/null) bytes)" \
  cmp -s "$csv_linux" "$csv_windows"
stop_wine

# ---- 3. The diagnostic log and the system's help viewer ----
log="$folder/HHDebug.txt"
rm -f "$log"
(cd "$folder" && wine quarrant.exe -debug >"$out/debug-program.log" 2>&1 &)
main="$(wait_window "Quarrant V$major_minor" 90)"
wait_file "$log"
tr -d '\r' <"$log" >"$out/HHDebug.txt"
header_has() { grep -qF -- "$1" "$out/HHDebug.txt"; }
exe="$(windows_path "$folder/quarrant.exe")"
check "HHDebug.txt beside the program" test -s "$log"
check "the log's OS line as Windows reports it" \
  grep -qE '^Operating System:      	Windows (NT|XP|2000|NT4) [0-9]+\.[0-9]+ \(Build [0-9]+\) ' "$out/HHDebug.txt"
check "the log names the program by its Windows path" header_has "_ModulePath =        	$exe"
check "the log: the program file's version from its resource" header_has "Module Version =       	$version.0"
check "the log: the help control found through the registry, with its version" \
  grep -qE '^_hhVerStr =         	[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$' "$out/HHDebug.txt"
check "the log: the help control installed" header_has "_hhInstalled =      	YES"
if [ -n "$main" ]; then
  focus "$main"
  xdotool key F1
fi
viewer="$(find_window "HH Parent" 30)"
check "F1 opens the system's help viewer ($viewer)" test -n "$viewer"
sleep 2
tr -d '\r' <"$log" >"$out/HHDebug.txt"
chm="$(windows_path "$folder")\\Rare.chm"
check "F1 traced: the topic request, ShowTopic and its result 0, in that order" \
  traced_in_order "$out/HHDebug.txt" "HHHelpContext(\"$chm\", default.htm, \"\", 0)" \
  "ShowTopic(\"$chm::/default.htm\", 0)" "  returned - 0"
shot "windows-help"
stop_wine
(cd "$out" && wine notepad.exe "$(windows_path "$out/HHDebug.txt")" >/dev/null 2>&1 &)
if notepad="$(wait_window "HHDebug.txt - Notepad" 30)"; then
  xdotool windowsize "$notepad" 1100 700
  sleep 1
  shot "windows-log"
fi
stop_wine

# ---- 4. The installer ----
setup="$win/quarrant-$version-x64-setup.exe"
wine "$setup" /S >"$out/setup.log" 2>&1
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Quarrant"
check "the silent install puts the program into Program Files" test -f "$installed/quarrant.exe"
check "the install registers an uninstaller with Windows" \
  sh -c 'wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quarrant" /v UninstallString 2>/dev/null | grep -q uninstall.exe'
check "the install makes a Start-menu entry" \
  sh -c 'ls "$WINEPREFIX"/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Quarrant.lnk >/dev/null 2>&1'
(cd "$installed" && wine quarrant.exe -debug >"$out/installed-program.log" 2>&1 &)
main="$(wait_window "Quarrant V$major_minor" 90)"
check "the installed program starts" test -n "$main"
if [ -n "$main" ]; then
  focus "$main"
  xdotool key F1
fi
viewer="$(find_window "HH Parent" 30)"
sleep 2
tr -d '\r' <"$installed/HHDebug.txt" >"$out/HHDebug-installed.txt" 2>/dev/null
check "the installed program finds its help ($viewer)" \
  traced_in_order "$out/HHDebug-installed.txt" \
  "ShowTopic(\"$(windows_path "$installed")\\Rare.chm::/default.htm\", 0)" "  returned - 0"
stop_wine
wine "$installed/uninstall.exe" /S >"$out/uninstall.log" 2>&1
wineserver -w
sleep 2
wineserver -w
check "the silent uninstall leaves nothing behind" \
  sh -c "! test -e '$installed' && ! wine reg query 'HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quarrant' >/dev/null 2>&1 && ! ls \"\$WINEPREFIX\"/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Quarrant.lnk >/dev/null 2>&1"

echo "test-windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
