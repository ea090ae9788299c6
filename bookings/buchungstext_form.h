// CBuchungstextForm: the rules of the booking text selection "Buchungstext auswählen": the
// distinct booking texts of the newest bookings without the hidden ones, hiding a text, and
// the choices that are kept in the document at once.
#pragma once

#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bookings {

// The counts offered by "&Buchungstexte der letzten" ("Buchungen").
inline constexpr std::array<int, 17> kBuchungstextAnzahlen = {
    10, 20, 30, 40, 60, 80, 100, 150, 200, 300, 400, 500, 750, 1000, 2000, 5000, 10000};

class CBuchungstextForm {
public:
    static constexpr const char* kCaption = "Buchungstext auswählen";

    // One list entry: a booking text and the newest booking that carries it.
    struct Eintrag {
        std::string text;
        int bookingIndex = -1;
    };

    explicit CBuchungstextForm(ledger::CTalwerkDoc& doc);

    int countIndex() const;
    bool takeKindAndAccounts() const;
    bool takeAmountAndCurrency() const;
    bool takeNotes() const;
    // Each change is stored in the document at once.
    void setCountIndex(int index);
    void setTakeKindAndAccounts(bool on);
    void setTakeAmountAndCurrency(bool on);
    void setTakeNotes(bool on);

    // The entries, sorted alphabetically.
    const std::vector<Eintrag>& entries() const { return entries_; }
    int selected = -1;

    // "Buchungstext nicht mehr anzeigen": hides the selected text in the document and selects
    // the entry now at its place (or the last one).
    void hideSelected(platform::Prompter& prompter);
    // The booking OK takes its values from, or nullptr without a selection.
    const ledger::CTWBuchung* chosenBooking() const;

private:
    void rebuild();
    void store(int32_t ledger::CTWEinstellungen::*setting, int32_t value);

    ledger::CTalwerkDoc& doc_;
    std::vector<Eintrag> entries_;
};

} // namespace bookings
