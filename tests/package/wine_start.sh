#!/usr/bin/env bash
# Starts a Windows program under Wine imitating one Windows version, waits for its main
# window, prints the window's "left top width height", photographs it when asked, and ends it
# from its File menu; fails unless it ends with status 0. Runs inside `harness.sh display`
# (tests/wine/harness.sh), whose prefix matches the program's width.
#   wine_start.sh VERSION PROGRAM.EXE DRIVER.EXE [SHOT.png]
set -euo pipefail
version=$1 program=$2 driver_exe=$3 shot=${4:-}
harness=$(cd "$(dirname "$0")/../wine" && pwd)/harness.sh
state=$SLUMBRIX_WINE_STATE
title=Slumbrix

driver() { "$harness" exec "$state" "$driver_exe" "$@" | tr -d '\r'; }

"$harness" version "$state" "$version"
"$harness" exec "$state" "$program" 2>"$state/program.log" &
pid=$!
case "$version" in
  # Wine has no dynamic-data statistic: the first CPU reading of 95 and 98 fails, and says so.
  win95 | win98) driver msgbox "$title" 60000 >/dev/null ;;
esac
driver wait-window "$title" 60000
rect=$(driver rect "$title")
echo "window $rect"
if [[ -n "$shot" ]]; then
  # After the clock's and the meter's first ticks.
  sleep 1.5
  read -r left top width height <<<"$rect"
  import -window root "$shot.screen.png"
  convert "$shot.screen.png" -crop "${width}x${height}+${left}+${top}" +repage "$shot"
  rm -f "$shot.screen.png"
fi
driver menu "$title" beendn
driver gone "$title" 10000
status=0
wait "$pid" || status=$?
[[ $status -eq 0 ]] || { echo "$program ended with status $status" >&2; exit 1; }
echo "ended from the File menu with status 0"
