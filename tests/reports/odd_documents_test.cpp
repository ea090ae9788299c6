// Documents that load but hold unusual values: huge amounts and rates, damaged table settings,
// bookings at the ends of the date range. The views must build, lay out and render them
// without overflow (the test build runs under the sanitizers).
#include "reports/day_by_day.h"
#include "reports/table_painter.h"
#include "reports/table_text.h"
#include "reports/view_kinds.h"
#include "support/test_ledger.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using ledger::Vorgang;
using testsupport::date;
using testsupport::TestLedger;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

// Builds, lays out (screen and printer) and renders every view kind that has a table.
void renderEveryView(const ledger::CTalwerkDoc& doc, const char* from, const char* to) {
    for (const reports::ViewKindInfo& info : reports::kViewKinds) {
        const int kind = reports::viewKindNumber(info.kind);
        reports::ReportParams p;
        p.viewKind = info.kind;
        p.start = date(from);
        p.end = date(to);
        std::optional<reports::ReportTable> t = reports::buildReportTable(doc, p);
        if (!t)
            continue;
        for (auto target : {reports::LayoutTarget::Screen, reports::LayoutTarget::Printer}) {
            const reports::TableSize size = t->layout(platform::FixedWidthMeasurer{}, target);
            // Every table has a title; lengths of a layout are bounded by 2^28.
            EXPECT_GT(size.width, 0) << "view " << kind;
            EXPECT_GT(size.height, 0) << "view " << kind;
            EXPECT_LE(size.width, 1 << 28) << "view " << kind;
            EXPECT_LE(size.height, 1 << 28) << "view " << kind;
        }
        EXPECT_FALSE(renderText(*t, reports::TextFormat::FixedWidths, "\n").empty());
    }
}

TEST(OddDocuments, HugeAmountsAndRatesSaturate) {
    TestLedger l(true, {kMax, 1});
    const int32_t reich = l.asset("Reich", 1, kMax);
    const int32_t arm = l.asset("Arm", 2, kMin, ledger::WaehrungsIndex::Zweite);
    const int32_t gehalt = l.income("Gehalt", 3);
    const int32_t miete = l.expense("Miete", 4);
    l.book("02.01.2024", Vorgang::Einnahme, reich, gehalt, kMax);
    l.book("03.01.2024", Vorgang::Ausgabe, arm, miete, kMax, ledger::WaehrungsIndex::Erste);
    l.book("04.01.2024", Vorgang::Umbuchung, arm, reich, kMin, ledger::WaehrungsIndex::Zweite);

    const reports::Umrechner u(l.doc);
    EXPECT_EQ(u.convert(kMax, 0), kMax);
    EXPECT_EQ(u.convert(kMin, 0), kMin);
    EXPECT_EQ(u.convert(kMin, 1), -1);
    renderEveryView(l.doc, "01.01.2024", "31.01.2024");
}

TEST(OddDocuments, OneCurrencyLedgerKeepsEveryAmountInItsCurrency) {
    TestLedger l; // one currency, but a damaged file names the second for an account and bookings
    const int32_t giro = l.asset("Giro", 1, 1000, ledger::WaehrungsIndex::Zweite);
    const int32_t gehalt = l.income("Gehalt", 2);
    const int32_t miete = l.expense("Miete", 3);
    l.changeKonto(giro, [&](ledger::CTWKonto& k) { k.switchDates.push_back(date("10.01.2024")); });
    l.book("05.01.2024", Vorgang::Einnahme, giro, gehalt, 300, ledger::WaehrungsIndex::Zweite);
    l.book("15.01.2024", Vorgang::Ausgabe, giro, miete, 100, ledger::WaehrungsIndex::Zweite);
    const reports::KontoIndex index(l.doc.accounts());
    const reports::PeriodTable t =
        reports::buildPeriodTable(l.doc, index, date("01.01.2024"), date("31.01.2024"), false);
    EXPECT_EQ(t.record(giro)->endValue[0], 1200);
    EXPECT_EQ(t.record(gehalt)->endValue[0], 300);
    EXPECT_EQ(t.record(miete)->endValue[0], 100);
    reports::DayByDay walk(l.doc, index, date("01.01.2024"), false);
    walk.advanceTo(date("31.01.2024"));
    EXPECT_EQ(walk.total(reports::kVermoegen, ledger::WaehrungsIndex::Erste), 1200);
    EXPECT_EQ(walk.total(reports::kSparbetrag, ledger::WaehrungsIndex::Erste), 200);
}

TEST(OddDocuments, DamagedTableSettingsStayWithinRange) {
    TestLedger l;
    const int32_t giro = l.asset("Girokonto mit einem langen Namen", 1, 100);
    const int32_t miete = l.expense("Miete", 2);
    l.book("02.01.2024", Vorgang::Ausgabe, giro, miete, 10);
    for (double scale : {std::nan(""), HUGE_VAL, 1e300, -3.0, 0.0}) {
        l.doc.setScreenScale(scale);
        renderEveryView(l.doc, "01.01.2024", "31.01.2024");
    }
    l.doc.setScreenScale(2.5);
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.rowHeight = std::numeric_limits<int32_t>::max();
        s.titleRowHeight = std::numeric_limits<int32_t>::max();
        s.fieldSpacing = std::numeric_limits<int32_t>::max();
        s.columnSpacing = std::numeric_limits<int32_t>::min();
        s.columnMargin = std::numeric_limits<int32_t>::max();
    });
    renderEveryView(l.doc, "01.01.2024", "31.01.2024");

    // A damaged scale lays the table out as if it were 1.
    reports::TableSettings s;
    s.screenScale = std::nan("");
    reports::ReportTable t(s, 1);
    t.setCell(t.addRow({}), 0, "Konto");
    const reports::TableSize size =
        t.layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Screen);
    EXPECT_EQ(size.width, 10 + 10 + 5 * 20 + 10 + 10);
}

TEST(OddDocuments, RangeEndsEmptyLedgersAndAccountsWithoutCategories) {
    TestLedger empty;
    renderEveryView(empty.doc, "02.01.1970", "18.01.2038");

    TestLedger l(true);
    const int32_t giro = l.asset("Giro", 1, 500, ledger::WaehrungsIndex::Zweite);
    const int32_t miete = l.expense("Miete", 2);
    l.changeKonto(giro, [&](ledger::CTWKonto& k) { k.switchDates.push_back(date("18.01.2038")); });
    l.changeKonto(giro, [&](ledger::CTWKonto& k) { k.category = 77; }); // refers to no category
    l.book("02.01.1970", Vorgang::Ausgabe, giro, miete, 5);
    l.book("18.01.2038", Vorgang::Ausgabe, giro, miete, 7);
    const reports::KontoIndex index(l.doc.accounts());
    const reports::PeriodTable t =
        reports::buildPeriodTable(l.doc, index, date("02.01.1970"), date("18.01.2038"), false);
    EXPECT_EQ(t.record(giro)->bookingCount, 2);
    EXPECT_EQ(t.record(giro)->endCurrency, 0);
    EXPECT_EQ(t.record(miete)->bookingCount, 2);
    renderEveryView(l.doc, "02.01.1970", "18.01.2038");
    renderEveryView(l.doc, "18.01.2038", "18.01.2038");
}

} // namespace
