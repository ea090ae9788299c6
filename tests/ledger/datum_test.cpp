#include "ledger/datum.h"

#include <gtest/gtest.h>

using ledger::CNVKDatum;

TEST(Datum, RangeEndsAreExactlyTheFirstAndLastValidDay) {
    CNVKDatum d;
    EXPECT_EQ(d.dayNumber(), 1u); // default: 02.01.1970
    EXPECT_FALSE(d.set(1, 1, 1970));
    EXPECT_TRUE(d.set(2, 1, 1970));
    EXPECT_EQ(d.dayNumber(), CNVKDatum::kFirstDay);
    EXPECT_TRUE(d.set(18, 1, 2038));
    EXPECT_EQ(d.dayNumber(), CNVKDatum::kLastDay);
    EXPECT_FALSE(d.set(19, 1, 2038));
    EXPECT_FALSE(d.set(1, 2, 2038));
    EXPECT_FALSE(d.set(31, 12, 1969));
    EXPECT_EQ(d.dayNumber(), CNVKDatum::kLastDay) << "a refused triple leaves the date alone";
}

TEST(Datum, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(CNVKDatum::isLeapYear(2000));
    EXPECT_TRUE(CNVKDatum::isLeapYear(2012));
    EXPECT_FALSE(CNVKDatum::isLeapYear(1900));
    EXPECT_FALSE(CNVKDatum::isLeapYear(2013));
    EXPECT_EQ(CNVKDatum::daysInMonth(2, 2000), 29);
    EXPECT_EQ(CNVKDatum::daysInMonth(2, 2100), 28);
    EXPECT_EQ(CNVKDatum::daysInMonth(12, 2001), 31);
    EXPECT_EQ(CNVKDatum::daysInMonth(13, 2001), 30);

    EXPECT_TRUE(CNVKDatum::fromCalendar(29, 2, 2000));
    EXPECT_TRUE(CNVKDatum::fromCalendar(29, 2, 2012));
    EXPECT_FALSE(CNVKDatum::fromCalendar(29, 2, 2013));
    EXPECT_FALSE(CNVKDatum::fromCalendar(31, 4, 2013));
    EXPECT_FALSE(CNVKDatum::fromCalendar(0, 4, 2013));
    EXPECT_FALSE(CNVKDatum::fromCalendar(1, 0, 2013));
}

// Walks the whole valid range with an independent day counter: every day number maps to the
// next calendar day and back.
TEST(Datum, DayNumberAndCalendarAgreeOverTheWholeRange) {
    int day = 2, month = 1, year = 1970;
    for (uint32_t n = CNVKDatum::kFirstDay; n <= CNVKDatum::kLastDay; ++n) {
        int d, m, y;
        CNVKDatum(n).get(d, m, y);
        ASSERT_EQ(d, day) << n;
        ASSERT_EQ(m, month) << n;
        ASSERT_EQ(y, year) << n;
        const auto back = CNVKDatum::fromCalendar(day, month, year);
        ASSERT_TRUE(back) << n;
        ASSERT_EQ(back->dayNumber(), n);

        if (++day > CNVKDatum::daysInMonth(month, year)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    EXPECT_EQ(CNVKDatum(0).text(), "01.01.1970");
}

TEST(Datum, TextComparisonAndLocalTime) {
    const CNVKDatum a = *CNVKDatum::fromCalendar(5, 3, 2009);
    const CNVKDatum b = *CNVKDatum::fromCalendar(6, 3, 2009);
    EXPECT_EQ(a.text(), "05.03.2009");
    EXPECT_LT(a, b);
    EXPECT_NE(a, b);
    EXPECT_EQ(b.dayNumber() - a.dayNumber(), 1u);

    const platform::LocalTime noon = a.toLocalTime();
    EXPECT_EQ(noon.day, 5);
    EXPECT_EQ(noon.month, 3);
    EXPECT_EQ(noon.year, 2009);
    EXPECT_EQ(noon.hour, 12);

    EXPECT_EQ(CNVKDatum(platform::LocalTime{2009, 3, 5, 23, 59, 0}), a);
    EXPECT_EQ(CNVKDatum(platform::LocalTime{2040, 3, 5}).dayNumber(), 1u);
    CNVKDatum c = a;
    EXPECT_FALSE(c.set(platform::LocalTime{1970, 1, 1}));
    EXPECT_EQ(c, a);
    const platform::FixedClock clock({2024, 2, 29, 8, 0, 0});
    EXPECT_EQ(CNVKDatum::today(clock).text(), "29.02.2024");
}
