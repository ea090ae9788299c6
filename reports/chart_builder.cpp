#include "reports/chart_builder.h"

#include "reports/report_title.h"
#include "reports/value_series.h"

namespace reports {
namespace {

Chart createChart(const ledger::CTalwerkDoc& doc, const ReportParams& params,
                  const std::string& titleTemplate) {
    const int currency =
        doc.settings().dualCurrency != 0 && params.displayCurrency == ledger::WaehrungsIndex::Zweite
            ? 1
            : 0;
    Chart chart;
    chart.create(reportTitle(titleTemplate, doc, params),
                 currency == 0 ? doc.settings().firstCurrencySymbol
                               : doc.settings().secondCurrencySymbol,
                 params.start, params.end, params.periodKind, ChartSettings::of(doc.settings()),
                 doc.betragFormat(), doc.screenScale());
    return chart;
}

void fill(Chart& chart, ValueSeries& series, int value, int currency) {
    while (series.next())
        chart.setPoint(series.day(), series.value(value)[currency]);
}

// The parameters over the chart's range, with a resolved selection.
ReportParams chartParams(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    ReportParams p = params;
    p.start = chartStart(params);
    resolveSelection(doc, p.selection);
    return p;
}

} // namespace

ledger::CNVKDatum chartStart(const ReportParams& params) {
    if (params.start < params.end)
        return params.start;
    return ledger::CNVKDatum(std::max<uint32_t>(params.end.dayNumber(), 1) - 1);
}

Chart buildTotalChart(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    const ReportParams p = chartParams(doc, params);
    Chart chart = createChart(doc, p, doc.settings().totalChartTitle);
    if (p.valueKind < kGuthaben || p.valueKind > kAusgaben)
        return chart;
    const KontoIndex index(doc.accounts());
    ValueSeries series = ValueSeries::totals(doc, index, p);
    fill(chart, series, p.valueKind - 1,
         p.displayCurrency == ledger::WaehrungsIndex::Zweite ? 1 : 0);
    return chart;
}

Chart buildAccountChart(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    const ReportParams p = chartParams(doc, params);
    Chart chart = createChart(doc, p, doc.settings().accountChartTitle);
    if (p.selection.kind == Selection::kNone)
        return chart;
    const KontoIndex index(doc.accounts());
    ValueSeries series = ValueSeries::selection(doc, index, p);
    fill(chart, series, 0, p.displayCurrency == ledger::WaehrungsIndex::Zweite ? 1 : 0);
    return chart;
}

} // namespace reports
