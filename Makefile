# The two commands of the README:
#   make run   builds the Linux program and starts it
#   make test  builds everything and runs every test
# Each installs what it needs from Debian's packages when it is missing.
# Further targets: make windows (the two Windows programs), make fuzz (longer fuzzing),
# make test-linux (the Linux program's own tests alone), make bench (the benchmarks' figures;
# about 30 minutes), make package (the release files in build/package/), make package-check
# (two release builds compared; make test runs it where CI is set or PACKAGE_CHECK=1),
# make test-package (the release files' checks alone), make screenshots (the README's images).

SHELL := /bin/bash
JOBS ?= $(shell nproc)
ENSURE := scripts/ensure-packages.sh
FUZZ_SECONDS ?= 60

# What each step needs from Debian.
PKGS_CORE := cmake make g++ googletest libgmock-dev clang-format
PKGS_FUZZ := clang libclang-rt-14-dev
PKGS_WINDOWS := g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 \
  g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
# wine64 runs the 64-bit suite on every machine; wine32 the 32-bit one where the machine
# executes 32-bit programs. Where it cannot, wine32 stays installed but unused: the tests name
# their loader and never start it there.
PKGS_WINE := wine wine64 wine32:i386 xvfb xauth imagemagick
# The Linux program: Qt 6 with its platform plugins, the X libraries of its taskbar hint, and
# the metric-compatible fonts that its layout is measured in.
PKGS_QT := qt6-base-dev qt6-qpa-plugins libx11-dev libxcb1-dev fonts-liberation
# Its tests: mock services on private buses, a display of their own driven from outside, an
# XEmbed notification area (trayer), a shifted clock in a zone with daylight saving, the
# sources of the locales they compile, a screen reader's view: the accessibility bus
# (at-spi2-core) read through pyatspi, and the desktops' own programs: Xfce's panel with its
# settings daemon, xscreensaver and mate-screensaver.
PKGS_LINUX_TEST := dbus-daemon python3 python3-dbus python3-gi python3-dbusmock \
  xvfb xdotool x11-utils xclip imagemagick trayer faketime tzdata locales \
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0 \
  xfce4-panel xfconf xscreensaver mate-screensaver

# The release files: CPack's DEB generator with dpkg-shlibdeps, the Windows zip, the checks
# of each ecosystem's tools (lintian, appstreamcli, desktop-file-validate, man), unzip for the
# zip's test, diffoscope to name a difference between two builds, optipng for the screenshots.
PKGS_PACKAGE := git dpkg-dev python3 lintian appstream desktop-file-utils man-db groff-base \
  unzip file
PKGS_REPRODUCIBLE := diffoscope-minimal
PKGS_SCREENSHOTS := optipng

PKGS_BENCH := stress-ng
BENCH_TARGETS := slumbrix bench_headless_hour bench_floor_window bench_meter_probe bench_map_watch
# Each Windows build: the program, its Win32 floor and the driver that arms its watch.
WINDOWS_BENCH_TARGETS := slumbrix bench_win32_floor slumbrix_driver

.PHONY: all run test format unit fuzz fuzz-short fuzz-build windows test-windows linux \
  test-linux package package-check test-package screenshots bench clean FORCE

all: test

# Every C++ file follows the committed .clang-format.
format:
	@$(ENSURE) $(PKGS_CORE)
	scripts/check-format.sh

# The core's unit suite under AddressSanitizer and UndefinedBehaviorSanitizer.
unit:
	@$(ENSURE) $(PKGS_CORE)
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

fuzz-build:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_FUZZ)
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)

# A few seconds of each fuzz target over its seed corpus; `make fuzz` runs them longer.
fuzz-short: fuzz-build
	scripts/run-fuzzers.sh 5

fuzz: fuzz-build
	scripts/run-fuzzers.sh $(FUZZ_SECONDS)

# The Windows programs: slumbrix.exe (32-bit, Windows 95 to XP) in build/mingw/ and
# slumbrix64.exe (64-bit Windows) in build/mingw64/, each under src/frontend/win32/.
windows:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_WINDOWS)
	cmake --preset mingw >/dev/null
	cmake --build --preset mingw --target slumbrix -j $(JOBS)
	cmake --preset mingw64 >/dev/null
	cmake --build --preset mingw64 --target slumbrix -j $(JOBS)

# Their tests under Wine: each suite that this machine can run (both, or the 64-bit one where
# 32-bit programs cannot run; SLUMBRIX_WINE=64 forces that path), in one throwaway prefix each.
test-windows:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_WINDOWS) $(PKGS_WINE)
	scripts/test-windows.sh $(JOBS)

# The Linux program: build/debug/src/frontend/qt/slumbrix.
linux:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_QT)
	cmake --preset debug >/dev/null
	cmake --build --preset debug --target slumbrix -j $(JOBS)

# Its widget, platform and D-Bus tests and the end-to-end tests of the real program; the unit
# suite of this build is left out, `make unit` runs it under the sanitizers.
test-linux:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_QT) $(PKGS_LINUX_TEST)
	cmake --preset debug >/dev/null
	cmake --build --preset debug -j $(JOBS)
	ctest --preset debug -L '^(qt|e2e)$$' -j $(JOBS)

# The release files: build/package/slumbrix_<version>_amd64.deb and
# build/package/slumbrix-<version>-windows.zip, the same bytes from any folder.
package:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_QT) $(PKGS_WINDOWS) $(PKGS_PACKAGE)
	scripts/make-package.sh $(JOBS)

# Two `make package` runs of the commit in different folders, compared (up to 45 minutes).
package-check:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_QT) $(PKGS_WINDOWS) $(PKGS_PACKAGE) $(PKGS_REPRODUCIBLE)
	scripts/check-reproducible.sh $(JOBS)

# The release files checked by lintian, appstreamcli, desktop-file-validate and man; the
# packaged Linux program and both programs of the zip started; the README's images sized.
test-package: package
	@$(ENSURE) $(PKGS_LINUX_TEST) $(PKGS_WINE)
	scripts/test-package.sh $(JOBS)
ifneq ($(CI)$(PACKAGE_CHECK),)
	$(MAKE) --no-print-directory package-check
endif

# The README's images in docs/, from the real programs as released: the Linux window under
# Xvfb and the Windows program under Wine in the look of XP and of 95.
screenshots: package
	@$(ENSURE) $(PKGS_LINUX_TEST) $(PKGS_WINE) $(PKGS_SCREENSHOTS)
	scripts/make-screenshots.sh

test: format unit fuzz-short test-windows test-linux test-package

run: linux
	build/debug/src/frontend/qt/slumbrix

# Figures only, never a verdict: bench/run_bench.py says what each one measures and which
# SLUMBRIX_BENCH_* variables shorten a run. The table also lands in build/bench-figures.md.
bench:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_QT) $(PKGS_LINUX_TEST) $(PKGS_BENCH) $(PKGS_WINDOWS) $(PKGS_WINE)
	cmake --preset release >/dev/null
	cmake --build --preset release --target $(BENCH_TARGETS) -j $(JOBS)
	cmake --preset mingw >/dev/null
	cmake --build --preset mingw --target $(WINDOWS_BENCH_TARGETS) -j $(JOBS)
	cmake --preset mingw64 >/dev/null
	cmake --build --preset mingw64 --target $(WINDOWS_BENCH_TARGETS) -j $(JOBS)
	/usr/bin/python3 -B bench/run_bench.py build/release build/mingw build/bench-figures.md

clean:
	rm -rf build
