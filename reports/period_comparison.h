// The figures of the period comparison: for every account its value in each comparison
// period (the period value of an income or expense account; the balance of an asset account
// at the end or the start of the period or its average over the period's days) in the
// display currency, computed in one pass over the bookings.
#pragma once

#include "ledger/dokument.h"
#include "reports/comparison_periods.h"
#include "reports/konto_index.h"

#include <cstdint>
#include <vector>

namespace reports {

// Which balance of an asset account a period shows.
enum BestandsWert : int { kKontostandEnde = 0, kKontostandAnfang = 1, kKontostandMittel = 2 };

struct PeriodFigures {
    // values[p][i]: the account at index position p in period i.
    std::vector<std::vector<int64_t>> values;
    // Bookings of each account within all periods.
    std::vector<int32_t> bookingCounts;
};

PeriodFigures comparePeriods(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                             const std::vector<ComparisonPeriod>& periods, int assetValue,
                             ledger::WaehrungsIndex displayCurrency, bool withoutProvisional);

} // namespace reports
