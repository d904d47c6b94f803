# The two entry points of a fresh machine: `make run` and `make test`.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

FUZZ_SECONDS ?= 600

.PHONY: run test deps configure build bench fuzz package format tidy clean

run: build
	@./scripts/run.sh $(BUILD_DIR)

test: build
	@./scripts/test.sh $(BUILD_DIR)

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

# The benchmarks, then the Python module's calls against the same calls in C++ (when the
# module is built).
bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target burgeon_bench
	@./build/release/bench/burgeon_bench
	@if ninja -C build/release -t query burgeon_python >/dev/null 2>&1; then \
		cmake --build --preset release -j $(JOBS) --target burgeon_python && \
		/usr/bin/python3 bench/python_bench.py build/release; fi

# Every fuzz target for FUZZ_SECONDS each, with executions per second and coverage.
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@FUZZ_SECONDS=$(FUZZ_SECONDS) ./scripts/fuzz.sh

# The Debian package (build/package/burgeon_VERSION_amd64.deb), checked by lintian.
package: deps
	@cmake --preset package >/dev/null
	@cmake --build --preset package -j $(JOBS)
	@cd build/package && cpack -G DEB
	@./scripts/lint-package.sh build/package

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-tidy over the whole tree with the checks of .clang-tidy; fails on any finding.
tidy: build
	@./scripts/tidy.sh $(BUILD_DIR)

clean:
	rm -rf build
