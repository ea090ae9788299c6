#include "accounts/euro_regeln_form.h"

namespace accounts {

CEuroRegelnForm::CEuroRegelnForm(const ledger::CTalwerkDoc& doc) : doc_(doc) {
    for (size_t i = 0; i < doc.rules().size(); ++i) {
        const ledger::CTWBuchungRegel& regel = *doc.rules()[i];
        if (regel.currencyIndex == ledger::WaehrungsIndex::Zweite)
            zeilen.push_back(
                {static_cast<int>(i), regel.name, regel.amount,
                 doc.convertBetrag(regel.amount, ledger::WaehrungsIndex::Zweite).amount});
    }
}

std::vector<std::string> CEuroRegelnForm::cells(int row) const {
    const Zeile& zeile = zeilen.at(row);
    return {zeile.name,
            doc_.formatBetrag(zeile.oldAmount) + " " + doc_.settings().secondCurrencySymbol,
            doc_.formatBetrag(zeile.newAmount) + " " + doc_.settings().firstCurrencySymbol};
}

void CEuroRegelnForm::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(zeilen.size()))
        return;
    selectedRow_ = row;
    neuerBetrag = doc_.formatBetrag(zeilen[row].newAmount);
}

bool CEuroRegelnForm::betragChanged(std::string text) {
    neuerBetrag = std::move(text);
    const auto amount = doc_.parseBetrag(neuerBetrag);
    if (selectedRow_ < 0 || !amount)
        return false;
    zeilen[selectedRow_].newAmount = *amount;
    return true;
}

void CEuroRegelnForm::leaveBetrag() {
    if (betragChanged(neuerBetrag))
        neuerBetrag = doc_.formatBetrag(zeilen[selectedRow_].newAmount);
}

void CEuroRegelnForm::apply(ledger::CTalwerkDoc& doc) const {
    for (const Zeile& zeile : zeilen) {
        if (!zeile.ticked || zeile.regelIndex >= static_cast<int>(doc.rules().size()))
            continue;
        ledger::CTWBuchungRegel regel = *doc.rules()[zeile.regelIndex];
        regel.amount = zeile.newAmount;
        regel.currencyIndex = ledger::WaehrungsIndex::Erste;
        doc.changeBuchungRegel(zeile.regelIndex, std::move(regel));
    }
}

} // namespace accounts
