#include "platform/clock.h"

#include <gtest/gtest.h>

TEST(Clock, SystemClockGivesAPlausibleLocalDate) {
    const platform::LocalTime t = platform::SystemClock{}.now();
    EXPECT_GE(t.year, 2020);
    EXPECT_GE(t.month, 1);
    EXPECT_LE(t.month, 12);
    EXPECT_GE(t.day, 1);
    EXPECT_LE(t.day, 31);
}
