// The accounts that a view about one account, category or sub-category covers, and their
// summed value on a day.
#pragma once

#include "ledger/buchung.h"
#include "reports/period_table.h"
#include "reports/report_params.h"

#include <array>
#include <vector>

namespace reports {

class SelectedAccounts {
public:
    // `selection` must be resolved (resolveSelection); with none selected the set is empty.
    SelectedAccounts(const KontoIndex& index, const Selection& selection, int grouping);

    bool empty() const { return positions_.empty(); }
    // Positions in the index of the selected accounts, in ascending order.
    const std::vector<int>& positions() const { return positions_; }
    // Whether the booking moves money into or out of a selected account.
    bool touches(const ledger::CTWBuchung& booking) const;
    // Whether the value of the selection is a flow (an income or expense account, or a
    // category of such accounts) rather than a balance.
    bool isFlow() const { return flow_; }

    // The sum of the selected accounts per currency slot on the day: the balance of an asset
    // account in the currency it has on that day, the flows of income and expense accounts
    // as they are.
    std::array<int64_t, 2> sums(const PeriodTable& table, ledger::CNVKDatum day) const;
    // The sums combined into each currency: [0] in the first, [1] in the second.
    static std::array<int64_t, 2> combined(const Umrechner& umrechner,
                                           const std::array<int64_t, 2>& sums);

private:
    const KontoIndex& index_;
    std::vector<int> positions_;
    std::vector<char> selected_;
    bool flow_ = false;
};

} // namespace reports
