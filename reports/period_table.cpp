#include "reports/period_table.h"

namespace reports {

PeriodTable::PeriodTable(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                         ledger::CNVKDatum start)
    : index_(index), umrechner_(doc), start_(start) {
    records_.resize(index.size());
    for (int p = 0; p < index.size(); ++p) {
        const ledger::CTWKonto* konto = index.accounts()[p];
        PeriodRecord& r = records_[p];
        r.konto = konto;
        r.isAsset = konto->isAsset();
        r.isIncome = konto->kind == ledger::KontoArt::Einnahmenkonto;
        if (r.isAsset) {
            const Stand opening{umrechner_.slotOf(konto->currencyIndex), konto->openingBalance};
            r.start = r.end = r.running = opening;
        }
    }
}

const PeriodRecord* PeriodTable::record(int32_t accountId) const {
    const int p = index_.position(accountId);
    return p < 0 ? nullptr : &records_[p];
}

void PeriodTable::apply(const ledger::CTWBuchung& booking, bool withoutProvisional) {
    if (withoutProvisional && booking.provisional != 0)
        return;
    const int p1 = index_.position(booking.konto1Id);
    const int p2 = index_.position(booking.konto2Id);
    if (p1 < 0 || p2 < 0 || p1 == p2)
        return;
    PeriodRecord& konto1 = records_[p1];
    PeriodRecord& konto2 = records_[p2];
    if (booking.date >= start_) {
        ++konto1.bookingCount;
        ++konto2.bookingCount;
    }
    // An income booking is a flow from the income account (account 2) into the asset account
    // (account 1); an expense booking and a transfer flow from account 1 to account 2.
    if (booking.kind == ledger::Vorgang::Einnahme)
        flow(konto2, konto1, booking);
    else
        flow(konto1, konto2, booking);
}

void PeriodTable::flow(PeriodRecord& source, PeriodRecord& target,
                       const ledger::CTWBuchung& booking) {
    const bool beforeStart = booking.date < start_;
    const Stand out = source.isAsset ? book(source, booking, -1) : Stand{};
    const Stand in = target.isAsset ? book(target, booking, +1) : Stand{};
    // An income account's value grows by what flows out of it, an expense account's value by
    // what flows into it.
    if (!source.isAsset && !target.isAsset) {
        const int slot = umrechner_.slotOf(booking.currencyIndex);
        const int64_t v = source.isIncome ? booking.amount : ledger::negateBetrag(booking.amount);
        addValue(source, slot, v, beforeStart);
        addValue(target, slot, source.isIncome == target.isIncome ? ledger::negateBetrag(v) : v,
                 beforeStart);
    } else if (!target.isAsset) {
        addValue(target, out.currency,
                 target.isIncome ? ledger::negateBetrag(out.amount) : out.amount, beforeStart);
    } else if (!source.isAsset) {
        addValue(source, in.currency, source.isIncome ? in.amount : ledger::negateBetrag(in.amount),
                 beforeStart);
    }
}

Stand PeriodTable::book(PeriodRecord& asset, const ledger::CTWBuchung& booking, int sign) {
    const int c = umrechner_.slotOf(asset.konto->currencyIndexAt(booking.date));
    Stand& running = asset.running;
    if (running.currency != c)
        running = {c, umrechner_.convert(running.amount, running.currency)};
    const int64_t a = umrechner_.into(booking.amount, umrechner_.slotOf(booking.currencyIndex), c);
    running.amount = ledger::addBetrag(running.amount, sign < 0 ? ledger::negateBetrag(a) : a);
    if (booking.date < start_)
        asset.start = running;
    asset.end = running;
    return {c, a};
}

void PeriodTable::addValue(PeriodRecord& account, int slot, int64_t amount, bool beforeStart) {
    int64_t& sum = beforeStart ? account.beforeStart[slot] : account.fromStart[slot];
    sum = ledger::addBetrag(sum, amount);
}

void PeriodTable::normalise(ledger::CNVKDatum end) {
    const bool dual = umrechner_.dualCurrency();
    for (PeriodRecord& r : records_) {
        if (r.isAsset) {
            auto store = [&](Stand stand, ledger::CNVKDatum date, std::array<int64_t, 2>& value) {
                const int c = umrechner_.slotOf(r.konto->currencyIndexAt(date));
                const int64_t own = umrechner_.into(stand.amount, stand.currency, c);
                value[c] = own;
                value[1 - c] = umrechner_.convert(own, c);
                return c;
            };
            r.startCurrency = store(r.start, start_, r.startValue);
            r.endCurrency = store(r.end, end, r.endValue);
            continue;
        }
        r.beforeStart = {};
        r.startValue = {};
        if (!dual) {
            r.endValue = {r.fromStart[0], r.fromStart[0]};
            continue;
        }
        r.endValue[0] = ledger::addBetrag(r.fromStart[0], umrechner_.convert(r.fromStart[1], 1));
        r.endValue[1] = ledger::addBetrag(r.fromStart[1], umrechner_.convert(r.fromStart[0], 0));
    }
}

void PeriodTable::restartAt(ledger::CNVKDatum start) {
    for (PeriodRecord& r : records_) {
        r.bookingCount = 0;
        if (r.isAsset)
            r.start = r.running;
        for (int slot = 0; slot < 2; ++slot)
            r.beforeStart[slot] = ledger::addBetrag(r.beforeStart[slot], r.fromStart[slot]);
        r.fromStart = {};
    }
    start_ = start;
}

PeriodTable buildPeriodTable(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                             ledger::CNVKDatum start, ledger::CNVKDatum end,
                             bool withoutProvisional) {
    PeriodTable table(doc, index, start);
    for (const auto& booking : doc.bookings()) {
        if (booking->date > end)
            break;
        table.apply(*booking, withoutProvisional);
    }
    table.normalise(end);
    return table;
}

} // namespace reports
