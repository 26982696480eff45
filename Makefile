# Entry points for a fresh Debian machine:
#   make run        install what is missing, build, run larkstat on a sample source
#   make test       install what is missing, build, run every test
#   make test-asan  the same tests under AddressSanitizer and UBSan
#   make test-whole every test program run whole, all its cases in one process
#   make bench      speed and memory figures of the benchmark programs
#   make fuzz       fuzz larkstat's handling of a source (FUZZ_MINUTES, FUZZ_JOBS)

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
SAMPLE     ?= tests/data/sample.cbl
# The sample is IBM COBOL (COMP-3) and finds its COPY member beside it.
SAMPLE_OPTIONS ?= -lang=saa -copylib-dir=$(patsubst %/,%,$(dir $(SAMPLE)))
PACKAGES   := g++ cmake make libgtest-dev byacc
LARKSTAT   := $(BUILD)/src/stattool/larkstat

FUZZ_MINUTES ?= 10
FUZZ_JOBS    ?= 3

.PHONY: all deps build run test test-whole test-asan bench fuzz clean

all: build

# Installs the Debian packages that are missing when run as root; otherwise
# names them and stops.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages:$$missing (run 'sudo apt-get install$$missing')"; exit 1; \
	  fi; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(LARKSTAT) ]; then $(LARKSTAT) $(SAMPLE_OPTIONS) $(SAMPLE); \
	else echo "larkstat is not built yet; the libraries and tests are."; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# CTest runs each case in a process of its own; run whole, a program's cases
# share one process, so a case that depends on what an earlier one left
# fails here.  Each program runs where CTest runs it, in $(BUILD)/tests.
test-whole: build
	@cd $(BUILD)/tests && failed=""; \
	for t in *_test; do \
	  [ -x "$$t" ] || continue; \
	  if ! ./$$t --gtest_brief=1 > $$t.whole.log 2>&1; then \
	    failed="$$failed $$t"; cat $$t.whole.log; \
	  fi; \
	done; \
	if [ -n "$$failed" ]; then echo "Failed when run whole:$$failed"; exit 1; fi; \
	echo "Every test program passes run whole."

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DLARK_SANITIZE=ON

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Runs every benchmark program of the Release build; each prints its figures.
bench: build
	@found=0; for b in $(BUILD)/bench/bench_*; do \
	  [ -x "$$b" ] || continue; found=1; \
	  echo "== $$(basename $$b)"; "$$b" || exit 1; \
	done; [ $$found = 1 ] || echo "No benchmark program is built yet."

# Builds the libFuzzer target in build-fuzz (clang) and fuzzes the three
# configurations for FUZZ_MINUTES in all; exits 1 naming the findings.
fuzz: deps
	FUZZ_MINUTES=$(FUZZ_MINUTES) FUZZ_JOBS=$(FUZZ_JOBS) JOBS=$(JOBS) bash fuzz/run_fuzz.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
