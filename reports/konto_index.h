// The accounts of a ledger in ascending id order with a lookup by id, built once per report.
#pragma once

#include "ledger/konto.h"
#include "ledger/record_view.h"

#include <memory>
#include <vector>

namespace reports {

class KontoIndex {
public:
    explicit KontoIndex(ledger::RecordView<ledger::CTWKonto> accounts);

    int size() const { return static_cast<int>(sorted_.size()); }
    // The accounts in ascending order of id.
    const std::vector<const ledger::CTWKonto*>& accounts() const { return sorted_; }
    // Position of the account id in accounts(), or -1.
    int position(int32_t accountId) const;
    const ledger::CTWKonto* find(int32_t accountId) const {
        const int p = position(accountId);
        return p < 0 ? nullptr : sorted_[p];
    }

private:
    std::vector<const ledger::CTWKonto*> sorted_;
    // Positions by id when the ids are dense enough for a direct table; otherwise the sorted
    // list is searched by bisection (ids of a damaged file may be anywhere).
    std::vector<int> byId_;
};

} // namespace reports
