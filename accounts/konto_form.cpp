#include "accounts/konto_form.h"

#include "ledger/win1252.h"

namespace accounts {

KontoForm::KontoForm(ledger::CTalwerkDoc& doc, ledger::KontoArt kind, std::string caption,
                     const ledger::CTWKonto* edited)
    : standard(doc, kind), doc_(doc), kind_(kind), caption_(std::move(caption)), edited_(edited) {}

void KontoForm::applyKind(ledger::KontoArt kind) {
    kind_ = kind;
    standard.setKind(kind);
    if (kind == ledger::KontoArt::Bestandskonto) {
        if (currencyIndex == ledger::WaehrungsIndex::Keine) {
            currencyIndex = ledger::WaehrungsIndex::Erste;
            openingBalance = doc_.formatBetrag(0);
        }
    } else {
        currencyIndex = ledger::WaehrungsIndex::Keine;
        openingBalance.clear();
    }
}

void KontoForm::leaveNumber() {
    if (number <= 0)
        number = 1;
    else if (number > kMaxKontonummer)
        number = kMaxKontonummer;
}

void KontoForm::leaveOpeningBalance() {
    if (const auto amount = doc_.parseBetrag(openingBalance))
        openingBalance = doc_.formatBetrag(*amount);
}

std::vector<std::string> KontoForm::currencies() const {
    std::vector<std::string> symbols{doc_.settings().firstCurrencySymbol};
    if (doc_.settings().dualCurrency != 0)
        symbols.push_back(doc_.settings().secondCurrencySymbol);
    return symbols;
}

bool KontoForm::currencyEnabled() const {
    return kind_ == ledger::KontoArt::Bestandskonto && (!edited_ || edited_->switchDates.empty());
}

CKontoAltKatForm KontoForm::altKatForm() const {
    return CKontoAltKatForm(doc_, kind_, alt1, alt2);
}

void KontoForm::altKatClosed(const CKontoAltKatForm& form, bool accepted) {
    if (accepted) {
        const auto result = form.result();
        alt1 = result[0];
        alt2 = result[1];
    }
    changed_ = changed_ || form.changed();
}

bool KontoForm::createKategorie(const KategorieBenennung& benennung) {
    if (!standard.create(benennung))
        return false;
    changed_ = true;
    return true;
}

std::optional<KontoForm::Field> KontoForm::check(platform::Prompter& prompter) const {
    auto refuse = [&](const char* text, Field field) {
        prompter.information(text, caption_);
        return std::optional<Field>(field);
    };
    if (name.empty())
        return refuse("Bitte geben Sie eine Bezeichnung für das Konto ein!", Field::Bezeichnung);
    if (number < 1 || number > kMaxKontonummer)
        return refuse("Bitte geben Sie eine Kontonummer zwischen 1 und 999999 ein!",
                      Field::Kontonummer);
    if (abbreviation.empty())
        return refuse("Bitte geben Sie eine Abkürzung für das Konto ein!", Field::Abkuerzung);
    for (const auto& konto : doc_.accounts()) {
        if (konto == edited_)
            continue;
        if (ledger::equalsNoCase(konto->name, name))
            return refuse("Ein Konto mit dieser Bezeichnung existiert bereits!",
                          Field::Bezeichnung);
        if (konto->number == number)
            return refuse("Ein Konto mit dieser Kontonummer existiert bereits!",
                          Field::Kontonummer);
        if (ledger::equalsNoCase(konto->abbreviation, abbreviation))
            return refuse("Ein Konto mit dieser Abkürzung existiert bereits!", Field::Abkuerzung);
    }
    if (kind_ == ledger::KontoArt::Bestandskonto && !doc_.parseBetrag(openingBalance))
        return refuse("Bitte geben Sie einen gültigen Anfangsbestand ein!", Field::Anfangsbestand);
    return std::nullopt;
}

void KontoForm::store(ledger::CTWKonto& konto) const {
    konto.name = name;
    konto.number = static_cast<int32_t>(number);
    konto.abbreviation = abbreviation;
    if (konto.kind == ledger::KontoArt::Bestandskonto) {
        konto.currencyIndex = currencyIndex;
        konto.openingBalance = doc_.parseBetrag(openingBalance).value_or(0);
    } else {
        konto.currencyIndex = ledger::WaehrungsIndex::Keine;
        konto.openingBalance = 0;
    }
    setZuordnungen(doc_, konto, standard.kategorie(), standard.unterkategorie(), alt1, alt2);
}

} // namespace accounts
