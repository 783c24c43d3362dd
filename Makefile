# Vestolar: the two commands of the README, and the benchmarks.
#   make run    builds the program and starts it under Wine
#   make test   builds both trees and runs both test suites
#   make bench  runs the benchmarks of the native tree

BUILD      := $(CURDIR)/build
WIN_DIR    := $(BUILD)/win
NATIVE_DIR := $(BUILD)/native
BENCH_DIR  := $(BUILD)/bench
JOBS       := $(shell nproc)

PACKAGES := g++-mingw-w64-x86-64-posix mingw-w64-tools libwine-dev wine wine64 \
            xvfb xauth x11-utils libz-mingw-w64-dev fonts-liberation \
            libbenchmark-dev googletest cmake ninja-build g++ imagemagick

TEST_PREFIX := $(BUILD)/wineprefix
export WINEDEBUG  := -all
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES := mscoree,mshtml=

.PHONY: run test bench deps build-win build-native wineprefix clean

deps:
	@tools/install-deps.sh $(PACKAGES)

build-win: deps
	@cmake -S . -B $(WIN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake --no-warn-unused-cli >/dev/null
	@cmake --build $(WIN_DIR) -j $(JOBS)

build-native: deps
	@cmake -S . -B $(NATIVE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE_DIR) -j $(JOBS)

# A private Wine prefix, made anew for each test run so no registry value or
# file of an earlier run leaks into this one.
wineprefix: deps
	@rm -rf $(TEST_PREFIX)
	@WINEPREFIX=$(TEST_PREFIX) wineboot -i >/dev/null 2>&1
	@WINEPREFIX=$(TEST_PREFIX) wineserver -w

test: build-native build-win wineprefix
	@echo "== native suite (sanitizers)"
	@cd $(NATIVE_DIR) && ctest -j $(JOBS) --output-on-failure
	@echo "== win suite (Wine, Xvfb)"
	@WINEPREFIX=$(TEST_PREFIX) xvfb-run -a -s "-screen 0 1280x1024x24" \
	    tools/run-win-tests.sh $(WIN_DIR) $(JOBS)

run: build-win
	@tools/run-under-wine.sh $(WIN_DIR)/bin/Vestolar.exe

bench: deps
	@cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESTOLAR_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target benchmarks
	@for b in $(BENCH_DIR)/bench/*_bench; do $$b; done

clean:
	rm -rf $(BUILD)
