#include "ledger/win1252.h"

#include <gtest/gtest.h>

using namespace ledger;

TEST(Win1252, UpperCasingKnowsTheAccentedLetters) {
    EXPECT_EQ(toUpper("straße äöü éñ"), "STRAßE ÄÖÜ ÉÑ");
    EXPECT_EQ(toUpper("\x9a\x9c\x9e\xff"), "\x8a\x8c\x8e\x9f"); // š œ ž ÿ
    EXPECT_EQ(toUpper("÷µ1,-"), "÷µ1,-");
}

TEST(Win1252, CaseInsensitiveComparison) {
    EXPECT_TRUE(equalsNoCase("Äpfel", "äPFEL"));
    EXPECT_FALSE(equalsNoCase("Äpfel", "Apfel"));
    EXPECT_FALSE(equalsNoCase("Apfel", "Apfelmus"));
    EXPECT_LT(compareNoCase("apfel", "Birne"), 0);
    EXPECT_GT(compareNoCase("Apfelmus", "APFEL"), 0);
    EXPECT_EQ(compareNoCase("", ""), 0);
    EXPECT_LT(compareNoCase("Öffentlicher Nahverkehr", "Urlaub"), 0) << "Ö beside O";
    EXPECT_LT(compareNoCase("ober", "Öl"), 0);
    EXPECT_LT(compareNoCase("Oel", "öl"), 0) << "base letters first, then the accent";
    EXPECT_NE(compareNoCase("Ol", "Öl"), 0) << "an accent is never equal to its base letter";
    EXPECT_EQ(compareNoCase("öl", "ÖL"), 0);
}

TEST(Win1252, CollationIsAlphabeticalAndCaseSensitive) {
    EXPECT_LT(collate("Bar", "baz"), 0) << "letters before case";
    EXPECT_LT(collate("apfel", "Birne"), 0);
    EXPECT_LT(collate("Ärger", "Bach"), 0) << "Ä beside A";
    EXPECT_NE(collate("a", "A"), 0);
    EXPECT_EQ(collate("a", "A"), -collate("A", "a"));
    EXPECT_LT(collate("10", "1a"), 0);
    EXPECT_LT(collate("1a", "9"), 0);
    EXPECT_LT(collate("ab", "abc"), 0);
    EXPECT_EQ(collate("Äb", "Äb"), 0);
}

TEST(Win1252, UnicodeRoundTrips) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(fromUtf8(toUtf8(all)), all);
    EXPECT_EQ(fromUtf16(toUtf16(all)), all);

    EXPECT_EQ(toUtf8("Veränderung €"), "Ver\xc3\xa4nderung \xe2\x82\xac");
    // Appending keeps what is there; ASCII runs at either end and between two high bytes.
    std::string appended = "x";
    appendUtf8(appended, "€€ab");
    appendUtf8(appended, "");
    appendUtf8(appended, "ä");
    EXPECT_EQ(appended, "x\xe2\x82\xac\xe2\x82\xac"
                        "ab\xc3\xa4");
    EXPECT_EQ(toUtf16("ä€"), u"\u00e4\u20ac");
    EXPECT_EQ(fromUtf8("\xe2\x82\xac"), "€");
    // Characters outside Windows-1252, broken sequences and surrogates become one '?' each.
    EXPECT_EQ(fromUtf8("a\xe4\xb8\x80"
                       "b"),
              "a?b"); // U+4E00
    EXPECT_EQ(fromUtf8("a\xf0\x9f\x98\x80"
                       "b"),
              "a?b");                       // U+1F600
    EXPECT_EQ(fromUtf8("a\xc3"), "a?");     // cut short
    EXPECT_EQ(fromUtf8("a\xc3(b"), "a?(b"); // bad continuation
    EXPECT_EQ(fromUtf8("a\xc0\x80"
                       "b"),
              "a??b"); // overlong NUL
    EXPECT_EQ(fromUtf16(u"a\U0001F600b\xd800"), "a?b?");
}
