# Front door: `make run` and `make test` set everything up on a fresh Debian.
BUILD_DIR ?= build
SAN_DIR ?= build-san
DEB_DIR ?= build-deb
# Seconds per fuzz target: `make fuzz` runs each this long, `make test` runs
# each FUZZ_TEST_SECONDS from its seed corpus.
FUZZ_SECONDS ?= 300
FUZZ_TEST_SECONDS ?= 30
JOBS ?= 2

.PHONY: all deps build test test-unit test-slow test-asan test-fuzz fuzz san-build run bench deb format clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j$(JOBS)

# All tests, then all tests again under AddressSanitizer and UBSan, and a
# short pass of every fuzz program of that same sanitized build.
test: test-unit test-asan test-fuzz

test-unit: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS) -LE slow

# The long sweeps (every word form of every language, many property seeds).
test-slow: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS) -L slow

# One sanitized build, clang with AddressSanitizer, UBSan and libFuzzer's
# coverage, holds both the unit tests and the fuzz programs. It takes the
# lemma tables from the plain build's table builder (the same tables; a
# sanitized builder needs minutes per language).
$(SAN_DIR)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=Debug \
	  -DGLOSS_FUZZ=ON -DGLOSS_BUILD_BENCH=OFF \
	  -DGLOSS_LEMMA_TABLE_TOOL=$(abspath $(BUILD_DIR))/tools/lemma_table

san-build: build $(SAN_DIR)/CMakeCache.txt
	cmake --build $(SAN_DIR) -j$(JOBS)

test-asan: san-build
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SAN_DIR) --output-on-failure -j$(JOBS) -LE slow

fuzz: san-build
	@scripts/run-fuzz $(SAN_DIR) $(FUZZ_SECONDS)

test-fuzz: san-build
	@scripts/run-fuzz $(SAN_DIR) $(FUZZ_TEST_SECONDS) --fresh

run: build
	@scripts/run-demo $(BUILD_DIR)

bench: build
	@scripts/run-bench $(BUILD_DIR)

# The Debian package, checked with lintian; the .deb lands in $(DEB_DIR)/.
deb: deps
	@scripts/build-deb $(DEB_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(DEB_DIR)
