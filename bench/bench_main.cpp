// The benchmarks run with the heap settings of the desktop program, so that the figures are
// those of a view rebuilt in the running program.
#include "platform/memory_tuning.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    platform::keepFreedMemoryForReuse();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
