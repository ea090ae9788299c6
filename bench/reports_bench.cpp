// Figures for the report builders: building and laying out the account and category views
// over the whole range of a generated ledger of 100 000 bookings.
#include "bench/ledger_generator.h"
#include "reports/view_kinds.h"

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

void buildAndLayOut(benchmark::State& state, reports::ViewKind viewKind, bool dual) {
    const ledger::CTalwerkDoc& doc = sharedLedger(dual);
    reports::ReportParams params;
    params.viewKind = viewKind;
    params.start = doc.bookings.front()->date;
    params.end = doc.bookings.back()->date;
    const platform::FixedWidthMeasurer measurer;
    for (auto _ : state) {
        std::optional<reports::ReportTable> table = reports::buildReportTable(doc, params);
        benchmark::DoNotOptimize(table->layout(measurer, reports::LayoutTarget::Screen));
    }
    state.counters["bookings"] = static_cast<double>(doc.bookings.size());
}

BENCHMARK_CAPTURE(buildAndLayOut, accountsView, reports::ViewKind::Konten, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildAndLayOut, accountsByCategoryView, reports::ViewKind::KontenNachKategorien,
                  false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildAndLayOut, categoriesView, reports::ViewKind::Kategorien, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildAndLayOut, accountsViewDual, reports::ViewKind::Konten, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildAndLayOut, accountsByCategoryViewDual,
                  reports::ViewKind::KontenNachKategorien, true)
    ->Unit(benchmark::kMillisecond);

} // namespace
