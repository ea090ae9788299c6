#include "ledger/datum.h"

#include <charconv>
#include <iterator>

namespace ledger {

namespace {

// Days since 01.01.1970 of a proleptic Gregorian date (the civil-days algorithm).
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

CNVKDatum::CNVKDatum(const platform::LocalTime& time) {
    set(time);
}

std::optional<CNVKDatum> CNVKDatum::fromCalendar(int day, int month, int year) {
    CNVKDatum date;
    if (!date.set(day, month, year))
        return std::nullopt;
    return date;
}

bool CNVKDatum::isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int CNVKDatum::daysInMonth(int month, int year) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 30;
    }
}

bool CNVKDatum::isValid(int day, int month, int year) {
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(month, year))
        return false;
    if (year < 1970 || year > 2038)
        return false;
    if (year == 1970 && month == 1 && day == 1)
        return false;
    if (year == 2038 && (month > 1 || day > 18))
        return false;
    return true;
}

bool CNVKDatum::set(int day, int month, int year) {
    if (!isValid(day, month, year))
        return false;
    dayNumber_ = static_cast<uint32_t>(daysFromCivil(year, month, day));
    return true;
}

bool CNVKDatum::set(const platform::LocalTime& time) {
    return set(time.day, time.month, time.year);
}

void CNVKDatum::get(int& day, int& month, int& year) const {
    // Inverse of daysFromCivil; exact for every 32-bit day number.
    const int64_t z = static_cast<int64_t>(dayNumber_) + 719468;
    const int64_t era = z / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

int CNVKDatum::day() const {
    int d, m, y;
    get(d, m, y);
    return d;
}

int CNVKDatum::month() const {
    int d, m, y;
    get(d, m, y);
    return m;
}

int CNVKDatum::year() const {
    int d, m, y;
    get(d, m, y);
    return y;
}

platform::LocalTime CNVKDatum::toLocalTime() const {
    platform::LocalTime t;
    get(t.day, t.month, t.year);
    t.hour = 12;
    t.minute = 0;
    t.second = 0;
    return t;
}

std::string CNVKDatum::text() const {
    // Written digit by digit: the booking lists write a date in every row, and snprintf costs
    // many times the text itself. Day and month have two digits; a year of a day number
    // (1970 and later) has at least four.
    int d, m, y;
    get(d, m, y);
    char buffer[16] = {static_cast<char>('0' + d / 10), static_cast<char>('0' + d % 10), '.',
                       static_cast<char>('0' + m / 10), static_cast<char>('0' + m % 10), '.'};
    char* end = std::to_chars(buffer + 6, std::end(buffer), y).ptr;
    return std::string(buffer, end - buffer);
}

} // namespace ledger
