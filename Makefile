# The two commands of the README:
#   make run   builds the Linux program and starts it
#   make test  builds everything and runs every test
# Each installs what it needs from Debian's packages when it is missing.

SHELL := /bin/bash
JOBS ?= $(shell nproc)
ENSURE := scripts/ensure-packages.sh

# What each step needs from Debian.
PKGS_CORE := cmake make g++ googletest libgmock-dev
PKGS_QT := qt6-base-dev qt6-base-dev-tools libgl-dev
PKGS_QT_TESTS := xvfb xauth xdotool x11-utils imagemagick dbus-daemon python3-dbusmock python3-dbus
PKGS_WINDOWS := g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
PKGS_WINE := wine wine32:i386 xvfb

.PHONY: all run test deps-core deps-qt deps-test deps-windows unit clean

all: test

deps-core:
	@$(ENSURE) $(PKGS_CORE)

unit: deps-core
	cmake --preset asan -DSLUMBRIX_BUILD_QT=OFF >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

test: unit

run:
	@echo "The Linux program is not built yet: there is nothing to start." >&2
	@exit 1

clean:
	rm -rf build
