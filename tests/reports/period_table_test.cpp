#include "reports/day_by_day.h"
#include "reports/periods.h"
#include "reports/report_params.h"
#include "support/test_ledger.h"

#include <gtest/gtest.h>

namespace {

using ledger::Vorgang;
using testsupport::date;
using testsupport::TestLedger;

struct Built {
    reports::KontoIndex index;
    reports::PeriodTable table;
};

// Values of one account after building the table for the range.
struct Figures {
    int32_t count;
    std::array<int64_t, 2> start;
    std::array<int64_t, 2> end;
    bool operator==(const Figures&) const = default;
};

Figures figures(const TestLedger& l, int32_t id, const char* from, const char* to,
                bool withoutProvisional = false) {
    const reports::KontoIndex index(l.doc.accounts());
    const reports::PeriodTable t =
        reports::buildPeriodTable(l.doc, index, date(from), date(to), withoutProvisional);
    const reports::PeriodRecord* r = t.record(id);
    return {r->bookingCount, r->startValue, r->endValue};
}

TEST(PeriodTable, RangeBoundsDecideWhereABookingCounts) {
    TestLedger l;
    const int32_t giro = l.asset("Giro", 1, 100000);
    const int32_t gehalt = l.income("Gehalt", 2);
    l.book("31.12.2023", Vorgang::Einnahme, giro, gehalt, 1000);
    l.book("01.01.2024", Vorgang::Einnahme, giro, gehalt, 200);
    l.book("31.01.2024", Vorgang::Einnahme, giro, gehalt, 30);
    l.book("01.02.2024", Vorgang::Einnahme, giro, gehalt, 4);

    // The start date belongs to the period, the end date to the end balance.
    EXPECT_EQ(figures(l, giro, "01.01.2024", "31.01.2024"),
              (Figures{2, {101000, 101000}, {101230, 101230}}));
    EXPECT_EQ(figures(l, gehalt, "01.01.2024", "31.01.2024"), (Figures{2, {0, 0}, {230, 230}}));
    // A range before every booking keeps the opening balance.
    EXPECT_EQ(figures(l, giro, "01.06.2023", "30.06.2023"),
              (Figures{0, {100000, 100000}, {100000, 100000}}));
}

TEST(PeriodTable, TransfersWithIncomeAndExpenseAccountsMoveTheirValues) {
    TestLedger l;
    const int32_t giro = l.asset("Giro", 1);
    const int32_t spar = l.asset("Spar", 2);
    const int32_t zinsen = l.income("Zinsen", 3);
    const int32_t gehalt = l.income("Gehalt", 4);
    const int32_t miete = l.expense("Miete", 5);
    const int32_t strom = l.expense("Strom", 6);
    l.book("02.01.2024", Vorgang::Umbuchung, giro, spar, 5000);
    l.book("03.01.2024", Vorgang::Umbuchung, giro, zinsen,
           700);                                                // refund of interest: lowers income
    l.book("04.01.2024", Vorgang::Umbuchung, miete, giro, 300); // refund of rent: lowers expense
    l.book("05.01.2024", Vorgang::Umbuchung, gehalt, strom, 80); // income straight into an expense
    l.book("06.01.2024", Vorgang::Umbuchung, strom, miete, 20);  // between two expense accounts
    l.book("07.01.2024", Vorgang::Umbuchung, zinsen, gehalt, 9); // between two income accounts

    auto end = [&](int32_t id) { return figures(l, id, "01.01.2024", "31.01.2024").end[0]; };
    EXPECT_EQ(end(giro), -5000 - 700 + 300);
    EXPECT_EQ(end(spar), 5000);
    EXPECT_EQ(end(zinsen), -700 + 9);
    EXPECT_EQ(end(miete), -300 + 20);
    EXPECT_EQ(end(gehalt), 80 - 9);
    EXPECT_EQ(end(strom), 80 - 20);
}

TEST(PeriodTable, ProvisionalBookingsCountOnlyWhenIncluded) {
    TestLedger l;
    const int32_t giro = l.asset("Giro", 1);
    const int32_t miete = l.expense("Miete", 2);
    l.book("01.12.2023", Vorgang::Ausgabe, giro, miete, 100, ledger::WaehrungsIndex::Erste, true);
    l.book("10.01.2024", Vorgang::Ausgabe, giro, miete, 50, ledger::WaehrungsIndex::Erste, true);
    l.book("11.01.2024", Vorgang::Ausgabe, giro, miete, 7);
    EXPECT_EQ(figures(l, giro, "01.01.2024", "31.01.2024", true), (Figures{1, {0, 0}, {-7, -7}}));
    EXPECT_EQ(figures(l, giro, "01.01.2024", "31.01.2024", false),
              (Figures{2, {-100, -100}, {-157, -157}}));
    EXPECT_EQ(figures(l, miete, "01.01.2024", "31.01.2024", false).end[0], 57);
}

TEST(PeriodTable, CurrencySwitchInsideTheRange) {
    TestLedger l(true); // EUR first, DM second
    const int32_t konto =
        l.asset("Sparbuch", 1, 195583, ledger::WaehrungsIndex::Zweite); // 1.955,83 DM
    const int32_t zinsen = l.income("Zinsen", 2);
    l.changeKonto(konto, [&](ledger::CTWKonto& k) { k.switchDates.push_back(date("01.01.2002")); });
    l.book("15.12.2001", Vorgang::Einnahme, konto, zinsen, 100,
           ledger::WaehrungsIndex::Erste); // 1,00 EUR booked into a DM account
    l.book("02.01.2002", Vorgang::Einnahme, konto, zinsen, 391166,
           ledger::WaehrungsIndex::Zweite); // 3.911,66 DM into a EUR account

    const Figures f = figures(l, konto, "01.12.2001", "31.01.2002");
    // Start in DM (its currency on the start date), end in EUR, each also converted: the
    // Euro became 1,96 DM, and the 1.957,79 DM became 1.001,00 EUR at the switch.
    EXPECT_EQ(f.start, (std::array<int64_t, 2>{100000, 195583}));
    EXPECT_EQ(f.end, (std::array<int64_t, 2>{100100 + 200000, 586945}));
    EXPECT_EQ(f.count, 2);
    // Interest: 1,96 DM (in the account's DM slot) and 2.000,00 EUR.
    const Figures z = figures(l, zinsen, "01.12.2001", "31.01.2002");
    EXPECT_EQ(z.end, (std::array<int64_t, 2>{200000 + 100, 391166 + 196}));
}

TEST(PeriodTable, ConversionRoundsHalfAwayFromZero) {
    TestLedger l(true, {3, 2});
    const reports::Umrechner u(l.doc);
    EXPECT_EQ(u.convert(1, 0), 2);   // t = 15
    EXPECT_EQ(u.convert(-1, 0), -2); // t = -15
    EXPECT_EQ(u.convert(-1, 1), -1); // t = -6 -> -0,6 -> -1
    EXPECT_EQ(u.convert(-2, 1), -1); // t = -13
    EXPECT_EQ(u.into(-7, 1, 1), -7);
    EXPECT_EQ(reports::Umrechner(TestLedger().doc).convert(-12345, 0), -12345);
}

TEST(PeriodTable, TotalFiguresCombineBothCurrencies) {
    TestLedger l(true, {2, 1}); // 1 EUR = 2 DM
    const int32_t giro = l.asset("Giro", 1, 1000);
    const int32_t dmKonto = l.asset("Alt", 2, 400, ledger::WaehrungsIndex::Zweite);
    const int32_t karte = l.asset("Karte", 3, -300);
    const int32_t gehalt = l.income("Gehalt", 4);
    const int32_t miete = l.expense("Miete", 5);
    l.book("05.01.2024", Vorgang::Einnahme, giro, gehalt, 500);
    l.book("06.01.2024", Vorgang::Ausgabe, dmKonto, miete, 100, ledger::WaehrungsIndex::Zweite);
    l.book("07.01.2024", Vorgang::Ausgabe, giro, miete, 50);

    const reports::KontoIndex index(l.doc.accounts());
    reports::DayByDay walk(l.doc, index, date("05.01.2024"), false);
    walk.advanceTo(date("06.01.2024"));
    EXPECT_EQ(walk.total(reports::kGuthaben, ledger::WaehrungsIndex::Erste), 1500 + 150);
    EXPECT_EQ(walk.total(reports::kGuthaben, ledger::WaehrungsIndex::Zweite), 300 + 3000);
    EXPECT_EQ(walk.total(reports::kSchulden, ledger::WaehrungsIndex::Erste), -300);
    EXPECT_EQ(walk.total(reports::kVermoegen, ledger::WaehrungsIndex::Erste), 1500 + 150 - 300);
    EXPECT_EQ(walk.total(reports::kEinnahmen, ledger::WaehrungsIndex::Erste), 500);
    EXPECT_EQ(walk.total(reports::kAusgaben, ledger::WaehrungsIndex::Zweite), 100);
    EXPECT_EQ(walk.total(reports::kSparbetrag, ledger::WaehrungsIndex::Erste), 500 - 50);
    walk.advanceTo(date("31.01.2024"));
    EXPECT_EQ(walk.total(reports::kAusgaben, ledger::WaehrungsIndex::Erste), 50 + 50);
    EXPECT_EQ(karte, 2);
}

TEST(Periods, KindsCloseRestartAndLabelPeriods) {
    using namespace reports;
    const ledger::CNVKDatum end = date("15.11.2024");
    EXPECT_TRUE(endsPeriod(kMonatswerte, date("29.02.2024"), end));
    EXPECT_FALSE(endsPeriod(kMonatswerte, date("28.02.2024"), end));
    EXPECT_TRUE(endsPeriod(kQuartalswerte, date("30.06.2024"), end));
    EXPECT_FALSE(endsPeriod(kQuartalswerte, date("31.05.2024"), end));
    EXPECT_TRUE(endsPeriod(kJahreswerte, date("15.11.2024"), end));
    EXPECT_FALSE(endsPeriod(kJahreswerte, date("30.11.2023"), end));
    EXPECT_TRUE(startsPeriod(kQuartalswerte, date("01.10.2024")));
    EXPECT_FALSE(startsPeriod(kQuartalswerte, date("01.11.2024")));
    EXPECT_FALSE(startsPeriod(kEntwicklung, date("01.01.2024")));
    EXPECT_EQ(periodLabel(kEntwicklung, date("05.03.2009")), "05.03.2009");
    EXPECT_EQ(periodLabel(kMonatswerte, date("05.03.2009")), "03/2009");
    EXPECT_EQ(periodLabel(kQuartalswerte, date("05.08.2009")), "III/2009");
    EXPECT_EQ(periodLabel(kJahreswerte, date("05.08.2009")), "2009");
    EXPECT_STREQ(periodColumnLabel(kQuartalswerte), "Quartal");
}

} // namespace
