// The day-by-day evaluation of the value tables and charts: a walk through a date range that
// applies every booking once, with the per-currency sums of the total figures kept up to date
// booking by booking, so that reading a day's totals costs the same for any number of
// accounts.
#pragma once

#include "ledger/dokument.h"
#include "reports/period_table.h"

#include <array>
#include <cstdint>

namespace reports {

class DayByDay {
public:
    // Applies the bookings dated before the start date. The document and the index must
    // outlive the walk.
    DayByDay(const ledger::CTalwerkDoc& doc, const KontoIndex& index, ledger::CNVKDatum start,
             bool withoutProvisional);

    // Applies the following bookings dated on or before the day.
    void advanceTo(ledger::CNVKDatum day);
    // The table as far as the walk has come: balances up to the day reached, flows since the
    // start date.
    const PeriodTable& table() const { return table_; }
    // A total figure (ValueKind) of the day reached, in the display currency (0 or 1).
    int64_t total(int valueKind, ledger::WaehrungsIndex displayCurrency) const;

private:
    // The sums per currency slot: balances that are not negative, negative balances, income
    // and expenses. They are kept modulo 2^64 so that removing an account's old share and
    // adding its new one is exact whenever the true sum fits 64 bits.
    struct Sums {
        std::array<uint64_t, 2> guthaben{};
        std::array<uint64_t, 2> schulden{};
        std::array<uint64_t, 2> einnahmen{};
        std::array<uint64_t, 2> ausgaben{};
    };
    // Adds (sign +1) or removes (-1) the share of the account at the position.
    void count(int position, int sign);
    void apply(const ledger::CTWBuchung& booking);

    const ledger::CTalwerkDoc& doc_;
    const KontoIndex& index_;
    PeriodTable table_;
    bool withoutProvisional_;
    std::size_t next_ = 0;
    Sums sums_;
};

} // namespace reports
