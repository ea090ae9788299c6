#include "accounts/euro_konten_form.h"

#include <algorithm>

namespace accounts {

ledger::CNVKDatum euroStichtag() {
    return *ledger::CNVKDatum::fromCalendar(1, 1, 2002);
}

CEuroKontenForm::CEuroKontenForm(const ledger::CTalwerkDoc& doc) {
    for (const auto& konto : doc.accounts())
        if (konto->isAsset() && konto->finalCurrencyIndex() == ledger::WaehrungsIndex::Zweite)
            zeilen.push_back({konto->id, konto->name,
                              std::to_string(static_cast<uint32_t>(konto->number)),
                              konto->abbreviation});
}

void CEuroKontenForm::apply(ledger::CTalwerkDoc& doc) const {
    const ledger::CNVKDatum stichtag = euroStichtag();
    for (const Zeile& zeile : zeilen) {
        const ledger::CTWKonto* found = doc.findKonto(zeile.kontoId);
        if (!zeile.ticked || !found)
            continue;
        ledger::CTWKonto konto = *found;
        auto& dates = konto.switchDates;
        const auto position = std::lower_bound(dates.begin(), dates.end(), stichtag);
        if (position != dates.end() && *position == stichtag)
            dates.erase(position);
        else
            dates.insert(position, stichtag);
        doc.changeKonto(konto);
    }
}

} // namespace accounts
