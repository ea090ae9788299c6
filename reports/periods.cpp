#include "reports/periods.h"

#include <cstdio>

namespace reports {

const char* periodKindName(int periodKind) {
    switch (periodKind) {
    case kMonatswerte:
        return "Monatswerte";
    case kQuartalswerte:
        return "Quartalswerte";
    case kJahreswerte:
        return "Jahreswerte";
    default:
        return "Entwicklung";
    }
}

const char* periodColumnLabel(int periodKind) {
    switch (periodKind) {
    case kMonatswerte:
        return "Monat";
    case kQuartalswerte:
        return "Quartal";
    case kJahreswerte:
        return "Jahr";
    default:
        return "Datum";
    }
}

bool endsPeriod(int periodKind, const ledger::CNVKDatum& day, const ledger::CNVKDatum& rangeEnd) {
    if (day == rangeEnd || periodKind == kEntwicklung)
        return true;
    int d = 0, m = 0, y = 0;
    day.get(d, m, y);
    const bool lastOfMonth = d == ledger::CNVKDatum::daysInMonth(m, y);
    switch (periodKind) {
    case kMonatswerte:
        return lastOfMonth;
    case kQuartalswerte:
        return lastOfMonth && m % 3 == 0;
    case kJahreswerte:
        return lastOfMonth && m == 12;
    default:
        return true;
    }
}

bool startsPeriod(int periodKind, const ledger::CNVKDatum& day) {
    int d = 0, m = 0, y = 0;
    day.get(d, m, y);
    switch (periodKind) {
    case kMonatswerte:
        return d == 1;
    case kQuartalswerte:
        return d == 1 && m % 3 == 1;
    case kJahreswerte:
        return d == 1 && m == 1;
    default:
        return false;
    }
}

std::string periodLabel(int periodKind, const ledger::CNVKDatum& day) {
    int d = 0, m = 0, y = 0;
    day.get(d, m, y);
    char buffer[32];
    switch (periodKind) {
    case kMonatswerte:
        std::snprintf(buffer, sizeof buffer, "%02u/%04u", unsigned(m), unsigned(y));
        return buffer;
    case kQuartalswerte: {
        static const char* const kQuarters[] = {"I", "II", "III", "IV"};
        std::snprintf(buffer, sizeof buffer, "%s/%04u", kQuarters[(m - 1) / 3], unsigned(y));
        return buffer;
    }
    case kJahreswerte:
        std::snprintf(buffer, sizeof buffer, "%04u", unsigned(y));
        return buffer;
    default:
        return day.text();
    }
}

} // namespace reports
