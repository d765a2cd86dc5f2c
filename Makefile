# Zemit: every command sets up what it needs on a fresh Debian 12 machine.
#   make run    builds zemit.exe and starts it under Wine (the 32-bit program
#               where this machine runs 32-bit programs, else the 64-bit build)
#   make test   builds everything (the 32-bit and the 64-bit Windows builds)
#               and runs every test
#   make fuzz   long fuzzing run (10 million executions per target)
#   make bench  native benchmarks; make bench-windows: start-up, HTTP fetch and download under Wine
#   make dist   the Windows installer and the portable zip in build/dist/
#               (signed when ZEMIT_SIGN_PFX and ZEMIT_SIGN_PASSWORD_FILE are set)
.PHONY: all setup test test-native \
        test-windows test-fuzz fuzz bench bench-windows run dist format clean

FUZZ_RUNS ?= 10000000

all: build-windows

setup:
	@bash scripts/setup.sh

# build-native, build-windows (32-bit), build-windows64, build-fuzz,
# build-bench: one preset each.
build-%: setup
	cmake --preset $* >/dev/null
	cmake --build --preset $*

test-native: build-native
	ctest --preset native

test-fuzz: build-fuzz
	ctest --preset fuzz

test-windows: build-windows64 build-windows
	bash scripts/windows-suites.sh

# Every suite runs even when an earlier one fails; the exit code reports all.
test: build-native build-fuzz build-windows64 build-windows
	@rc=0; \
	ctest --preset native || rc=1; \
	ctest --preset fuzz || rc=1; \
	bash scripts/windows-suites.sh || rc=1; \
	if [ $$rc = 0 ]; then echo "make test: all suites passed"; else echo "make test: FAILED"; fi; \
	exit $$rc

run: setup
	bash scripts/run.sh "$$(bash scripts/wine-build.sh zemit zemit_snapshot)"

fuzz: build-fuzz
	@mkdir -p build/fuzz/corpus
	# Every target has a seed corpus folder named after it.
	for t in $$(ls fuzz/corpus); do \
	  mkdir -p build/fuzz/corpus/$$t; \
	  build/fuzz/fuzz/$$t -runs=$(FUZZ_RUNS) -print_final_stats=1 build/fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

bench: build-bench
	build/bench/bench/analyser_bench

bench-windows: setup
	@tree="$$(bash scripts/wine-build.sh)" && \
	bash scripts/bench-startup.sh "$$tree" && \
	bash scripts/bench-http-fetch.sh "$$tree" && \
	bash scripts/bench-download.sh "$$tree"

# build/dist/ is emptied first: a failed (signing) build leaves no package there.
dist: setup
	rm -rf build/dist
	cmake --preset windows >/dev/null
	cmake --build --preset windows --target dist
	mkdir -p build/dist
	cp build/windows/dist/zemit-*-setup.exe build/windows/dist/zemit-*-portable.zip build/dist/

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
