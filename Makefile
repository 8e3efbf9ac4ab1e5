# The two commands of the README: `make demo` and `make test`.
.PHONY: all deps build demo test test-asan fuzz fuzz-ci bench format package package-check clean

all: build

deps:
	./scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

demo: build
	./scripts/demo build/default/src/cli/lumenscribe build/default/src/windows/lumenscribe-gui

# The fuzzer goes first so that the suites' summaries close the output.
test: deps
	$(MAKE) fuzz-ci
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci
	$(MAKE) package-check
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

# The metadata fuzzer for a short fixed time on its sanitizer build, starting
# from the test data and every earlier finding. New inputs go to a scratch
# corpus, never into tests/; a finding fails the target and is kept under
# build/fuzz/findings/ (see tests/metadata/fuzz-regressions/README.md).
FUZZ_SECONDS ?= 60
fuzz-ci:
	cmake --preset fuzz
	cmake --build --preset fuzz --target fuzz_metadata
	mkdir -p build/fuzz/corpus build/fuzz/findings
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 build/fuzz/fuzz/fuzz_metadata \
		-max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
		-artifact_prefix=build/fuzz/findings/ \
		build/fuzz/corpus tests/data tests/metadata/fuzz-regressions

# The Debian package from a release build (without the test suite), checked
# by lintian: errors fail the target, warnings are shown.
package: deps
	cmake --preset release -DLUMENSCRIBE_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
	cmake --build --preset release --target lumenscribe lumenscribe-gui manpages package-docs
	rm -f build/release/lumenscribe_*.deb
	cd build/release && cpack -G DEB
	lintian --fail-on error --tag-display-limit 0 build/release/lumenscribe_*.deb

# The package of the CI build (stripped, warnings as errors, just tested),
# checked by lintian: a release build of its own would double the time.
package-check:
	rm -f build/ci/lumenscribe_*.deb
	cd build/ci && cpack -G DEB
	lintian --fail-on error --tag-display-limit 0 build/ci/lumenscribe_*.deb

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
