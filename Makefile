# Front door: `make run` and `make test` set everything up on a fresh Debian.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= 2

.PHONY: all deps build test test-unit test-asan run bench format clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j$(JOBS)

# All tests, then all tests again under AddressSanitizer and UBSan.
test: test-unit test-asan

test-unit: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

$(ASAN_DIR)/CMakeCache.txt:
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DGLOSS_SANITIZE=ON -DGLOSS_BUILD_BENCH=OFF

test-asan: deps $(ASAN_DIR)/CMakeCache.txt
	cmake --build $(ASAN_DIR) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_DIR) --output-on-failure -j$(JOBS) -LE slow

run: build
	@scripts/run-demo $(BUILD_DIR)

bench: build
	@scripts/run-bench $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
