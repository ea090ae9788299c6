#include "options/laenge.h"

#include <gtest/gtest.h>

namespace {

using options::formatLaenge;
using options::parseLaenge;

TEST(Laenge, ShowsCentimetresWithTwoDecimals) {
    EXPECT_EQ(formatLaenge(40), "0,40 cm");
    EXPECT_EQ(formatLaenge(0), "0,00 cm");
    EXPECT_EQ(formatLaenge(1200), "12,00 cm");
    EXPECT_EQ(formatLaenge(10000), "100,00 cm");
    EXPECT_EQ(formatLaenge(105), "1,05 cm");
    // A damaged file's negative length still reads as one number.
    EXPECT_EQ(formatLaenge(-5), "-0,05 cm");
}

TEST(Laenge, ReadsTypedTexts) {
    struct Case {
        const char* text;
        int32_t minimum;
        int32_t maximum;
        int32_t expected;
    };
    const Case cases[] = {
        // Centimetres, with or without unit and blank.
        {"12", 0, 10000, 1200},
        {"12 cm", 0, 10000, 1200},
        {"1,5 cm", 0, 10000, 150},
        {"1,5cm", 0, 10000, 150},
        {"0,4", 0, 10000, 40},
        {",5", 0, 10000, 50},
        {"1,", 0, 10000, 100},
        {"2,345", 0, 10000, 234}, // digits after the second decimal are ignored
        {"1,5 CM", 0, 10000, 150},
        {"1,5 Cm", 0, 10000, 150},
        {"1,5  cm", 0, 10000, 150},
        {"1,5 ", 0, 10000, 150},
        // Millimetres: without comma times 10, with comma divided by 10.
        {"15mm", 0, 10000, 150},
        {"3 mm", 0, 10000, 30},
        {"2,5mm", 0, 10000, 25},
        {"1,55mm", 0, 10000, 15},
        {"3 MM", 0, 10000, 30},
        // Anything else reads as 0, then clamped to the minimum.
        {"", 0, 10000, 0},
        {"", 20, 200, 20},
        {"abc", 20, 200, 20},
        {"2 5", 0, 10000, 0},
        {"3cmx", 0, 10000, 0},
        {"3 cm 4", 0, 10000, 0},
        {"3km", 0, 10000, 0},
        {"3c", 0, 10000, 0},
        {"1,5,3", 0, 10000, 0},
        {"1 ,5", 0, 10000, 0},
        {"-5", 0, 10000, 0},
        {"1.5", 0, 10000, 0},
        {" 5", 0, 10000, 0},
        // Clamping.
        {"1,5", 0, 100, 100},
        {"200 cm", 500, 10000, 10000},
        {"0,01", 20, 200, 20},
        {"5", 300, 100, 300}, // a maximum below the minimum: the minimum wins
        {"99999999999999999999999", 0, 500, 500},
        {"99999999999999999999999 mm", 20, 400, 400},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseLaenge(c.text, c.minimum, c.maximum), c.expected) << '"' << c.text << '"';
}

} // namespace
