#include "reports/account_columns.h"
#include "reports/accounts_by_category_view.h"
#include "reports/accounts_view.h"
#include "support/test_ledger.h"

#include <gtest/gtest.h>

namespace {

using ledger::Vorgang;
using reports::ReportTable;
using testsupport::date;
using testsupport::TestLedger;

reports::ReportParams range(const char* from, const char* to) {
    reports::ReportParams p;
    p.start = date(from);
    p.end = date(to);
    return p;
}

// The text of column 0 (or the first set cell) of every row, for checking row order.
std::vector<std::string> rowLabels(const ReportTable& t) {
    std::vector<std::string> labels;
    for (int r = 0; r < t.rowCount(); ++r) {
        std::string label;
        for (int c = 0; c < t.columnCount(); ++c)
            if (t.cell(r, c).set) {
                label = t.cell(r, c).text;
                break;
            }
        labels.push_back(label);
    }
    return labels;
}

TEST(AccountColumns, ShowsTheNameWhenNoNameColumnIsChosenAndDropsSecondCurrencyColumns) {
    using namespace reports;
    struct Case {
        uint32_t bits;
        bool dual;
        std::vector<uint32_t> shown; // from table column 2 on
    };
    const Case cases[] = {
        {kSpalteEnde1, false, {kSpalteBezeichnung, kSpalteEnde1}},
        {kSpalteNummer | kSpalteEnde1, false, {kSpalteNummer, kSpalteEnde1}},
        {kSpalteAbkuerzung, false, {kSpalteAbkuerzung}},
        {kSpalteWaehrung | kSpalteEnde1 | kSpalteEnde2 | kSpalteAenderung2,
         false,
         {kSpalteBezeichnung, kSpalteEnde1}},
        {kSpalteWaehrung | kSpalteEnde2 | kSpalteBezeichnung,
         true,
         {kSpalteBezeichnung, kSpalteWaehrung, kSpalteEnde2}},
    };
    for (const Case& c : cases) {
        const AccountColumns columns(c.bits, c.dual, 2);
        EXPECT_EQ(columns.tableColumns(), 2 + static_cast<int>(c.shown.size())) << c.bits;
        for (size_t k = 0; k < c.shown.size(); ++k)
            EXPECT_EQ(columns.column(c.shown[k]), 2 + static_cast<int>(k)) << c.bits;
    }
}

TEST(AccountsView, EmptyLedgerKeepsTheFixedRows) {
    TestLedger l;
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.repeatTitle = 1; });
    const ReportTable t = reports::buildAccountsView(l.doc, range("01.01.2024", "31.01.2024"));
    EXPECT_EQ(rowLabels(t), (std::vector<std::string>{
                                "Konten (01.01.2024 bis 31.01.2024)", "Kontenart", "Bezeichung",
                                "in EUR", "Bestandskonten (Guthaben)", "Bestandskonten (Schulden)",
                                "Vermögen", "Sparbetrag", "Einnahmenkonten", "Ausgabenkonten"}));
    // Print attributes: the title repeats as set, the column titles form one block.
    EXPECT_TRUE(t.row(0).format.repeat);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(t.row(1 + k).format.rowsBefore, k);
        EXPECT_EQ(t.row(1 + k).format.rowsAfter, 2 - k);
        EXPECT_TRUE(t.row(1 + k).format.repeat);
    }
    EXPECT_FALSE(t.row(4).format.repeat);
    // Gaps: before the column titles, every group row and the summary block.
    std::vector<bool> gaps;
    for (int r = 0; r < t.rowCount(); ++r)
        gaps.push_back(t.gapBelow(r));
    EXPECT_EQ(gaps,
              (std::vector<bool>{true, false, false, true, true, true, false, true, true, false}));
    EXPECT_EQ(t.columnCount(), 12); // the four second-currency columns are dropped
}

TEST(AccountsView, GroupsZeroFlagsAndSortOrder) {
    TestLedger l;
    const int32_t b = l.asset("b-Konto", 1, 1000);
    const int32_t a = l.asset("A-Konto", 2, 1000);
    const int32_t leer = l.asset("Leer", 3, 500);
    const int32_t minus = l.asset("Minus", 4, 100);
    const int32_t kosten = l.expense("Kosten", 5);
    l.expense("Ungenutzt", 6);
    l.book("05.01.2024", Vorgang::Ausgabe, leer, kosten, 500);  // ends at 0 with a booking
    l.book("06.01.2024", Vorgang::Ausgabe, minus, kosten, 300); // positive start, negative end
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.accountsHideZeroAsset = 1;
        s.accountsHideZeroIncomeExpense = 1;
        s.accountsSortKey = 6 /* end value */;
        s.accountsSortDirection = 1;
    });
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.accountsData = 0x1 | 0x400;
    }); // no column for the savings rate

    const ReportTable t = reports::buildAccountsView(l.doc, range("01.01.2024", "31.01.2024"));
    EXPECT_EQ(rowLabels(t),
              (std::vector<std::string>{"Konten (01.01.2024 bis 31.01.2024)", "Kontenart",
                                        "Bezeichung", "in EUR", "Bestandskonten (Guthaben)",
                                        // equal end values descending: names reversed too
                                        "b-Konto", "A-Konto", "Leer", "Bestandskonten (Schulden)",
                                        "Minus", "Vermögen", "Sparbetrag", "Einnahmenkonten",
                                        "Ausgabenkonten", "Kosten"}));
    EXPECT_EQ(t.row(5).tag, reports::RowTag::konto(b));
    EXPECT_EQ(t.row(6).tag, reports::RowTag::konto(a));
    // Alternating fills within a group, starting with even.
    EXPECT_EQ(t.row(5).format.fill.colour,
              reports::accountRowFill(ledger::KontoArt::Bestandskonto, false).colour);
    EXPECT_EQ(t.row(6).format.fill.colour,
              reports::accountRowFill(ledger::KontoArt::Bestandskonto, true).colour);
    EXPECT_EQ(t.row(7).format.fill.colour,
              reports::accountRowFill(ledger::KontoArt::Bestandskonto, false).colour);
    EXPECT_EQ(t.row(9).format.fill.colour,
              reports::accountRowFill(ledger::KontoArt::Bestandskonto, false).colour);
}

TEST(AccountsView, CategoryKeyPutsUnassignedFirstThenSubcategoryThenName) {
    TestLedger l;
    const int32_t wohnen = l.category(ledger::KontoArt::Ausgabenkonto, "wohnen");
    const int32_t auto_ = l.category(ledger::KontoArt::Ausgabenkonto, "Auto");
    const int32_t miete = l.subcategory(ledger::KontoArt::Ausgabenkonto, wohnen, "Miete");
    const int32_t energie = l.subcategory(ledger::KontoArt::Ausgabenkonto, wohnen, "Energie");
    l.account(ledger::KontoArt::Ausgabenkonto, "Strom", 1, 0, ledger::WaehrungsIndex::Erste, wohnen,
              energie);
    l.account(ledger::KontoArt::Ausgabenkonto, "Kaltmiete", 2, 0, ledger::WaehrungsIndex::Erste,
              wohnen, miete);
    l.account(ledger::KontoArt::Ausgabenkonto, "Hausgeld", 3, 0, ledger::WaehrungsIndex::Erste,
              wohnen);
    l.account(ledger::KontoArt::Ausgabenkonto, "Sonstiges", 4);
    l.account(ledger::KontoArt::Ausgabenkonto, "Gas", 5, 0, ledger::WaehrungsIndex::Erste, wohnen,
              energie);
    l.account(ledger::KontoArt::Ausgabenkonto, "Tanken", 6, 0, ledger::WaehrungsIndex::Erste,
              auto_);
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.accountsData = 0x1;
        s.accountsGroups = 0x8;
        s.accountsSortKey = 8;
    });

    auto accountRows = [&] {
        const ReportTable t = reports::buildAccountsView(l.doc, range("01.01.2024", "31.01.2024"));
        std::vector<std::string> names;
        for (int r = 0; r < t.rowCount(); ++r)
            if (t.row(r).tag.kind == reports::RowTag::kKonto)
                names.emplace_back(t.cell(r, 1).text);
        return names;
    };
    // Without a category first; "Auto" before "wohnen" whatever the case; within "wohnen" no
    // sub-category first, then "Energie" before "Miete", equal sub-categories by name.
    EXPECT_EQ(accountRows(), (std::vector<std::string>{"Sonstiges", "Tanken", "Hausgeld", "Gas",
                                                       "Strom", "Kaltmiete"}));
    // Descending reverses the whole comparison, the name tie-break included.
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.accountsSortDirection = 1; });
    EXPECT_EQ(accountRows(), (std::vector<std::string>{"Kaltmiete", "Strom", "Gas", "Hausgeld",
                                                       "Tanken", "Sonstiges"}));
}

TEST(AccountsView, SavingsRateNeedsIncomeAndAColumn) {
    TestLedger l;
    const int32_t giro = l.asset("Giro", 1);
    const int32_t gehalt = l.income("Gehalt", 2);
    const int32_t miete = l.expense("Miete", 3);
    l.book("05.01.2024", Vorgang::Einnahme, giro, gehalt, 4000);
    l.book("06.01.2024", Vorgang::Ausgabe, giro, miete, 1000);
    l.doc.changeSettings(
        [&](ledger::CTWEinstellungen& s) { s.accountsData = 0x1 | 0x400 | 0x40000; });
    ReportTable t = reports::buildAccountsView(l.doc, range("01.01.2024", "31.01.2024"));
    // Rows: title, 3 column titles, 2 asset groups with one account, then the summary.
    EXPECT_EQ(t.cell(8, 0).text, "Sparbetrag/-quote");
    EXPECT_EQ(t.cell(8, 2).text, "30,00");
    EXPECT_EQ(t.cell(8, 3).text, "75,0%");

    l.book("07.01.2024", Vorgang::Einnahme, giro, gehalt, -4000); // income of the range now 0
    t = reports::buildAccountsView(l.doc, range("01.01.2024", "31.01.2024"));
    EXPECT_EQ(t.cell(8, 0).text, "Sparbetrag");
    EXPECT_FALSE(t.cell(8, 3).set);
}

TEST(AccountsByCategoryView, TagsCategoryRowsAndDropsHiddenAccountsFirst) {
    TestLedger l;
    const int32_t wohnen = l.category(ledger::KontoArt::Ausgabenkonto, "Wohnen");
    const int32_t miete = l.subcategory(ledger::KontoArt::Ausgabenkonto, wohnen, "Miete");
    const int32_t giro = l.asset("Giro", 1, 100000);
    const int32_t kaltmiete = l.account(ledger::KontoArt::Ausgabenkonto, "Kaltmiete", 2, 0,
                                        ledger::WaehrungsIndex::Erste, wohnen, miete);
    l.account(ledger::KontoArt::Ausgabenkonto, "Nebenkosten", 3, 0, ledger::WaehrungsIndex::Erste,
              wohnen); // no bookings: hidden
    l.book("05.01.2024", Vorgang::Ausgabe, giro, kaltmiete, 70000);

    const ReportTable t =
        reports::buildAccountsByCategoryView(l.doc, range("01.01.2024", "31.01.2024"));
    const int last = t.rowCount() - 1;
    EXPECT_EQ(t.row(last).tag, reports::RowTag::konto(kaltmiete));
    EXPECT_EQ(t.row(last - 1).tag,
              reports::RowTag::unterkategorie(ledger::KontoArt::Ausgabenkonto, wohnen, miete));
    EXPECT_EQ(t.row(last - 2).tag,
              reports::RowTag::kategorie(ledger::KontoArt::Ausgabenkonto, wohnen));
    EXPECT_EQ(t.cell(last - 2, 1).text, "Wohnen");
    EXPECT_EQ(t.cell(last - 1, 2).text, "Miete");
    EXPECT_EQ(t.cell(last - 3, 0).text, "Ausgabenkonten");
}

} // namespace
