#include "accounts/konto_neu_form.h"

namespace accounts {

CKontoNeuForm::CKontoNeuForm(ledger::CTalwerkDoc& doc, std::optional<ledger::KontoArt> fixedKind)
    : KontoForm(doc, fixedKind.value_or(ledger::KontoArt::Bestandskonto), kCaption, nullptr),
      kindSelectable_(!fixedKind) {
    number = static_cast<int64_t>(doc.settings().nextAccountId) + 1;
    applyKind(kind());
}

void CKontoNeuForm::setKind(ledger::KontoArt kind) {
    alt1 = kAlt1Default;
    alt2 = kAlt2Default;
    applyKind(kind);
}

int CKontoNeuForm::apply() {
    ledger::CTWKonto konto;
    konto.kind = kind();
    store(konto);
    doc_.addKonto(std::move(konto));
    return static_cast<int>(doc_.accounts().size()) - 1;
}

} // namespace accounts
