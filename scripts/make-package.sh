#!/usr/bin/env bash
# Makes the release files of the checked-out commit in build/package/ (behind `make package`):
#   slumbrix_<version>_amd64.deb       the Linux program, by CPack's DEB generator
#   slumbrix-<version>-windows.zip     slumbrix.exe, slumbrix64.exe, README.txt, LICENSE.txt,
#                                      THIRD-PARTY.txt
# Two runs of one commit give the same bytes in any folder: every time stamp is the commit's
# (SOURCE_DATE_EPOCH), build paths are mapped away (-ffile-prefix-map), archives carry no
# time of their own, and the environment that could leak into a file is fixed here.
#
#   make-package.sh [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${1:-2}
out=build/package

if ! SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null); then
  echo "make-package.sh: no commit to date the release by (a git checkout is needed)" >&2
  exit 1
fi
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022

# ---- Linux: the Debian package --------------------------------------------------------------
# Debian's own hardening and reproducibility flags, without its -g and -O2: the program's
# optimisation is chosen per file by the build.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
export DEB_CXXFLAGS_MAINT_STRIP="-g -O2" DEB_CPPFLAGS_MAINT_STRIP="" DEB_LDFLAGS_MAINT_STRIP=""
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake --preset package-linux -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  >/dev/null
cmake --build --preset package-linux -j "$jobs"
version=$(cat build/package-linux/windows-zip/version)
rm -rf "$out"
mkdir -p "$out"
(cd build/package-linux && cpack -G DEB >/dev/null)
mv "build/package-linux/slumbrix_${version}_amd64.deb" "$out/"

# ---- Windows: the zip of both programs -----------------------------------------------------
stage=build/package-linux/windows-zip
for preset in mingw mingw64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target slumbrix -j "$jobs"
done
# strip writes SOURCE_DATE_EPOCH into the header's link time (the linker left it empty).
i686-w64-mingw32-strip -o "$stage/slumbrix.exe" build/mingw/src/frontend/win32/slumbrix.exe
x86_64-w64-mingw32-strip -o "$stage/slumbrix64.exe" \
  build/mingw64/src/frontend/win32/slumbrix64.exe
python3 -B scripts/make-windows-zip.py "$out/slumbrix-${version}-windows.zip" \
  slumbrix.exe="$stage/slumbrix.exe" slumbrix64.exe="$stage/slumbrix64.exe" \
  README.txt="$stage/README.txt" LICENSE.txt="$stage/LICENSE.txt" \
  THIRD-PARTY.txt="$stage/THIRD-PARTY.txt"

echo "Release files of commit $(git rev-parse --short HEAD) in $out:"
ls -l "$out"
