#include "golden.h"
#include "ledger/win1252.h"
#include "reports/table_text.h"
#include "reports/view_kinds.h"
#include "sample_ledgers.h"

#include <gtest/gtest.h>

namespace {

using K = reports::ViewKind;
using testledger::date;

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
    testledger::Ledger l = testledger::householdLedger();
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
    l.doc.settings.accountsByCategorySortKey = 6;
    l.doc.settings.accountsByCategorySortDirection = 1;
    l.doc.settings.accountsByCategoryWithoutAccounts = 1;
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

TEST(ViewsGolden, DualCurrencyLedger) {
    testledger::Ledger l = testledger::dualCurrencyLedger();
    testgolden::expectGolden("reports/dual_view1.txt",
                             render(l.doc, K::Konten, "01.12.2001", "31.01.2002"));
    testgolden::expectGolden("reports/dual_view3.txt",
                             render(l.doc, K::KontenNachKategorien, "01.12.2001", "31.01.2002"));
    testgolden::expectGolden("reports/dual_view8.txt",
                             render(l.doc, K::Kategorien, "01.12.2001", "31.01.2002"));
}

} // namespace
