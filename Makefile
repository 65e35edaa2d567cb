# Front door: `make run` and `make test` set everything up on a fresh Debian.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
DEB_DIR ?= build-deb
# Seconds per fuzz target: `make fuzz` runs each this long, `make test` runs
# each FUZZ_TEST_SECONDS from its seed corpus.
FUZZ_SECONDS ?= 300
FUZZ_TEST_SECONDS ?= 30
JOBS ?= 2

.PHONY: all deps build test test-unit test-slow test-asan test-fuzz fuzz fuzz-build run bench deb format clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j$(JOBS)

# All tests, a short pass of every fuzz target, then all tests again under
# AddressSanitizer and UBSan.
test: test-unit test-fuzz test-asan

test-unit: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS) -LE slow

# The long sweeps (every word form of every language, many property seeds).
test-slow: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS) -L slow

# The sanitized builds take the lemma tables from the plain build's table
# builder (the same tables; a sanitized builder needs minutes per language).
$(ASAN_DIR)/CMakeCache.txt:
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DGLOSS_SANITIZE=ON -DGLOSS_BUILD_BENCH=OFF \
	  -DGLOSS_LEMMA_TABLE_TOOL=$(abspath $(BUILD_DIR))/tools/lemma_table

test-asan: build $(ASAN_DIR)/CMakeCache.txt
	cmake --build $(ASAN_DIR) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_DIR) --output-on-failure -j$(JOBS) -LE slow

# The fuzz programs: clang with libFuzzer, AddressSanitizer and UBSan.
$(FUZZ_DIR)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DGLOSS_FUZZ=ON -DGLOSS_BUILD_TESTS=OFF -DGLOSS_BUILD_BENCH=OFF \
	  -DGLOSS_LEMMA_TABLE_TOOL=$(abspath $(BUILD_DIR))/tools/lemma_table

fuzz-build: build $(FUZZ_DIR)/CMakeCache.txt
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target fuzz_all

fuzz: fuzz-build
	@scripts/run-fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

test-fuzz: fuzz-build
	@scripts/run-fuzz $(FUZZ_DIR) $(FUZZ_TEST_SECONDS) --fresh

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
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(DEB_DIR)
