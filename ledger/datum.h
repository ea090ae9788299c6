// CNVKDatum: the one calendar date type of the ledger, a day number counted from 01.01.1970.
#pragma once

#include "platform/clock.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace ledger {

class CNVKDatum {
public:
    // Day numbers of the first and the last valid date (02.01.1970 and 18.01.2038).
    static constexpr uint32_t kFirstDay = 1;
    static constexpr uint32_t kLastDay = 24854;

    CNVKDatum() = default;
    explicit CNVKDatum(uint32_t dayNumber) : dayNumber_(dayNumber) {}
    // The local calendar day of the given time; day 1 when that day is not a valid date.
    explicit CNVKDatum(const platform::LocalTime& time);

    // A valid calendar triple as a date, or nothing.
    static std::optional<CNVKDatum> fromCalendar(int day, int month, int year);
    // Today's local date from the clock.
    static CNVKDatum today(const platform::Clock& clock) { return CNVKDatum(clock.now()); }

    // Sets the date when (day, month, year) is valid; otherwise returns false and keeps it.
    bool set(int day, int month, int year);
    // Sets the date to the local calendar day of the time, under the same check.
    bool set(const platform::LocalTime& time);

    // The calendar triple of the day number (also for day numbers outside the valid range).
    void get(int& day, int& month, int& year) const;
    int day() const;
    int month() const;
    int year() const;

    // 12:00:00 local time of the day.
    platform::LocalTime toLocalTime() const;

    uint32_t dayNumber() const { return dayNumber_; }
    void setDayNumber(uint32_t dayNumber) { dayNumber_ = dayNumber; }

    // "%02d.%02d.%04d" with day, month and year.
    std::string text() const;

    friend auto operator<=>(const CNVKDatum&, const CNVKDatum&) = default;

    static bool isLeapYear(int year);
    // Days of the month; 30 for month numbers outside 1 to 12.
    static int daysInMonth(int month, int year);
    static bool isValid(int day, int month, int year);

private:
    uint32_t dayNumber_ = kFirstDay;
};

} // namespace ledger
