// The comparison periods of the period comparison: calendar months, quarters or years over
// the view's range, each narrowed to the window set for its period type.
#pragma once

#include "ledger/datum.h"
#include "ledger/einstellungen.h"

#include <array>
#include <vector>

namespace reports {

enum ComparisonType : int { kMonate = 0, kQuartale = 1, kJahre = 2 };

// Months in a period of the type: 1, 3 or 12.
int periodMonths(int comparisonType);

// The window within each period: from the start day of the start month to the end day of the
// end month, months counted within the period from 1.
struct PeriodWindow {
    int startDay = 1;
    int startMonth = 1;
    int endDay = 31;
    int endMonth = 1;

    bool operator==(const PeriodWindow&) const = default;
};

// The windows of months, quarters and years as the document keeps them.
std::array<PeriodWindow, 3> periodWindows(const ledger::CTWEinstellungen& settings);
void storePeriodWindows(ledger::CTWEinstellungen& settings,
                        const std::array<PeriodWindow, 3>& windows);

struct ComparisonPeriod {
    ledger::CNVKDatum start;
    ledger::CNVKDatum end;
};

// The windows of every period of the type from the period holding `start` to the one
// holding `end`; a day beyond a month's length is cut to its last day, windows are clipped to
// the range, and a window that would end before it starts is left out.
std::vector<ComparisonPeriod> comparisonPeriods(ledger::CNVKDatum start, ledger::CNVKDatum end,
                                                int comparisonType, const PeriodWindow& window);

} // namespace reports
