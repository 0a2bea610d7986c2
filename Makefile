# Quick start: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build/release
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test contact-sheet bench bench-desktop format clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/zibbet $(ARGS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

contact-sheet: build
	@cmake --build $(BUILD_DIR) --target contact-sheet

bench: build
	$(BUILD_DIR)/zibbet-bench

# The game in a window on a private X server, measured beside sgt-samegame (docs/benchmarks.md).
bench-desktop: build
	$(BUILD_DIR)/zibbet-desktop-bench $(ARGS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
