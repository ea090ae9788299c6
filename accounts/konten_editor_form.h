// CKontenEditorForm: the rules of the dialog "Konten-Editor": the list of accounts under its
// kind filter, its columns and sorting, the selection that survives every change, and the
// buttons for a new, edited or deleted account.
#pragma once

#include "accounts/konto_bearbeiten_form.h"
#include "accounts/konto_neu_form.h"
#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace accounts {

class CKontenEditorForm {
public:
    static constexpr const char* kCaption = "Konten-Editor";

    // "&Kontenart:": all accounts, or the accounts of kind filter - 1.
    enum Filter : int { kAlle = 0, kBestandskonten = 1, kEinnahmenkonten = 2, kAusgabenkonten = 3 };
    enum class Spalte { Bezeichnung, Nr, Abk, Kontenart, Kategorie, Unterkategorie };
    struct SpaltenKopf {
        Spalte spalte;
        std::string title;
        int width;
    };
    struct Zeile {
        int32_t kontoId;
        std::vector<std::string> cells; // one per column of spalten()
    };

    explicit CKontenEditorForm(ledger::CTalwerkDoc& doc);

    // "Alle Konten", "Bestandskonten", "Einnahmenkonten", "Ausgabenkonten".
    static std::vector<std::string> filters();
    int filter() const { return filter_; }
    // Another filter; a selected account that is no longer listed is deselected.
    void setFilter(int filter);

    // The columns: "Kontenart" only while all accounts are listed.
    std::vector<SpaltenKopf> spalten() const;
    // The listed accounts in the current order; the category columns show the standard
    // assignment's names, "(keine)" for none.
    std::vector<Zeile> zeilen() const;
    // The count of listed accounts.
    std::string anzahl() const;

    // A click on a column header: another column sorts ascending by it, the current column
    // reverses the direction. Initially by "Bezeichnung", ascending.
    void clickSpalte(Spalte spalte);
    Spalte sortSpalte() const { return sortSpalte_; }
    bool ascending() const { return ascending_; }

    // The selected account, -1 for none; its row in zeilen(), -1 when none is listed.
    int32_t selectedId = -1;
    int selectedRow() const;
    // "Bearbeiten..." and "Löschen" need a selected row; a double click edits.
    bool bearbeitenEnabled() const { return selectedRow() >= 0; }
    bool loeschenEnabled() const { return selectedRow() >= 0; }

    // "Neu...": the kind of the new account is fixed by the filter; nothing (chosen in the
    // dialog) while all accounts are listed.
    std::optional<ledger::KontoArt> neuKind() const;
    // "Bearbeiten...": the form of the selected account (requires bearbeitenEnabled()).
    CKontoBearbeitenForm bearbeitenForm() const;
    // After either dialog closed: the categories it created count as a change; an accepted
    // dialog selects its account.
    void neuClosed(const CKontoNeuForm& form, bool accepted, int index);
    void bearbeitenClosed(const CKontoBearbeitenForm& form, bool accepted);
    // "Löschen": the selected account, with the editor's messages.
    bool loeschen(platform::Prompter& prompter);

    // Anything created, edited or deleted: the caller marks the document modified.
    bool changed() const { return changed_; }

private:
    bool listed(const ledger::CTWKonto& konto) const;

    ledger::CTalwerkDoc& doc_;
    int filter_ = kAlle;
    Spalte sortSpalte_ = Spalte::Bezeichnung;
    bool ascending_ = true;
    bool changed_ = false;
};

} // namespace accounts
