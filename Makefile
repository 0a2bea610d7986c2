# Quick start: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build/release
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# Print only what a person needs: no directory lines from the nested makes, no "Built target"
# line for every target that was already built, and from the tests only the failures (with their
# output) and the summary. pipefail keeps the build's and the tests' exit status through the filters.
MAKEFLAGS += --no-print-directory
SHELL := /bin/bash
.SHELLFLAGS := -o pipefail -c
QUIET_BUILD := { grep --line-buffered -v -E '^\[ *[0-9]+%\] Built target ' || true; }
QUIET_TESTS := { grep --line-buffered -v -E '^ +Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +\#[0-9]+: .* Passed|^Internal ctest changing into directory|^Test project ' || true; }

.PHONY: all deps configure build run test contact-sheet bench bench-desktop format clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) | $(QUIET_BUILD)

run: build
	@$(BUILD_DIR)/zibbet $(ARGS)

test: build
	@echo "Running the tests: only failures and the summary are shown."
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) | $(QUIET_TESTS)

contact-sheet: build
	@cmake --build $(BUILD_DIR) --target contact-sheet | $(QUIET_BUILD)

bench: build
	$(BUILD_DIR)/zibbet-bench

# The game in a window on a private X server, measured beside sgt-samegame (docs/benchmarks.md).
bench-desktop: build
	$(BUILD_DIR)/zibbet-desktop-bench $(ARGS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
