// Figures for the report builders: building and laying out the account and category views
// over the whole range of a generated ledger of 100 000 bookings.
#include "bench/ledger_generator.h"
#include "reports/report_builder.h"

#include <benchmark/benchmark.h>

namespace {

const ledger::CTalwerkDoc& sharedLedger(bool dual) {
    static const auto single = bench::generateLedger({});
    static const auto twoCurrencies = [] {
        bench::LedgerOptions options;
        options.dualCurrency = true;
        return bench::generateLedger(options);
    }();
    return dual ? *twoCurrencies : *single;
}

void buildAndLayOut(benchmark::State& state, int viewKind, bool dual) {
    const ledger::CTalwerkDoc& doc = sharedLedger(dual);
    reports::ReportParams params;
    params.viewKind = viewKind;
    params.start = doc.bookings().front()->date;
    params.end = doc.bookings().back()->date;
    const platform::FixedWidthMeasurer measurer;
    for (auto _ : state) {
        std::optional<reports::ReportTable> table = reports::buildReportTable(doc, params);
        benchmark::DoNotOptimize(table->layout(measurer, reports::LayoutTarget::Screen));
    }
    state.counters["bookings"] = static_cast<double>(doc.bookings().size());
}

BENCHMARK_CAPTURE(buildAndLayOut, accountsView, 1, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildAndLayOut, accountsByCategoryView, 3, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildAndLayOut, categoriesView, 8, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildAndLayOut, accountsViewDual, 1, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildAndLayOut, accountsByCategoryViewDual, 3, true)
    ->Unit(benchmark::kMillisecond);

} // namespace
