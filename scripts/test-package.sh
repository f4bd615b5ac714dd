#!/usr/bin/env bash
# The release files' checks (behind `make test-package`, after `make package`): builds what
# the checks drive the programs with (the layout tool of the debug build, the Wine driver of
# each Windows build this machine runs), then runs tests/package.
#   test-package.sh [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${1:-2}

cmake --preset debug >/dev/null
cmake --build --preset debug --target slumbrix_layout_json -j "$jobs"
for preset in mingw mingw64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target slumbrix_driver -j "$jobs"
done
export SLUMBRIX_LAYOUT=$PWD/build/debug/tests/e2e/slumbrix_layout_json
cd tests/package
PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -m unittest -v test_release
