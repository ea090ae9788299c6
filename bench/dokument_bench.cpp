// Figures for the ledger document: keeping the booking order while adding, and restoring it.
#include "bench/ledger_generator.h"
#include "ledger/ledger_loading.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ledger;

// Adds 100 000 bookings in random date order to a document that has only its accounts.
void addBookingsInRandomDateOrder(benchmark::State& state) {
    const bench::LedgerOptions options;
    const auto chart = bench::generateChartOfAccounts(options);
    const std::vector<CTWBuchung> bookings = bench::generateBookings(*chart, options);
    std::unique_ptr<CTalwerkDoc> doc;
    for (auto _ : state) {
        state.PauseTiming();
        doc = bench::generateChartOfAccounts(options);
        std::vector<CTWBuchung> input = bookings;
        state.ResumeTiming();
        for (CTWBuchung& b : input)
            doc->addBuchung(std::move(b));
        benchmark::DoNotOptimize(doc->bookings().front());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(bookings.size()));
}
BENCHMARK(addBookingsInRandomDateOrder)->Unit(benchmark::kMillisecond)->UseRealTime();

// Sorts an unsorted list of 100 000 bookings into booking order.
void sortUnsortedBookings(benchmark::State& state) {
    const bench::LedgerOptions options;
    auto doc = bench::generateChartOfAccounts(options);
    const std::vector<CTWBuchung> bookings = bench::generateBookings(*doc, options);
    for (auto _ : state) {
        state.PauseTiming();
        LedgerLoading loading(*doc);
        loading.bookings().clear();
        for (const CTWBuchung& b : bookings)
            loading.bookings().push_back(std::make_unique<CTWBuchung>(b));
        state.ResumeTiming();
        loading.sortBuchungen();
        benchmark::DoNotOptimize(doc->bookings().front());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(bookings.size()));
}
BENCHMARK(sortUnsortedBookings)->Unit(benchmark::kMillisecond)->UseRealTime();

// Builds the whole generated ledger, for a sense of what every other benchmark starts from.
void generateLedger(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::generateLedger());
}
BENCHMARK(generateLedger)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
