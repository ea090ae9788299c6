// The pages of the options dialog "Optionen" in tab order, and COptSeitenForm: the fields of one
// page other than "Allgemein" (tables, the eight view pages, charts), built from the page
// tables with the column rows a file offers.
#pragma once

#include "options/option_feld.h"

#include <string>
#include <string_view>
#include <vector>

namespace options {

// The eleven pages in tab order: page "Allgemein" (COptAllgemeinPropPage), "Tabellen"
// (COptTabellenPropPage), "Konten" (COptKontenPropPage), "Konten n. Kat."
// (COptKontenKatPropPage), "Buchungen" (COptBuchungenPropPage), "Buch. gefiltert"
// (COptBuchungenFilterPropPage), "Buchungen f. Kto./Kat." (COptBuchungenKonKatPropPage),
// "Periodenvergleich" (COptPerverglPropPage), "Werte - Gesamt" (COptWerteGesamtPropPage),
// "Werte - Kto./Kat." (COptWerteKonKatPropPage) and "Diagramme" (COptDiagrammePropPage).
enum class Seite : int {
    Allgemein = 0,
    Tabellen,
    Konten,
    KontenKat,
    Buchungen,
    BuchungenFilter,
    BuchungenKonKat,
    Pervergl,
    WerteGesamt,
    WerteKonKat,
    Diagramme,
};
inline constexpr int kSeitenAnzahl = 11;

// The tab title of the page.
const char* seitenTitel(Seite seite);

// What the lists of a page depend on: rows and choices of the second currency, the account's
// or booking's own currency exist only under dual-currency bookkeeping, and labels that name a
// currency end with its symbol.
struct SeitenKontext {
    bool dualCurrency = false;
    std::string firstSymbol;
    std::string secondSymbol;

    static SeitenKontext of(const ledger::CTWEinstellungen& settings);
};

class COptSeitenForm {
public:
    // The fields of the page, holding the document's values. Not for page "Allgemein".
    COptSeitenForm(Seite seite, const SeitenKontext& kontext, const Dokumentoptionen& werte);

    Seite seite() const { return seite_; }
    const char* titel() const { return seitenTitel(seite_); }

    std::vector<OptionFeld> felder; // in the order of the page
    // The field with the name, or nullptr.
    OptionFeld* feld(std::string_view name);

    // Writes every field; nothing on these pages refuses OK.
    void store(Dokumentoptionen& werte) const;

private:
    Seite seite_;
};

} // namespace options
