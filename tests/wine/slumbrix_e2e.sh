#!/usr/bin/env bash
# End to end through the harness: the real slumbrix.exe under Wine imitating one Windows
# version, read and operated from outside by the driver, its system calls watched in a relay
# trace. Runs inside `harness.sh display`.
#   slumbrix_e2e.sh VERSION SLUMBRIX.EXE DRIVER.EXE [SCREENSHOT_DIR]
#
# The program arms "Reboot" and fires it; ExitWindowsEx would have Wine end every process of
# the prefix (through wineboot), so wineboot is switched off for the program and the call
# fails harmlessly, leaving the steps after it to be seen. A second run fires "Lock Computer"
# on 2000 and XP (Wine's LockWorkStation does nothing), and ends from the File menu elsewhere.
#
# The program is slumbrix.exe in a 32-bit prefix or slumbrix64.exe in a 64-bit one. The relay
# trace prints each argument in hexadecimal at least 8 digits wide, a 64-bit one wider, so the
# calls are read by name and value: each argument as a signed number of the program's width.
set -euo pipefail
version=$1 program=$2 driver_exe=$3 shots=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
state=$SLUMBRIX_WINE_STATE
title=Slumbrix
logs=${shots:-$state}
mkdir -p "$logs"
trace="$logs/slumbrix-$version-relay.log"
second_trace="$logs/slumbrix-$version-second-relay.log"
last_trace="$logs/slumbrix-$version-last-relay.log"

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
      s = $0; sub(/.*Shell_NotifyIconA\(0*/, "", s); sub(/,.*/, "", s); message = s == "" ? 0 : s
      tip = ""; inside = 1; next
    }
    inside && tip == "" && /:Call KERNEL32\.MultiByteToWideChar\(/ {
      s = $0; sub(/^[^"]*"/, "", s); sub(/",[0-9a-f]+,[0-9a-f]+,[0-9a-f]+\).*$/, "", s)
      tip = s; next
    }
    inside && /:Ret  shell32\.Shell_NotifyIconA\(/ { print time, message, tip; inside = 0 }
  ' "$1"
}
# The watched calls of a trace, one a line in order, as NAME(ARGS)=RESULT: only the arguments
# that say what was asked (no addresses), numbers as signed values of the program's width (so a
# pseudo-handle reads -1 only when it was sign-extended), strings as their text. The results of
# ExitWindowsEx and LockWorkStation are left out: Wine's refuse here by design.
calls() {
  awk -v bits="$bits" '
    BEGIN {
      shown["OpenProcessToken"] = "1"; shown["LookupPrivilegeValueA"] = "2"
      shown["AdjustTokenPrivileges"] = "2,4"; shown["ExitWindowsEx"] = "1,2"
      shown["SetPriorityClass"] = "1,2"; shown["SetThreadPriority"] = "1,2"
      shown["LockWorkStation"] = ""; shown["Shell_NotifyIconA"] = "1"
      noResult["ExitWindowsEx"] = 1; noResult["LockWorkStation"] = 1
    }
    function hex(h,   i, v) {
      v = 0
      for (i = 1; i <= length(h); i++) v = v * 16 + index("0123456789abcdef", substr(h, i, 1)) - 1
      return v
    }
    function signed(h,   low) {
      while (length(h) < bits / 4) h = "0" h
      if (length(h) > bits / 4) return "?" h  # wider than the program: no value of it
      low = hex(substr(h, length(h) - 7))
      if (bits == 64 && substr(h, 1, 8) != "ffffffff")
        return substr(h, 1, 8) == "00000000" ? sprintf("%.0f", low) : "0x" h
      return sprintf("%.0f", low >= 2147483648 ? low - 4294967296 : low)
    }
    function value(arg) {
      if (arg ~ /"/) { sub(/^[^"]*"/, "", arg); sub(/"$/, "", arg); return arg }
      return signed(arg)
    }
    match($0, /:Call [A-Za-z0-9_]+\.[A-Za-z_]+\(/) {
      name = substr($0, RSTART + 6, RLENGTH - 7); sub(/^[^.]*\./, "", name)
      if (!(name in shown)) next
      args = substr($0, RSTART + RLENGTH); sub(/\) ret=.*$/, "", args)
      n = split(args, a, ","); m = split(shown[name], want, ",")
      text = ""
      for (i = 1; i <= m; i++) text = text (i > 1 ? "," : "") value(a[want[i]])
      pending[name] = name "(" text ")"
      next
    }
    match($0, /:Ret  [A-Za-z0-9_]+\.[A-Za-z_]+\(\) retval=[0-9a-f]+/) {
      name = $0; sub(/.*:Ret  [A-Za-z0-9_]+\./, "", name); sub(/\(.*/, "", name)
      if (!(name in pending)) next
      result = $0; sub(/.*retval=/, "", result); sub(/ .*/, "", result)
      print pending[name] (name in noResult ? "" : "=" signed(result))
      delete pending[name]
    }
  ' "$1"
}
# The system action and the steps around it, in order: privilege steps, the exit request, the
# removal of the tray icon.
action_calls() {
  local steps='ExitWindowsEx|OpenProcessToken|LookupPrivilegeValueA|AdjustTokenPrivileges'
  calls "$1" | grep -E "^($steps|LockWorkStation|Shell_NotifyIconA\\(2\\))" | paste -sd '|'
}
call_time() {  # call_time TRACE FUNCTION: the seconds of its first call
  grep -m1 ":Call $2(" "$1" | cut -d: -f1
}

bits=$(harness arch)
harness version "$version"
harness relay "user32.ExitWindowsEx;user32.LockWorkStation;advapi32.OpenProcessToken;\
advapi32.LookupPrivilegeValueA;advapi32.AdjustTokenPrivileges;shell32.Shell_NotifyIconA;\
kernel32.MultiByteToWideChar;kernel32.SetPriorityClass;kernel32.SetThreadPriority"
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
  *) expect_match "meter" "$(driver text "$title" lblCpuUsage)" '^([0-9]|[1-9][0-9]|100)$' ;;
esac
expect "tray icon added" "$(tray_sends "$trace" | head -1 | cut -d' ' -f2-)" "0 No action started"
expect "the shell took the icon" "$(calls "$trace" | grep -m1 '^Shell_NotifyIconA')" \
  "Shell_NotifyIconA(0)=1"
# THREAD_PRIORITY_HIGHEST for the own thread (-2), HIGH_PRIORITY_CLASS for the own process (-1).
expect "priority raised" "$(calls "$trace" | grep -E '^Set(Thread|Priority)' | paste -sd '|')" \
  "SetThreadPriority(-2,2)=1|SetPriorityClass(-1,128)=1"
shot main

# ---- The keyboard alone: each mode armed and disarmed, About opened and closed -----------------
# The first control has the focus from the start, and the window shows it.
driver wait-focus "$title" cmdTimer && echo "ok $version: the focus on cmdTimer and shown from the start"
driver press "$title" enter
expect "Enter arms the period" "$(driver wait-text "$title" cmdTimer "Deactivate Timer" 5000)" \
  "Deactivate Timer"
driver wait-state "$title" frame "0 1 0" 5000
driver press "$title" enter
driver wait-text "$title" lblStatus "Timer Deactivated" 5000 >/dev/null
driver wait-state "$title" frame "1 1 0" 5000 && echo "ok $version: Enter disarms it"
driver press "$title" tab tab tab
driver wait-focus "$title" "opt(0)"
driver press "$title" down
driver wait-focus "$title" "opt(1)"
driver wait-state "$title" "opt(1)" "1 1 1" 5000
expect "Down selects \"Activate at:\" as a click" "$(driver state "$title" txtHour)" "1 1 0"
shot keyboard
driver press "$title" shift+tab
driver wait-focus "$title" cmdTimer
driver press "$title" enter
driver wait-text "$title" cmdTimer "Deactivate Timer" 5000 >/dev/null
expect_match "the clock time armed by keys" \
  "$(driver wait-text "$title" lblStatus "* Seconds to the execution" 2000)" \
  '^[0-9]+ Seconds to the execution$'
driver press "$title" enter
driver wait-text "$title" lblStatus "Timer Deactivated" 5000 >/dev/null
echo "ok $version: the clock time disarmed by keys"
driver press "$title" tab down
driver wait-focus "$title" Option1
driver wait-state "$title" txtAuslastung "1 1 0" 5000
# The CPU watch fires below 1 %: a busy loop keeps the meter above it while the watch is armed.
busy_until=$((SECONDS + 5))
while ((SECONDS < busy_until)); do :; done &
busy_pid=$!
sleep 1.5
driver press "$title" tab tab
driver wait-focus "$title" cmdTimer
driver press "$title" enter
expect "the CPU watch armed by keys" \
  "$(driver wait-text "$title" lblStatus "The CPU-Usage is supervised" 5000)" \
  "The CPU-Usage is supervised"
driver press "$title" enter
driver wait-text "$title" lblStatus "Timer Deactivated" 5000 >/dev/null
echo "ok $version: the CPU watch disarmed by keys"
kill "$busy_pid" 2>/dev/null || true
wait "$busy_pid" 2>/dev/null || true
driver press "$title" shift+tab shift+tab down  # round the group's end, to "Activate in:"
driver wait-focus "$title" "opt(0)"
driver wait-state "$title" txtPeriod "1 1 0" 5000
driver press "$title" shift+tab shift+tab shift+tab
driver wait-focus "$title" cmdTimer
driver press "$title" f10
driver wait-menu "$title" on
driver press "$title" escape
driver wait-menu "$title" off && echo "ok $version: F10 enters the menu bar, Escape leaves it"
driver press "$title" alt
driver wait-menu "$title" on
driver press "$title" down enter
driver wait-window "About $title" 5000
driver wait-state "$title" - "0 1 0" 5000 && echo "ok $version: About opened by keys alone"
driver press "About $title" enter
driver gone "About $title" 5000
driver wait-state "$title" - "1 1 0" 5000 && echo "ok $version: About closed by Enter"
# The two time modes sent their tooltips when armed and when disarmed; the CPU watch sends none.
expect_match "tray sends of the keyboard's modes" \
  "$(tray_sends "$trace" | cut -d' ' -f2- | paste -sd '|')" \
  '^0 No action started\|1 Shutdown on .*\|1 No action started\|1 Shutdown on .*\|1 No action started$'
keyboard_sends=$(tray_sends "$trace" | wc -l)

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
  "$(tray_sends "$trace" | wc -l)" "$keyboard_sends"

# ---- The number field takes digits only; the arrows step it ------------------------------------
# Read by waiting for the text: one read alone may find a loaded machine's program busy.
driver type "$title" txtPeriod "4a5"
expect "typed digits only" "$(driver wait-text "$title" txtPeriod 45 5000)" "45"
driver scroll "$title" vsPeriod up
expect "spin up" "$(driver wait-text "$title" txtPeriod 46 5000)" "46"
driver scroll "$title" vsPeriod down
driver scroll "$title" vsPeriod down
expect "spin down" "$(driver wait-text "$title" txtPeriod 44 5000)" "44"
# Ctrl+V from the keyboard pastes nothing into a digit-only field, not even digits; a digit
# typed after it goes in, so the keys did reach the field.
driver clipboard 77
driver keys "$title" txtPeriod ctrl+v
expect "Ctrl+V pastes nothing into the number field" "$(driver text "$title" txtPeriod)" "44"
driver keys "$title" txtPeriod 3
expect "a digit typed from the keyboard goes in" "$(driver text "$title" txtPeriod)" "443"

# ---- Reboot in 5 seconds, armed through the controls ------------------------------------------
driver choose "$title" cmbAction Reboot
driver type "$title" txtPeriod 5
driver choose "$title" cmbUnit Seconds
driver click "$title" cmdTimer
expect_match "countdown" "$(driver wait-text "$title" lblStatus "* Seconds to the execution" 2000)" \
  '^[1-5] Seconds to the execution$'
expect "button" "$(driver text "$title" cmdTimer)" "Deactivate Timer"
expect "options locked" "$(driver state "$title" cmbAction)" "0 1 0"
expect "number field locked with its frame" "$(driver state "$title" txtPeriod)" "0 1 0"
shot armed
driver gone "$title" 15000
status=0
wait "$program_pid" || status=$?
expect "exit status" "$status" "0"

armed=$(tray_sends "$trace" | awk '$2 == 1 && $3 == "Reboot" && $4 == "on" { print; exit }')
[[ -n "$armed" ]] || fail "no tooltip \"Reboot on ...\" in $trace"
echo "ok $version: tooltip after arming: ${armed#* 1 }"
# The privilege steps on the NT family: the token of the own process (-1), the shutdown
# privilege enabled in a 16-byte record; all three succeed.
case "$version" in
  win95 | win98) want="ExitWindowsEx(6,0)|Shell_NotifyIconA(2)=1" ;;
  *)
    privilege="OpenProcessToken(-1)=1|LookupPrivilegeValueA(SeShutdownPrivilege)=1"
    privilege+="|AdjustTokenPrivileges(0,16)=1"
    want="$privilege|ExitWindowsEx(6,0)|$privilege|Shell_NotifyIconA(2)=1"
    ;;
esac
expect "action calls" "$(action_calls "$trace")" "$want"
# Armed at a whole second plus 5 seconds, fired at the first half-second tick from then on.
delay=$(awk -v a="${armed%% *}" -v e="$(call_time "$trace" user32.ExitWindowsEx)" \
  'BEGIN { printf "%.1f", e - a }')
awk -v d="$delay" 'BEGIN { exit !(d >= 3.5 && d <= 6.5) }' ||
  fail "ExitWindowsEx came $delay s after arming, not after about 5"
echo "ok $version: ExitWindowsEx $delay s after arming, then the program ended"

# ---- The last run: "Lock Computer" where it is offered, the File menu elsewhere ----------------
run_program "$last_trace" &
program_pid=$!
case "$version" in
  win95 | win98) driver msgbox "$title" 30000 >/dev/null ;;
esac
driver wait-window "$title" 30000
# "TaskbarCreated" (Explorer started again): the hidden window adds its icon again, with the
# tooltip of the moment, and stays hidden. Wine's shell has not really restarted and still
# holds the icon: it refuses the second addition and takes the record as a change, and Tray
# goes on hiding into it.
driver click "$title" Command1
driver wait-state "$title" - "1 0 0" 5000
driver taskbar-created
expect "the icon sent again on TaskbarCreated" \
  "$(calls "$last_trace" | grep -E '^Shell_NotifyIconA' | paste -sd '|')" \
  "Shell_NotifyIconA(0)=1|Shell_NotifyIconA(0)=0|Shell_NotifyIconA(1)=1"
expect "its tooltip" "$(tray_sends "$last_trace" | cut -d' ' -f2- | paste -sd '|')" \
  "0 No action started|0 No action started|1 No action started"
expect "still hidden" "$(driver state "$title")" "1 0 0"
driver tray "$title" 515
driver wait-state "$title" - "1 1 0" 5000
driver click "$title" Command1
driver wait-state "$title" - "1 0 0" 5000 && echo "ok $version: Tray hides into the tray again"
driver tray "$title" 515
driver wait-state "$title" - "1 1 0" 5000
case "$version" in
  win2k | winxp)
    driver choose "$title" cmbAction "Lock Computer"
    driver type "$title" txtPeriod 2
    driver choose "$title" cmbUnit Seconds
    driver click "$title" cmdTimer
    driver gone "$title" 10000
    want="LockWorkStation()|Shell_NotifyIconA(2)=1"
    ;;
  *)
    # The File menu's "Exit Slumbrix" from the keyboard alone. The window shown again from
    # the tray gives the focus back to the control that had it, the Tray button.
    driver wait-focus "$title" Command1
    driver press "$title" f10
    driver wait-menu "$title" on
    driver press "$title" down down enter
    driver gone "$title" 10000
    want="Shell_NotifyIconA(2)=1"
    ;;
esac
status=0
wait "$program_pid" || status=$?
expect "exit status of the last run" "$status" "0"
# The late-bound LockWorkStation is called where the action is offered, and nowhere else.
expect "action calls of the last run" "$(action_calls "$last_trace")" "$want"
