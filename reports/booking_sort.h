// The sort order of the bookings view and the filtered bookings view: bookings ordered by one
// of thirteen keys, equal bookings in document order, descending reversing the whole
// comparison including that tie-break.
#pragma once

#include "ledger/dokument.h"

#include <vector>

namespace reports {

enum BuchungsSortierung : int {
    kSortDatum = 0,
    kSortNummer,
    kSortText,
    kSortVorgang,
    kSortKonto1Name,
    kSortKonto1Nummer,
    kSortKonto1Abkuerzung,
    kSortKonto2Name,
    kSortKonto2Nummer,
    kSortKonto2Abkuerzung,
    kSortBetrag,
    kSortWaehrung,
    kSortNotizen,
};

// Orders booking indexes (ascending document positions) by the key.
void sortBookings(const ledger::CTalwerkDoc& doc, std::vector<int>& indexes, int key,
                  bool descending);

} // namespace reports
