// The period engine: balances of asset accounts at the start and the end of a date range,
// period values of income and expense accounts, booking counts, and the total figures, in
// either of a ledger's two currencies.
#pragma once

#include "ledger/betrag_arithmetik.h"
#include "ledger/dokument.h"
#include "reports/konto_index.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace reports {

// Converts amounts between the two currencies of a ledger with its fixed rate; without
// dual-currency bookkeeping every amount stays as it is.
class Umrechner {
public:
    explicit Umrechner(const ledger::CTalwerkDoc& doc) : doc_(doc) {}

    bool dualCurrency() const { return doc_.settings().dualCurrency != 0; }
    // The slot (0 or 1) of amounts in the currency index. Anything but 1 counts as the first
    // currency, and a ledger with one currency has only the first slot, whatever index a
    // damaged file gives an account or a booking.
    int slotOf(ledger::WaehrungsIndex currencyIndex) const {
        return dualCurrency() && currencyIndex == ledger::WaehrungsIndex::Zweite ? 1 : 0;
    }
    // The amount, which is in the currency of slot `from` (0 or 1), in the other currency.
    int64_t convert(int64_t amount, int from) const {
        return doc_
            .convertBetrag(amount, from == 1 ? ledger::WaehrungsIndex::Zweite
                                             : ledger::WaehrungsIndex::Erste)
            .amount;
    }
    // The amount, which is in currency `from`, in currency `to`.
    int64_t into(int64_t amount, int from, int to) const {
        return from == to ? amount : convert(amount, from);
    }

private:
    const ledger::CTalwerkDoc& doc_;
};

// An amount together with the currency (0 or 1) it is in.
struct Stand {
    int currency = 0;
    int64_t amount = 0;
};

// One record per account.
struct PeriodRecord {
    const ledger::CTWKonto* konto = nullptr;
    bool isAsset = false;
    bool isIncome = false;
    int32_t bookingCount = 0;
    // Asset accounts while computing: balances before the start, at the end and running.
    Stand start;
    Stand end;
    Stand running;
    // Income and expense accounts while computing: sums per currency slot before the start
    // date and from the start date on.
    std::array<int64_t, 2> beforeStart{};
    std::array<int64_t, 2> fromStart{};
    // After normalisation, per currency: the start and end balance of an asset account; for
    // income and expense accounts 0 and the period value.
    std::array<int64_t, 2> startValue{};
    std::array<int64_t, 2> endValue{};
    // The currency of an asset account on the start and the end date (after normalisation).
    int startCurrency = -1;
    int endCurrency = -1;
};

class PeriodTable {
public:
    // One record per account of the index, in the same order, initialised from the accounts:
    // asset accounts start with their opening balance in their original currency. The
    // document and the index must outlive the table.
    PeriodTable(const ledger::CTalwerkDoc& doc, const KontoIndex& index, ledger::CNVKDatum start);

    // Adds one booking; a provisional booking is skipped when withoutProvisional is set.
    void apply(const ledger::CTWBuchung& booking, bool withoutProvisional);
    // Brings start and end balances into the currencies of the start and end date and fills
    // the values in both currencies; afterwards the table is read only.
    void normalise(ledger::CNVKDatum end);

    // The record of an account id, or nullptr for an unknown id.
    const PeriodRecord* record(int32_t accountId) const;
    // The records in ascending order of account id (the order of the index).
    const std::vector<PeriodRecord>& records() const { return records_; }
    // Moves the start date forward to `start` (not before the current one): the balances
    // reached so far become the start balances, flows and booking counts begin again. The
    // table then equals a new one with that start date that was given the same bookings.
    void restartAt(ledger::CNVKDatum start);
    const Umrechner& umrechner() const { return umrechner_; }
    const KontoIndex& index() const { return index_; }

private:
    // Moves money between two accounts: `source` loses it, `target` gains it.
    void flow(PeriodRecord& source, PeriodRecord& target, const ledger::CTWBuchung& booking);
    // Takes the amount out of (sign -1) or into (+1) an asset account's running balance, in
    // the account's currency on the booking date; returns the amount in that currency.
    Stand book(PeriodRecord& asset, const ledger::CTWBuchung& booking, int sign);
    void addValue(PeriodRecord& account, int slot, int64_t amount, bool beforeStart);

    const KontoIndex& index_;
    std::vector<PeriodRecord> records_;
    Umrechner umrechner_;
    ledger::CNVKDatum start_;
};

// The normalised period table of the range [start, end]: every booking up to the end date
// applied in booking order.
PeriodTable buildPeriodTable(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                             ledger::CNVKDatum start, ledger::CNVKDatum end,
                             bool withoutProvisional);

} // namespace reports
