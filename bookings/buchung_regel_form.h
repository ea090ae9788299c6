// CBuchungRegelForm: the rules of the recurring booking dialog ("Regelmäßige Buchung"): a new
// rule, a rule repeating a booking just saved, or an existing rule whose schedule is locked
// or continues from its next occurrence; the checks of OK in their fixed order and the saving
// that keeps or restarts the occurrence states.
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

// Date mode of a recurring booking ("&Datum").
enum Datumsmodus : int32_t { kFaelligkeitsdatum = 0, kBuchungsdatum = 1 };
inline constexpr std::array<const char*, 2> kDatumsmodusNamen = {"Fälligkeitsdatum",
                                                                 "Buchungsdatum"};

class CBuchungRegelForm {
public:
    // The fields a failed check puts the focus on.
    enum class Field { Name, Number, Text, Account1, Account2, Amount, Interval };

    CBuchungRegelForm(ledger::CTalwerkDoc& doc, const platform::Clock& clock);

    // A new rule: "<NAECHSTE>", counter 1, monthly from today, the preset currency.
    void openNew();
    // A new rule that repeats the booking: its text as name and text, its kind, accounts,
    // amount, currency, notes and provisional flag, counter 2, first date one interval after
    // the booking's date.
    void openFromBooking(const ledger::CTWBuchung& buchung);
    // The rule at the index, with its schedule locked or shown from its next occurrence.
    void openEdit(int index);

    // --- Fields, as the dialog shows and edits them ---
    std::string name;
    int32_t dateMode = kFaelligkeitsdatum;
    std::string numberTemplate;
    int32_t counter = 1; // the counter start, or the next counter
    std::string textTemplate;
    std::string amountText;
    ledger::WaehrungsIndex currency = ledger::WaehrungsIndex::Erste;
    std::string notesTemplate;
    int32_t intervalCount = 1;
    int32_t intervalUnit = ledger::kMonate;
    ledger::CNVKDatum date; // the first date, or the next due date
    bool provisional = false;
    std::array<std::string, 2> accountText;

    ledger::Vorgang kind() const { return kind_; }
    int identifikation(int side) const { return mode_[side]; }
    const KontoListe& kontoListe(int side) const { return lists_[side]; }
    std::string kontoLabel(int side) const;
    std::vector<std::string> currencyNames() const;
    bool isEditing() const { return edited_ >= 0; }
    // False while the first date, counter and interval may no longer change.
    bool scheduleEnabled() const { return !locked_; }
    // "Zä&hler starten mit" / "Erste &Buchung am", or "Nächster Zä&hler" / "Nächste &Buchung
    // am" while the schedule is shown from its next occurrence.
    std::string counterLabel() const;
    std::string dateLabel() const;

    // --- Events ---
    void changeKind(ledger::Vorgang newKind);
    void stepIdentifikation(int side, int delta);
    // The interval count or unit changed: a rule repeating a booking moves its first date to
    // one interval after the booking's date.
    void intervalChanged();
    // An interval count of 0 becomes 1.
    void leaveInterval();
    // Rewrites a parsing amount text in the document's amount format.
    void leaveAmount();

    // OK: on a failed check the message has been shown and the field to focus is returned;
    // on success the rule is added or changed and nothing is returned.
    std::optional<Field> ok(platform::Prompter& prompter);

    bool changed() const { return changed_; }
    // The index of the rule that OK added or changed, or -1.
    int ruleIndex() const { return savedIndex_; }

private:
    void start(ledger::Vorgang kind, int32_t konto1, int32_t konto2);
    void rebuildLists();
    void rememberChoices();
    const ledger::CTWKonto* chosenKonto(int side) const;
    // True when the schedule was shown from its next occurrence and is still as shown.
    bool nextScheduleUnchanged() const;

    ledger::CTalwerkDoc& doc_;
    const platform::Clock& clock_;
    int edited_ = -1;
    ledger::Vorgang kind_ = ledger::Vorgang::Einnahme;
    std::array<int, 2> mode_{};
    std::array<KontoListe, 2> lists_;
    // Remembered account per kind and side.
    std::array<std::array<int32_t, 2>, 3> remembered_{};
    std::optional<ledger::CNVKDatum> bookingDate_; // while the rule repeats a booking
    bool locked_ = false;
    // The next counter, count, unit and date shown for a rule with occurrences done.
    struct Next {
        int32_t counter;
        int32_t count;
        int32_t unit;
        ledger::CNVKDatum date;
    };
    std::optional<Next> next_;
    bool changed_ = false;
    int savedIndex_ = -1;
};

} // namespace bookings
