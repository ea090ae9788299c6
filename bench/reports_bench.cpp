// Figures for the report builders: building and laying out the views, computing and drawing
// the charts over the whole range of a generated ledger of 100 000 bookings.
#include "bench/ledger_generator.h"
#include "reports/chart_builder.h"
#include "reports/chart_painter.h"
#include "reports/svg_surface.h"
#include "reports/view_kinds.h"

#include <benchmark/benchmark.h>

namespace {

ledger::CTalwerkDoc& sharedLedger(bool dual) {
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
    params.start = doc.bookings().front()->date;
    params.end = doc.bookings().back()->date;
    const platform::FixedWidthMeasurer measurer;
    for (auto _ : state) {
        std::optional<reports::ReportTable> table = reports::buildReportTable(doc, params);
        benchmark::DoNotOptimize(table->layout(measurer, reports::LayoutTarget::Screen));
    }
    state.counters["bookings"] = static_cast<double>(doc.bookings().size());
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

// The value tables, the period comparison and the charts over the whole 30 years.
namespace {

reports::ReportParams wholeRange(const ledger::CTalwerkDoc& doc, reports::ViewKind viewKind) {
    reports::ReportParams params;
    params.viewKind = viewKind;
    params.start = doc.bookings().front()->date;
    params.end = doc.bookings().back()->date;
    return params;
}

// The period comparison with monthly periods (about 360 of them).
void periodComparisonMonthly(benchmark::State& state, bool dual) {
    ledger::CTalwerkDoc& doc = sharedLedger(dual);
    doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.comparisonPeriodType = 0;
        s.comparisonAssetValue = static_cast<int>(state.range(0));
    });
    const reports::ReportParams params = wholeRange(doc, reports::ViewKind::Periodenvergleich);
    const platform::FixedWidthMeasurer measurer;
    for (auto _ : state) {
        std::optional<reports::ReportTable> table = reports::buildReportTable(doc, params);
        benchmark::DoNotOptimize(table->layout(measurer, reports::LayoutTarget::Screen));
    }
    doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.comparisonAssetValue = 0; });
}

void totalChartComputed(benchmark::State& state) {
    const ledger::CTalwerkDoc& doc = sharedLedger(false);
    reports::ReportParams params = wholeRange(doc, reports::ViewKind::DiagrammGesamt);
    params.valueKind = reports::kVermoegen;
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::buildTotalChart(doc, params));
}

// A surface that only counts, so that the figure is the painter's own work.
class CountingSurface final : public platform::Surface {
public:
    int textWidth(const platform::FontSpec& font, std::string_view text) const override {
        return measurer_.textWidth(font, text);
    }
    void fillRect(const platform::Rect&, platform::Color) override { ++calls; }
    void drawLine(int, int, int, int, int, platform::Color) override { ++calls; }
    void drawText(const platform::Rect&, std::string_view, const platform::FontSpec&,
                  platform::HAlign, platform::Color) override {
        ++calls;
    }
    void setClip(const platform::Rect&) override {}
    void resetClip() override {}
    int dotsPerInch() const override { return 96; }
    long calls = 0;

private:
    platform::FixedWidthMeasurer measurer_;
};

void totalChartDrawn(benchmark::State& state, bool svg) {
    const ledger::CTalwerkDoc& doc = sharedLedger(false);
    reports::ReportParams params = wholeRange(doc, reports::ViewKind::DiagrammGesamt);
    params.valueKind = reports::kVermoegen;
    const reports::Chart chart = reports::buildTotalChart(doc, params);
    long calls = 0;
    for (auto _ : state) {
        if (svg) {
            reports::SvgSurface surface;
            reports::drawChart(chart, surface, reports::ChartTarget::Screen, 0, 0);
            benchmark::DoNotOptimize(surface.document({0, 0, 1500, -1000}));
        } else {
            CountingSurface surface;
            reports::drawChart(chart, surface, reports::ChartTarget::Screen, 0, 0);
            calls = surface.calls;
        }
    }
    state.counters["points"] = static_cast<double>(chart.points().size());
    state.counters["calls"] = static_cast<double>(calls);
}

} // namespace

BENCHMARK_CAPTURE(buildAndLayOut, totalValuesDays, reports::ViewKind::WertetabelleGesamt, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildAndLayOut, totalValuesDaysDual, reports::ViewKind::WertetabelleGesamt, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(periodComparisonMonthly, single, false)
    ->Arg(0)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(periodComparisonMonthly, dual, true)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(totalChartComputed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(totalChartDrawn, painter, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(totalChartDrawn, svg, true)->Unit(benchmark::kMillisecond);
