#include "reports/period_comparison.h"
#include "reports/period_comparison_view.h"
#include "reports/perioden_ausw_form.h"
#include "support/test_ledger.h"

#include <gtest/gtest.h>

namespace {

using namespace ledger;
using reports::CPeriodenAuswForm;
using reports::PeriodWindow;
using testsupport::date;

std::vector<std::string> texts(const std::vector<reports::ComparisonPeriod>& periods) {
    std::vector<std::string> out;
    for (const auto& p : periods)
        out.push_back(p.start.text() + "-" + p.end.text());
    return out;
}

TEST(ComparisonPeriods, WindowsAreCutToMonthsAndClippedToTheRange) {
    struct Fall {
        const char* from;
        const char* to;
        int type;
        PeriodWindow window;
        std::vector<std::string> expected;
    };
    const Fall faelle[] = {
        {"15.01.2024",
         "10.03.2024",
         reports::kMonate,
         {1, 1, 31, 1},
         {"15.01.2024-31.01.2024", "01.02.2024-29.02.2024", "01.03.2024-10.03.2024"}},
        {"15.01.2023",
         "10.03.2023",
         reports::kMonate,
         {1, 1, 31, 1},
         {"15.01.2023-31.01.2023", "01.02.2023-28.02.2023", "01.03.2023-10.03.2023"}},
        // From day 31: a 30-day month starts on day 30; a window before the range is left out.
        {"01.03.2024",
         "30.04.2024",
         reports::kMonate,
         {31, 1, 31, 1},
         {"31.03.2024-31.03.2024", "30.04.2024-30.04.2024"}},
        {"20.03.2024", "30.04.2024", reports::kMonate, {1, 1, 10, 1}, {"01.04.2024-10.04.2024"}},
        // Quarters: from 15 of the second month to the end of the third.
        {"01.01.2024",
         "31.12.2024",
         reports::kQuartale,
         {15, 2, 31, 3},
         {"15.02.2024-31.03.2024", "15.05.2024-30.06.2024", "15.08.2024-30.09.2024",
          "15.11.2024-31.12.2024"}},
        {"01.07.2023",
         "30.06.2024",
         reports::kJahre,
         {1, 1, 31, 12},
         {"01.07.2023-31.12.2023", "01.01.2024-30.06.2024"}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(texts(reports::comparisonPeriods(date(f.from), date(f.to), f.type, f.window)),
                  f.expected)
            << f.from << " " << f.type;
}

TEST(ComparisonPeriods, AverageBalanceIsTheTruncatedMeanOfTheDays) {
    testsupport::TestLedger l;
    const int32_t giro = l.asset("Giro", 1, 10000);
    const int32_t gehalt = l.income("Gehalt", 2);
    l.book("11.04.2024", Vorgang::Einnahme, giro, gehalt, 10000);
    l.book("11.04.2024", Vorgang::Einnahme, giro, gehalt, 5000);
    l.book("11.04.2024", Vorgang::Ausgabe, giro, gehalt, 5000); // same day: only the end counts
    const reports::KontoIndex index(l.doc.accounts());
    const std::vector<reports::ComparisonPeriod> april{{date("01.04.2024"), date("30.04.2024")},
                                                       {date("01.05.2024"), date("02.05.2024")}};
    // 100,00 on 10 days and 200,00 on 20 days: 166,666... is cut to 166,66.
    const reports::PeriodFigures mean = reports::comparePeriods(
        l.doc, index, april, reports::kKontostandMittel, ledger::WaehrungsIndex::Erste, false);
    EXPECT_EQ(mean.values[0], (std::vector<int64_t>{16666, 20000}));
    const reports::PeriodFigures start = reports::comparePeriods(
        l.doc, index, april, reports::kKontostandAnfang, ledger::WaehrungsIndex::Erste, false);
    EXPECT_EQ(start.values[0], (std::vector<int64_t>{10000, 20000}));
    const reports::PeriodFigures end = reports::comparePeriods(
        l.doc, index, april, reports::kKontostandEnde, ledger::WaehrungsIndex::Erste, false);
    EXPECT_EQ(end.values[0], (std::vector<int64_t>{20000, 20000}));
    EXPECT_EQ(end.values[1], (std::vector<int64_t>{10000, 0})); // the income of each period
    EXPECT_EQ(end.bookingCounts[0], 3);
}

TEST(PeriodenAuswForm, CountsPeriodsAndKeepsTheChangeValid) {
    CTWEinstellungen s;
    s.changeFromPeriod = 2;
    s.changeToPeriod = 5;
    CPeriodenAuswForm form(s, date("15.01.2024"), date("10.03.2024"));
    EXPECT_EQ(form.countText(), "(3 Perioden)");
    EXPECT_TRUE(form.changeEnabled());
    EXPECT_EQ(form.fromPeriod, 2);
    EXPECT_EQ(form.toPeriod, 3);
    EXPECT_EQ(form.changePeriodsText(), "01.02.2024 - 29.02.2024 / 01.03.2024 - 10.03.2024");

    // Quarters: one period; the numbers fall back to 1 and 2 and no windows are shown.
    form.setPeriodType(reports::kQuartale);
    EXPECT_EQ(form.countText(), "(1 Periode, 2 notwendig)");
    EXPECT_FALSE(form.changeEnabled());
    EXPECT_EQ(form.fromPeriod, 1);
    EXPECT_EQ(form.toPeriod, 2);
    EXPECT_EQ(form.changePeriodsText(), "");
    // A window of days 20 to 25 of the third month: March's lies after the range.
    form.window = {20, 3, 25, 3};
    form.leaveField(CPeriodenAuswForm::Feld::EndTag);
    EXPECT_EQ(form.countText(), "(0 Perioden, 2 notwendig)");
}

TEST(PeriodenAuswForm, WindowFieldsStayInRangeAndNeverRunBackwards) {
    using F = CPeriodenAuswForm::Feld;
    struct Fall {
        int type;
        PeriodWindow typed;
        F left;
        PeriodWindow expected;
    };
    const Fall faelle[] = {
        {reports::kMonate, {0, 5, 40, 1}, F::StartTag, {1, 1, 31, 1}},
        {reports::kQuartale, {1, 0, 31, 7}, F::EndMonat, {1, 1, 31, 3}},
        // The start month moved after the end month: the start goes back to the end.
        {reports::kJahre, {5, 9, 20, 6}, F::StartMonat, {20, 6, 20, 6}},
        // The end month moved before the start month: the end goes forward to the start.
        {reports::kJahre, {5, 9, 20, 6}, F::EndMonat, {5, 9, 5, 9}},
        // Equal months: the end day is at least the start day.
        {reports::kJahre, {15, 4, 10, 4}, F::StartTag, {15, 4, 15, 4}},
    };
    for (const Fall& f : faelle) {
        CPeriodenAuswForm form(CTWEinstellungen{}, date("01.01.2024"), date("31.12.2024"));
        form.setPeriodType(f.type);
        form.window = f.typed;
        form.leaveField(f.left);
        EXPECT_EQ(form.window, f.expected) << f.type << " " << static_cast<int>(f.left);
    }
}

TEST(PeriodenAuswForm, EachTypeKeepsItsWindowAndOkStoresEverything) {
    CTWEinstellungen s;
    s.dualCurrency = 1;
    CPeriodenAuswForm form(s, date("01.01.2024"), date("31.12.2024"));
    form.window = {5, 1, 25, 1};
    form.leaveField(CPeriodenAuswForm::Feld::EndTag);
    form.setPeriodType(reports::kJahre);
    EXPECT_EQ(form.window, (PeriodWindow{1, 1, 31, 12}));
    form.window = {1, 3, 31, 3};
    form.setPeriodType(reports::kMonate);
    EXPECT_EQ(form.window, (PeriodWindow{5, 1, 25, 1}));
    form.komplettePerioden();
    EXPECT_EQ(form.window, (PeriodWindow{1, 1, 31, 1}));
    form.setPeriodType(reports::kJahre);
    form.layout = 0;
    form.assetValue = 2;
    form.currency = 1;
    form.showChange = true;
    form.ok(s);
    EXPECT_EQ(s.comparisonPeriodType, reports::kJahre);
    EXPECT_EQ(s.yearWindowStartMonth, 3);
    EXPECT_EQ(s.yearWindowEndMonth, 3);
    EXPECT_EQ(s.monthWindowStartDay, 1);
    EXPECT_EQ(s.comparisonLayout, 0);
    EXPECT_EQ(s.comparisonAssetValue, 2);
    EXPECT_EQ(s.comparisonCurrency, 1);
    EXPECT_EQ(s.periodComparisonData & 0x4000, 0x4000u);
}

} // namespace
