#include "accounts/konto_waehrung_form.h"

#include <algorithm>

namespace accounts {

CKontoWaehrungForm::CKontoWaehrungForm(ledger::CTalwerkDoc& doc, int32_t kontoId,
                                       ledger::WaehrungsIndex originalCurrency,
                                       const ledger::CNVKDatum& today)
    : datum(today), doc_(doc), konto_(*doc.findKonto(kontoId)), original_(originalCurrency) {}

std::string CKontoWaehrungForm::symbol(ledger::WaehrungsIndex currency) const {
    return currency == ledger::WaehrungsIndex::Zweite ? doc_.settings().secondCurrencySymbol
                                                      : doc_.settings().firstCurrencySymbol;
}

std::string CKontoWaehrungForm::originalSymbol() const {
    return symbol(original_);
}

std::string CKontoWaehrungForm::umstellenAuf() const {
    const auto& dates = konto_.switchDates;
    if (std::binary_search(dates.begin(), dates.end(), datum))
        return "-";
    const auto earlier = std::lower_bound(dates.begin(), dates.end(), datum) - dates.begin();
    const ledger::WaehrungsIndex before =
        earlier % 2 == 0 ? original_ : ledger::andereWaehrung(original_);
    return symbol(ledger::andereWaehrung(before));
}

std::vector<CKontoWaehrungForm::Zeile> CKontoWaehrungForm::zeilen() const {
    std::vector<Zeile> rows;
    ledger::WaehrungsIndex currency = original_;
    for (const ledger::CNVKDatum& date : konto_.switchDates) {
        currency = ledger::andereWaehrung(currency);
        rows.push_back({date.text(), symbol(currency)});
    }
    return rows;
}

bool CKontoWaehrungForm::rueckgaengigEnabled() const {
    return selectedRow >= 0 && selectedRow < static_cast<int>(konto_.switchDates.size());
}

void CKontoWaehrungForm::commit() {
    konto_.currencyIndex = original_;
    doc_.changeKonto(konto_);
    changed_ = true;
}

bool CKontoWaehrungForm::umstellen(platform::Prompter& prompter) {
    auto& dates = konto_.switchDates;
    const auto position = std::lower_bound(dates.begin(), dates.end(), datum);
    if (position != dates.end() && *position == datum) {
        prompter.information("An diesem Datum wurde die Währung bereits umgestellt!", kCaption);
        return false;
    }
    if (!prompter.askYesNo("Kontowährung am " + datum.text() + " umstellen?", kCaption))
        return false;
    dates.insert(position, datum);
    commit();
    return true;
}

bool CKontoWaehrungForm::rueckgaengig(platform::Prompter& prompter) {
    if (!rueckgaengigEnabled())
        return false;
    auto& dates = konto_.switchDates;
    if (!prompter.askYesNo("Währungsumstellung am " + dates[selectedRow].text() + " löschen?",
                           kCaption))
        return false;
    dates.erase(dates.begin() + selectedRow);
    selectedRow = -1;
    commit();
    return true;
}

} // namespace accounts
