#include "ledger/dokument.h"
#include "ledger/ledger_builder.h"
#include "ledger/waehrung.h"

#include <gtest/gtest.h>
#include <limits>

using namespace ledger;

TEST(Waehrung, NationalCurrencyTable) {
    const std::vector<CTWWaehrungsinfo> table = buildNationalCurrencyTable();
    ASSERT_EQ(table.size(), 11u);
    EXPECT_EQ(table[0].code, "DEM");
    EXPECT_EQ(table[0].symbol, "DM");
    EXPECT_EQ(table[1].name, "Österreichische Schilling (ATS)");
    EXPECT_EQ(table[1].symbol, "öS");
    EXPECT_EQ(table[4].id, 11u);
    EXPECT_EQ(table[5].rateNumerator, 193627);
    EXPECT_EQ(table[5].rateDenominator, 100);
    EXPECT_EQ(table[10].code, "FIM");
    for (const CTWWaehrungsinfo& w : table) {
        // Every table rate survives formatting and parsing unchanged.
        const auto parsed = parseRate(formatRate({w.rateNumerator, w.rateDenominator}));
        ASSERT_TRUE(parsed) << w.code;
        EXPECT_EQ(parsed->numerator, w.rateNumerator) << w.code;
        EXPECT_EQ(parsed->denominator, w.rateDenominator) << w.code;
    }
}

TEST(Waehrung, RateTextParsing) {
    const auto lira = parseRate("1.936,27");
    ASSERT_TRUE(lira);
    EXPECT_EQ(lira->numerator, 193627);
    EXPECT_EQ(lira->denominator, 100);
    const auto half = parseRate("2,50");
    ASSERT_TRUE(half);
    EXPECT_EQ(half->numerator, 25);
    EXPECT_EQ(half->denominator, 10);
    const auto whole = parseRate("20,00");
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->numerator, 20);
    EXPECT_EQ(whole->denominator, 1);
    const auto hundred = parseRate("100");
    ASSERT_TRUE(hundred);
    EXPECT_EQ(hundred->numerator, 100) << "integer zeros stay";
    EXPECT_EQ(hundred->denominator, 1);

    EXPECT_FALSE(parseRate("1,2,3"));
    EXPECT_FALSE(parseRate("1,9x"));
    EXPECT_FALSE(parseRate(""));
    EXPECT_FALSE(parseRate(".,"));
    EXPECT_FALSE(parseRate("0,000")) << "a zero rate cannot convert back";
    EXPECT_FALSE(parseRate("99999999999999999999"));
    EXPECT_FALSE(parseRate("0,0000000000000000001"));
}

TEST(Waehrung, RateFormatting) {
    EXPECT_EQ(formatRate({195583, 100000}), "1,95583");
    EXPECT_EQ(formatRate({193627, 100}), "1.936,27");
    EXPECT_EQ(formatRate({787564, 1000000}), "0,787564");
    EXPECT_EQ(formatRate({105, 100}), "1,05");
    EXPECT_EQ(formatRate({1, 1}), "1,0");
    EXPECT_EQ(formatRate({123456789, 1}), "123.456.789,0");
}

TEST(Waehrung, ConversionUsesOneGuardDigitAndRoundsHalfAwayFromZero) {
    CTalwerkDoc doc;
    doc.newDocument(LedgerBuilder::euroBesideDm(), CNVKDatum{});

    // 100,00 DM -> 51,13 EUR and back.
    WaehrungsBetrag euro = doc.convertBetrag(10000, WaehrungsIndex::Zweite);
    EXPECT_EQ(euro.amount, 5113);
    EXPECT_EQ(euro.currencyIndex, ledger::WaehrungsIndex::Erste);
    EXPECT_EQ(doc.convertBetrag(-10000, WaehrungsIndex::Zweite).amount, -5113);
    WaehrungsBetrag mark = doc.convertBetrag(5113, WaehrungsIndex::Erste);
    EXPECT_EQ(mark.amount, 10000);
    EXPECT_EQ(mark.currencyIndex, ledger::WaehrungsIndex::Zweite);
    EXPECT_EQ(doc.convertBetrag(1, WaehrungsIndex::Erste).amount, 2); // 1,95583 -> 2

    // Large balances do not overflow the intermediate product.
    const int64_t big = 4'000'000'000'000'000'000;
    EXPECT_EQ(convertBetrag(big, 100, 193627), 2'065'827'596'357'946);
    EXPECT_EQ(convertBetrag(big, 193627, 100), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(convertBetrag(-big, 193627, 100), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(convertBetrag(500, 1, 0), 500);

    doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.dualCurrency = 0; });
    euro = doc.convertBetrag(10000, WaehrungsIndex::Zweite);
    EXPECT_EQ(euro.amount, 10000);
    EXPECT_EQ(euro.currencyIndex, ledger::WaehrungsIndex::Zweite);
}
