# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `make run` and `make test` do every step on a fresh Debian 12 machine.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

PACKAGE_BUILD ?= build-package
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 0

.PHONY: all deps configure build run test test-repeat bench package translations fuzz clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/zindle

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The tests that drive the window, three times over: a test that fails only now and then
# shows up here rather than in someone else's build.
test-repeat: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -L window \
		--repeat until-fail:3

# The Debian package, zindle_<version>_<arch>.deb, in $(PACKAGE_BUILD): a build folder of its own
# that builds only what the package holds, none of the tests and tools.
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack

# Brings translations/zindle_*.ts up to date with the texts of the code (see README.md).
translations: configure
	cmake --build $(BUILD) --target update_translations

bench:
	@scripts/install-deps.sh --bench
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD)/bench && for b in bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen ./$$b; done

# The fuzz targets in fuzz/, built by clang with coverage and sanitizers in a build folder of
# their own. By default each runs its seed corpus once; FUZZ_SECONDS=600 fuzzes each that long.
fuzz:
	@scripts/install-deps.sh --fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DZINDLE_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-sanitize $(PACKAGE_BUILD) $(FUZZ_BUILD)
