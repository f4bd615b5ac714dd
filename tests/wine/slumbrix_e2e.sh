#!/usr/bin/env bash
# End to end through the harness: the real slumbrix.exe under Wine imitating one Windows
# version, read and operated from outside by the driver, its system calls watched in a relay
# trace. Runs inside `harness.sh display`.
#   slumbrix_e2e.sh VERSION SLUMBRIX.EXE DRIVER.EXE [SCREENSHOT_DIR]
#
# The program arms "Reboot" and fires it; ExitWindowsEx would have Wine end every process of
# the prefix (through wineboot), so wineboot is switched off for the program and the call
# fails harmlessly, leaving the steps after it to be seen.
set -euo pipefail
version=$1 program=$2 driver_exe=$3 shots=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
state=$SLUMBRIX_WINE_STATE
title=Slumbrix
logs=${shots:-$state}
mkdir -p "$logs"
trace="$logs/slumbrix-$version-relay.log"
second_trace="$logs/slumbrix-$version-second-relay.log"

harness() { "$here/harness.sh" "$1" "$state" "${@:2}"; }
# Wine writes the console lines with CR LF.
driver() { harness exec "$driver_exe" "$@" | tr -d "\r"; }
fail() {
  echo "FAIL $version: $*" >&2
  exit 1
}
expect() {  # expect WHAT ACTUAL EXPECTED
  [[ "$2" == "$3" ]] || fail "$1: got [$2], expected [$3]"
  echo "ok $version: $1"
}
expect_match() {  # expect_match WHAT ACTUAL REGEX
  [[ "$2" =~ $3 ]] || fail "$1: got [$2], expected a match of [$3]"
  echo "ok $version: $1 ($2)"
}
shot() { [[ -z "$shots" ]] || import -window root "$shots/slumbrix-$version-$1.png" 2>/dev/null || true; }
run_program() {  # run_program TRACE: the program under test, traced, in the background
  WINEDLLOVERRIDES="wineboot.exe=d;mscoree,mshtml=" WINEDEBUG=+pid,+timestamp,+relay \
    harness exec "$program" 2>"$1"
}

# Each Shell_NotifyIconA call of a trace as "seconds message tooltip": the shell turns the
# record's tip into UTF-16 with MultiByteToWideChar, whose string argument the trace shows.
tray_sends() {
  awk '
    /:Call shell32\.Shell_NotifyIconA\(/ {
      split($0, f, ":"); time = f[1]
      s = $0; sub(/.*Shell_NotifyIconA\(/, "", s); message = substr(s, 1, 8) + 0
      tip = ""; inside = 1; next
    }
    inside && tip == "" && /:Call KERNEL32\.MultiByteToWideChar\(/ {
      s = $0; sub(/^[^"]*"/, "", s); sub(/",[0-9a-f]+,[0-9a-f]+,[0-9a-f]+\).*$/, "", s)
      tip = s; next
    }
    inside && /:Ret  shell32\.Shell_NotifyIconA\(/ { print time, message, tip; inside = 0 }
  ' "$1"
}
# The system action and the steps around it, in order: privilege steps, the exit request
# with its arguments, the removal of the tray icon.
action_calls() {
  grep -E ':Call (user32\.ExitWindowsEx|advapi32\.(OpenProcessToken|LookupPrivilegeValueA|AdjustTokenPrivileges)|shell32\.Shell_NotifyIconA\(00000002)' "$1" |
    sed -E 's/^[^ ]*:Call [a-z0-9]+\.//; s/^ExitWindowsEx(\([0-9a-f,]*\)).*/ExitWindowsEx\1/;
            s/^(OpenProcessToken|AdjustTokenPrivileges).*/\1/;
            s/^LookupPrivilegeValueA\([^"]*"[^"]*",[^"]*"([^"]*)".*/LookupPrivilegeValueA \1/;
            s/^Shell_NotifyIconA.*/Shell_NotifyIconA NIM_DELETE/' |
    paste -sd '|'
}
call_time() {  # call_time TRACE FUNCTION: the seconds of its first call
  grep -m1 ":Call $2(" "$1" | cut -d: -f1
}

harness version "$version"
harness relay "user32.ExitWindowsEx;advapi32.OpenProcessToken;advapi32.LookupPrivilegeValueA;\
advapi32.AdjustTokenPrivileges;shell32.Shell_NotifyIconA;kernel32.MultiByteToWideChar"
# With wineboot switched off the program must not be the one to start the Wine session: the
# driver would wait for a boot that never comes.
harness boot
run_program "$trace" &
program_pid=$!

# ---- Start-up ------------------------------------------------------------------------------
case "$version" in
  win95 | win98)
    # Wine has no dynamic-data statistic: the 95/98 provider's first reading fails.
    expect "start-up message" "$(driver msgbox "$title" 30000)" "Error while retrieving CPU usage"
    ;;
esac
driver wait-window "$title" 30000
expect_match "clock within a second" "$(driver wait-text "$title" lbltime "*" 1000)" \
  '^[0-9]{2}:[0-9]{2}:[0-9]{2} (AM|PM)$'
driver wait-state "$title" - "1 1 0" 10000
driver no-msgbox "$title"
case "$version" in
  win2k | winxp) want="Shutdown|Reboot|Log OFF|Standby|Start Screensaver|Lock Computer|= Shutdown|" ;;
  *) want="Shutdown|Reboot|Log OFF|Standby|Start Screensaver|= Shutdown|" ;;
esac
expect "action list" "$(driver items "$title" cmbAction | tr '\n' '|')" "$want"
expect "unit list" "$(driver items "$title" cmbUnit | tail -1)" "= Hours"
expect "AM/PM list" "$(driver items "$title" cmbT | tail -1)" "= AM"
expect "status" "$(driver text "$title" lblStatus)" "Timer Deactivated"
case "$version" in
  win95 | win98) expect "meter after the failed reading" "$(driver text "$title" lblCpuUsage)" "?" ;;
  *) expect_match "meter" "$(driver text "$title" lblCpuUsage)" '^-?[0-9]+$' ;;
esac
expect "tray icon added" "$(tray_sends "$trace" | head -1 | cut -d' ' -f2-)" "0 No action started"
shot main

# ---- The About window, modal -------------------------------------------------------------
driver menu "$title" ueber
driver wait-window "About $title" 5000
expect "main window disabled while About is open" "$(driver state "$title")" "0 1 0"
shot about
driver click "About $title" Command1
driver gone "About $title" 5000
driver wait-state "$title" - "1 1 0" 5000 && echo "ok $version: About closed, main window usable"

# ---- The tray --------------------------------------------------------------------------------
driver click "$title" Command1
driver wait-state "$title" - "1 0 0" 5000 && echo "ok $version: hidden by Tray"
driver tray "$title" 517
driver popup 5000 >/dev/null && echo "ok $version: right-click opens the pop-up menu"
driver menu "$title" menuwieder
driver wait-state "$title" - "1 1 0" 5000 && echo "ok $version: shown by Restore"
driver click "$title" Command1
driver wait-state "$title" - "1 0 0" 5000
driver tray "$title" 515
driver wait-state "$title" - "1 1 0" 5000 && echo "ok $version: shown by a double-click"

# ---- A second start only says so and ends ----------------------------------------------------
run_program "$second_trace" &
second_pid=$!
expect "second start" "$(driver msgbox "$title" 30000)" "Slumbrix is already running"
wait "$second_pid" || fail "the second start ended with status $?"
expect "tray sends of the second start" "$(tray_sends "$second_trace" | wc -l)" "0"
driver wait-state "$title" - "1 1 0" 5000 && echo "ok $version: the first instance runs on"

expect "tray sends before arming (Tray and Restore send nothing)" \
  "$(tray_sends "$trace" | cut -d' ' -f2- | paste -sd '|')" "0 No action started"

# ---- Reboot in 5 seconds, armed through the controls ------------------------------------------
driver choose "$title" cmbAction Reboot
driver type "$title" txtPeriod 5
driver choose "$title" cmbUnit Seconds
driver click "$title" cmdTimer
expect_match "countdown" "$(driver wait-text "$title" lblStatus "* Seconds to the execution" 2000)" \
  '^[1-5] Seconds to the execution$'
expect "button" "$(driver text "$title" cmdTimer)" "Deactivate Timer"
expect "options locked" "$(driver state "$title" cmbAction)" "0 1 0"
shot armed
driver gone "$title" 15000
status=0
wait "$program_pid" || status=$?
expect "exit status" "$status" "0"

armed=$(tray_sends "$trace" | awk '$2 == 1 && $3 == "Reboot" && $4 == "on" { print; exit }')
[[ -n "$armed" ]] || fail "no tooltip \"Reboot on ...\" in $trace"
echo "ok $version: tooltip after arming: ${armed#* 1 }"
case "$version" in
  win95 | win98) want="ExitWindowsEx(00000006,00000000)|Shell_NotifyIconA NIM_DELETE" ;;
  *)
    privilege="OpenProcessToken|LookupPrivilegeValueA SeShutdownPrivilege|AdjustTokenPrivileges"
    want="$privilege|ExitWindowsEx(00000006,00000000)|$privilege|Shell_NotifyIconA NIM_DELETE"
    ;;
esac
expect "action calls" "$(action_calls "$trace")" "$want"
# Armed at a whole second plus 5 seconds, fired at the first half-second tick from then on.
delay=$(awk -v a="${armed%% *}" -v e="$(call_time "$trace" user32.ExitWindowsEx)" \
  'BEGIN { printf "%.1f", e - a }')
awk -v d="$delay" 'BEGIN { exit !(d >= 3.5 && d <= 6.5) }' ||
  fail "ExitWindowsEx came $delay s after arming, not after about 5"
echo "ok $version: ExitWindowsEx $delay s after arming, then the program ended"
