# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `make run` and `make test` do every step on a fresh Debian 12 machine.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

PACKAGE_BUILD ?= build-package
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 0
SANITIZE_BUILD ?= build-sanitize
COVERAGE_BUILD ?= build-coverage

.PHONY: all deps configure build run test test-repeat test-sanitize coverage bench package \
	translations fuzz clean

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

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer in a build
# folder of its own, without the benchmarks. -O1 and line tables are all the sanitizers need for
# their reports, and compile a fifth faster than -O2 -g.
test-sanitize: export ASAN_OPTIONS ?= detect_leaks=1:abort_on_error=1
test-sanitize: export UBSAN_OPTIONS ?= print_stacktrace=1:halt_on_error=1
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DZINDLE_SANITIZE=ON -DZINDLE_BENCHMARKS=OFF \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" \
		$(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Line coverage of src/ by the whole suite, per file and in total, from a build folder of its own
# that is unoptimised and instrumented. The figures are printed even when a test fails, and the
# failure is still the result.
coverage:
	@scripts/install-deps.sh --coverage
	cmake -S . -B $(COVERAGE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage \
		-DZINDLE_BENCHMARKS=OFF $(CMAKE_FLAGS)
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	cd $(COVERAGE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS); \
	status=$$?; cd $(CURDIR) && gcovr --root . --filter 'src/' --exclude '.*_autogen/' \
		--sort-uncovered $(COVERAGE_BUILD); exit $$status

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
	cmake -S . -B $(BUILD) -DZINDLE_BENCHMARKS=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD)/bench && for b in bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen ./$$b; done
	cd $(BUILD)/bench && ZINDLE_JIT=eager QT_QPA_PLATFORM=offscreen ./bench_sameness

# The fuzz targets in fuzz/, built by clang with coverage and sanitizers in a build folder of
# their own. By default each runs its seed corpus once; FUZZ_SECONDS=600 fuzzes each that long.
fuzz:
	@scripts/install-deps.sh --fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DZINDLE_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(COVERAGE_BUILD) $(PACKAGE_BUILD) $(FUZZ_BUILD)
