# The two everyday commands: `make run` and `make test`.
# Both install missing Debian packages first, then build with CMake presets.

.PHONY: run test build deps bench fuzz soak package coverage clean

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

# The ledger reader and the import under libFuzzer (clang), each for FUZZ_SECONDS or with
# other FUZZ_FLAGS (FUZZ_FLAGS=-runs=10000000); at the lowest priority, since they take all the
# CPU they get. New inputs stay in build/fuzz/corpus/, the seeds are in tests/fuzz/.
FUZZ_SECONDS ?= 600
FUZZ_FLAGS ?= -max_total_time=$(FUZZ_SECONDS)
# The fuzzers build with few jobs: clang with both sanitizers needs much memory per job.
FUZZ_JOBS ?= 2
fuzz:
	@scripts/install-deps fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz --parallel $(FUZZ_JOBS)
	@mkdir -p build/fuzz/corpus/ledger build/fuzz/corpus/import
	@nice -n 19 build/fuzz/bin/ledger-file-fuzz $(FUZZ_FLAGS) -print_final_stats=1 \
		build/fuzz/corpus/ledger tests/fuzz/corpus
	@nice -n 19 build/fuzz/bin/import-fuzz $(FUZZ_FLAGS) -print_final_stats=1 \
		build/fuzz/corpus/import tests/fuzz/import-corpus

# Kills saves and runs concurrent writers on large ledgers (release build); not part of test.
soak: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release --target talerwerk-cli talerwerk-write-ledger
	@scripts/soak build/release/bin

clean:
	rm -rf build
