#!/usr/bin/env bash
# Makes the README's images in docs/ from the real programs (behind `make screenshots`, after
# `make package` has built them):
#   docs/slumbrix-linux.png        the Linux program as packaged, under Xvfb
#   docs/slumbrix-windows-xp.png   the Windows program under Wine imitating Windows XP
#   docs/slumbrix-windows-95.png   the same under Windows 95 (whose CPU statistic Wine lacks)
# The 32-bit program is photographed where this machine runs it, the 64-bit one elsewhere
# (SLUMBRIX_WINE=64 asks for it). Each image is optimised losslessly, without metadata.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p docs

/usr/bin/python3 -B tests/package/shoot_linux.py build/package-linux/src/frontend/qt/slumbrix \
  docs/slumbrix-linux.png

if [[ "${SLUMBRIX_WINE:-}" != 64 ]] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  bits=32 preset=mingw program=build/mingw/src/frontend/win32/slumbrix.exe
else
  bits=64 preset=mingw64 program=build/mingw64/src/frontend/win32/slumbrix64.exe
fi
cmake --build --preset "$preset" --target slumbrix_driver -j 2 >/dev/null
state=$(mktemp -d /tmp/slumbrix-screenshots.XXXXXX)
trap 'tests/wine/harness.sh cleanup "$state"' EXIT
tests/wine/harness.sh reset "$state" "$bits"
for look in xp:winxp 95:win95; do
  tests/wine/harness.sh display "$state" tests/package/wine_start.sh "${look#*:}" "$program" \
    "build/$preset/tests/wine/slumbrix_driver.exe" "docs/slumbrix-windows-${look%%:*}.png"
done

optipng -quiet -o5 -strip all docs/*.png
file docs/*.png
