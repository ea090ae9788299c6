// Figures for the ledger document: keeping the booking order while adding, and restoring it.
#include "bench/ledger_generator.h"
#include "ledger/ledger_loading.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

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
        doc = bench::generateChartOfAccounts(options);
        LedgerLoading loading(*doc);
        for (const CTWBuchung& b : bookings)
            loading.appendBuchung(b);
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

// Heap bytes in use, for what an undo step holds.
std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// Removes every second booking of the generated ledger (50 000 of 100 000) in one change set
// and takes the step back. The step keeps the removed records themselves and their places.
void removeHalfTheBookingsAndUndo(benchmark::State& state) {
    auto doc = bench::generateLedger();
    std::vector<int32_t> serials;
    for (std::size_t i = 0; i < doc->bookings().size(); i += 2)
        serials.push_back(doc->bookings()[i]->serial);
    std::size_t stepBytes = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        doc->beginAenderung();
        doc->removeBuchungen(serials);
        Aenderung step = doc->commitAenderung();
        stepBytes = heapInUse() - before;
        doc->undo(step);
    }
    state.counters["step_bytes_beyond_records"] = static_cast<double>(stepBytes);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(serials.size()));
}
BENCHMARK(removeHalfTheBookingsAndUndo)->Unit(benchmark::kMillisecond)->UseRealTime();

// Adds 1 000 bookings spread over the years to the generated ledger in one step (executing
// due bookings, an import) and takes them back.
void addThousandBookingsAndUndo(benchmark::State& state) {
    bench::LedgerOptions options;
    auto doc = bench::generateLedger(options);
    options.bookingCount = 1'000;
    options.seed += 1;
    const std::vector<CTWBuchung> added = bench::generateBookings(*doc, options);
    for (auto _ : state) {
        doc->beginAenderung();
        doc->addBuchungen(added);
        Aenderung step = doc->commitAenderung();
        doc->undo(step);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(added.size()));
}
BENCHMARK(addThousandBookingsAndUndo)->Unit(benchmark::kMillisecond)->UseRealTime();

// A history of 100 steps on the generated ledger, as the desktop program keeps it: one bulk
// delete of 50 000 bookings, then 99 edits of single bookings. Reports what the steps estimate
// they hold (Aenderung::bytes, the figure the history's memory bound counts) and what the heap
// gives back when they are dropped.
void hundredStepsWithABulkDelete(benchmark::State& state) {
    std::size_t estimated = 0;
    std::size_t held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = bench::generateLedger();
        std::vector<int32_t> serials;
        for (std::size_t i = 0; i < doc->bookings().size(); i += 2)
            serials.push_back(doc->bookings()[i]->serial);
        state.ResumeTiming();
        std::vector<Aenderung> steps;
        doc->beginAenderung();
        doc->removeBuchungen(serials);
        steps.push_back(doc->commitAenderung());
        for (int i = 0; i < 99; ++i) {
            const int index = static_cast<int>(doc->bookings().size()) / 100 * i;
            CTWBuchung edited = *doc->bookings()[static_cast<std::size_t>(index)];
            edited.text = "Geänderter Buchungstext " + std::to_string(i);
            doc->beginAenderung();
            doc->replaceBuchung(index, std::move(edited));
            steps.push_back(doc->commitAenderung());
        }
        state.PauseTiming();
        estimated = 0;
        for (const Aenderung& step : steps)
            estimated += step.bytes();
        const std::size_t before = heapInUse();
        steps.clear();
        held = before - heapInUse();
        state.ResumeTiming();
    }
    state.counters["estimated_bytes"] = static_cast<double>(estimated);
    state.counters["held_bytes"] = static_cast<double>(held);
}
BENCHMARK(hundredStepsWithABulkDelete)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
