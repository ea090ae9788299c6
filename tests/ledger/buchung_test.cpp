#include "ledger/buchung.h"
#include "ledger/kategorie.h"
#include "ledger/konto.h"
#include "ledger/ledger_loading.h"
#include "support/test_ledger.h"

#include <gtest/gtest.h>

using namespace ledger;

using testsupport::date;

TEST(Buchungsnummer, DigitRunParsers) {
    EXPECT_EQ(parseDigitsStrict(""), 0u);
    EXPECT_EQ(parseDigitsStrict("007"), 7u);
    EXPECT_FALSE(parseDigitsStrict("1a"));
    EXPECT_FALSE(parseDigitsStrict(" 1"));
    EXPECT_FALSE(parseDigitsStrict("-1"));
    EXPECT_EQ(parseDigitsStrict("4294967296"), 0u) << "unsigned 32-bit wrap";
    EXPECT_EQ(parseDigitsLenient("12a3"), 123u);
    EXPECT_EQ(parseDigitsLenient("R-2024/07"), 202407u);
    EXPECT_EQ(parseDigitsLenient("abc"), 0u);
    EXPECT_EQ(parseDigitsLenient(""), 0u);
}

TEST(Buchungsnummer, NumbersCompareNumericallyOtherwiseAsText) {
    EXPECT_LT(compareBuchungsnummer("9", "10"), 0);
    EXPECT_GT(compareBuchungsnummer("10", "2"), 0);
    EXPECT_EQ(compareBuchungsnummer("007", "7"), 0);
    EXPECT_EQ(compareBuchungsnummer("", "0"), 0) << "the empty number reads as 0";
    EXPECT_LT(compareBuchungsnummer("10", "1a"), 0) << "text comparison";
    EXPECT_LT(compareBuchungsnummer("a", "B"), 0);
    EXPECT_EQ(compareBuchungsnummer("x1", "x1"), 0);
}

TEST(Buchungsnummer, BookingOrderIsDateThenNumber) {
    CTWBuchung a, b;
    a.date = date(1, 1, 2024);
    b.date = date(2, 1, 2024);
    a.number = "99";
    b.number = "1";
    EXPECT_TRUE(sortsAfter(b, a));
    EXPECT_FALSE(sortsAfter(a, b));
    b.date = a.date;
    EXPECT_TRUE(sortsAfter(a, b));
    b.number = "099";
    EXPECT_FALSE(sortsAfter(a, b));
    EXPECT_FALSE(sortsAfter(b, a));
}

TEST(Konto, AlternativeAssignmentsFollowTheStandardWhileTheirFlagIsSet) {
    CTWKonto k;
    EXPECT_EQ(k.alt1UseStandard, 1);
    EXPECT_EQ(k.alt2UseStandard, 0);
    k.category = 3;
    k.subcategory = 4;
    k.alt1Category = 7;
    k.alt1Subcategory = 8;
    k.alt2Category = 5;
    k.alt2Subcategory = -1;
    EXPECT_EQ(k.effectiveCategory(kStandard), 3);
    EXPECT_EQ(k.effectiveCategory(kAlternative1), 3) << "flag set: stored id ignored";
    EXPECT_EQ(k.effectiveSubcategory(kAlternative1), 4);
    EXPECT_EQ(k.effectiveCategory(kAlternative2), 5);
    EXPECT_EQ(k.effectiveSubcategory(kAlternative2), -1);
    k.alt1UseStandard = 0;
    EXPECT_EQ(k.effectiveCategory(kAlternative1), 7);
    EXPECT_EQ(k.effectiveSubcategory(kAlternative1), 8);
}

TEST(Konto, CurrencyTogglesOnEverySwitchDate) {
    CTWKonto k;
    k.kind = KontoArt::Bestandskonto;
    k.currencyIndex = WaehrungsIndex::Erste;
    k.switchDates = {date(1, 1, 2002), date(1, 6, 2002)};
    EXPECT_EQ(k.currencyIndexAt(date(31, 12, 2001)), WaehrungsIndex::Erste);
    EXPECT_EQ(k.currencyIndexAt(date(1, 1, 2002)), WaehrungsIndex::Zweite);
    EXPECT_EQ(k.currencyIndexAt(date(31, 5, 2002)), WaehrungsIndex::Zweite);
    EXPECT_EQ(k.currencyIndexAt(date(1, 6, 2002)), WaehrungsIndex::Erste);
    EXPECT_EQ(k.finalCurrencyIndex(), ledger::WaehrungsIndex::Erste);
    k.currencyIndex = WaehrungsIndex::Zweite;
    k.switchDates.pop_back();
    EXPECT_EQ(k.finalCurrencyIndex(), ledger::WaehrungsIndex::Erste);

    CTWKonto expense;
    expense.kind = KontoArt::Ausgabenkonto;
    expense.currencyIndex = WaehrungsIndex::Keine;
    expense.switchDates = {date(1, 1, 2002)};
    EXPECT_EQ(expense.currencyIndexAt(date(1, 1, 2010)), WaehrungsIndex::Keine);
    EXPECT_EQ(expense.finalCurrencyIndex(), ledger::WaehrungsIndex::Keine);
}

TEST(Kategorien, IdsAreNeverReusedAndLookupsAreExact) {
    CTalwerkDoc doc;
    const int32_t wohnen = doc.addKategorie(KontoArt::Ausgabenkonto, "Wohnen");
    const int32_t auto_ = doc.addKategorie(KontoArt::Ausgabenkonto, "Auto");
    EXPECT_EQ(doc.addUnterkategorie(KontoArt::Ausgabenkonto, wohnen, "Miete"), 0);
    EXPECT_EQ(doc.addUnterkategorie(KontoArt::Ausgabenkonto, wohnen, "Strom"), 1);
    EXPECT_TRUE(doc.removeUnterkategorie(KontoArt::Ausgabenkonto, wohnen, 1));
    EXPECT_EQ(doc.addUnterkategorie(KontoArt::Ausgabenkonto, wohnen, "Gas"), 2);
    EXPECT_TRUE(doc.removeKategorie(KontoArt::Ausgabenkonto, auto_));
    EXPECT_EQ(doc.addKategorie(KontoArt::Ausgabenkonto, "Urlaub"), 2);
    EXPECT_EQ(doc.addKategorie(KontoArt::Einnahmenkonto, "Gehalt"), 0) << "counters per tree";
    EXPECT_EQ(doc.addUnterkategorie(KontoArt::Ausgabenkonto, 1, "Reifen"), -1)
        << "removed category";

    const CTWKategorien& set = doc.categories();
    const CTWKategorie* wohnenKat = set.tree(KontoArt::Ausgabenkonto)[0];
    EXPECT_EQ(set.findKategorie(KontoArt::Ausgabenkonto, 0), wohnenKat);
    EXPECT_EQ(set.findKategorie(KontoArt::Einnahmenkonto, 1), nullptr);
    EXPECT_EQ(set.findKategorie(KontoArt::Ausgabenkonto, -1), nullptr);
    EXPECT_EQ(set.findKategorie(static_cast<KontoArt>(7), 0), nullptr);
    EXPECT_EQ(set.findUnterkategorie(KontoArt::Ausgabenkonto, 0, 2)->name, "Gas");
    EXPECT_EQ(set.findUnterkategorie(KontoArt::Ausgabenkonto, 0, 1), nullptr);
    EXPECT_EQ(set.findUnterkategorie(KontoArt::Ausgabenkonto, -1, 0), nullptr);
    EXPECT_EQ(set.indexOfKategorie(KontoArt::Ausgabenkonto, "Urlaub"), 1);
    EXPECT_EQ(set.indexOfKategorie(KontoArt::Ausgabenkonto, "urlaub"), -1) << "case-sensitive";
    EXPECT_EQ(set.findKategorie(KontoArt::Ausgabenkonto, "Wohnen"), wohnenKat);
    EXPECT_EQ(wohnenKat->indexOfUnterkategorie("Gas"), 1);
    EXPECT_EQ(wohnenKat->findUnterkategorie("gas"), nullptr);
}

TEST(Kategorien, UsageRebuildCountsStandardAssignmentsOnly) {
    CTalwerkDoc doc;
    LedgerLoading loading(doc);
    CTWKategorien& set = loading.categories();
    auto wohnen = std::make_unique<CTWKategorie>();
    wohnen->name = "Wohnen";
    wohnen->usageCount = 9;
    auto miete = std::make_unique<CTWUnterkategorie>();
    miete->name = "Miete";
    wohnen->subcategoryList().push_back(std::move(miete));
    set.treeList(KontoArt::Ausgabenkonto).push_back(std::move(wohnen));
    auto gehalt = std::make_unique<CTWKategorie>();
    gehalt->name = "Gehalt";
    gehalt->usageCount = 9;
    set.treeList(KontoArt::Einnahmenkonto).push_back(std::move(gehalt));

    auto account = [&](KontoArt kind, int32_t category, int32_t sub) {
        auto k = std::make_unique<CTWKonto>();
        k->kind = kind;
        k->category = category;
        k->subcategory = sub;
        k->alt2Category = 0; // alternatives are not counted by the rebuild
        loading.accounts().push_back(std::move(k));
    };
    account(KontoArt::Ausgabenkonto, 0, 0);
    account(KontoArt::Ausgabenkonto, 0, -1);
    account(KontoArt::Ausgabenkonto, 5, 0); // unknown category
    account(KontoArt::Bestandskonto, 0, 0); // the asset tree is empty
    loading.rebuildKategorieUsageCounts();
    EXPECT_EQ(doc.findKategorie(KontoArt::Ausgabenkonto, 0)->usageCount, 2);
    EXPECT_EQ(doc.findUnterkategorie(KontoArt::Ausgabenkonto, 0, 0)->usageCount, 1);
    EXPECT_EQ(doc.findKategorie(KontoArt::Einnahmenkonto, 0)->usageCount, 0);
}
