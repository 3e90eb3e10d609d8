# The two commands of the README: `make run` and `make test`.
# Every target sets up, configures and builds what it needs first.

SETUP_STAMP := build/.setup-done

.PHONY: all setup run test test-release bench soak fuzz build package screenshots clean format \
        format-check tidy resources-check

FUZZ_SECONDS ?= 60

all: test

$(SETUP_STAMP): scripts/setup.sh
	scripts/setup.sh
	mkdir -p build && touch $@

setup: $(SETUP_STAMP)

build/%/build.ninja: $(SETUP_STAMP) CMakeLists.txt CMakePresets.json
	cmake --preset $*

run: build/debug/build.ninja
	cmake --build --preset debug --target quillane
	build/debug/bin/quillane

test: build/asan/build.ninja
	cmake --build --preset asan
	ctest --preset asan

# The same tests on an optimised build, where the compiler sees (and warns about) other things.
test-release: build/release-tests/build.ninja
	cmake --build --preset release-tests
	ctest --preset release-tests

# The window's million-file session runs alone: what earlier benchmarks leave behind would count
# in its peak.
bench: build/release/build.ninja
	cmake --build --preset release
	build/release/bench/quillane_bench --benchmark_counters_tabular=true
	build/release/bench/quillane_window_bench --benchmark_counters_tabular=true \
	  --benchmark_filter=-MillionFilesPeakMemory
	build/release/bench/quillane_window_bench --benchmark_counters_tabular=true \
	  --benchmark_filter=MillionFilesPeakMemory

# A long crash soak, not in CI: a hundred kills of a run of 10,000 files, each recovered; prints
# what was stranded or lost (both must be 0).
soak: build/release-tests/build.ninja
	cmake --build --preset release-tests --target journal_crash_soak
	build/release-tests/tests/journal/journal_crash_soak

# Runs each fuzzer for FUZZ_SECONDS, keeping what it learns in build/fuzz/corpus.
fuzz: build/fuzz/build.ninja
	cmake --build --preset fuzz
	for f in build/fuzz/fuzz/fuzz_*; do \
	  mkdir -p build/fuzz/corpus/$$(basename $$f) && \
	  $$f -max_total_time=$(FUZZ_SECONDS) build/fuzz/corpus/$$(basename $$f) || exit 1; \
	done

build: build/debug/build.ninja
	cmake --build --preset debug

# An optimised Debian package of what the install rules install, in build/package/.
package: build/package/build.ninja
	cmake --build --preset package
	cpack --config build/package/CPackConfig.cmake -B build/package

# Renders the windows under a virtual X server; the README shows docs/main-window.png.
screenshots: build/debug/build.ninja
	cmake --build --preset debug --target quillane_screenshots
	xvfb-run -a -s "-screen 0 1600x1200x24" build/debug/tools/quillane_screenshots build/screenshots
	mkdir -p docs && cp build/screenshots/main-window.png docs/main-window.png

SOURCES = find src tests bench fuzz tools -name '*.cpp' -o -name '*.h'

format: $(SETUP_STAMP)
	$(SOURCES) | xargs clang-format -i

format-check: $(SETUP_STAMP)
	$(SOURCES) | xargs clang-format --dry-run --Werror

# clang-tidy with the checks of .clang-tidy over our own sources; build/tidy is only configured,
# for its compile commands, never built.
OWN_CODE := ^$(CURDIR)/(src|tests|tools)/

tidy: $(SETUP_STAMP)
	cmake --preset tidy >/dev/null
	run-clang-tidy -quiet -j2 -p build/tidy -header-filter='$(OWN_CODE)' '$(OWN_CODE)'

# The committed resources are what make_resources.py writes, byte for byte: it writes them afresh
# into build/resources-check, and every file there or in resources/ must be in both and equal.
# The manual, the manual page, the desktop entry, the metainfo and the install rules are written by
# hand.
RESOURCES_CHECK := build/resources-check
HAND_WRITTEN := make_resources.py Quillane.html quillane.1 example.kestrova.Quillane.desktop \
                example.kestrova.Quillane.metainfo.xml CMakeLists.txt __pycache__

resources-check: $(SETUP_STAMP)
	rm -rf $(RESOURCES_CHECK)
	python3 resources/make_resources.py $(RESOURCES_CHECK)
	diff -r $(addprefix --exclude=,$(HAND_WRITTEN)) resources $(RESOURCES_CHECK)

clean:
	rm -rf build
