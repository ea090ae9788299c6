// Figures for the ledger file: writing and reading the generated ledger of 100 000 bookings
// (300 accounts, 50 categories, 20 recurring bookings), in memory and through the disk.
#include "bench/ledger_generator.h"
#include "ledger/file_write.h"
#include "ledger/ledger_file.h"
#include "tests/support/scripted_password_source.h"
#include "tests/support/scripted_prompter.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace ledger;

const platform::FixedClock kClock({2025, 1, 1, 12, 0, 0});

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() /
           ("talerwerk-bench-" + std::to_string(::getpid()) + ".tlw");
}

// The generated ledger as a user meets it: saved once and opened again, so that its bookings
// and texts lie as loading puts them.
std::unique_ptr<CTalwerkDoc> openedLedger() {
    const auto generated = bench::generateLedger();
    testsupport::ScriptedPrompter prompter;
    testsupport::ScriptedPasswordSource passwords;
    return loadLedgerBytes(writeLedgerFile(*generated), "bench.tlw", prompter, passwords, kClock)
        .document;
}

void writeFileBytes(benchmark::State& state) {
    const auto doc = openedLedger();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeLedgerFile(*doc));
}
BENCHMARK(writeFileBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

// Writing, flushing to disk and renaming over the previous file.
void saveFile(benchmark::State& state) {
    const auto doc = openedLedger();
    const auto path = benchFile();
    for (auto _ : state)
        if (!saveLedgerFile(*doc, path).empty())
            state.SkipWithError("save failed");
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(saveFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading the file, every record, the booking order check.
void loadFile(benchmark::State& state) {
    auto doc = bench::generateLedger();
    const auto path = benchFile();
    if (!saveLedgerFile(*doc, path).empty())
        state.SkipWithError("save failed");
    testsupport::ScriptedPrompter prompter;
    testsupport::ScriptedPasswordSource passwords;
    for (auto _ : state) {
        auto loaded = loadLedgerFile(path, prompter, passwords, kClock);
        if (!loaded.document)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded.document.get());
    }
    std::filesystem::remove(path);
}
BENCHMARK(loadFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
