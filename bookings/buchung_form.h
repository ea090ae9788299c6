// CBuchungForm: the rules of the booking dialog for new, edited and confirmed bookings: the
// account lists of the booking kind with their preselection, the identification modes of the
// two sides, the booking number suggestion, the checks of OK in their fixed order and the
// saving that keeps an edited booking's entry serial.
#pragma once

#include "bookings/konto_ident.h"
#include "ledger/dokument.h"
#include "platform/clock.h"
#include "platform/prompter.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace bookings {

// The texts of the booking kinds, by kind.
inline constexpr std::array<const char*, 3> kVorgangNamen = {"Einnahme", "Ausgabe", "Umbuchung"};

class CBuchungForm {
public:
    // The fields a failed check puts the focus on.
    enum class Field { Number, Text, Account1, Account2, Amount };

    // What the new-account dialog opened beside a side is preset to.
    struct KontoVorgabe {
        ledger::KontoArt kind = ledger::KontoArt::Bestandskonto;
        bool freeChoice = false; // the kind may be chosen freely
    };

    CBuchungForm(ledger::CTalwerkDoc& doc, const platform::Clock& clock);

    // First opening for a new booking: today, an income, the suggested number, the preset
    // currency, amount 0, no remembered accounts.
    void openNew();
    // Opening again after "Weitere Buchung...": every value stays except the amount (0) and
    // the number (incremented).
    void openFurther();
    // Opening for the booking at the index, to edit it or (confirm) to confirm it.
    void openEdit(int index, bool confirm);

    // --- Fields, as the dialog shows and edits them ---
    ledger::CNVKDatum date;
    std::string number;
    std::string text;
    std::string notes;
    std::string amountText;
    ledger::WaehrungsIndex currency = ledger::WaehrungsIndex::Erste;
    bool repeat = false;      // "Buchung regelmäßig ausführen"
    bool provisional = false; // "Vorläufige Buchung"
    std::array<std::string, 2> accountText;

    ledger::Vorgang kind() const { return kind_; }
    int identifikation(int side) const { return mode_[side]; }
    const KontoListe& kontoListe(int side) const { return lists_[side]; }

    // --- Texts and states derived from the fields ---
    std::string title() const;
    // The caption of the form's messages.
    std::string caption() const;
    bool isEditing() const { return edited_ >= 0; }
    std::vector<std::string> currencyNames() const;
    bool numberEnabled() const;
    bool currencyEnabled() const;
    bool notesEnabled() const;
    // The repeat flag and "Weitere Buchung..." exist for new bookings only.
    bool newBookingButtons() const { return !isEditing(); }
    std::string statusText() const;
    std::string kontoLabel(int side) const;
    // The account's two other identifiers and, for an asset account, the name of the currency
    // it holds on the booking date; empty texts when the field names no listed account.
    std::array<std::string, 3> kontoInfo(int side) const;
    // "= 12,50 EUR / 24,45 DM": the amount with its currency and, under dual-currency
    // bookkeeping, converted; empty while the amount text does not parse.
    std::string amountInfo() const;

    // --- Events ---
    void changeKind(ledger::Vorgang newKind);
    void stepIdentifikation(int side, int delta);
    // Rewrites a parsing amount text in the document's amount format.
    void leaveAmount();
    KontoVorgabe newAccountPreset(int side) const;
    // The new-account dialog of a side ended with OK and created the account.
    void accountCreated(int side, int32_t accountId);
    // The booking options were written back to the document.
    void optionsApplied(bool numberSourceChanged);
    // Takes the text, and as the three flags say kind and accounts, amount and currency,
    // notes, from a booking chosen in the booking text selection.
    void takeFromBooking(const ledger::CTWBuchung& buchung, bool kindAndAccounts,
                         bool amountAndCurrency, bool takeNotes);

    // --- Buttons. On a failed check the message has been shown and the field to focus is
    // returned; on success nothing, and the dialog closes with OK. ---
    std::optional<Field> ok(platform::Prompter& prompter);
    std::optional<Field> further(platform::Prompter& prompter);

    // --- Results of the run ---
    // A booking was added or changed, or an account or an option was written.
    bool changed() const { return changed_; }
    bool furtherRequested() const { return furtherRequested_; }
    int32_t addedSerial() const { return addedSerial_; }

private:
    // Runs the checks; on success the booking (without serial) is returned in `out`.
    std::optional<Field> check(platform::Prompter& prompter, ledger::CTWBuchung& out);
    void save(ledger::CTWBuchung buchung);
    void startRun();
    void rebuildLists();
    void preselect(int side);
    // Stores what both fields name as the remembered accounts of the current kind.
    void rememberChoices();
    const ledger::CTWKonto* listedKonto(int side) const;

    ledger::CTalwerkDoc& doc_;
    const platform::Clock& clock_;
    int edited_ = -1;
    bool confirm_ = false;
    ledger::Vorgang kind_ = ledger::Vorgang::Einnahme;
    std::array<int, 2> mode_{};
    std::array<KontoListe, 2> lists_;
    // Remembered account per kind and side.
    std::array<std::array<int32_t, 2>, 3> remembered_{};
    bool changed_ = false;
    bool furtherRequested_ = false;
    int32_t addedSerial_ = -1;
};

} // namespace bookings
