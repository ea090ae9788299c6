// The kinds of views a window can show. Their numbers appear only where the default view kind
// is stored in the program settings and where a command line names a view (--view N);
// everything else about a kind is in the table of view kinds (view_kinds.h).
#pragma once

namespace reports {

enum class ViewKind : int {
    Konten = 1,
    Buchungen = 2,
    KontenNachKategorien = 3,
    BuchungenKonto = 4, // the bookings of one account, category or sub-category
    WertetabelleGesamt = 5,
    WertetabelleKonto = 6,
    BuchungenGefiltert = 7,
    Kategorien = 8,
    Periodenvergleich = 9,
    DiagrammGesamt = 101,
    DiagrammKonto = 102,
};

inline constexpr int kViewKindCount = 11;

constexpr int viewKindNumber(ViewKind kind) {
    return static_cast<int>(kind);
}

} // namespace reports
