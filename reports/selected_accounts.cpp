#include "reports/selected_accounts.h"

namespace reports {
namespace {

bool isSelected(const ledger::CTWKonto& konto, const Selection& selection, int grouping) {
    switch (selection.kind) {
    case Selection::kKonto:
        return konto.id == selection.accountId;
    case Selection::kKategorie:
        return konto.kind == selection.accountKind &&
               konto.effectiveCategory(grouping) == selection.categoryId;
    case Selection::kUnterkategorie:
        return konto.kind == selection.accountKind &&
               konto.effectiveCategory(grouping) == selection.categoryId &&
               konto.effectiveSubcategory(grouping) == selection.subcategoryId;
    default:
        return false;
    }
}

} // namespace

SelectedAccounts::SelectedAccounts(const KontoIndex& index, const Selection& selection,
                                   int grouping)
    : index_(index), selected_(index.size(), 0) {
    for (int p = 0; p < index.size(); ++p)
        if (isSelected(*index.accounts()[p], selection, grouping)) {
            selected_[p] = 1;
            positions_.push_back(p);
        }
    if (selection.kind == Selection::kKonto) {
        const ledger::CTWKonto* konto = index.find(selection.accountId);
        flow_ = konto && !konto->isAsset();
    } else if (selection.kind != Selection::kNone) {
        flow_ = selection.accountKind != ledger::KontoArt::Bestandskonto;
    }
}

bool SelectedAccounts::touches(const ledger::CTWBuchung& booking) const {
    const int p1 = index_.position(booking.konto1Id);
    const int p2 = index_.position(booking.konto2Id);
    return (p1 >= 0 && selected_[p1]) || (p2 >= 0 && selected_[p2]);
}

std::array<int64_t, 2> SelectedAccounts::sums(const PeriodTable& table,
                                              ledger::CNVKDatum day) const {
    const Umrechner& umrechner = table.umrechner();
    std::array<int64_t, 2> sum{};
    for (const int p : positions_) {
        const PeriodRecord& r = table.records()[p];
        if (r.isAsset) {
            const int c = umrechner.slotOf(r.konto->currencyIndexAt(day));
            sum[c] = ledger::addBetrag(sum[c], umrechner.into(r.end.amount, r.end.currency, c));
        } else {
            sum[0] = ledger::addBetrag(sum[0], r.fromStart[0]);
            sum[1] = ledger::addBetrag(sum[1], r.fromStart[1]);
        }
    }
    return sum;
}

std::array<int64_t, 2> SelectedAccounts::combined(const Umrechner& umrechner,
                                                  const std::array<int64_t, 2>& sums) {
    if (!umrechner.dualCurrency())
        return {sums[0], sums[0]};
    return {ledger::addBetrag(sums[0], umrechner.convert(sums[1], 1)),
            ledger::addBetrag(sums[1], umrechner.convert(sums[0], 0))};
}

} // namespace reports
