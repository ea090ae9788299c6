# The two everyday commands: `make run` and `make test`.
# Both install missing Debian packages first, then build with CMake presets.

.PHONY: run test build deps bench fuzz package coverage clean

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

# The whole suite on a build with gcov counters, then the line and branch coverage of each
# library: printed, and as HTML in build/coverage/html/index.html. The manual page and the
# bash completion, which the build writes and the suite checks, are written again so that
# their counts are in the report.
coverage:
	@scripts/install-deps coverage
	@cmake --preset coverage >/dev/null
	@cmake --build --preset coverage
	@find build/coverage -name '*.gcda' -delete
	@rm -f build/coverage/docs/talerwerk-cli.1.gz
	@cmake --build --preset coverage --target talerwerk-cli-manual >/dev/null
	@ctest --preset coverage
	@scripts/coverage-report build/coverage

# The Debian package talerwerk_<version>_<arch>.deb in this directory, checked against
# packaging/files.txt and shown to lintian.
package:
	@scripts/install-deps package
	@cmake --preset package >/dev/null
	@cmake --build --preset package
	@cd build/package && cpack
	@packaging/check-package "$$(ls -t talerwerk_*.deb | head -n 1)"

# The reader under libFuzzer for FUZZ_SECONDS (clang); new inputs stay in build/fuzz/corpus.
FUZZ_SECONDS ?= 600
fuzz: deps
	@command -v clang++ >/dev/null || { echo "make fuzz: clang++ is needed" >&2; exit 1; }
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@mkdir -p build/fuzz/corpus
	@build/fuzz/bin/ledger-file-fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		build/fuzz/corpus tests/fuzz/corpus

clean:
	rm -rf build
