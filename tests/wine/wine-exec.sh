#!/usr/bin/env bash
# Runs a cross-compiled test program under Wine (CMake's emulator for the Windows build).
# Uses the run's prefix in $SLUMBRIX_WINE_STATE, else the harness folder of the build tree
# the test runs in.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
state=${SLUMBRIX_WINE_STATE:-}
if [[ -z "$state" ]]; then
  dir=$PWD
  while [[ "$dir" != / && ! -f "$dir/CMakeCache.txt" ]]; do dir=$(dirname "$dir"); done
  state="$dir/wine-harness"
fi
exec "$here/harness.sh" exec "$state" "$@"
