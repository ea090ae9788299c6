#include "reports/value_tables.h"
#include "support/test_ledger.h"

#include <gtest/gtest.h>

namespace {

using namespace ledger;
using testsupport::date;

reports::ReportParams params(const char* from, const char* to, int periodKind) {
    reports::ReportParams p;
    p.start = date(from);
    p.end = date(to);
    p.periodKind = periodKind;
    return p;
}

// The cells of a row joined by "|", unset cells empty.
std::string rowText(const reports::ReportTable& t, int row) {
    std::string text;
    for (int c = 0; c < t.columnCount(); ++c)
        text.append(c ? "|" : "").append(t.cell(row, c).text);
    return text;
}

std::vector<std::string> dataRows(const reports::ReportTable& t) {
    std::vector<std::string> rows;
    for (int r = 3; r < t.rowCount(); ++r) // title and two column-title rows first
        rows.push_back(rowText(t, r));
    return rows;
}

// A Euro household: 1.000,00 on the giro account, wages in January, February and March and
// one expense in February.
struct Haushalt {
    testsupport::TestLedger l;
    int32_t giro = l.asset("Giro", 1, 100000);
    int32_t karte = l.asset("Karte", 2, 0);
    int32_t gehalt = l.income("Gehalt", 3);
    int32_t miete = l.expense("Miete", 4);

    Haushalt() {
        l.book("15.01.2024", Vorgang::Einnahme, giro, gehalt, 200000);
        l.book("01.02.2024", Vorgang::Einnahme, giro, gehalt, 50000);
        l.book("10.02.2024", Vorgang::Ausgabe, giro, miete, 30000);
        l.book("01.03.2024", Vorgang::Einnahme, giro, gehalt, 10000);
    }
};

TEST(TotalValuesView, MonthlyRowsRestartFlowsAndEndWithAverageAndSum) {
    Haushalt h;
    const reports::ReportTable t =
        reports::buildTotalValuesView(h.l.doc, params("01.01.2024", "31.03.2024", 1));
    EXPECT_EQ(rowText(t, 1), "Monat|Guthaben|Schulden|Vermögen|Sparbetrag|Einnahmen|Ausgaben|"
                             "Sparquote");
    EXPECT_EQ(rowText(t, 2), "|in EUR|in EUR|in EUR|in EUR|in EUR|in EUR|in %");
    // February's income is only February's; the balances include everything before. The
    // average is truncated (3.166,666...).
    EXPECT_EQ(dataRows(t), (std::vector<std::string>{
                               "01/2024|3.000,00|0,00|3.000,00|2.000,00|2.000,00|0,00|100,0%",
                               "02/2024|3.200,00|0,00|3.200,00|200,00|500,00|300,00|40,0%",
                               "03/2024|3.300,00|0,00|3.300,00|100,00|100,00|0,00|100,0%",
                               "Ø|3.166,66|0,00|3.166,66|766,66|866,66|100,00|",
                               "Summe||||2.300,00|2.600,00|300,00|",
                           }));
    EXPECT_GT(t.row(6).format.gapAbove, 0);
    EXPECT_GT(t.row(7).format.gapAbove, 0);
}

TEST(TotalValuesView, RowsCloseOnPeriodEndsAndOnTheEndDate) {
    Haushalt h;
    struct Fall {
        int periodKind;
        const char* to;
        std::vector<std::string> labels; // of the period rows, then "Ø" and maybe "Summe"
    };
    const Fall faelle[] = {
        {1, "10.03.2024", {"01/2024", "02/2024", "03/2024", "Ø", "Summe"}},
        {2, "10.03.2024", {"I/2024", "Ø", "Summe"}},
        {3, "31.12.2024", {"2024", "Ø", "Summe"}},
        {0, "03.01.2024", {"01.01.2024", "02.01.2024", "03.01.2024", "Ø"}},
    };
    for (const Fall& f : faelle) {
        const reports::ReportTable t =
            reports::buildTotalValuesView(h.l.doc, params("01.01.2024", f.to, f.periodKind));
        std::vector<std::string> labels;
        for (int r = 3; r < t.rowCount(); ++r)
            labels.emplace_back(t.cell(r, 0).text);
        EXPECT_EQ(labels, f.labels) << f.periodKind;
    }
    // The last row of a range ending in mid-month holds the figures of the end date.
    const reports::ReportTable t =
        reports::buildTotalValuesView(h.l.doc, params("01.01.2024", "10.02.2024", 1));
    EXPECT_EQ(rowText(t, 4), "02/2024|3.200,00|0,00|3.200,00|200,00|500,00|300,00|40,0%");
}

TEST(TotalValuesView, ColumnBitsSecondCurrencyAndExtraColumn) {
    testsupport::TestLedger l(true, {2, 1}); // 1 EUR = 2 DM
    const int32_t giro = l.asset("Giro", 1, 1000);
    const int32_t alt = l.asset("Alt", 2, -500, ledger::WaehrungsIndex::Zweite);
    const int32_t gehalt = l.income("Gehalt", 3);
    l.book("02.01.2024", Vorgang::Einnahme, alt, gehalt, 100, ledger::WaehrungsIndex::Zweite);
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.totalValuesData = reports::kWerteSpalteDatum |
                            reports::totalValueBit(reports::kSchulden, 1) |
                            reports::totalValueBit(reports::kEinnahmen, 0);
    });
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.totalValuesExtraColumn = 1; });
    const reports::ReportTable t =
        reports::buildTotalValuesView(l.doc, params("01.01.2024", "02.01.2024", 0));
    EXPECT_EQ(rowText(t, 1), "Datum|Schulden|Einnahmen|");
    EXPECT_EQ(rowText(t, 2), "|in DM|in EUR|");
    EXPECT_EQ(dataRows(t), (std::vector<std::string>{"01.01.2024|-5,00|0,00|",
                                                     "02.01.2024|-4,00|0,50|", "Ø|-4,50|0,25|"}));
    EXPECT_EQ(giro, 0);
}

TEST(AccountValuesView, FlowsOfASelectionRestartAndAreSummed) {
    Haushalt h;
    reports::ReportParams p = params("01.01.2024", "31.03.2024", 1);
    p.selection = {reports::Selection::kKonto, h.gehalt};
    const reports::ReportTable income = reports::buildAccountValuesView(h.l.doc, p);
    EXPECT_EQ(rowText(income, 0), "Wertetabelle für Konto Gehalt (01.01.2024 bis 31.03.2024)||");
    EXPECT_EQ(rowText(income, 1), "Monat|Wert|");
    EXPECT_EQ(dataRows(income),
              (std::vector<std::string>{"01/2024|2.000,00|", "02/2024|500,00|", "03/2024|100,00|",
                                        "Ø|866,66|", "Summe|2.600,00|"}));

    // A balance is never rebased and has no sum.
    p.selection = {reports::Selection::kKonto, h.giro};
    EXPECT_EQ(dataRows(reports::buildAccountValuesView(h.l.doc, p)),
              (std::vector<std::string>{"01/2024|3.000,00|", "02/2024|3.200,00|",
                                        "03/2024|3.300,00|", "Ø|3.166,66|"}));

    // Without a valid selection only the titles stand.
    p.selection = {reports::Selection::kKonto, 99};
    const reports::ReportTable none = reports::buildAccountValuesView(h.l.doc, p);
    EXPECT_EQ(none.rowCount(), 3);
    EXPECT_EQ(rowText(none, 0),
              "Wertetabelle für <bitte Konto/Kategorie auswählen>  (01.01.2024 bis 31.03.2024)||");
}

TEST(AccountValuesView, CategorySumsItsAccountsInTheirCurrencyOfTheDay) {
    testsupport::TestLedger l(true, {2, 1}); // 1 EUR = 2 DM
    const int32_t bank = l.category(KontoArt::Bestandskonto, "Bank");
    const int32_t giro =
        l.account(KontoArt::Bestandskonto, "Giro", 1, 1000, ledger::WaehrungsIndex::Erste, bank);
    const int32_t alt =
        l.account(KontoArt::Bestandskonto, "Alt", 2, 3001, ledger::WaehrungsIndex::Zweite, bank);
    l.changeKonto(alt, [](ledger::CTWKonto& k) { k.switchDates.push_back(date("02.01.2024")); });
    l.asset("Fremd", 3, 777);
    reports::ReportParams p = params("01.01.2024", "02.01.2024", 0);
    p.selection = {reports::Selection::kKategorie, -1, KontoArt::Bestandskonto, bank};
    // 01.01.: 10,00 EUR and 30,01 DM; 02.01.: the DM account holds 15,01 EUR (30,01 / 2
    // rounded), so both amounts are in Euro that day.
    EXPECT_EQ(dataRows(reports::buildAccountValuesView(l.doc, p)),
              (std::vector<std::string>{"01.01.2024|25,01|50,01|", "02.01.2024|25,01|50,02|",
                                        "Ø|25,01|50,01|"}));
    EXPECT_EQ(giro, 0);
}

} // namespace
