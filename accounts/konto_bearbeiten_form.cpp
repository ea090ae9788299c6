#include "accounts/konto_bearbeiten_form.h"

#include "accounts/namen.h"

namespace accounts {

CKontoBearbeitenForm::CKontoBearbeitenForm(ledger::CTalwerkDoc& doc, int index)
    : KontoForm(doc, doc.accounts.at(index)->kind, kCaption, doc.accounts.at(index).get()),
      konto_(*doc.accounts.at(index)) {
    name = konto_.name;
    number = konto_.number;
    abbreviation = konto_.abbreviation;
    if (konto_.isAsset()) {
        currencyIndex = konto_.currencyIndex;
        openingBalance = doc.formatBetrag(konto_.openingBalance);
    }
    standard.setIds(konto_.category, konto_.subcategory);
    alt1 = alt1Of(konto_);
    alt2 = alt2Of(konto_);
}

std::string CKontoBearbeitenForm::kindName() const {
    return kontoArtName(kind());
}

bool CKontoBearbeitenForm::waehrungsumstellungEnabled() const {
    return konto_.isAsset() && doc_.settings.dualCurrency != 0;
}

CKontoWaehrungForm CKontoBearbeitenForm::waehrungForm(const ledger::CNVKDatum& today) {
    return CKontoWaehrungForm(doc_, konto_, currencyIndex, today);
}

void CKontoBearbeitenForm::takeWaehrung(const CKontoWaehrungForm& form) {
    changed_ = changed_ || form.changed();
}

void CKontoBearbeitenForm::apply() {
    releaseZuordnungen(doc_, konto_);
    store(konto_);
    doc_.setModified();
    changed_ = true;
}

} // namespace accounts
