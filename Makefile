# The two everyday commands: `make run` and `make test`.
# Both install missing Debian packages first, then build with CMake presets.

.PHONY: run test build deps bench clean

deps:
	@scripts/install-deps

build: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug

run: build
	@scripts/run-demo build/debug/bin

test: deps
	@cmake --preset test >/dev/null
	@cmake --build --preset test
	@ctest --preset test

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release --target talerwerk-bench
	@build/release/bin/talerwerk-bench

clean:
	rm -rf build
