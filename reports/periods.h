// Period kinds of the value tables and charts: which days close a period, where flows
// restart, and the labels of periods.
#pragma once

#include "ledger/datum.h"

#include <string>

namespace reports {

enum PeriodKind : int { kEntwicklung = 0, kMonatswerte = 1, kQuartalswerte = 2, kJahreswerte = 3 };

// "Entwicklung", "Monatswerte", "Quartalswerte", "Jahreswerte".
const char* periodKindName(int periodKind);
// Label of the first column: "Datum", "Monat", "Quartal", "Jahr".
const char* periodColumnLabel(int periodKind);
// Whether the day closes a period of the kind within a range that ends on rangeEnd.
bool endsPeriod(int periodKind, const ledger::CNVKDatum& day, const ledger::CNVKDatum& rangeEnd);
// Whether flows restart on the day: the first day of a month, quarter or year; never for
// "Entwicklung".
bool startsPeriod(int periodKind, const ledger::CNVKDatum& day);
// The row label of the period that the day closes: the date, "03/2024", "I/2024" or "2024".
std::string periodLabel(int periodKind, const ledger::CNVKDatum& day);

} // namespace reports
