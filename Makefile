# The two commands of the README: `make demo` and `make test`.
.PHONY: all deps build demo test test-asan fuzz bench format clean

all: build

deps:
	./scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

demo: build
	./scripts/demo build/default/src/cli/lumenscribe

test: deps
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
