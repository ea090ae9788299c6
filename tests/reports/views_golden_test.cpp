#include "golden.h"
#include "ledger/win1252.h"
#include "reports/table_text.h"
#include "reports/view_kinds.h"
#include "sample_ledgers.h"

#include <gtest/gtest.h>

namespace {

using K = reports::ViewKind;
using testsupport::date;

// The view rendered as fixed-width text, converted to UTF-8 so that the golden files read.
std::string render(const ledger::CTalwerkDoc& doc, reports::ViewKind viewKind, const char* from,
                   const char* to, reports::TextFormat format = reports::TextFormat::FixedWidths) {
    reports::ReportParams p;
    p.viewKind = viewKind;
    p.start = date(from);
    p.end = date(to);
    std::optional<reports::ReportTable> table = reports::buildReportTable(doc, p);
    table->layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
    return ledger::toUtf8(reports::renderText(*table, format, reports::kClipboardLineEnd));
}

TEST(ViewsGolden, HouseholdLedger) {
    testsupport::TestLedger l = testsupport::householdLedger();
    testgolden::expectGolden("reports/household_view1.txt",
                             render(l.doc, K::Konten, "01.01.2024", "31.03.2024"));
    testgolden::expectGolden(
        "reports/household_view1_tabs.txt",
        render(l.doc, K::Konten, "01.01.2024", "31.03.2024", reports::TextFormat::Tabs));
    testgolden::expectGolden("reports/household_view3.txt",
                             render(l.doc, K::KontenNachKategorien, "01.01.2024", "31.03.2024"));
    testgolden::expectGolden("reports/household_view8.txt",
                             render(l.doc, K::Kategorien, "01.01.2024", "31.03.2024"));
    // Grouped by the first alternative assignment, sorted by end value descending, without
    // accounts.
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.accountsByCategorySortKey = 6;
        s.accountsByCategorySortDirection = 1;
        s.accountsByCategoryWithoutAccounts = 1;
    });
    reports::ReportParams p;
    p.viewKind = K::KontenNachKategorien;
    p.start = date("01.01.2024");
    p.end = date("31.03.2024");
    p.grouping = 1;
    p.withoutProvisional = true;
    std::optional<reports::ReportTable> t = reports::buildReportTable(l.doc, p);
    t->layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
    testgolden::expectGolden(
        "reports/household_view3_alt1.txt",
        ledger::toUtf8(
            reports::renderText(*t, reports::TextFormat::FixedWidths, reports::kClipboardLineEnd)));
}

// A value table or period comparison over the range with the period kind and selection.
std::string renderValues(const ledger::CTalwerkDoc& doc, reports::ViewKind viewKind,
                         const char* from, const char* to, int periodKind,
                         reports::Selection selection = {}) {
    reports::ReportParams p;
    p.viewKind = viewKind;
    p.start = date(from);
    p.end = date(to);
    p.periodKind = periodKind;
    p.selection = selection;
    std::optional<reports::ReportTable> table = reports::buildReportTable(doc, p);
    table->layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
    return ledger::toUtf8(
        reports::renderText(*table, reports::TextFormat::FixedWidths, reports::kClipboardLineEnd));
}

TEST(ViewsGolden, ValueTables) {
    using reports::Selection;
    const testsupport::TestLedger household = testsupport::householdLedger();
    const ledger::CTalwerkDoc& h = household.doc;
    testgolden::expectGolden("reports/household_view5_months.txt",
                             renderValues(h, K::WertetabelleGesamt, "01.01.2024", "10.04.2024", 1));
    testgolden::expectGolden("reports/household_view5_days.txt",
                             renderValues(h, K::WertetabelleGesamt, "28.02.2024", "05.03.2024", 0));
    // Category "Wohnen" (expenses) per quarter, and the giro account day by day.
    testgolden::expectGolden(
        "reports/household_view6_wohnen.txt",
        renderValues(
            h, K::WertetabelleKonto, "01.12.2023", "10.04.2024", 2,
            {Selection::kKategorie, -1, ledger::KontoArt::Ausgabenkonto,
             h.categories()
                 .findKategorie(ledger::KontoArt::Ausgabenkonto, std::string_view("Wohnen"))
                 ->id}));
    testgolden::expectGolden("reports/household_view6_giro.txt",
                             renderValues(h, K::WertetabelleKonto, "27.03.2024", "02.04.2024", 0,
                                          {Selection::kKonto, h.accounts()[0]->id}));

    const testsupport::TestLedger dual = testsupport::dualCurrencyLedger();
    const ledger::CTalwerkDoc& d = dual.doc;
    testgolden::expectGolden("reports/dual_view5_months.txt",
                             renderValues(d, K::WertetabelleGesamt, "01.11.2001", "31.01.2002", 1));
    testgolden::expectGolden("reports/dual_view6_spar.txt",
                             renderValues(d, K::WertetabelleKonto, "30.12.2001", "03.01.2002", 0,
                                          {Selection::kKonto, d.accounts()[1]->id}));
}

TEST(ViewsGolden, PeriodComparison) {
    testsupport::TestLedger household = testsupport::householdLedger();
    testgolden::expectGolden(
        "reports/household_view9.txt",
        renderValues(household.doc, K::Periodenvergleich, "01.01.2024", "10.04.2024", 0));
    // Flat, sorted by number descending, with shares, the change from the first to the third
    // month and the average balance of each month.
    household.doc.changeSettings([](ledger::CTWEinstellungen& s) {
        s.comparisonLayout = 0;
        s.periodComparisonSortKey = 1;
        s.periodComparisonSortDirection = 1;
        s.periodComparisonData = 0x1 | 0x2 | 0x100 | 0x1000 | 0x4000 | 0x10000 | 0x20000;
        s.comparisonAssetValue = 2;
        s.changeToPeriod = 3;
    });
    testgolden::expectGolden(
        "reports/household_view9_flat.txt",
        renderValues(household.doc, K::Periodenvergleich, "01.01.2024", "31.03.2024", 0));

    testsupport::TestLedger dual = testsupport::dualCurrencyLedger();
    dual.doc.changeSettings([](ledger::CTWEinstellungen& s) { s.comparisonCurrency = 1; });
    testgolden::expectGolden("reports/dual_view9.txt", renderValues(dual.doc, K::Periodenvergleich,
                                                                    "01.12.2001", "31.01.2002", 0));
}

TEST(ViewsGolden, DualCurrencyLedger) {
    testsupport::TestLedger l = testsupport::dualCurrencyLedger();
    testgolden::expectGolden("reports/dual_view1.txt",
                             render(l.doc, K::Konten, "01.12.2001", "31.01.2002"));
    testgolden::expectGolden("reports/dual_view3.txt",
                             render(l.doc, K::KontenNachKategorien, "01.12.2001", "31.01.2002"));
    testgolden::expectGolden("reports/dual_view8.txt",
                             render(l.doc, K::Kategorien, "01.12.2001", "31.01.2002"));
}

} // namespace
