# The two commands of the README:
#   make run   builds the Linux program and starts it
#   make test  builds everything and runs every test
# Each installs what it needs from Debian's packages when it is missing.

SHELL := /bin/bash
JOBS ?= $(shell nproc)
ENSURE := scripts/ensure-packages.sh
FUZZ_SECONDS ?= 60

# What each step needs from Debian.
PKGS_CORE := cmake make g++ googletest libgmock-dev
PKGS_FUZZ := clang libclang-rt-14-dev

.PHONY: all run test unit fuzz fuzz-short clean

all: test

# The core's unit suite under AddressSanitizer and UndefinedBehaviorSanitizer.
unit:
	@$(ENSURE) $(PKGS_CORE)
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

build/fuzz/tests/fuzz/fuzz_main_window: FORCE
	@$(ENSURE) $(PKGS_CORE) $(PKGS_FUZZ)
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)

# A few seconds of each fuzz target over its seed corpus; `make fuzz` runs them longer.
fuzz-short: build/fuzz/tests/fuzz/fuzz_main_window
	scripts/run-fuzzers.sh 5

fuzz: build/fuzz/tests/fuzz/fuzz_main_window
	scripts/run-fuzzers.sh $(FUZZ_SECONDS)

test: unit fuzz-short

run:
	@echo "The Linux program is not built yet: there is nothing to start." >&2
	@exit 1

clean:
	rm -rf build

.PHONY: FORCE
FORCE:
