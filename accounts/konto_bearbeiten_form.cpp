#include "accounts/konto_bearbeiten_form.h"

#include "accounts/namen.h"

namespace accounts {

CKontoBearbeitenForm::CKontoBearbeitenForm(ledger::CTalwerkDoc& doc, int index)
    : KontoForm(doc, doc.accounts()[index]->kind, kCaption, doc.accounts()[index]),
      kontoId_(doc.accounts()[index]->id) {
    const ledger::CTWKonto& k = konto();
    name = k.name;
    number = k.number;
    abbreviation = k.abbreviation;
    if (k.isAsset()) {
        currencyIndex = k.currencyIndex;
        openingBalance = doc.formatBetrag(k.openingBalance);
    }
    standard.setIds(k.category, k.subcategory);
    alt1 = alt1Of(k);
    alt2 = alt2Of(k);
}

const ledger::CTWKonto& CKontoBearbeitenForm::konto() const {
    return *doc_.findKonto(kontoId_);
}

std::string CKontoBearbeitenForm::kindName() const {
    return kontoArtName(kind());
}

bool CKontoBearbeitenForm::waehrungsumstellungEnabled() const {
    return konto().isAsset() && doc_.settings().dualCurrency != 0;
}

CKontoWaehrungForm CKontoBearbeitenForm::waehrungForm(const ledger::CNVKDatum& today) {
    return CKontoWaehrungForm(doc_, kontoId_, currencyIndex, today);
}

void CKontoBearbeitenForm::takeWaehrung(const CKontoWaehrungForm& form) {
    changed_ = changed_ || form.changed();
}

void CKontoBearbeitenForm::apply() {
    ledger::CTWKonto changed = konto();
    store(changed);
    doc_.changeKonto(changed);
    changed_ = true;
}

} // namespace accounts
