// CBuchungsEditorForm: the rules of the booking editor "Buchungs-Editor": the bookings of a date
// range, narrowed by one of the document's filters and sorted by a column, the states of the
// buttons, the commands on the selected booking and the four bulk operations on exactly the
// listed bookings. The caller makes each user action one undo step of its own.
#pragma once

#include "accounts/konto_ersetzen_form.h"
#include "bookings/buchung_renumber_form.h"
#include "bookings/textersetzung_form.h"
#include "ledger/dokument.h"
#include "platform/clock.h"
#include "platform/prompter.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace bookings {

// The columns of the list; also the sort keys.
enum EditorSpalte : int {
    kEdDatum,
    kEdNummer,
    kEdText,
    kEdVorgang,
    kEdKonto1,
    kEdKonto2,
    kEdBetrag,
    kEdWaehrung,
    kEdVorlaeufig,
    kEdNotizen
};
inline constexpr std::array<const char*, 10> kEditorSpalten = {
    "Datum",   "Nr.",    "Buchungstext", "Vorgang", "Konto 1",
    "Konto 2", "Betrag", "W.",           "V",       "Notizen"};

// The bulk operations of "&Ausführen...".
enum class Massenaenderung : int { AlleLoeschen, AlleNeuNummerieren, TextErsetzen, KontoErsetzen };
inline constexpr std::array<const char*, 4> kMassenaenderungNamen = {
    "Alle löschen", "Alle neu nummerieren", "Text ersetzen", "Konto ersetzen"};

// The dialogs a bulk operation opens; each returns true when it was closed with OK (after its
// form's checks passed).
class EditorDialoge {
public:
    virtual ~EditorDialoge() = default;
    virtual bool neuNummerieren(CBuchungRenumberForm& form) = 0;
    virtual bool textErsetzen(CTextersetzungForm& form) = 0;
    virtual bool kontoErsetzen(accounts::CKontoErsetzenForm& form) = 0;
};

class CBuchungsEditorForm {
public:
    static constexpr const char* kCaption = "Buchungs-Editor";
    static constexpr const char* kKeinFilter = "kein Filter";
    // The number of the document's filters the choice offers.
    static constexpr int kFilterAuswahl = 10;

    CBuchungsEditorForm(ledger::CTalwerkDoc& doc, const platform::Clock& clock);

    // The current month, no filter, sorted by date ascending; builds the list.
    void open();

    // --- Range, filter and sort; each change rebuilds the list ---
    const ledger::CNVKDatum& from() const { return from_; }
    const ledger::CNVKDatum& to() const { return to_; }
    // Each date stays within the valid dates and may not pass the other one.
    void setFrom(const ledger::CNVKDatum& date);
    void setTo(const ledger::CNVKDatum& date);
    // Both dates at once (the to date not before the from date).
    void setRange(const ledger::CNVKDatum& from, const ledger::CNVKDatum& to);
    // "kein Filter", then the names of the document's first ten filters.
    std::vector<std::string> filterNames() const;
    int filterChoice() const { return filter_; } // 0 none, k the document's filter k - 1
    void setFilterChoice(int choice);
    int sortColumn() const { return sortColumn_; }
    bool descending() const { return descending_; }
    void setSort(int column, bool descending);
    // A click on a column header: that column ascending, or the other direction when it is
    // the sorted column already.
    void headerClicked(int column);

    // --- The list ---
    // Builds the list again from the document (after every change); the selected booking
    // stays selected when it is still listed.
    void rebuild();
    int rowCount() const { return static_cast<int>(shown_.size()); }
    // The listed bookings as indexes into the document's list, in display order.
    const std::vector<int>& shown() const { return shown_; }
    const ledger::CTWBuchung& buchung(int row) const;
    std::string cellText(int row, int column) const;
    // The label beside the list: the number of listed bookings.
    std::string countText() const;

    // --- Selection and the states of the buttons ---
    int selectedRow() const { return selectedRow_; }
    void select(int row); // -1 for none
    // Selects the booking with the entry serial when it is listed (after adding or editing it).
    void selectSerial(int32_t serial);
    // The selected booking's index in the document, or -1.
    int selectedIndex() const;
    bool editEnabled() const { return selectedRow_ >= 0; } // "B&earbeiten...", "&Löschen"
    bool confirmEnabled() const;                           // "Be&stätigen...", "A&uto-Bestätigen"
    bool filterEnabled() const { return filter_ != 0; }    // "&Filter..."
    int filterIndex() const { return filter_ - 1; }        // the chosen document filter

    // --- Commands on the selected booking; nothing without a selection ---
    // "A&uto-Bestätigen": the booking is no longer provisional.
    void autoBestaetigen();
    // "&Löschen", after the question.
    void loeschen(platform::Prompter& prompter);
    // A dialog opened from the editor (new, edit, confirm, due bookings, options, filter): its
    // changes count as the editor's, and the list is rebuilt.
    void aendern(const std::function<void()>& dialog);

    // --- "&Ausführen...": the bulk operation on exactly the listed bookings. Returns how many
    // bookings it deleted or changed (0 also when its dialog or question was declined). ---
    std::size_t ausfuehren(Massenaenderung operation, platform::Prompter& prompter,
                           EditorDialoge& dialoge);

    // --- Results ---
    // Some action changed the ledger.
    bool changed() const { return changed_; }

private:
    // Runs one user action, notes whether it changed the ledger and rebuilds the list.
    void run(const std::function<void()>& action);
    void sortShown();
    const ledger::CTWKonto* konto(int32_t id) const;
    std::string kontoCell(int32_t id) const;

    ledger::CTalwerkDoc& doc_;
    const platform::Clock& clock_;
    ledger::CNVKDatum from_;
    ledger::CNVKDatum to_;
    int filter_ = 0;
    int sortColumn_ = kEdDatum;
    bool descending_ = false;
    std::vector<int> shown_;
    int selectedRow_ = -1;
    int32_t selectedSerial_ = -1;
    int kontoModus_ = 0; // "Konteneingabe" at the last rebuild
    std::unordered_map<int32_t, const ledger::CTWKonto*> konten_;
    bool changed_ = false;
};

} // namespace bookings
