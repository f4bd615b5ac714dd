#!/usr/bin/env bash
# The Wine harness of the Windows tests. One throwaway Wine prefix serves a whole test run;
# each program under test gets its own Xvfb display; the Windows version Wine imitates is
# switched in the prefix's registry.
#
# The prefix is 32-bit (the 32-bit loader, for slumbrix.exe) or 64-bit (wine64 alone, for
# slumbrix64.exe). Every step names its loader and wineserver: Debian's /usr/bin/wine starts
# the 32-bit loader whenever wine32 is installed, also for a 64-bit prefix, and that fails on
# a machine that cannot execute 32-bit programs.
#
#   harness.sh reset STATE [32|64]  fresh prefix in STATE/prefix (10-30 s), 32-bit unless
#                                   64 is given; the other commands use the same kind
#   harness.sh cleanup STATE        ends the prefix's Wine processes, removes STATE
#   harness.sh arch STATE           prints the prefix's kind: 32 or 64
#   harness.sh exec STATE CMD...    runs CMD under wine in the prefix (made when missing)
#   harness.sh version STATE V      makes Wine imitate V (win95, win98, nt40, win2k, winxp)
#   harness.sh relay STATE FUNCS    restricts Wine's relay trace to FUNCS ("dll.Function;..."),
#                                   or lifts the restriction for ""; the trace itself is
#                                   switched on per program with WINEDEBUG=+pid,+timestamp,+relay
#   harness.sh boot STATE           starts the prefix's Wine session and keeps it running until
#                                   cleanup or the end of `display`, so that a program that
#                                   may not start wineboot never comes first
#   harness.sh display STATE CMD... runs CMD (a shell command line) with a private Xvfb
#                                   display; the prefix's Wine processes end with it
#
# STATE defaults to $SLUMBRIX_WINE_STATE. Nothing here touches a prefix or display other
# than the ones it made.
set -euo pipefail

# The prefix's kind: what `reset` recorded, else $SLUMBRIX_WINE_ARCH, else 32.
wine_arch() {
  cat "$1/arch" 2>/dev/null || echo "${SLUMBRIX_WINE_ARCH:-32}"
}

wine_env() {
  export WINEPREFIX="$1/prefix"
  case "$(wine_arch "$1")" in
    64)
      export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
      export WINESERVER=/usr/lib/wine/wineserver64
      ;;
    32)
      export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
      export WINESERVER=/usr/lib/wine/wineserver
      ;;
    *)
      echo "harness.sh: unknown prefix kind $(wine_arch "$1") (32 or 64)" >&2
      exit 2
      ;;
  esac
  export WINEDEBUG="${WINEDEBUG:--all}"
  # No Mono or Gecko installers in a throwaway prefix.
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
}

make_prefix() {
  local state=$1
  mkdir -p "$state"
  (
    flock 9
    if [[ ! -f "$state/prefix/system.reg" ]]; then
      wine_env "$state"
      rm -rf "$WINEPREFIX"
      "$WINELOADER" wineboot --init >"$state/wineboot.log" 2>&1
      # One virtual desktop for every program of the prefix: Wine draws the window frames
      # and captions itself (there is no window manager on the test display) and keeps a
      # notification area on its taskbar.
      "$WINELOADER" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
      "$WINELOADER" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
        >/dev/null 2>&1
      # Debian's Wine does not load the fonts of its own data folder; in the prefix's Fonts
      # folder they stand in for those of Windows (MS Sans Serif with its metrics, System,
      # Marlett for the caption buttons), so windows are laid out and drawn as there.
      local fonts=/usr/share/wine/fonts
      if [[ -d "$fonts" ]]; then cp "$fonts"/*.ttf "$fonts"/*.fon "$WINEPREFIX/drive_c/windows/Fonts/"; fi
      "$WINESERVER" -w
    fi
  ) 9>"$state/.lock"
}

end_wine() {
  local state=$1
  [[ -d "$state/prefix" ]] || return 0
  (wine_env "$state" && "$WINESERVER" -k >/dev/null 2>&1) || true
}

start_xvfb() {
  local state=$1 fifo display
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  echo $! >"$state/xvfb.pid"
  read -r display <"$fifo"
  rm -f "$fifo"
  echo ":$display"
}

stop_xvfb() {
  local state=$1
  if [[ -f "$state/xvfb.pid" ]]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid"
  fi
}

main() {
  local command=$1 state=${2:-${SLUMBRIX_WINE_STATE:-}}
  shift 2 || true
  [[ -n "$state" ]] || { echo "harness.sh: no state directory" >&2; exit 2; }
  state=$(mkdir -p "$state" && cd "$state" && pwd)
  case "$command" in
    reset)
      end_wine "$state"
      rm -rf "$state/prefix"
      if [[ "${1:-32}" != 32 && "${1:-32}" != 64 ]]; then
        echo "harness.sh: reset takes 32 or 64, not $1" >&2
        exit 2
      fi
      echo "${1:-32}" >"$state/arch"
      make_prefix "$state"
      ;;
    cleanup)
      end_wine "$state"
      stop_xvfb "$state"
      rm -rf "$state"
      ;;
    arch)
      wine_arch "$state"
      ;;
    exec)
      make_prefix "$state"
      wine_env "$state"
      exec "$WINELOADER" "$@"
      ;;
    version)
      make_prefix "$state"
      wine_env "$state"
      "$WINELOADER" reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null
      "$WINESERVER" -w
      ;;
    relay)
      make_prefix "$state"
      wine_env "$state"
      if [[ -n "${1:-}" ]]; then
        "$WINELOADER" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d "$1" /f >/dev/null
      else
        "$WINELOADER" reg delete 'HKCU\Software\Wine\Debug' /v RelayInclude /f >/dev/null 2>&1 || true
      fi
      "$WINESERVER" -w
      ;;
    boot)
      make_prefix "$state"
      wine_env "$state"
      # A persistent server; the first program in it boots the session as usual.
      "$WINESERVER" -p
      "$WINELOADER" reg query 'HKCU\Software\Wine' >/dev/null 2>&1 || true
      ;;
    display)
      make_prefix "$state"
      local status=0
      # The display and the prefix's processes end with this command, also when it is
      # interrupted or times out.
      trap 'end_wine "$state"; stop_xvfb "$state"' EXIT
      trap 'exit 143' TERM INT
      DISPLAY=$(start_xvfb "$state")
      export DISPLAY SLUMBRIX_WINE_STATE="$state"
      bash -c "$*" || status=$?
      exit "$status"
      ;;
    *)
      echo "harness.sh: unknown command $command" >&2
      exit 2
      ;;
  esac
}

main "$@"
