#include "bookings/buchung_regeln_form.h"

#include "ledger/win1252.h"

#include <algorithm>

namespace bookings {

CBuchungRegelnForm::CBuchungRegelnForm(ledger::CTalwerkDoc& doc) : doc_(doc) {
    rebuild();
}

void CBuchungRegelnForm::rebuild() {
    entries_.clear();
    for (size_t i = 0; i < doc_.rules().size(); ++i)
        entries_.push_back({doc_.rules()[i]->name, static_cast<int>(i)});
    std::stable_sort(entries_.begin(), entries_.end(), [](const Eintrag& a, const Eintrag& b) {
        return ledger::compareNoCase(a.name, b.name) < 0;
    });
}

int CBuchungRegelnForm::rowOfRule(int ruleIndex) const {
    for (size_t row = 0; row < entries_.size(); ++row)
        if (entries_[row].ruleIndex == ruleIndex)
            return static_cast<int>(row);
    return -1;
}

bool CBuchungRegelnForm::remove(int row, platform::Prompter& prompter) {
    if (row < 0 || row >= static_cast<int>(entries_.size()))
        return false;
    if (!prompter.askYesNo("Möchten Sie diese regelmäßige Buchung wirklich löschen", kCaption))
        return false;
    doc_.removeBuchungRegel(entries_[static_cast<size_t>(row)].ruleIndex);
    changed_ = true;
    rebuild();
    return true;
}

} // namespace bookings
