#include "reports/period_comparison.h"

#include "reports/period_table.h"

#include <algorithm>
#include <limits>

namespace reports {
namespace {

// Day sums of the balances of asset accounts, added lazily: an account's balance is counted
// for every day since it last changed whenever it changes and when the period ends. Each day
// adds the same converted balance, so multiplying by the days gives the same sum.
class DaySums {
public:
    DaySums(const PeriodTable& table, int displayCurrency)
        : table_(table), display_(displayCurrency), sums_(table.records().size()),
          since_(table.records().size()) {}

    void begin(ledger::CNVKDatum start) {
        std::fill(sums_.begin(), sums_.end(), 0);
        std::fill(since_.begin(), since_.end(), start.dayNumber());
    }
    // Closes the days of the account before `day`.
    void closeUntil(int position, ledger::CNVKDatum day) {
        const PeriodRecord& r = table_.records()[position];
        if (!r.isAsset || day.dayNumber() <= since_[position])
            return;
        const int64_t balance = table_.umrechner().into(r.end.amount, r.end.currency, display_);
        sums_[position] += static_cast<__int128>(balance) * (day.dayNumber() - since_[position]);
        since_[position] = day.dayNumber();
    }
    // The average balance of the account over the days of the period [start, end].
    int64_t average(int position, ledger::CNVKDatum start, ledger::CNVKDatum end) {
        closeUntil(position, ledger::CNVKDatum(end.dayNumber() + 1));
        const __int128 mean = sums_[position] / (end.dayNumber() - start.dayNumber() + 1);
        return static_cast<int64_t>(std::clamp<__int128>(mean, std::numeric_limits<int64_t>::min(),
                                                         std::numeric_limits<int64_t>::max()));
    }

private:
    const PeriodTable& table_;
    int display_;
    std::vector<__int128> sums_;
    std::vector<uint32_t> since_;
};

} // namespace

PeriodFigures comparePeriods(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                             const std::vector<ComparisonPeriod>& periods, int assetValue,
                             ledger::WaehrungsIndex displayCurrency, bool withoutProvisional) {
    PeriodFigures figures;
    figures.values.assign(index.size(), std::vector<int64_t>(periods.size()));
    figures.bookingCounts.assign(index.size(), 0);
    if (periods.empty())
        return figures;

    // One table walks through all periods; at each window start it begins a new period.
    PeriodTable table(doc, index, periods.front().start);
    const int d = table.umrechner().slotOf(displayCurrency);
    DaySums days(table, d);
    const auto& bookings = doc.bookings();
    std::size_t next = 0;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const ComparisonPeriod& period = periods[i];
        for (; next < bookings.size() && bookings[next]->date < period.start; ++next)
            table.apply(*bookings[next], withoutProvisional);
        table.restartAt(period.start);
        days.begin(period.start);
        for (; next < bookings.size() && bookings[next]->date <= period.end; ++next) {
            const ledger::CTWBuchung& b = *bookings[next];
            if (assetValue == kKontostandMittel)
                for (const int32_t id : {b.konto1Id, b.konto2Id})
                    if (const int p = index.position(id); p >= 0)
                        days.closeUntil(p, b.date);
            table.apply(b, withoutProvisional);
        }
        PeriodTable closed = table;
        closed.normalise(period.end);
        for (int p = 0; p < index.size(); ++p) {
            const PeriodRecord& r = closed.records()[p];
            figures.bookingCounts[p] += r.bookingCount;
            int64_t value = r.endValue[d];
            if (r.isAsset && assetValue == kKontostandAnfang)
                value = r.startValue[d];
            else if (r.isAsset && assetValue == kKontostandMittel)
                value = days.average(p, period.start, period.end);
            figures.values[p][i] = value;
        }
    }
    return figures;
}

} // namespace reports
