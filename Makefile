# Vestolar: the two commands of the README, and the benchmarks.
#   make run    builds the program and starts it under Wine, in a virtual desktop
#   make test   builds both trees and runs both test suites
#   make bench  runs the benchmarks of the native tree
#   make fuzz   builds the fuzz targets with clang and runs each for FUZZ_SECONDS

BUILD      := $(CURDIR)/build
WIN_DIR    := $(BUILD)/win
NATIVE_DIR := $(BUILD)/native
BENCH_DIR  := $(BUILD)/bench
FUZZ_DIR   := $(BUILD)/fuzz
JOBS       := $(shell nproc)
FUZZ_SECONDS := 60
FUZZ_JOBS  := $(JOBS)

PACKAGES := g++-mingw-w64-x86-64-posix mingw-w64-tools libwine-dev wine wine64 \
            xvfb xauth x11-utils libz-mingw-w64-dev fonts-liberation \
            libbenchmark-dev googletest cmake ninja-build g++ imagemagick fonts-wine \
            libreoffice-calc-nogui python3 zlib1g-dev
# Only `make fuzz` needs clang and its libFuzzer runtime; the test command
# replays the fuzz inputs with the native tree's g++.
FUZZ_PACKAGES := clang libclang-rt-14-dev cmake ninja-build googletest

# A compiler cache, when the machine has one. Paths are taken relative to the
# project, so a clean clone in another folder hits the same entries; the
# sloppiness lets the cache take files compiled with precompiled headers.
ifneq ($(shell command -v ccache),)
export CMAKE_C_COMPILER_LAUNCHER ?= ccache
export CMAKE_CXX_COMPILER_LAUNCHER ?= ccache
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_SLOPPINESS ?= pch_defines,time_macros,include_file_mtime,include_file_ctime
endif

TEST_PREFIX := $(BUILD)/wineprefix
# The prefix of `make run` lasts from run to run: it holds the program's
# profile, with the settings and the window's place.
RUN_PREFIX  := $(BUILD)/runprefix
export WINEDEBUG  := -all
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES := mscoree,mshtml=

.PHONY: run test bench fuzz fuzz-seeds deps configure-win build-win build-program build-native wineprefix clean

deps:
	@tools/install-deps.sh $(PACKAGES)

configure-win: deps
	@cmake -S . -B $(WIN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake --no-warn-unused-cli >/dev/null

build-win: configure-win
	@cmake --build $(WIN_DIR) -j $(JOBS)

# The program with its libraries; it depends on the language libraries.
build-program: configure-win
	@cmake --build $(WIN_DIR) -j $(JOBS) --target Vestolar templatewriter

build-native: deps
	@cmake -S . -B $(NATIVE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE_DIR) -j $(JOBS)

# A private Wine prefix, made anew for each test run so no registry value or
# file of an earlier run leaks into this one; with Wine's own fonts, so that
# dialogs are measured with Tahoma as on Windows.
wineprefix: deps
	@rm -rf $(TEST_PREFIX)
	@tools/make-wineprefix.sh $(TEST_PREFIX)

test: build-native build-win wineprefix
	@echo "== native suite (sanitizers)"
	@cd $(NATIVE_DIR) && ctest -j $(JOBS) --output-on-failure
	@echo "== win suite (Wine, Xvfb)"
	@WINEPREFIX=$(TEST_PREFIX) xvfb-run -a -s "-screen 0 1280x1024x24" \
	    tools/run-win-tests.sh $(WIN_DIR) $(JOBS)

run: build-program
	@tools/make-wineprefix.sh $(RUN_PREFIX)
	@mkdir -p $(WIN_DIR)/bin/Template
	@WINEPREFIX=$(RUN_PREFIX) wine $(WIN_DIR)/bin/templatewriter.exe "$$(WINEPREFIX=$(RUN_PREFIX) winepath -w $(WIN_DIR)/bin/Template)"
	@WINEPREFIX=$(RUN_PREFIX) tools/run-under-wine.sh $(WIN_DIR)/bin/Vestolar.exe

bench: deps
	@cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESTOLAR_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target benchmarks
	@for b in $(BENCH_DIR)/bench/*_bench; do $$b; done

fuzz:
	@tools/install-deps.sh $(FUZZ_PACKAGES)
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESTOLAR_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	@tools/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_JOBS)

# Writes the seed inputs of every fuzz target with the program's own writers
# into tests/fuzz/<target>/corpus.
fuzz-seeds: build-native
	@$(NATIVE_DIR)/tests/fuzz/fuzzseeds tests/fuzz

clean:
	rm -rf $(BUILD)
