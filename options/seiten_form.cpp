#include "options/seiten_form.h"

#include "reports/account_columns.h"

#include <array>
#include <span>

namespace options {

namespace {

using S = ledger::CTWEinstellungen;
using reports::KontenSpalte;

// Which currency a row or choice belongs to: its label then ends with that symbol; rows of the
// second currency, and the rows of an own or current currency (Eigene), only under
// dual-currency bookkeeping.
enum class Waehrung { Keine, Erste, Zweite, Eigene };

struct Zeile {
    const char* label;
    uint32_t wert;
    Waehrung waehrung = Waehrung::Keine;
};

constexpr Zeile kKontenSpalten[] = {
    {"Bezeichnung", reports::kSpalteBezeichnung},
    {"Kontonummer", reports::kSpalteNummer},
    {"Abkürzung", reports::kSpalteAbkuerzung},
    {"Aktuelle Kontowährung", reports::kSpalteWaehrung, Waehrung::Eigene},
    {"Anzahl Buchungen", reports::kSpalteAnzahl},
    {"Betrag am Anfangsdatum in ", reports::kSpalteAnfang1, Waehrung::Erste},
    {"Betrag am Anfangsdatum in ", reports::kSpalteAnfang2, Waehrung::Zweite},
    {"Betrag am Enddatum in ", reports::kSpalteEnde1, Waehrung::Erste},
    {"Betrag am Enddatum in ", reports::kSpalteEnde2, Waehrung::Zweite},
    {"Anteil in %", reports::kSpalteAnteil},
    {"Veränderung in ", reports::kSpalteAenderung1, Waehrung::Erste},
    {"Veränderung in ", reports::kSpalteAenderung2, Waehrung::Zweite},
    {"Veränderung in %", reports::kSpalteAenderungProzent},
    {"Kategorie", reports::kSpalteKategorie},
    {"Unterkategorie", reports::kSpalteUnterkategorie},
};

constexpr Zeile kKontenGruppen[] = {
    {"Bestandskonten (Guthaben)", 0x1},
    {"Bestandskonten (Schulden)", 0x2},
    {"Zusammenfassung", 0x10},
    {"Einnahmenkonten", 0x4},
    {"Ausgabenkonten", 0x8},
};

// Sort keys of the account views; the accounts view also offers the last two.
constexpr Zeile kKontenSortierung[] = {
    {"Bezeichnung", 0},        {"Kontonummer", 1},
    {"Abkürzung", 2},          {"Aktuelle Kontowährung", 3, Waehrung::Eigene},
    {"Anzahl Buchungen", 4},   {"Betrag am Anfangsdatum", 5},
    {"Betrag am Enddatum", 6}, {"Veränderung", 7},
    {"Kategorie", 8},          {"Unterkategorie", 9},
};
constexpr size_t kKontenKatSortierungen = 8;

constexpr Zeile kBuchungenSpalten[] = {
    {"Datum", 0x4},
    {"Buchungsnummer", 0x20},
    {"Buchungstext", 0x100},
    {"Vorgang (lang)", 0x800},
    {"Vorgang (kurz)", 0x2000},
    {"Konto 1 - Bezeichnung", 0x10000},
    {"Konto 1 - Kontonummer", 0x20000},
    {"Konto 1 - Abkürzung", 0x40000},
    {"Konto 2 - Bezeichnung", 0x100000},
    {"Konto 2 - Kontonummer", 0x200000},
    {"Konto 2 - Abkürzung", 0x400000},
    {"Betrag in ", 0x1000000, Waehrung::Erste},
    {"Betrag in ", 0x2000000, Waehrung::Zweite},
    {"Betrag", 0x4000000, Waehrung::Eigene},
    {"Währung", 0x8000000, Waehrung::Eigene},
    {"Vorläufige Buchung", 0x20000000},
    {"Notizen", 0x40000000},
};

constexpr Zeile kBuchungenSortierung[] = {
    {"Datum", 0},
    {"Buchungsnummer", 1},
    {"Buchungstext", 2},
    {"Vorgang", 3},
    {"Konto 1 - Bezeichnung", 4},
    {"Konto 1 - Kontonummer", 5},
    {"Konto 1 - Abkürzung", 6},
    {"Konto 2 - Bezeichnung", 7},
    {"Konto 2 - Kontonummer", 8},
    {"Konto 2 - Abkürzung", 9},
    {"Betrag", 10},
    {"Währung", 11, Waehrung::Eigene},
    {"Notizen", 12},
};

constexpr Zeile kKontoBuchungenSpalten[] = {
    {"Datum", 0x2},
    {"Buchungsnummer", 0x8},
    {"Buchungstext", 0x20},
    {"Vorgang (lang)", 0x80},
    {"Vorgang (kurz)", 0x100},
    {"Konto 1 - Bezeichnung", 0x1000},
    {"Konto 1 - Kontonummer", 0x2000},
    {"Konto 1 - Abkürzung", 0x4000},
    {"Konto 2 - Bezeichnung", 0x10000},
    {"Konto 2 - Kontonummer", 0x20000},
    {"Konto 2 - Abkürzung", 0x40000},
    {"Betrag in ", 0x100000, Waehrung::Erste},
    {"Betrag in ", 0x200000, Waehrung::Zweite},
    {"Betrag", 0x400000, Waehrung::Eigene},
    {"Währung", 0x800000, Waehrung::Eigene},
    {"Stand in ", 0x1000000, Waehrung::Erste},
    {"Stand in ", 0x2000000, Waehrung::Zweite},
    {"Aktuelle Währung", 0x8000000, Waehrung::Eigene},
    {"Vorläufige Buchung", 0x20000000},
    {"Notizen", 0x40000000},
};

constexpr Zeile kPerverglGruppen[] = {
    {"Bestandskonten", 0x1},
    {"Einnahmenkonten", 0x10},
    {"Ausgabenkonten", 0x20},
    {"Sparbetrag", 0x100},
};

constexpr Zeile kPerverglSpalten[] = {
    {"Bezeichnung", 0x1},
    {"Kontonummer", 0x2},
    {"Abkürzung", 0x4},
    {"Betrag (für jede Periode)", 0x100},
    {"Anteil in % (für jede Periode)", 0x1000},
    {"Veränderung in %", 0x4000},
    {"Summen", 0x10000},
    {"Anteil in % (Summen)", 0x20000},
    {"Durchschnittswerte", 0x40000},
    {"Anteil in % (Durchschnittswerte)", 0x80000},
    {"Kategorie", 0x1000000},
    {"Unterkategorie", 0x2000000},
};

constexpr Zeile kPerverglSortierung[] = {{"Bezeichnung", 0}, {"Kontonummer", 1}, {"Abkürzung", 2}};

constexpr Zeile kWerteGesamtSpalten[] = {
    {"Datum/Zeitraum", 0x1},
    {"Guthaben in ", 0x10, Waehrung::Erste},
    {"Guthaben in ", 0x40, Waehrung::Zweite},
    {"Schulden in ", 0x100, Waehrung::Erste},
    {"Schulden in ", 0x400, Waehrung::Zweite},
    {"Vermögen in ", 0x1000, Waehrung::Erste},
    {"Vermögen in ", 0x4000, Waehrung::Zweite},
    {"Sparbetrag in ", 0x10000, Waehrung::Erste},
    {"Sparbetrag in ", 0x40000, Waehrung::Zweite},
    {"Einnahmen in ", 0x100000, Waehrung::Erste},
    {"Einnahmen in ", 0x400000, Waehrung::Zweite},
    {"Ausgaben in ", 0x1000000, Waehrung::Erste},
    {"Ausgaben in ", 0x4000000, Waehrung::Zweite},
    {"Sparquote in %", 0x10000000},
};

constexpr Zeile kWerteKonKatSpalten[] = {
    {"Datum/Zeitraum", 0x1},
    {"Wert in ", 0x10, Waehrung::Erste},
    {"Wert in ", 0x40, Waehrung::Zweite},
};

constexpr Zeile kDarstellungen[] = {
    {"nur Text", 0}, {"Gitternetzlinien", 1}, {"Graustufen", 2}, {"Farbe", 3}};

constexpr Zeile kRichtungen[] = {{"au&fsteigend", 0}, {"abste&igend", 1}};

constexpr const char* kNullsaldo = "Konten mit Nullsaldo nicht anzeigen:";

// The rows the file offers, with their currency symbols.
std::vector<Eintrag> rows(std::span<const Zeile> zeilen, const SeitenKontext& k) {
    std::vector<Eintrag> out;
    for (const Zeile& z : zeilen) {
        if (z.waehrung == Waehrung::Zweite || z.waehrung == Waehrung::Eigene) {
            if (!k.dualCurrency)
                continue;
        }
        std::string label = z.label;
        if (z.waehrung == Waehrung::Erste)
            label += k.firstSymbol;
        else if (z.waehrung == Waehrung::Zweite)
            label += k.secondSymbol;
        out.push_back({std::move(label), z.wert});
    }
    return out;
}

class Seitenbau {
public:
    Seitenbau(std::vector<OptionFeld>& felder, const SeitenKontext& kontext)
        : felder_(felder), kontext_(kontext) {}

    OptionFeld& add(const char* name, const char* label, FeldArt art, Ziel ziel) {
        return felder_.emplace_back(name, label, art, ziel);
    }
    void liste(const char* name, const char* label, uint32_t S::*ziel,
               std::span<const Zeile> zeilen) {
        add(name, label, FeldArt::Liste, ziel).entries(rows(zeilen, kontext_));
    }
    void auswahl(const char* name, const char* label, int32_t S::*ziel,
                 std::span<const Zeile> zeilen) {
        add(name, label, FeldArt::Auswahl, ziel).entries(rows(zeilen, kontext_));
    }
    void richtung(const char* name, Ziel ziel) {
        add(name, "Sortierreihenfolge:", FeldArt::Optionen, ziel)
            .entries(rows(kRichtungen, kontext_));
    }
    void laenge(const char* name, const char* label, int32_t S::*ziel, int32_t minimum,
                int32_t maximum, const char* group = "") {
        add(name, label, FeldArt::Laenge, ziel).range(minimum, maximum).group(group);
    }
    void titel(const char* name, std::string S::*ziel) {
        add(name, "&Titel:", FeldArt::Text, ziel);
    }
    void schalter(const char* name, const char* label, int32_t S::*ziel, const char* group = "") {
        add(name, label, FeldArt::Schalter, ziel).group(group);
    }
    // The two zero-balance flags of an account view.
    void nullsaldo(const char* nameEinAus, int32_t S::*einAus, const char* nameBestand,
                   int32_t S::*bestand) {
        schalter(nameEinAus, "&Einnahmen-/Ausgabenkonten", einAus, kNullsaldo);
        schalter(nameBestand, "&Bestandskonten", bestand, kNullsaldo);
    }

private:
    std::vector<OptionFeld>& felder_;
    const SeitenKontext& kontext_;
};

void tabellen(Seitenbau& b) {
    constexpr const char* bildschirm = "Bildschirm";
    constexpr const char* drucker = "Drucker";
    b.add("tableDisplayMode", "&Darstellung:", FeldArt::Auswahl, &S::tableDisplayMode)
        .entries(rows(kDarstellungen, {}))
        .group(bildschirm);
    b.add("tableFontName", "&Schriftart:", FeldArt::Schriftart, &S::tableFontName)
        .group(bildschirm);
    b.laenge("fieldSpacing", "Felda&bstand:", &S::fieldSpacing, 0, 100, bildschirm);
    b.laenge("columnSpacing", "Spalten&abstand:", &S::columnSpacing, 0, 100, bildschirm);
    b.laenge("columnMargin", "Spalten&rand:", &S::columnMargin, 0, 100, bildschirm);
    b.laenge("titleRowHeight", "Üb&erschrift:", &S::titleRowHeight, 20, 400, bildschirm);
    b.laenge("columnTitleRowHeight", "Spalte&ntitel:", &S::columnTitleRowHeight, 20, 200,
             bildschirm);
    b.laenge("rowHeight", "&Tabellenzeile:", &S::rowHeight, 20, 200, bildschirm);
    b.add("printDisplayMode", "Darste&llung:", FeldArt::Auswahl, &S::printDisplayMode)
        .entries(rows(kDarstellungen, {}))
        .group(drucker);
    b.schalter("repeatTitle", "&Überschrift auf jeder Seite", &S::repeatTitle, drucker);
    b.schalter("repeatColumnTitles", "Spaltentitel au&f jeder Seite", &S::repeatColumnTitles,
               drucker);
    b.laenge("printMarginLeft", "Lin&ks:", &S::printMarginLeft, 0, 500, drucker);
    b.laenge("printMarginRight", "Re&chts:", &S::printMarginRight, 0, 500, drucker);
    b.laenge("printMarginTop", "&Oben:", &S::printMarginTop, 0, 500, drucker);
    b.laenge("printMarginBottom", "&Unten:", &S::printMarginBottom, 0, 500, drucker);
    b.add("percentDecimals", "De&zimalstellen für Prozentwerte:", FeldArt::Zahl,
          &S::percentDecimals)
        .range(0, 3);
}

void konten(Seitenbau& b) {
    b.liste("accountsGroups", "Anzuzeigende &Konten", &S::accountsGroups, kKontenGruppen);
    b.liste("accountsData", "Anzuzeigende &Daten", &S::accountsData, kKontenSpalten);
    b.auswahl("accountsSortKey", "Konten &sortieren nach:", &S::accountsSortKey, kKontenSortierung);
    b.richtung("accountsSortDirection", &S::accountsSortDirection);
    b.titel("accountsTitle", &S::accountsTitle);
    b.nullsaldo("accountsHideZeroIncomeExpense", &S::accountsHideZeroIncomeExpense,
                "accountsHideZeroAsset", &S::accountsHideZeroAsset);
}

void kontenKat(Seitenbau& b) {
    b.liste("accountsByCategoryGroups", "Anzuzeigende &Konten", &S::accountsByCategoryGroups,
            kKontenGruppen);
    b.liste("accountsByCategoryData", "Anzuzeigende &Daten", &S::accountsByCategoryData,
            kKontenSpalten);
    b.auswahl("accountsByCategorySortKey",
              "Konten/Kategorien &sortieren nach:", &S::accountsByCategorySortKey,
              std::span(kKontenSortierung).first(kKontenKatSortierungen));
    b.richtung("accountsByCategorySortDirection", &S::accountsByCategorySortDirection);
    b.titel("accountsByCategoryTitle", &S::accountsByCategoryTitle);
    b.nullsaldo("accountsByCategoryHideZeroIncomeExpense",
                &S::accountsByCategoryHideZeroIncomeExpense, "accountsByCategoryHideZeroAsset",
                &S::accountsByCategoryHideZeroAsset);
    b.schalter("accountsByCategoryWithoutAccounts", "Anzeige &ohne Konten",
               &S::accountsByCategoryWithoutAccounts);
}

// The bookings view and the filtered bookings view share their controls.
struct Buchungsliste {
    const char* data;
    uint32_t S::*dataZiel;
    const char* sortKey;
    int32_t S::*sortKeyZiel;
    const char* direction;
    int32_t S::*directionZiel;
    const char* title;
    std::string S::*titleZiel;
    const char* sums;
    int32_t S::*sumsZiel;
};

void buchungen(Seitenbau& b, const Buchungsliste& l) {
    b.liste(l.data, "Anzuzeigende &Daten", l.dataZiel, kBuchungenSpalten);
    b.auswahl(l.sortKey, "Buchungen &sortieren nach:", l.sortKeyZiel, kBuchungenSortierung);
    b.richtung(l.direction, l.directionZiel);
    b.titel(l.title, l.titleZiel);
    b.schalter(l.sums, "S&ummen anzeigen", l.sumsZiel);
}

void buchungenKonKat(Seitenbau& b) {
    b.liste("accountBookingsData", "Anzuzeigende &Daten", &S::accountBookingsData,
            kKontoBuchungenSpalten);
    b.richtung("accountBookingsSortDirection", &Dokumentoptionen::accountBookingsSortDirection);
    b.titel("accountBookingsTitle", &S::accountBookingsTitle);
}

void pervergl(Seitenbau& b) {
    b.liste("periodComparisonGroups", "Anzuzeigende &Konten", &S::periodComparisonGroups,
            kPerverglGruppen);
    b.liste("periodComparisonData", "Anzuzeigende &Daten", &S::periodComparisonData,
            kPerverglSpalten);
    b.auswahl("periodComparisonSortKey",
              "Konten/Kategorien &sortieren nach:", &S::periodComparisonSortKey,
              kPerverglSortierung);
    b.richtung("periodComparisonSortDirection", &S::periodComparisonSortDirection);
    b.titel("periodComparisonTitle", &S::periodComparisonTitle);
    b.nullsaldo("periodComparisonHideZeroIncomeExpense", &S::periodComparisonHideZeroIncomeExpense,
                "periodComparisonHideZeroAsset", &S::periodComparisonHideZeroAsset);
    b.schalter("periodComparisonWithoutAccounts", "Anzeige &ohne Konten (m. Kateg.)",
               &S::periodComparisonWithoutAccounts);
}

void wertetabelle(Seitenbau& b, const char* data, uint32_t S::*dataZiel,
                  std::span<const Zeile> spalten, const char* title, std::string S::*titleZiel,
                  const char* extra, int32_t S::*extraZiel) {
    b.liste(data, "Anzuzeigende &Daten", dataZiel, spalten);
    b.titel(title, titleZiel);
    b.schalter(extra, "&zusätzliche Spalte", extraZiel);
}

void diagramme(Seitenbau& b) {
    b.laenge("chartWidth", "&Breite:", &S::chartWidth, 500, 10000);
    b.laenge("chartHeight", "&Höhe:", &S::chartHeight, 500, 10000);
    b.add("chartFontName", "&Schriftart:", FeldArt::Schriftart, &S::chartFontName);
    b.laenge("chartTextHeight", "S&chrifthöhe:", &S::chartTextHeight, 20, 200);
    b.laenge("chartTitleHeight", "Titelh&öhe:", &S::chartTitleHeight, 20, 300);
    b.laenge("chartMargin", "&Rand:", &S::chartMargin, 0, 200);
    b.laenge("chartTextSpacing", "Te&xtabstand:", &S::chartTextSpacing, 0, 200);
    b.laenge("chartLineWidth", "L&inienbreite:", &S::chartLineWidth, 0, 50);
    b.add("chartColour", "&Farbe wählen...", FeldArt::Farbe, &S::chartColour);
    constexpr const char* titel = "Titel";
    b.add("totalChartTitle", "&Gesamt:", FeldArt::Text, &S::totalChartTitle).group(titel);
    b.add("accountChartTitle", "Ko&nto/Kat.:", FeldArt::Text, &S::accountChartTitle).group(titel);
    constexpr const char* raender = "Druckseitenränder";
    b.laenge("chartPrintMarginLeft", "Lin&ks:", &S::chartPrintMarginLeft, 0, 500, raender);
    b.laenge("chartPrintMarginTop", "&Oben:", &S::chartPrintMarginTop, 0, 500, raender);
}

constexpr std::array<const char*, kSeitenAnzahl> kTitel = {
    "Allgemein",
    "Tabellen",
    "Konten",
    "Konten n. Kat.",
    "Buchungen",
    "Buch. gefiltert",
    "Buchungen f. Kto./Kat.",
    "Periodenvergleich",
    "Werte - Gesamt",
    "Werte - Kto./Kat.",
    "Diagramme",
};

} // namespace

const char* seitenTitel(Seite seite) {
    return kTitel[static_cast<size_t>(seite)];
}

SeitenKontext SeitenKontext::of(const ledger::CTWEinstellungen& settings) {
    return {settings.dualCurrency != 0, settings.firstCurrencySymbol,
            settings.secondCurrencySymbol};
}

COptSeitenForm::COptSeitenForm(Seite seite, const SeitenKontext& kontext,
                               const Dokumentoptionen& werte)
    : seite_(seite) {
    Seitenbau b(felder, kontext);
    switch (seite) {
    case Seite::Allgemein:
        break;
    case Seite::Tabellen:
        tabellen(b);
        break;
    case Seite::Konten:
        konten(b);
        break;
    case Seite::KontenKat:
        kontenKat(b);
        break;
    case Seite::Buchungen:
        buchungen(b, {"bookingsData", &S::bookingsData, "bookingsSortKey", &S::bookingsSortKey,
                      "bookingsSortDirection", &S::bookingsSortDirection, "bookingsTitle",
                      &S::bookingsTitle, "bookingsShowSums", &S::bookingsShowSums});
        break;
    case Seite::BuchungenFilter:
        buchungen(b, {"filteredBookingsData", &S::filteredBookingsData, "filteredBookingsSortKey",
                      &S::filteredBookingsSortKey, "filteredBookingsSortDirection",
                      &S::filteredBookingsSortDirection, "filteredBookingsTitle",
                      &S::filteredBookingsTitle, "filteredBookingsShowSums",
                      &S::filteredBookingsShowSums});
        break;
    case Seite::BuchungenKonKat:
        buchungenKonKat(b);
        break;
    case Seite::Pervergl:
        pervergl(b);
        break;
    case Seite::WerteGesamt:
        wertetabelle(b, "totalValuesData", &S::totalValuesData, kWerteGesamtSpalten,
                     "totalValuesTitle", &S::totalValuesTitle, "totalValuesExtraColumn",
                     &S::totalValuesExtraColumn);
        break;
    case Seite::WerteKonKat:
        wertetabelle(b, "accountValuesData", &S::accountValuesData, kWerteKonKatSpalten,
                     "accountValuesTitle", &S::accountValuesTitle, "accountValuesExtraColumn",
                     &S::accountValuesExtraColumn);
        break;
    case Seite::Diagramme:
        diagramme(b);
        break;
    }
    for (OptionFeld& f : felder)
        f.load(werte);
}

OptionFeld* COptSeitenForm::feld(std::string_view name) {
    for (OptionFeld& f : felder)
        if (f.name() == name)
            return &f;
    return nullptr;
}

void COptSeitenForm::store(Dokumentoptionen& werte) const {
    for (const OptionFeld& f : felder)
        f.store(werte);
}

} // namespace options
