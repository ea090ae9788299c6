#include "shell/window/view_menu.h"

#include "reports/view_kinds.h"

namespace shell {

namespace {

using reports::RowTag;
using DC = DialogCommand;
using K = reports::ViewKind;

MenuEntry dialog(const char16_t* label, DC command, std::optional<K> page = {}) {
    return {MenuAction::Dialog, label, command, page};
}
MenuEntry action(MenuAction a, const char16_t* label) {
    return {a, label};
}
const MenuEntry kSeparator{};

// The options of all tables are the page of the categories view, which has no others.
const MenuEntry kOptionenTabellen = dialog(u"Optionen > &Tabellen...", DC::Optionen, K::Kategorien);
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
    const Entries general{
        dialog(u"&Neues Konto...", DC::NeuesKonto), dialog(u"Konten-&Editor...", DC::KontenEditor),
        kSeparator, kOptionenTabellen, dialog(u"Optionen > &Konten...", DC::Optionen, K::Konten)};
    return tagKind == RowTag::kKonto ? kontoEntries() + Entries{kSeparator} + general : general;
}

Entries accountsByCategoryView(int tagKind) {
    const Entries tail{
        kSeparator,
        dialog(u"&Neues Konto...", DC::NeuesKonto),
        dialog(u"Konten-&Editor...", DC::KontenEditor),
        kSeparator,
        dialog(u"Kateg&orie-Editor...", DC::KategorieEditor),
        kSeparator,
        kOptionenTabellen,
        dialog(u"Optionen > &Konten n. Kat....", DC::Optionen, K::KontenNachKategorien)};
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
                dialog(u"Optionen > &Konten n. Kat....", DC::Optionen, K::KontenNachKategorien)};
    }
}

// The booking views: the booking entries on a booking row, then the view's own entries.
// "bestätigen" only for a provisional booking of the bookings view.
Entries bookingsView(int tagKind, const Entries& own, bool confirmable = false) {
    if (tagKind != RowTag::kBuchung)
        return own;
    Entries booking{dialog(u"Buchung &bearbeiten...", DC::BuchungBearbeiten)};
    if (confirmable)
        booking.push_back(dialog(u"Buchung be&stätigen...", DC::BuchungBestaetigen));
    booking.push_back(dialog(u"Buchung &löschen", DC::BuchungLoeschen));
    booking.push_back(kSeparator);
    return booking + own;
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
    return entries + Entries{kOptionenTabellen, dialog(u"Optionen > &Periodenvergleich...",
                                                       DC::Optionen, K::Periodenvergleich)};
}

Entries newBooking(const MenuEntry& options) {
    return {dialog(u"&Neue Buchung...", DC::NeueBuchung),
            dialog(u"Buchungs-&Editor...", DC::BuchungsEditor), kSeparator, kOptionenTabellen,
            options};
}

} // namespace

std::vector<MenuEntry> contextMenuEntries(K viewKind, int tagKind, bool provisional) {
    switch (viewKind) {
    case K::Konten:
        return accountsView(tagKind);
    case K::Buchungen:
        return bookingsView(
            tagKind, newBooking(dialog(u"Optionen > B&uchungen...", DC::Optionen, K::Buchungen)),
            provisional);
    case K::KontenNachKategorien:
        return accountsByCategoryView(tagKind);
    case K::BuchungenKonto:
        return bookingsView(tagKind, Entries{kAuswaehlen, kZurueck, kSeparator} +
                                         newBooking(dialog(u"Optionen > B&uchungen f. Kto./Kat....",
                                                           DC::Optionen, K::BuchungenKonto)));
    case K::WertetabelleGesamt:
        return {action(MenuAction::AsChart, u"Ansicht > als &Diagramm"), kZurueck, kSeparator,
                kOptionenTabellen,
                dialog(u"Optionen > &Werte - Gesamt...", DC::Optionen, K::WertetabelleGesamt)};
    case K::WertetabelleKonto:
        return {kAuswaehlen,
                action(MenuAction::AsChart, u"Ansicht > als &Diagramm"),
                kZurueck,
                kSeparator,
                kOptionenTabellen,
                dialog(u"Optionen > &Werte - Kto./Kat....", DC::Optionen, K::WertetabelleKonto)};
    case K::BuchungenGefiltert:
        return bookingsView(
            tagKind, Entries{dialog(u"&Filter definieren...", DC::FilterDefinieren), kSeparator} +
                         newBooking(dialog(u"Optionen > B&uch. gefiltert...", DC::Optionen,
                                           K::BuchungenGefiltert)));
    case K::Kategorien:
        return categoriesView(tagKind);
    case K::Periodenvergleich:
        return periodComparisonView(tagKind);
    case K::DiagrammGesamt:
        return {action(MenuAction::AsTable, u"Ansicht > als &Wertetabelle"), kZurueck, kSeparator,
                dialog(u"Optionen > &Diagramme...", DC::Optionen, K::DiagrammGesamt)};
    case K::DiagrammKonto:
        return {kAuswaehlen, action(MenuAction::AsTable, u"Ansicht > als &Wertetabelle"), kZurueck,
                kSeparator, dialog(u"Optionen > &Diagramme...", DC::Optionen, K::DiagrammGesamt)};
    }
    return {};
}

std::optional<K> targetViewKind(MenuAction action, K viewKind) {
    switch (action) {
    case MenuAction::JumpBookings:
        return K::BuchungenKonto;
    case MenuAction::JumpValues:
        return K::WertetabelleKonto;
    case MenuAction::JumpChart:
        return K::DiagrammKonto;
    case MenuAction::AsChart:
    case MenuAction::AsTable: {
        const std::optional<K> other = reports::viewKindInfo(viewKind).counterpart;
        const bool toChart = action == MenuAction::AsChart;
        if (other && reports::viewKindInfo(*other).chart == toChart)
            return other;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace shell
