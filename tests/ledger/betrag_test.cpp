#include "ledger/betrag.h"
#include "ledger/betrag_arithmetik.h"

#include <gtest/gtest.h>
#include <limits>

using ledger::BetragFormat;

namespace {

const BetragFormat kGerman{',', '.', 0};
const BetragFormat kNoGrouping{',', '.', 1};
const BetragFormat kEnglish{'.', ',', 0};
const BetragFormat kSwiss{'.', '\'', 0};

} // namespace

TEST(Betrag, RoundByTenIsHalfAwayFromZeroOverTheWholeRange) {
    EXPECT_EQ(ledger::roundByTen(14), 1);
    EXPECT_EQ(ledger::roundByTen(15), 2);
    EXPECT_EQ(ledger::roundByTen(-14), -1);
    EXPECT_EQ(ledger::roundByTen(-15), -2);
    EXPECT_EQ(ledger::roundByTen(0), 0);
    EXPECT_EQ(ledger::roundByTen(std::numeric_limits<int64_t>::min()), -922337203685477581);
    EXPECT_EQ(ledger::roundByTen(std::numeric_limits<int64_t>::max()), 922337203685477581);
    EXPECT_EQ(ledger::compareBetrag(2, 1), 1);
    EXPECT_EQ(ledger::compareBetrag(-2, 1), -1);
    EXPECT_EQ(ledger::compareBetrag(7, 7), 0);
}

TEST(Betrag, FormatUnderEverySeparatorSetting) {
    EXPECT_EQ(kGerman.format(123456789), "1.234.567,89");
    EXPECT_EQ(kGerman.format(-5), "-0,05");
    EXPECT_EQ(kGerman.format(-50), "-0,50");
    EXPECT_EQ(kGerman.format(0), "0,00");
    EXPECT_EQ(kGerman.format(100000), "1.000,00");
    EXPECT_EQ(kGerman.format(99999), "999,99");
    EXPECT_EQ(kGerman.format(-100000000), "-1.000.000,00");
    EXPECT_EQ(kGerman.format(500, true), "+5,00");
    EXPECT_EQ(kGerman.format(0, true), "0,00");
    EXPECT_EQ(kGerman.format(-500, true), "-5,00");
    EXPECT_EQ(kNoGrouping.format(123456789), "1234567,89");
    EXPECT_EQ(kEnglish.format(123456789), "1,234,567.89");
    EXPECT_EQ(kSwiss.format(123456789), "1'234'567.89");
    EXPECT_EQ(kGerman.format(std::numeric_limits<int64_t>::min()), "-92.233.720.368.547.758,08");
}

TEST(Betrag, ParsePlainNumbers) {
    EXPECT_EQ(kGerman.parse("1.234,5"), 123450);
    EXPECT_EQ(kGerman.parse("12"), 1200);
    EXPECT_EQ(kGerman.parse("0,07"), 7);
    EXPECT_EQ(kGerman.parse(" 1 234 , 56 "), 123456);
    EXPECT_EQ(kGerman.parse("3,999"), 399) << "digits after the second decimal are ignored";
    EXPECT_EQ(kGerman.parse("-3,999"), -399);
    EXPECT_EQ(kGerman.parse("1.000.000.000"), 99999999900) << "integer part held";
    EXPECT_FALSE(kGerman.parse("1,2,3"));
    EXPECT_FALSE(kGerman.parse("abc"));
    EXPECT_FALSE(kGerman.parse(""));
    EXPECT_FALSE(kGerman.parse("  "));
    EXPECT_FALSE(kGerman.parse(","));
    EXPECT_FALSE(kGerman.parse("."));
    EXPECT_EQ(kEnglish.parse("1,234.56"), 123456);
    EXPECT_FALSE(kEnglish.parse("1.234.56"));
    EXPECT_EQ(kSwiss.parse("1'234.5"), 123450);
    EXPECT_EQ(kNoGrouping.parse("1.234,56"), 123456) << "the separator is still skipped";
}

TEST(Betrag, ParseExpressions) {
    EXPECT_EQ(kGerman.parse("10-2+3"), 1100);
    EXPECT_EQ(kGerman.parse("-5"), -500);
    EXPECT_EQ(kGerman.parse("+5"), 500);
    EXPECT_EQ(kGerman.parse("5-"), 500);
    EXPECT_EQ(kGerman.parse("*2"), 200);
    EXPECT_EQ(kGerman.parse("4/"), 400);
    EXPECT_EQ(kGerman.parse("12,50*3"), 3750);
    EXPECT_EQ(kGerman.parse("10/3"), 333);
    EXPECT_EQ(kGerman.parse("20/3"), 667);
    EXPECT_EQ(kGerman.parse("2*3*4"), 2400);
    EXPECT_EQ(kGerman.parse("100/4*2"), 5000) << "left to right";
    EXPECT_EQ(kGerman.parse("3*-2"), 100) << "split at the minus first";
    EXPECT_EQ(kGerman.parse("5--3"), 200);
    EXPECT_EQ(kGerman.parse("1+2*3"), 700);
    EXPECT_EQ(kGerman.parse("0,10*0,10"), 1);
    EXPECT_FALSE(kGerman.parse("1/0"));
    EXPECT_FALSE(kGerman.parse("1/0,001")) << "0,001 reads as zero";
    EXPECT_FALSE(kGerman.parse("1+x"));
    EXPECT_FALSE(kGerman.parse("2*a"));
    EXPECT_EQ(kEnglish.parse("1,000.50+0.50"), 100100);
}

TEST(Betrag, ParseLimitsLargeResultsAndRefusesOverflow) {
    EXPECT_EQ(kGerman.parse("2000000000*100"), ledger::kMaxParsedBetrag);
    EXPECT_EQ(kGerman.parse("999999999,99"), ledger::kMaxParsedBetrag);
    EXPECT_EQ(kGerman.parse("999999999,99+0,01"), ledger::kMaxParsedBetrag);
    EXPECT_EQ(kGerman.parse("-999999999*1000"), -99999999900000) << "negatives are not limited";
    // Products beyond 64 bits make the parse fail instead of wrapping around.
    EXPECT_FALSE(kGerman.parse("999999999*999999999*999999999"));
    EXPECT_FALSE(kGerman.parse("999999999*999999999*999999999*999999999*999999999"));
    EXPECT_FALSE(kGerman.parse("999999999*999999999*999999999/0,01"));
    EXPECT_FALSE(kGerman.parse("-999999999*999999999*99999-999999999*999999999*99999"));
    EXPECT_EQ(kGerman.parse("9999999*999999"), ledger::kMaxParsedBetrag);
    EXPECT_FALSE(kGerman.parse("999999999*999999999")) << "1e22 hundredths";
}

TEST(Betrag, LongExpressionsDoNotExhaustTheStack) {
    std::string text = "1";
    for (int i = 0; i < 100000; ++i)
        text += "+1";
    EXPECT_EQ(kGerman.parse(text), 10000100);
}

TEST(BetragArithmetik, SumsSaturateAtTheEndsOfTheRange) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    struct Case {
        int64_t a, b, sum, difference;
    };
    const Case cases[] = {
        {5, -7, -2, 12},
        {kMax, 1, kMax, kMax - 1},
        {kMax - 1, 1, kMax, kMax - 2},
        {kMin, -1, kMin, kMin + 1},
        {kMin, 1, kMin + 1, kMin},
        {0, kMin, kMin, kMax},
        {-1, kMin, kMin, kMax},
        {kMax, kMin, -1, kMax},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ledger::addBetrag(c.a, c.b), c.sum) << c.a << " + " << c.b;
        EXPECT_EQ(ledger::subBetrag(c.a, c.b), c.difference) << c.a << " - " << c.b;
    }
    EXPECT_EQ(ledger::negateBetrag(kMin), kMax);
    EXPECT_EQ(ledger::negateBetrag(kMax), kMin + 1);
    EXPECT_EQ(ledger::negateBetrag(-5), 5);
}
