# The two commands of the README: `make run` (window issue) and `make test`.
# Every target sets up, configures and builds what it needs first.

SETUP_STAMP := build/.setup-done

.PHONY: all setup test bench build clean format

all: test

$(SETUP_STAMP): scripts/setup.sh
	scripts/setup.sh
	mkdir -p build && touch $@

setup: $(SETUP_STAMP)

build/%/build.ninja: $(SETUP_STAMP) CMakeLists.txt CMakePresets.json
	cmake --preset $*

test: build/asan/build.ninja
	cmake --build --preset asan
	ctest --preset asan

bench: build/release/build.ninja
	cmake --build --preset release
	build/release/bench/quillane_bench --benchmark_counters_tabular=true

build: build/debug/build.ninja
	cmake --build --preset debug

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
