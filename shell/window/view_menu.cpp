#include "shell/window/view_menu.h"

#include "reports/report_params.h"

namespace shell {

namespace {

using reports::RowTag;
using DC = DialogCommand;

MenuEntry dialog(const char16_t* label, DC command, int page = 0) {
    return {MenuAction::Dialog, label, command, page};
}
MenuEntry action(MenuAction a, const char16_t* label) {
    return {a, label};
}
const MenuEntry kSeparator{};

const MenuEntry kOptionenTabellen = dialog(u"Optionen > &Tabellen...", DC::Optionen, 8);
const MenuEntry kZurueck = action(MenuAction::Back, u"&Ansicht < Zurück");
const MenuEntry kAuswaehlen =
    dialog(u"&Konto/Kategorie auswählen...", DC::KontoKategorieAuswaehlen);

using Entries = std::vector<MenuEntry>;

Entries operator+(Entries a, const Entries& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Edit and jump entries of an account, category or sub-category row.
Entries objectEntries(const char16_t* edit, const char16_t* remove, const char16_t* bookings,
                      const char16_t* values, const char16_t* chart, DC editCommand,
                      DC removeCommand) {
    Entries entries{dialog(edit, editCommand)};
    if (remove)
        entries.push_back(dialog(remove, removeCommand));
    return entries + Entries{action(MenuAction::JumpBookings, bookings),
                             action(MenuAction::JumpValues, values),
                             action(MenuAction::JumpChart, chart)};
}

Entries kontoEntries() {
    return objectEntries(u"Konto &bearbeiten...", u"Konto &löschen",
                         u"&Ansicht > Buchungen für Konto", u"Ansicht > &Wertetabelle für Konto",
                         u"Ansicht > &Diagramm für Konto", DC::KontoBearbeiten, DC::KontoLoeschen);
}

Entries accountsView(int tagKind) {
    const Entries general{dialog(u"&Neues Konto...", DC::NeuesKonto),
                          dialog(u"Konten-&Editor...", DC::KontenEditor), kSeparator,
                          kOptionenTabellen, dialog(u"Optionen > &Konten...", DC::Optionen, 1)};
    return tagKind == RowTag::kKonto ? kontoEntries() + Entries{kSeparator} + general : general;
}

Entries accountsByCategoryView(int tagKind) {
    const Entries tail{kSeparator,
                       dialog(u"&Neues Konto...", DC::NeuesKonto),
                       dialog(u"Konten-&Editor...", DC::KontenEditor),
                       kSeparator,
                       dialog(u"Kateg&orie-Editor...", DC::KategorieEditor),
                       kSeparator,
                       kOptionenTabellen,
                       dialog(u"Optionen > &Konten n. Kat....", DC::Optionen, 3)};
    switch (tagKind) {
    case RowTag::kKonto:
        return kontoEntries() + tail;
    case RowTag::kKategorie:
        return objectEntries(
                   u"Kategorie &bearbeiten...", nullptr, u"&Ansicht > Buchungen für Kategorie",
                   u"Ansicht > &Wertetabelle für Kategorie", u"Ansicht > &Diagramm für Kategorie",
                   DC::KategorieBearbeiten, DC::KategorieLoeschen) +
               tail;
    case RowTag::kUnterkategorie:
        return objectEntries(u"Unterkategorie &bearbeiten...", nullptr,
                             u"&Ansicht > Buchungen für Unterkategorie",
                             u"Ansicht > &Wertetabelle für Unterkategorie",
                             u"Ansicht > &Diagramm für Unterkategorie",
                             DC::UnterkategorieBearbeiten, DC::UnterkategorieLoeschen) +
               tail;
    default:
        return {dialog(u"&Neues Konto...", DC::NeuesKonto),
                dialog(u"Konten-&Editor...", DC::KontenEditor),
                kSeparator,
                dialog(u"K&ategorie-Editor...", DC::KategorieEditor),
                kSeparator,
                kOptionenTabellen,
                dialog(u"Optionen > &Konten n. Kat....", DC::Optionen, 3)};
    }
}

// The booking views: the booking entries on a booking row, then the view's own entries.
Entries bookingsView(int tagKind, const Entries& own) {
    const Entries booking{dialog(u"Buchung &bearbeiten...", DC::BuchungBearbeiten),
                          dialog(u"Buchung be&stätigen...", DC::BuchungBestaetigen),
                          dialog(u"Buchung &löschen", DC::BuchungLoeschen), kSeparator};
    return tagKind == RowTag::kBuchung ? booking + own : own;
}

Entries categoriesView(int tagKind) {
    const Entries editor{dialog(u"&Kategorie-Editor...", DC::KategorieEditor), kSeparator,
                         kOptionenTabellen};
    const Entries create{kSeparator, dialog(u"&Neue Kategorie...", DC::NeueKategorie),
                         dialog(u"Neue &Unterkategorie...", DC::NeueUnterkategorie), kSeparator};
    switch (tagKind) {
    case RowTag::kKategorie:
        return Entries{dialog(u"Kategorie &bearbeiten...", DC::KategorieBearbeiten),
                       dialog(u"Kategorie &löschen", DC::KategorieLoeschen)} +
               create + editor;
    case RowTag::kUnterkategorie:
        return Entries{dialog(u"Unterkategorie &bearbeiten...", DC::UnterkategorieBearbeiten),
                       dialog(u"Unterkategorie &löschen", DC::UnterkategorieLoeschen)} +
               create + editor;
    case RowTag::kKontoArt:
        return Entries{dialog(u"&Neue Kategorie...", DC::NeueKategorie), kSeparator} + editor;
    default:
        return editor;
    }
}

Entries periodComparisonView(int tagKind) {
    Entries entries{dialog(u"&Vergleichsperioden auswählen...", DC::VergleichsperiodenAuswaehlen),
                    kSeparator};
    if (tagKind == RowTag::kKonto)
        entries =
            entries + Entries{dialog(u"Konto &bearbeiten...", DC::KontoBearbeiten), kSeparator};
    else if (tagKind == RowTag::kKategorie)
        entries = entries +
                  Entries{dialog(u"Kategorie &bearbeiten...", DC::KategorieBearbeiten), kSeparator};
    else if (tagKind == RowTag::kUnterkategorie)
        entries = entries +
                  Entries{dialog(u"Unterkategorie &bearbeiten...", DC::UnterkategorieBearbeiten),
                          kSeparator};
    return entries +
           Entries{kOptionenTabellen, dialog(u"Optionen > &Periodenvergleich...", DC::Optionen, 9)};
}

Entries newBooking(const MenuEntry& options) {
    return {dialog(u"&Neue Buchung...", DC::NeueBuchung),
            dialog(u"Buchungs-&Editor...", DC::BuchungsEditor), kSeparator, kOptionenTabellen,
            options};
}

} // namespace

std::vector<MenuEntry> contextMenuEntries(int viewKind, int tagKind) {
    switch (viewKind) {
    case reports::kAccountsView:
        return accountsView(tagKind);
    case reports::kBookingsView:
        return bookingsView(tagKind,
                            newBooking(dialog(u"Optionen > B&uchungen...", DC::Optionen, 2)));
    case reports::kAccountsByCategoryView:
        return accountsByCategoryView(tagKind);
    case reports::kAccountBookingsView:
        return bookingsView(tagKind, Entries{kAuswaehlen, kZurueck, kSeparator} +
                                         newBooking(dialog(u"Optionen > B&uchungen f. Kto./Kat....",
                                                           DC::Optionen, 4)));
    case reports::kTotalValuesView:
        return {action(MenuAction::AsChart, u"Ansicht > als &Diagramm"), kZurueck, kSeparator,
                kOptionenTabellen, dialog(u"Optionen > &Werte - Gesamt...", DC::Optionen, 5)};
    case reports::kAccountValuesView:
        return {kAuswaehlen,       action(MenuAction::AsChart, u"Ansicht > als &Diagramm"),
                kZurueck,          kSeparator,
                kOptionenTabellen, dialog(u"Optionen > &Werte - Kto./Kat....", DC::Optionen, 6)};
    case reports::kFilteredBookingsView:
        return bookingsView(
            tagKind, Entries{dialog(u"&Filter definieren...", DC::FilterDefinieren), kSeparator} +
                         newBooking(dialog(u"Optionen > B&uch. gefiltert...", DC::Optionen, 7)));
    case reports::kCategoriesView:
        return categoriesView(tagKind);
    case reports::kPeriodComparisonView:
        return periodComparisonView(tagKind);
    case reports::kTotalChartView:
        return {action(MenuAction::AsTable, u"Ansicht > als &Wertetabelle"), kZurueck, kSeparator,
                dialog(u"Optionen > &Diagramme...", DC::Optionen, 101)};
    case reports::kAccountChartView:
        return {kAuswaehlen, action(MenuAction::AsTable, u"Ansicht > als &Wertetabelle"), kZurueck,
                kSeparator, dialog(u"Optionen > &Diagramme...", DC::Optionen, 101)};
    default:
        return {};
    }
}

int targetViewKind(MenuAction action, int viewKind) {
    switch (action) {
    case MenuAction::JumpBookings:
        return reports::kAccountBookingsView;
    case MenuAction::JumpValues:
        return reports::kAccountValuesView;
    case MenuAction::JumpChart:
        return reports::kAccountChartView;
    case MenuAction::AsChart:
        return viewKind == reports::kTotalValuesView     ? reports::kTotalChartView
               : viewKind == reports::kAccountValuesView ? reports::kAccountChartView
                                                         : 0;
    case MenuAction::AsTable:
        return viewKind == reports::kTotalChartView     ? reports::kTotalValuesView
               : viewKind == reports::kAccountChartView ? reports::kAccountValuesView
                                                        : 0;
    default:
        return 0;
    }
}

} // namespace shell
