#!/usr/bin/env bash
# End to end through the harness: the demo window under Wine imitating one Windows version,
# read and operated from outside by the driver. Runs inside `harness.sh display`.
#   demo_e2e.sh VERSION DEMO.EXE DRIVER.EXE [SCREENSHOT_DIR]
set -euo pipefail
version=$1 demo=$2 driver_exe=$3 shots=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
state=$SLUMBRIX_WINE_STATE
title="Slumbrix Demo"

harness() { "$here/harness.sh" "$1" "$state" "${@:2}"; }
# Wine writes the console lines with CR LF.
driver() { harness exec "$driver_exe" "$@" | tr -d "\r"; }
expect() {  # expect WHAT ACTUAL EXPECTED
  if [[ "$2" != "$3" ]]; then
    echo "FAIL $version: $1: got [$2], expected [$3]" >&2
    exit 1
  fi
  echo "ok $version: $1"
}
shot() { [[ -z "$shots" ]] || import -window root "$shots/demo-$version-$1.png" 2>/dev/null || true; }

harness version "$version"
# The late-bound call is watched in a relay trace restricted to it.
harness relay "user32.LockWorkStation"
trace="${shots:-$state}/relay-$version.log"
WINEDEBUG=+pid,+timestamp,+relay harness exec "$demo" 2>"$trace" &
demo_pid=$!
driver wait-window "$title" 30000

# Per version: the action list (Lock Computer only where the platform says 2000 or XP).
actions=$(driver items "$title" cmbAction | tr '\n' '|')
case "$version" in
  win2k | winxp) want="Shutdown|Reboot|Log OFF|Standby|Start Screensaver|Lock Computer|= Shutdown|" ;;
  *) want="Shutdown|Reboot|Log OFF|Standby|Start Screensaver|= Shutdown|" ;;
esac
expect "action list" "$actions" "$want"
expect "unit list" "$(driver items "$title" cmbUnit | tail -1)" "= Hours"
expect "status" "$(driver text "$title" lblStatus)" "Timer Deactivated"
driver wait-text "$title" lbltime "*" 3000 >/dev/null && echo "ok $version: clock runs"
shot main

# Input through the controls: the key filter, the spin arrows, a list choice, a click.
driver type "$title" txtPeriod "4a5"
expect "typed digits only" "$(driver text "$title" txtPeriod)" "45"
driver scroll "$title" vsPeriod up
expect "spin up" "$(driver text "$title" txtPeriod)" "46"
driver scroll "$title" vsPeriod down
driver scroll "$title" vsPeriod down
expect "spin down" "$(driver text "$title" txtPeriod)" "44"
case "$version" in
  win2k | winxp) action="Lock Computer" ;;
  *) action="Reboot" ;;
esac
driver choose "$title" cmbAction "$action"
driver choose "$title" cmbUnit "Seconds"
driver click "$title" cmdTimer
driver wait-text "$title" lblStatus "Armed: $action in 44 Seconds" 5000 >/dev/null
echo "ok $version: armed through the controls"
locks=$(grep -c "Call user32.LockWorkStation()" "$trace" || true)
expect "LockWorkStation calls in the relay trace" "$locks" "$([[ $action == "Lock Computer" ]] && echo 1 || echo 0)"
expect "frame disabled with its controls" "$(driver state "$title" txtPeriod)" "0 1 0"

# The tray callback: Tray hides, a double-click (515) shows, a right-click (517) pops up.
driver click "$title" Command1
driver wait-state "$title" - "1 0 0" 5000 && echo "ok $version: hidden by Tray"
driver tray "$title" 515
driver wait-state "$title" - "1 1 0" 5000 && echo "ok $version: shown by a double-click"
driver tray "$title" 517
driver popup 5000 >/dev/null && echo "ok $version: pop-up menu opened"

# The modal window and the message box.
driver menu "$title" ueber
driver wait-window "About $title" 5000
expect "owner disabled while modal" "$(driver state "$title")" "0 1 0"
shot about
driver click "About $title" Command1
driver gone "About $title" 5000
driver wait-state "$title" - "1 1 0" 5000 && echo "ok $version: owner enabled again"
driver click "$title" cmdMessage
expect "message box" "$(driver msgbox "$title" 5000)" "Hello from the demo"

# A second start only says so and ends.
harness exec "$demo" &
second=$!
expect "second start" "$(driver msgbox "$title" 10000)" "$title is already running"
wait "$second"
echo "ok $version: second start ended"

driver menu "$title" beendn
driver gone "$title" 10000
wait "$demo_pid"
echo "ok $version: ended from the File menu"
