// Conversion between the ledger's dates and QDate at the Qt boundary.
#pragma once

#include "ledger/datum.h"

#include <QDate>

namespace shell {

inline QDate toQDate(const ledger::CNVKDatum& date) {
    return QDate(date.year(), date.month(), date.day());
}

// An invalid or out-of-range date gives the first valid date.
inline ledger::CNVKDatum toDatum(const QDate& date) {
    return ledger::CNVKDatum::fromCalendar(date.day(), date.month(), date.year())
        .value_or(ledger::CNVKDatum());
}

} // namespace shell
