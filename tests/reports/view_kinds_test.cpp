// The table of view kinds: the numbers stored in the settings and given on command lines map
// to kinds and back, every kind has exactly one row, and the table/chart pairs agree.
#include "reports/view_kinds.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using K = reports::ViewKind;

TEST(ViewKinds, NumbersMapToKindsAndBack) {
    const std::pair<int, K> known[] = {{1, K::Konten},
                                       {2, K::Buchungen},
                                       {3, K::KontenNachKategorien},
                                       {4, K::BuchungenKonto},
                                       {5, K::WertetabelleGesamt},
                                       {6, K::WertetabelleKonto},
                                       {7, K::BuchungenGefiltert},
                                       {8, K::Kategorien},
                                       {9, K::Periodenvergleich},
                                       {101, K::DiagrammGesamt},
                                       {102, K::DiagrammKonto}};
    for (const auto& [number, kind] : known) {
        EXPECT_EQ(reports::viewKindFromNumber(number), kind) << number;
        EXPECT_EQ(reports::viewKindNumber(kind), number);
        EXPECT_EQ(reports::viewKindInfo(kind).kind, kind);
    }
    for (int number : {-1, 0, 10, 100, 103, 1001})
        EXPECT_FALSE(reports::viewKindFromNumber(number)) << number;
}

TEST(ViewKinds, EveryKindHasOneRowInMenuOrder) {
    std::set<K> seen;
    for (const reports::ViewKindInfo& info : reports::kViewKinds)
        EXPECT_TRUE(seen.insert(info.kind).second) << reports::viewKindNumber(info.kind);
    EXPECT_EQ(reports::kViewKinds.front().kind, K::Konten);
    EXPECT_EQ(reports::kViewKinds[1].kind, K::KontenNachKategorien);
    EXPECT_EQ(reports::kViewKinds.back().kind, K::DiagrammKonto);
}

TEST(ViewKinds, ValueTablesAndChartsArePairs) {
    for (const reports::ViewKindInfo& info : reports::kViewKinds) {
        if (!info.counterpart)
            continue;
        const reports::ViewKindInfo& other = reports::viewKindInfo(*info.counterpart);
        EXPECT_EQ(other.counterpart, info.kind);
        EXPECT_NE(other.chart, info.chart);
    }
    EXPECT_EQ(reports::optionsPage(K::DiagrammKonto), K::DiagrammGesamt);
    EXPECT_EQ(reports::optionsPage(K::Buchungen), K::Buchungen);
}

TEST(ViewKinds, TablesAndChartsComeFromTheirBuilders) {
    const ledger::CTalwerkDoc doc;
    for (const reports::ViewKindInfo& info : reports::kViewKinds) {
        // Every kind can be shown: a chart by its chart builder, a table by its table builder.
        EXPECT_EQ(info.chartBuilder != nullptr, info.chart) << reports::viewKindNumber(info.kind);
        EXPECT_EQ(info.builder != nullptr, !info.chart) << reports::viewKindNumber(info.kind);
        reports::ReportParams params;
        params.viewKind = info.kind;
        EXPECT_EQ(reports::buildReportTable(doc, params).has_value(), !info.chart)
            << reports::viewKindNumber(info.kind);
        EXPECT_EQ(reports::buildChart(doc, params).has_value(), info.chart)
            << reports::viewKindNumber(info.kind);
    }
}

} // namespace
