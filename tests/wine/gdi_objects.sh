#!/usr/bin/env bash
# The GDI and USER objects of the real program at rest: over a few seconds of ticks and
# repaints, it creates none, and every object it created is deleted by the time it has
# ended. A repaint on Windows 95 draws from a GDI heap of 64 KB; a handle made per tick
# would exhaust it within the day. Runs inside `harness.sh display`.
#   gdi_objects.sh VERSION SLUMBRIX.EXE DRIVER.EXE [LOG_DIR]
#
# The relay trace covers the program's own calls only (not those that Windows' controls
# make inside user32 or comctl32), and of them the calls that make or free an object, the
# clock's text (one a tick) and the paints.
set -euo pipefail
version=$1 program=$2 driver_exe=$3 logs=${4:-$SLUMBRIX_WINE_STATE}
here=$(cd "$(dirname "$0")" && pwd)
state=$SLUMBRIX_WINE_STATE
title=Slumbrix
mkdir -p "$logs"
trace="$logs/slumbrix-$version-objects-relay.log"
repaints=40 every_ms=150

harness() { "$here/harness.sh" "$1" "$state" "${@:2}"; }
driver() { harness exec "$driver_exe" "$@" | tr -d "\r"; }
fail() {
  echo "FAIL $version: $*" >&2
  exit 1
}

# The size of the program's image in memory, from its PE header.
image_size() {
  local pe
  pe=$(od -An -tu4 -j 60 -N4 "$program" | tr -d ' ')
  od -An -tu4 -j $((pe + 80)) -N4 "$program" | tr -d ' '
}

# Each made and freed object of a trace as "made HANDLE NAME" or "freed HANDLE NAME", in
# order; the tick and paint calls as "tick" and "paint"; the program's calls only. Menus are made only with a form and
# a menu bar frees its menus with itself, so they count as made but are not paired.
objects() {
  awk -v base="$(image_base "$trace")" -v size="$(image_size)" -v pid="$(program_pid "$trace")" '
    function bare(h) { sub(/^0+/, "", h); return h == "" ? "0" : h }
    function value(h,   i, v) {
      v = 0
      for (i = 1; i <= length(h); i++) v = v * 16 + index("0123456789abcdef", substr(h, i, 1)) - 1
      return v
    }
    # Whether the program made the call (its process, the ret= address in its image).
    function ours(   r) {
      if (substr($0, index($0, ":") + 1, length(pid) + 1) != pid ":") return 0
      if (!match($0, / ret=[0-9a-f]+$/)) return 0
      r = value(substr($0, RSTART + 5, RLENGTH - 5))
      return r >= value(base) && r < value(base) + size
    }
    !ours() { next }
    BEGIN {
      split("CreatePen CreatePenIndirect CreateSolidBrush CreateBrushIndirect CreateHatchBrush " \
            "CreateCompatibleBitmap CreateBitmap CreateDIBSection CreateCompatibleDC CreateDCA " \
            "CreateFontA CreateFontIndirectA CreateRectRgn LoadImageA CreateIconIndirect " \
            "CopyImage GetDC GetDCEx GetWindowDC CreateMenu CreatePopupMenu", m, " ")
      for (i in m) makes[m[i]] = 1
      frees["DeleteObject"] = 1; frees["DeleteDC"] = 1; frees["DestroyIcon"] = 1
      frees["ReleaseDC"] = 2
    }
    match($0, /:Call [A-Za-z0-9_]+\.[A-Za-z_]+\(/) {
      name = substr($0, RSTART + 6, RLENGTH - 7); sub(/^[^.]*\./, "", name)
      if (name == "SetWindowTextA") { if ($0 ~ /"[0-9][0-9]:[0-9][0-9]:[0-9][0-9]/) print "tick" }
      else if (name == "BeginPaint") print "paint"
      else if (name in frees) {
        args = substr($0, RSTART + RLENGTH); sub(/\) ret=.*$/, "", args); split(args, a, ",")
        print "freed", bare(a[frees[name]]), name
      }
      next
    }
    match($0, /:Ret  [A-Za-z0-9_]+\.[A-Za-z_]+\(\) retval=[0-9a-f]+/) {
      name = $0; sub(/.*:Ret  [A-Za-z0-9_]+\./, "", name); sub(/\(.*/, "", name)
      if (!(name in makes)) next
      handle = $0; sub(/.*retval=/, "", handle); sub(/ .*/, "", handle)
      if (handle ~ /[1-9a-f]/) print "made", bare(handle), name
    }
  ' "$1"
}

# The Wine process id of the program: the first in its trace. Processes that Wine starts
# for the session (explorer.exe with the notification area) inherit its trace.
program_pid() {
  awk -F: '/^[0-9.]+:[0-9a-f]+:[0-9a-f]+:/ { print $2; exit }' "$1"
}
# Where the program's image was loaded: what GetModuleHandleA(NULL) returned to it first.
image_base() {
  awk -F: -v pid="$(program_pid "$1")" '$2 != pid { next }
    /:Call KERNEL32\.GetModuleHandleA\(0+\)/ { asked = 1; next }
    asked && /:Ret  KERNEL32\.GetModuleHandleA\(\)/ { sub(/.*retval=/, ""); sub(/ .*/, ""); print; exit }' "$1"
}

harness version "$version"
harness relay "gdi32.CreatePen;gdi32.CreatePenIndirect;gdi32.CreateSolidBrush;\
gdi32.CreateBrushIndirect;gdi32.CreateHatchBrush;gdi32.CreateCompatibleBitmap;gdi32.CreateBitmap;\
gdi32.CreateDIBSection;gdi32.CreateCompatibleDC;gdi32.CreateDCA;gdi32.CreateFontA;\
gdi32.CreateFontIndirectA;gdi32.CreateRectRgn;gdi32.DeleteObject;gdi32.DeleteDC;user32.GetDC;\
user32.GetDCEx;user32.GetWindowDC;user32.ReleaseDC;user32.LoadImageA;user32.CreateIconIndirect;\
user32.CopyImage;user32.DestroyIcon;user32.CreateMenu;user32.CreatePopupMenu;\
user32.SetWindowTextA;user32.BeginPaint;kernel32.GetModuleHandleA"
harness boot
WINEDEBUG=+pid,+timestamp,+relay harness exec "$program" 2>"$trace" &
running=$!

case "$version" in
  win95 | win98) driver msgbox "$title" 30000 >/dev/null ;;  # no CPU statistic under Wine
esac
driver wait-window "$title" 30000
driver wait-text "$title" lbltime "*" 5000 >/dev/null
# The form shown, its first paints done and the About box opened and closed once: from here
# on the program is at rest.
driver menu "$title" ueber
driver wait-window "About $title" 10000
driver click "About $title" Command1
driver gone "About $title" 10000
sleep 1
rest_from=$(wc -l <"$trace")
driver repaint "$title" "$repaints" "$every_ms"
sleep 1
rest_to=$(wc -l <"$trace")
driver menu "$title" beendn
driver gone "$title" 15000
wait "$running" || true

rest=$(sed -n "$((rest_from + 1)),${rest_to}p" "$trace" | objects /dev/stdin)
ticks=$(grep -c '^tick' <<<"$rest" || true)
paints=$(grep -c '^paint' <<<"$rest" || true)
made_at_rest=$(awk '$1 == "made" { n[$3]++ } END { for (f in n) print f " x" n[f] }' <<<"$rest" |
  sort | paste -sd ' ')
[[ -z "$made_at_rest" ]] || fail "objects made at rest over $ticks ticks and $paints paints: $made_at_rest"
[[ "$ticks" -ge 6 ]] || fail "only $ticks clock ticks in the trace at rest"
[[ "$paints" -ge "$repaints" ]] || fail "only $paints paints in the trace at rest"
echo "ok $version: no object made at rest over $ticks ticks and $paints paints"

left=$(objects "$trace" | awk '
  $1 == "made" && $3 !~ /Menu$/ { live[$2] = $3 }
  $1 == "freed" { delete live[$2] }
  END { for (h in live) print live[h] " " h }' | sort | paste -sd ',')
[[ -z "$left" ]] || fail "objects never deleted: $left"
echo "ok $version: every object made was deleted by the end ($(objects "$trace" | grep -c '^made') made)"
