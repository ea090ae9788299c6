// KontoForm: what the dialogs "Neues Konto" and "Konto bearbeiten" have in common: the
// account's fields, the controls that depend on its kind, the checks of OK in their order,
// the rules of leaving the number and the opening balance, and the category assignments.
#pragma once

#include "accounts/kategorie_auswahl.h"
#include "accounts/konto_alt_kat_form.h"
#include "accounts/zuordnung.h"
#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace accounts {

class KontoForm {
public:
    enum class Field { Bezeichnung, Kontonummer, Abkuerzung, Anfangsbestand };

    static constexpr int64_t kMaxKontonummer = 999999;

    std::string name;         // "Bezeichnung"
    int64_t number = 0;       // "Kontonummer"
    std::string abbreviation; // "Abkürzung"
    ledger::WaehrungsIndex currencyIndex = ledger::WaehrungsIndex::Keine;
    std::string openingBalance; // "Anfangsbestand" as typed
    KategorieAuswahl standard;  // the standard assignment
    AltZuordnung alt1 = kAlt1Default;
    AltZuordnung alt2 = kAlt2Default;

    ledger::KontoArt kind() const { return kind_; }
    const std::string& caption() const { return caption_; }

    // Leaving the number: 0 becomes 1, a value above 999999 becomes 999999.
    void leaveNumber();
    // Leaving the opening balance: a valid amount is written back formatted.
    void leaveOpeningBalance();

    // The symbol of the first currency and, with two currencies, of the second.
    std::vector<std::string> currencies() const;
    // The currency label and list: asset accounts, when editing only while the account has
    // no currency switch dates. The opening balance label and field: asset accounts.
    bool currencyEnabled() const;
    bool openingBalanceEnabled() const { return kind_ == ledger::KontoArt::Bestandskonto; }

    // "Alternative Kategoriezuordnungen...": the form to show; when it closes, an accepted
    // form's assignments are taken, and categories it created count as a change either way.
    CKontoAltKatForm altKatForm() const;
    void altKatClosed(const CKontoAltKatForm& form, bool accepted);
    // The "Neu..." buttons of the standard assignment.
    bool createKategorie(const KategorieBenennung& benennung);
    // A category or sub-category was created from within; the caller marks the document
    // modified even when the dialog is cancelled.
    bool changed() const { return changed_; }

    // OK: the checks in their order; on a failure the message has been shown and the field
    // to focus is returned.
    std::optional<Field> check(platform::Prompter& prompter) const;

protected:
    KontoForm(ledger::CTalwerkDoc& doc, ledger::KontoArt kind, std::string caption,
              const ledger::CTWKonto* edited);

    // The dependent controls of the kind: an asset account gets currency 0 and a formatted
    // opening balance of 0 when it has no currency yet; the others have neither.
    void applyKind(ledger::KontoArt kind);
    // Copies the fields into the account and sets its assignments with their usage counts.
    void store(ledger::CTWKonto& konto) const;

    ledger::CTalwerkDoc& doc_;
    bool changed_ = false;

private:
    ledger::KontoArt kind_;
    std::string caption_;
    const ledger::CTWKonto* edited_; // skipped by the uniqueness checks
};

} // namespace accounts
