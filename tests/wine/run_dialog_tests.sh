#!/bin/bash
# Works a Windows build's Quorvel.exe through its dialog with the driver
# program, in a private wine session inside a wine virtual desktop (which draws
# title bars), and keeps a screenshot of the dialog after a conversion.
#   run_dialog_tests.sh WINDOWS_BUILD_DIR SAMPLES_DIR WORK_DIR WINE_PACKAGE
set -u
build=$1
samples=$2
work=$3
wine_package=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_session.sh"

app=$build/Quorvel.exe
cli=$build/cli/quorvel-convert.exe
driver=$build/tests/wine/quorvel_dialog_driver.exe
for program in "$app" "$cli" "$driver"; do
  if [ ! -f "$program" ]; then
    echo "FAILED: $program was not built"
    exit 1
  fi
done
wine_session_require winepath
wine_session_start "$work" "$wine_package" "$cli"

files=$work/files
mkdir -p "$files"
shot=$(cd "$work/.." && pwd)/dialog-after-conversion.png
rm -f "$shot"
cp "$samples/pa-qso-party.adi" "$files/pa.adi"
windows_path() { timeout 30 winepath -w "$1" 2>/dev/null; }

# Takes the screenshot when the driver asks for it.
(
  for _ in $(seq 1 2400); do
    if [ -e "$files/screenshot.request" ]; then
      rm -f "$files/screenshot.request"
      if command -v import >/dev/null 2>&1; then
        timeout 30 import -window root "$shot" 2>>"$work/import.log"
      fi
      touch "$files/screenshot.done"
    fi
    sleep 0.1
  done
) </dev/null >/dev/null 2>&1 &
watcher=$!

cd "$files" || exit 1
timeout 300 wine explorer /desktop=Quorvel,900x600 "$(windows_path "$driver")" \
  --app "$(windows_path "$app")" --cli "$(windows_path "$cli")" \
  --report "$(windows_path "$work/report.txt")" --screenshot </dev/null >"$work/driver.log" 2>&1
status=$?
kill $watcher 2>/dev/null; wait $watcher 2>/dev/null

cat "$work/report.txt" 2>/dev/null || { echo "FAILED: the driver wrote no report"; cat "$work/driver.log"; }
if [ -f "$shot" ]; then echo "screenshot: $shot"; fi
# Wine's exit code alone proves nothing: the driver's own count decides.
summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$work/report.txt" 2>/dev/null | tail -n1)
case "$summary" in
  "0 passed, "*|"") echo "FAILED: no verdict from the driver (wine exit $status)"; exit 1 ;;
  *" passed, 0 failed") exit 0 ;;
  *) exit 1 ;;
esac
