// Dates typed the German way: every usual spelling gives the date, and a text that gives no
// date says why.
#include "ledger/datum_eingabe.h"

#include <gtest/gtest.h>

using namespace ledger;

TEST(DatumEingabe, UsualSpellingsGiveTheDate) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"15.04.2025", "15.04.2025"}, {"15.4.2025", "15.04.2025"}, {"15.4.25", "15.04.2025"},
        {"15042025", "15.04.2025"},   {"150425", "15.04.2025"},    {" 1.1.99 ", "01.01.1999"},
        {"15.4.", "15.04.2031"},      {"15.4", "15.04.2031"},      {"1504", "15.04.2031"},
        {"29.02.2024", "29.02.2024"}, {"31.12.37", "31.12.2037"},  {"18.01.2038", "18.01.2038"},
        {"02.01.1970", "02.01.1970"},
    };
    for (const Case& c : cases) {
        const DatumEingabe parsed = parseDatumEingabe(c.text, 2031);
        ASSERT_TRUE(parsed.date) << c.text << ": " << parsed.message;
        EXPECT_EQ(parsed.date->text(), c.expected) << c.text;
        EXPECT_EQ(parsed.message, "") << c.text;
    }
}

TEST(DatumEingabe, TextsWithoutADateSayWhy) {
    const std::string form =
        "Bitte geben Sie das Datum in der Form TT.MM.JJJJ ein, zum Beispiel 15.04.2025!";
    const std::string range = "Bitte geben Sie ein Datum vom 02.01.1970 bis zum 18.01.2038 ein!";
    struct Case {
        const char* text;
        std::string expected;
    };
    const Case cases[] = {
        {"31.02.2025", "Den 31.02.2025 gibt es nicht!"},
        {"29.2.23", "Den 29.02.2023 gibt es nicht!"},
        {"15.13.2025", "Den 15.13.2025 gibt es nicht!"},
        {"0.1.2025", "Den 00.01.2025 gibt es nicht!"},
        {"01.01.1970", range},
        {"19.01.2038", range},
        {"15.4.55", range},
        {"", form},
        {"1.1.50", range},
        {"15/04/2025", form},
        {"15.04.202", form},
        {"1504202", form},
        {"15.04.2025.1", form},
        {"115.4.2025", form},
        {"a.b.c", form},
    };
    for (const Case& c : cases) {
        const DatumEingabe parsed = parseDatumEingabe(c.text, 2025);
        EXPECT_FALSE(parsed.date) << c.text;
        EXPECT_EQ(parsed.message, c.expected) << c.text;
    }
}
