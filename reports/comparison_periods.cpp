#include "reports/comparison_periods.h"

#include <algorithm>
#include <optional>

namespace reports {
namespace {

// Day `day` of month `month` counted from the first month of a period that starts in
// (firstMonth, year); a day beyond the month's length is its last day.
std::optional<ledger::CNVKDatum> windowDay(int year, int firstMonth, int month, int day) {
    const int m = firstMonth + month - 1;
    return ledger::CNVKDatum::fromCalendar(std::min(day, ledger::CNVKDatum::daysInMonth(m, year)),
                                           m, year);
}

} // namespace

int periodMonths(int comparisonType) {
    switch (comparisonType) {
    case kQuartale:
        return 3;
    case kJahre:
        return 12;
    default:
        return 1;
    }
}

std::array<PeriodWindow, 3> periodWindows(const ledger::CTWEinstellungen& s) {
    return {
        {{s.monthWindowStartDay, s.monthWindowStartMonth, s.monthWindowEndDay,
          s.monthWindowEndMonth},
         {s.quarterWindowStartDay, s.quarterWindowStartMonth, s.quarterWindowEndDay,
          s.quarterWindowEndMonth},
         {s.yearWindowStartDay, s.yearWindowStartMonth, s.yearWindowEndDay, s.yearWindowEndMonth}}};
}

void storePeriodWindows(ledger::CTWEinstellungen& s, const std::array<PeriodWindow, 3>& w) {
    s.monthWindowStartDay = w[0].startDay;
    s.monthWindowStartMonth = w[0].startMonth;
    s.monthWindowEndDay = w[0].endDay;
    s.monthWindowEndMonth = w[0].endMonth;
    s.quarterWindowStartDay = w[1].startDay;
    s.quarterWindowStartMonth = w[1].startMonth;
    s.quarterWindowEndDay = w[1].endDay;
    s.quarterWindowEndMonth = w[1].endMonth;
    s.yearWindowStartDay = w[2].startDay;
    s.yearWindowStartMonth = w[2].startMonth;
    s.yearWindowEndDay = w[2].endDay;
    s.yearWindowEndMonth = w[2].endMonth;
}

std::vector<ComparisonPeriod> comparisonPeriods(ledger::CNVKDatum start, ledger::CNVKDatum end,
                                                int comparisonType, const PeriodWindow& window) {
    std::vector<ComparisonPeriod> periods;
    if (end < start)
        return periods;
    const int months = periodMonths(comparisonType);
    // A damaged file may hold any numbers: days and months are kept within their ranges.
    const int startMonth = std::clamp(window.startMonth, 1, months);
    const int endMonth = std::clamp(window.endMonth, 1, months);
    const int startDay = std::clamp(window.startDay, 1, 31);
    const int endDay = std::clamp(window.endDay, 1, 31);
    int year = start.year();
    int first = start.month() - (start.month() - 1) % months;
    const int lastYear = end.year();
    const int lastFirst = end.month() - (end.month() - 1) % months;
    while (year < lastYear || (year == lastYear && first <= lastFirst)) {
        const auto from = windowDay(year, first, startMonth, startDay);
        const auto to = windowDay(year, first, endMonth, endDay);
        if (from && to) {
            const ledger::CNVKDatum a = std::max(*from, start);
            const ledger::CNVKDatum b = std::min(*to, end);
            if (a <= b)
                periods.push_back({a, b});
        }
        first += months;
        if (first > 12) {
            first -= 12;
            ++year;
        }
    }
    return periods;
}

} // namespace reports
