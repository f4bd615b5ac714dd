# The two commands of the README:
#   make run   builds the Linux program and starts it
#   make test  builds everything and runs every test
#   make windows  builds slumbrix.exe alone
# Each installs what it needs from Debian's packages when it is missing.

SHELL := /bin/bash
JOBS ?= $(shell nproc)
ENSURE := scripts/ensure-packages.sh

# What each step needs from Debian.
PKGS_CORE := cmake make g++ googletest libgmock-dev
PKGS_QT := qt6-base-dev qt6-base-dev-tools libgl-dev
PKGS_QT_TESTS := xvfb xauth xdotool x11-utils imagemagick dbus-daemon python3-dbusmock python3-dbus
PKGS_WINDOWS := g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
PKGS_WINE := wine wine32:i386 xvfb imagemagick

.PHONY: all run test deps-core deps-qt deps-test deps-windows unit windows test-windows clean

all: test

deps-core:
	@$(ENSURE) $(PKGS_CORE)

unit: deps-core
	cmake --preset asan -DSLUMBRIX_BUILD_QT=OFF >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The Windows build: slumbrix.exe lands in build/mingw/src/frontend/win32/.
deps-windows:
	@$(ENSURE) $(PKGS_CORE) $(PKGS_WINDOWS) $(PKGS_WINE)

windows: deps-windows
	cmake --preset mingw >/dev/null
	cmake --build --preset mingw --target slumbrix -j $(JOBS)

# Its tests run under Wine, one after another in one throwaway prefix.
test-windows: deps-windows
	cmake --preset mingw >/dev/null
	cmake --build --preset mingw -j $(JOBS)
	ctest --test-dir build/mingw --output-on-failure

test: unit test-windows

run:
	@echo "The Linux program is not built yet: there is nothing to start." >&2
	@exit 1

clean:
	rm -rf build
