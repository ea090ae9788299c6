#include "reports/day_by_day.h"

#include "reports/report_params.h"

namespace reports {
namespace {

int64_t signedOf(uint64_t sum) {
    return static_cast<int64_t>(sum);
}

} // namespace

DayByDay::DayByDay(const ledger::CTalwerkDoc& doc, const KontoIndex& index, ledger::CNVKDatum start,
                   bool withoutProvisional)
    : doc_(doc), index_(index), table_(doc, index, start), withoutProvisional_(withoutProvisional) {
    for (; next_ < doc.bookings().size() && doc.bookings()[next_]->date < start; ++next_)
        table_.apply(*doc.bookings()[next_], withoutProvisional_);
    for (int p = 0; p < index.size(); ++p)
        count(p, +1);
}

void DayByDay::advanceTo(ledger::CNVKDatum day) {
    for (; next_ < doc_.bookings().size() && doc_.bookings()[next_]->date <= day; ++next_)
        apply(*doc_.bookings()[next_]);
}

void DayByDay::apply(const ledger::CTWBuchung& booking) {
    const int p1 = index_.position(booking.konto1Id);
    const int p2 = index_.position(booking.konto2Id);
    if (p1 < 0 || p2 < 0 || p1 == p2)
        return;
    count(p1, -1);
    count(p2, -1);
    table_.apply(booking, withoutProvisional_);
    count(p1, +1);
    count(p2, +1);
}

void DayByDay::count(int position, int sign) {
    const PeriodRecord& r = table_.records()[position];
    const auto add = [sign](uint64_t& sum, int64_t amount) {
        const uint64_t a = static_cast<uint64_t>(amount);
        sum = sign > 0 ? sum + a : sum - a;
    };
    if (r.isAsset) {
        add(r.end.amount >= 0 ? sums_.guthaben[r.end.currency] : sums_.schulden[r.end.currency],
            r.end.amount);
        return;
    }
    auto& sums = r.isIncome ? sums_.einnahmen : sums_.ausgaben;
    for (int slot = 0; slot < 2; ++slot)
        add(sums[slot], r.fromStart[slot]);
}

int64_t DayByDay::total(int valueKind, ledger::WaehrungsIndex displayCurrency) const {
    std::array<int64_t, 2> sums{};
    for (int slot = 0; slot < 2; ++slot) {
        const int64_t guthaben = signedOf(sums_.guthaben[slot]);
        const int64_t schulden = signedOf(sums_.schulden[slot]);
        const int64_t einnahmen = signedOf(sums_.einnahmen[slot]);
        const int64_t ausgaben = signedOf(sums_.ausgaben[slot]);
        switch (valueKind) {
        case kGuthaben:
            sums[slot] = guthaben;
            break;
        case kSchulden:
            sums[slot] = schulden;
            break;
        case kVermoegen:
            sums[slot] = ledger::addBetrag(guthaben, schulden);
            break;
        case kSparbetrag:
            sums[slot] = ledger::subBetrag(einnahmen, ausgaben);
            break;
        case kEinnahmen:
            sums[slot] = einnahmen;
            break;
        case kAusgaben:
            sums[slot] = ausgaben;
            break;
        default:
            break;
        }
    }
    const Umrechner& umrechner = table_.umrechner();
    if (!umrechner.dualCurrency())
        return sums[0];
    const int d = umrechner.slotOf(displayCurrency);
    return ledger::addBetrag(sums[d], umrechner.convert(sums[1 - d], 1 - d));
}

} // namespace reports
