#!/usr/bin/env bash
# Builds both Windows programs and runs the Windows suites this machine can run under Wine:
# the 32-bit suite (slumbrix.exe, 32-bit prefix, /usr/lib/wine/wine) where 32-bit programs
# execute, the 64-bit suite (slumbrix64.exe, 64-bit prefix, /usr/lib/wine/wine64) where
# wine64 starts. A program whose suite cannot run is still built and its imports checked.
# Ends with one line saying which suites ran and why; fails when neither can run.
#
#   test-windows.sh [JOBS]
#   SLUMBRIX_WINE=64 test-windows.sh    the 64-bit suite alone, as on a machine without
#                                       32-bit execution (SLUMBRIX_WINE=32: the 32-bit alone)
set -uo pipefail
cd "$(dirname "$0")/.."
jobs=${1:-2}

# Empty when LOADER starts on this machine, else why it does not.
why_not() {
  local loader=$1 out
  [[ -x "$loader" ]] || { echo "$loader is not installed"; return; }
  out=$("$loader" --version 2>&1 >/dev/null) && return
  echo "$loader does not start here (${out##*: })"
}

declare -A result reason
reason[32]=$(why_not /usr/lib/wine/wine)
reason[64]=$(why_not /usr/lib/wine/wine64)
case "${SLUMBRIX_WINE:-}" in
  "") ;;
  32 | 64)
    other=$((96 - SLUMBRIX_WINE))
    [[ -n "${reason[$other]}" ]] ||
      reason[$other]="SLUMBRIX_WINE=$SLUMBRIX_WINE asks for the $SLUMBRIX_WINE-bit suite alone"
    if [[ -n "${reason[$SLUMBRIX_WINE]}" ]]; then
      echo "SLUMBRIX_WINE=$SLUMBRIX_WINE, but ${reason[$SLUMBRIX_WINE]}" >&2
      exit 1
    fi
    ;;
  *)
    echo "SLUMBRIX_WINE is 32, 64 or unset, not \"$SLUMBRIX_WINE\"" >&2
    exit 2
    ;;
esac
if [[ -n "${reason[32]}" && -n "${reason[64]}" ]]; then
  echo "No Windows suite can run on this machine: ${reason[32]}; ${reason[64]}." >&2
  echo "The 64-bit suite needs Debian's wine64; the 32-bit one also needs wine32:i386 and a" \
    "machine that executes 32-bit programs." >&2
  exit 1
fi

# suite BITS PRESET: builds the preset, then runs its whole suite, or only the import checks
# where this machine cannot run its Wine.
suite() {
  local bits=$1 preset=$2
  result[$bits]=failed
  cmake --preset "$preset" >/dev/null || return
  if [[ -z "${reason[$bits]}" ]]; then
    cmake --build --preset "$preset" -j "$jobs" &&
      ctest --test-dir "build/$preset" --output-on-failure && result[$bits]=passed
  else
    cmake --build --preset "$preset" --target slumbrix slumbrix_import_probe -j "$jobs" &&
      ctest --test-dir "build/$preset" --output-on-failure -L imports && result[$bits]="not run"
  fi
}

summary() {  # the one line: the suites that ran, then why the others did not
  local bits ran=() skipped=() name
  for bits in 32 64; do
    name=$([[ $bits == 32 ]] && echo slumbrix.exe || echo slumbrix64.exe)
    if [[ "${result[$bits]}" == "not run" ]]; then
      local only="so $name was only built and its imports checked"
      skipped+=("the $bits-bit suite did not run because ${reason[$bits]}, $only")
    else
      ran+=("the $bits-bit suite ${result[$bits]}")
    fi
  done
  local all=("${ran[@]}" "${skipped[@]}")
  local IFS=";"
  echo "Windows tests: $(sed 's/;/; /g' <<<"${all[*]}")."
}

status=0
suite 32 mingw || status=1
suite 64 mingw64 || status=1
[[ "${result[32]}" == failed || "${result[64]}" == failed ]] && status=1
summary
exit "$status"
