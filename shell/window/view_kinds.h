// The eleven view kinds with their menu labels, shortcuts and short labels, in menu order.
#pragma once

#include <array>

namespace shell {

struct ViewKindInfo {
    int kind;
    const char16_t* menuLabel;
    const char* shortcut;  // empty when the kind has none
    const char16_t* label; // view bar and default-view dialog
};

inline constexpr std::array<ViewKindInfo, 11> kViewKinds{{
    {1, u"&Konten", "Ctrl+1", u"Konten"},
    {3, u"K&onten nach Kategorien", "Ctrl+2", u"Konten nach Kategorien"},
    {2, u"&Buchungen", "Ctrl+3", u"Buchungen"},
    {7, u"Buchungen ge&filtert", "Ctrl+4", u"Buchungen gefiltert"},
    {4, u"B&uchungen für Konto/Kategorie", "Ctrl+5", u"Buchungen für Konto/Kat."},
    {9, u"&Periodenvergleich", "Ctrl+6", u"Periodenvergleich"},
    {8, u"K&ategorien", "", u"Kategorien"},
    {5, u"&Wertetabelle - Gesamt", "Ctrl+7", u"Wertetabelle - Gesamt"},
    {6, u"W&ertetabelle - Konto/Kategorie", "Ctrl+8", u"Wertetabelle - Konto/Kat."},
    {101, u"Diagramm - &Gesamt", "Ctrl+9", u"Diagramm - Gesamt"},
    {102, u"Diagramm - Ko&nto/Kategorie", "Ctrl+0", u"Diagramm - Konto/Kat."},
}};

// True for 1 to 9, 101 and 102.
constexpr bool isViewKind(int kind) {
    return (kind >= 1 && kind <= 9) || kind == 101 || kind == 102;
}

// The kind itself when it is valid, else the accounts view.
constexpr int validViewKind(int kind) {
    return isViewKind(kind) ? kind : 1;
}

constexpr bool isTableViewKind(int kind) {
    return kind >= 1 && kind <= 9;
}

} // namespace shell
