# The two commands of the README:
#   make run   builds the Linux program and starts it
#   make test  builds everything and runs every test
# Each installs what it needs from Debian's packages when it is missing.
# Further targets: make windows (slumbrix.exe alone), make fuzz (longer fuzzing),
# make bench (the benchmarks' figures; about 15 minutes).

SHELL := /bin/bash
JOBS ?= $(shell nproc)
ENSURE := scripts/ensure-packages.sh
FUZZ_SECONDS ?= 60

# What each step needs from Debian.
PKGS_CORE := cmake make g++ googletest libgmock-dev
PKGS_FUZZ := clang libclang-rt-14-dev
PKGS_WINDOWS := g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
PKGS_WINE := wine wine32:i386 xvfb xauth imagemagick
PKGS_BENCH := qt6-base-dev libxcb1-dev xvfb xdotool dbus-daemon python3-dbusmock stress-ng
BENCH_TARGETS := slumbrix bench_headless_hour bench_empty_window bench_meter_probe bench_map_watch

.PHONY: all run test unit fuzz fuzz-short fuzz-build windows test-windows bench clean FORCE

all: test

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

# The Windows build: slumbrix.exe lands in build/mingw/src/frontend/win32/.
windows:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_WINDOWS)
	cmake --preset mingw >/dev/null
	cmake --build --preset mingw --target slumbrix -j $(JOBS)

# Its tests run under Wine, one after another in one throwaway prefix.
test-windows:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_WINDOWS) $(PKGS_WINE)
	cmake --preset mingw >/dev/null
	cmake --build --preset mingw -j $(JOBS)
	ctest --test-dir build/mingw --output-on-failure

test: unit fuzz-short test-windows

# Figures only, never a verdict: bench/run_bench.py says what each one measures and which
# SLUMBRIX_BENCH_* variables shorten a run. The table also lands in build/bench-figures.md.
bench:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_BENCH) $(PKGS_WINDOWS) $(PKGS_WINE)
	cmake --preset release >/dev/null
	cmake --build --preset release --target $(BENCH_TARGETS) -j $(JOBS)
	cmake --preset mingw >/dev/null
	cmake --build --preset mingw --target slumbrix -j $(JOBS)
	/usr/bin/python3 -B bench/run_bench.py build/release build/mingw build/bench-figures.md

run:
	@echo "The Linux program is not built yet: there is nothing to start." >&2
	@exit 1

clean:
	rm -rf build
