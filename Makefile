# The two everyday commands are `make run` and `make test`; both install what
# is missing first (scripts/setup), then configure and build with CMake.

JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := -G Ninja

ifeq ($(SANITIZE),1)
BUILD      := build-asan
CMAKE_OPTS := -DCMAKE_BUILD_TYPE=Debug -DVELASKIN_SANITIZE=ON -DVELASKIN_BENCH=OFF
TEST_ENV   := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else ifeq ($(TSAN),1)
BUILD      := build-tsan
CMAKE_OPTS := -DCMAKE_BUILD_TYPE=Debug -DVELASKIN_TSAN=ON -DVELASKIN_BENCH=OFF
TEST_ENV   := TSAN_OPTIONS=halt_on_error=1
else
BUILD      := build
CMAKE_OPTS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
TEST_ENV   :=
endif

# Rebuilds are quicker where ccache is installed; nothing needs it.
ifneq ($(shell command -v ccache 2>/dev/null),)
LAUNCHER := -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
endif

FUZZ_TIME ?= 20
PREFIX    ?= /usr/local

.PHONY: all setup configure build run test install package bench fuzz clean

all: build

setup:
	@scripts/setup

configure: setup
	@cmake -S . -B $(BUILD) $(GENERATOR) $(CMAKE_OPTS) $(LAUNCHER) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd data && ../$(BUILD)/src/app/velaskin

test: build
	cd $(BUILD) && $(TEST_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package (velaskin_VERSION_ARCH.deb) in $(PACKAGE_DIR).
PACKAGE_DIR ?= .
package: build
	cd $(BUILD) && cpack -G DEB -B $(abspath $(PACKAGE_DIR))/_cpack >/dev/null
	mv $(abspath $(PACKAGE_DIR))/_cpack/velaskin_*.deb $(PACKAGE_DIR)/ && rm -rf $(abspath $(PACKAGE_DIR))/_cpack
	@ls $(PACKAGE_DIR)/velaskin_*.deb

bench: setup
	@cmake -S . -B build-bench $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=Release -DVELASKIN_TESTS=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@set -e; for b in build-bench/bench/bench_*; do \
	    [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; \
	    (cd data && QT_QPA_PLATFORM=offscreen ../$$b); \
	done
	@cd data && ../bench/processes.sh ../build-bench

fuzz: setup
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELASKIN_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@set -e; for f in build-fuzz/fuzz/fuzz_*; do \
	    [ -f "$$f" ] && [ -x "$$f" ] || continue; name=$$(basename $$f); \
	    mkdir -p fuzz-corpus/$$name; echo "== $$name ($(FUZZ_TIME) s)"; \
	    seeds=fuzz/seeds/$$name; [ -d $$seeds ] || seeds=; \
	    if $$f -max_total_time=$(FUZZ_TIME) -print_final_stats=1 -artifact_prefix=fuzz-corpus/$$name- \
	          fuzz-corpus/$$name $$seeds >fuzz-corpus/$$name.log 2>&1; then \
	        grep -E "^Done|number_of_executed_units" fuzz-corpus/$$name.log; \
	    else \
	        tail -n 40 fuzz-corpus/$$name.log; echo "$$name found a fault (fuzz-corpus/$$name-*)"; exit 1; \
	    fi; \
	 done

clean:
	rm -rf build build-asan build-tsan build-bench build-fuzz
