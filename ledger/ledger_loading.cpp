#include "ledger/ledger_loading.h"

#include <algorithm>
#include <cstdio>

namespace ledger {

namespace {

using BuchungIterator = std::vector<CTWBuchung*>::iterator;

// Puts bookings of one date into the order of their numbers.
void sortRunByNumber(BuchungIterator first, BuchungIterator last) {
    const auto after = [](const CTWBuchung* a, const CTWBuchung* b) {
        return compareBuchungsnummer(a->number, b->number) > 0;
    };
    // The number comparison is no order when numbers like "1a" meet plain numbers ("9" < "10"
    // as numbers, "10" < "1a" < "9" as text), and then only the exchange of adjacent bookings
    // until none is out of order gives the booking order. Runs of what a real day has are
    // sorted that way: up to 256 bookings whose numbers take up to 4096 characters together.
    // A longer run (only an edited file has one) is sorted stably, which is the same wherever
    // the comparison is an order. Exchanging costs up to (bookings) passes over the run's
    // numbers, so the bounds keep loading near-linear in the file size for any file.
    constexpr std::ptrdiff_t kExchangeRunLimit = 256;
    constexpr std::size_t kExchangeNumberLimit = 4096;
    std::size_t numberLength = 0;
    for (auto it = first; it != last && numberLength <= kExchangeNumberLimit; ++it)
        numberLength += (*it)->number.size();
    if (last - first > kExchangeRunLimit || numberLength > kExchangeNumberLimit) {
        std::stable_sort(first, last, [&](const auto& a, const auto& b) { return after(b, a); });
        return;
    }
    // On an order, n passes always suffice; the bound keeps a file with numbers that compare
    // in a circle from holding the program in this loop.
    for (std::ptrdiff_t pass = 0; pass <= last - first; ++pass) {
        bool exchanged = false;
        for (auto it = first; it + 1 < last; ++it) {
            if (after(*it, *(it + 1))) {
                std::iter_swap(it, it + 1);
                exchanged = true;
            }
        }
        if (!exchanged)
            return;
    }
}

} // namespace

void LedgerLoading::resetFilters() {
    auto& filters = doc_.filters_;
    filters.clear();
    for (int i = 1; i <= kFilterCount; ++i) {
        auto filter = std::make_unique<CTWBuchungsFilterNeu>();
        char name[32];
        std::snprintf(name, sizeof name, "Filter %d", i);
        filter->name = name;
        filters.push_back(std::move(filter));
    }
}

CTWBuchung& LedgerLoading::appendBuchung(CTWBuchung buchung) {
    doc_.reserveBuchungen(1);
    CTWBuchung* stored = doc_.createBuchung(std::move(buchung));
    doc_.bookings_.push_back(stored);
    return *stored;
}

void LedgerLoading::reserveBuchungen(std::size_t count, std::size_t textBytes) {
    doc_.reserveBuchungen(count);
    doc_.bookingStore_.reserve(count);
    doc_.bookingTexts_.reserve(textBytes);
}

void LedgerLoading::sortBuchungen() {
    auto& bookings = doc_.bookings_;
    using Ptr = CTWBuchung*;
    // Dates are totally ordered: a stable sort by date alone brings every booking into its
    // run of equal dates, in the same relative order that exchanging adjacent bookings would.
    std::stable_sort(bookings.begin(), bookings.end(),
                     [](const Ptr& a, const Ptr& b) { return a->date < b->date; });
    for (auto run = bookings.begin(); run != bookings.end();) {
        const auto end = std::find_if(run, bookings.end(),
                                      [&](const Ptr& b) { return b->date != (*run)->date; });
        sortRunByNumber(run, end);
        run = end;
    }
}

void LedgerLoading::rebuildKategorieUsageCounts() {
    doc_.categories_.rebuildUsageCounts(doc_.accounts());
}

} // namespace ledger
