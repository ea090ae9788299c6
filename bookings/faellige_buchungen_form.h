// CFaelligeBuchungenForm: the rules of the due bookings dialog ("Fällige Buchungen"): every
// rule unrolled into its open occurrences up to the due date, the four sort orders, the next
// numbers of the marked rows, and executing or deleting the marked occurrences.
#pragma once

#include "ledger/buchung_regel.h"
#include "ledger/dokument.h"
#include "platform/clock.h"
#include "platform/prompter.h"

#include <array>
#include <string>
#include <vector>

namespace bookings {

// Sort order of the due bookings ("&Sortierung").
enum FaelligSortierung : int32_t {
    kNachFaelligkeit = 0,
    kNachDatum = 1,
    kNachBezeichnungFaelligkeit = 2,
    kNachBezeichnungDatum = 3
};
inline constexpr std::array<const char*, 4> kSortierungNamen = {"fällig am", "Datum",
                                                                "Bez./fällig am", "Bez./Datum"};

// The columns of the due bookings list (besides the check box of each row).
enum FaelligSpalte : int {
    kSpalteBezeichnung,
    kSpalteFaellig,
    kSpalteDatum,
    kSpalteNummer,
    kSpalteText,
    kSpalteVorgang,
    kSpalteKonto1,
    kSpalteKonto2,
    kSpalteBetrag,
    kSpalteWaehrung,
    kSpalteNotizen
};
inline constexpr std::array<const char*, 11> kFaelligSpalten = {
    "Bezeichnung", "fällig am", "Datum",  "Nr.", "Buchungstext", "Vorgang",
    "Konto 1",     "Konto 2",   "Betrag", "W.",  "Notizen"};

class CFaelligeBuchungenForm {
public:
    static constexpr const char* kCaption = "Fällige Buchungen";

    CFaelligeBuchungenForm(ledger::CTalwerkDoc& doc, const platform::Clock& clock);

    // Both dates today, the document's sort order, the suggested first number; builds the list.
    void open();

    // --- Inputs; after changing one, rebuild() ---
    ledger::CNVKDatum dueUntil;    // "&Fälligkeitsdatum"
    ledger::CNVKDatum bookingDate; // "&Buchungsdatum"
    std::string firstNumber;       // "&erste Nr."

    int sortOrder() const;
    // Stores a changed order in the document and rebuilds the list.
    void setSortOrder(int order);
    // Unrolls every rule up to the due date, sorts and numbers the rows.
    void rebuild();

    // --- The list ---
    const std::vector<ledger::CTWBuchungPrep>& rows() const { return rows_; }
    std::string cellText(int row, int column) const;
    // Ticks or unticks one row; the shown numbers follow.
    void setMarked(int row, bool marked);
    // Ticks or unticks every row and keeps that as the initial state of new rows.
    void markAll(bool marked);
    // Executing and deleting need a marked row.
    bool anyMarked() const;
    // The booking options were written back to the document: a changed number source suggests
    // the first number again, and the list is rebuilt.
    void optionsApplied(bool numberSourceChanged);

    // --- Buttons; each returns true when it changed the ledger ---
    // "Buchungen &ausführen": books every marked row in list order.
    bool execute(platform::Prompter& prompter);
    // "Buchungen &löschen": marks every marked occurrence as deleted.
    bool deleteMarked(platform::Prompter& prompter);

    // Something was booked or deleted, or a setting or an option was stored.
    bool changed() const { return changed_; }

private:
    void sortRows();
    void numberRows();
    void suggestFirstNumber();
    void storeSetting(int32_t ledger::CTWEinstellungen::*setting, int32_t value);

    ledger::CTalwerkDoc& doc_;
    const platform::Clock& clock_;
    std::vector<ledger::CTWBuchungPrep> rows_;
    bool changed_ = false;
};

} // namespace bookings
