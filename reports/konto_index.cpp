#include "reports/konto_index.h"

#include <algorithm>

namespace reports {

KontoIndex::KontoIndex(ledger::RecordView<ledger::CTWKonto> accounts) {
    sorted_.reserve(accounts.size());
    for (const ledger::CTWKonto* konto : accounts)
        if (konto)
            sorted_.push_back(konto);
    std::stable_sort(
        sorted_.begin(), sorted_.end(),
        [](const ledger::CTWKonto* a, const ledger::CTWKonto* b) { return a->id < b->id; });
    if (sorted_.empty() || sorted_.front()->id < 0)
        return;
    const int64_t maxId = sorted_.back()->id;
    if (maxId > 4 * static_cast<int64_t>(sorted_.size()) + 4096)
        return;
    byId_.assign(static_cast<std::size_t>(maxId) + 1, -1);
    for (int p = size() - 1; p >= 0; --p)
        byId_[sorted_[p]->id] = p;
}

int KontoIndex::position(int32_t accountId) const {
    if (!byId_.empty())
        return accountId >= 0 && accountId < static_cast<int32_t>(byId_.size()) ? byId_[accountId]
                                                                                : -1;
    auto it = std::lower_bound(sorted_.begin(), sorted_.end(), accountId,
                               [](const ledger::CTWKonto* k, int32_t id) { return k->id < id; });
    return it != sorted_.end() && (*it)->id == accountId ? static_cast<int>(it - sorted_.begin())
                                                         : -1;
}

} // namespace reports
