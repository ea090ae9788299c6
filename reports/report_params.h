// The report parameters that a window hands to every report builder.
#pragma once

#include "ledger/datum.h"
#include "ledger/konto.h"
#include "reports/view_kind.h"

#include <cstdint>

namespace reports {

// What a view is about when it shows one account, category or sub-category.
struct Selection {
    enum Kind : int { kNone = -1, kKonto = 0, kKategorie = 1, kUnterkategorie = 2 };
    int kind = kNone;
    int32_t accountId = -1;                                         // kKonto
    ledger::KontoArt accountKind = ledger::KontoArt::Bestandskonto; // kKategorie, kUnterkategorie
    int32_t categoryId = -1;                                        // kKategorie, kUnterkategorie
    int32_t subcategoryId = -1;                                     // kUnterkategorie
};

// Value kinds of the total figures: 1 "Guthaben" to 6 "Ausgaben".
enum ValueKind : int {
    kGuthaben = 1,
    kSchulden = 2,
    kVermoegen = 3,
    kSparbetrag = 4,
    kEinnahmen = 5,
    kAusgaben = 6,
};

struct ReportParams {
    ViewKind viewKind = ViewKind::Konten;
    ledger::CNVKDatum start; // inclusive
    ledger::CNVKDatum end;   // inclusive
    int grouping = 0;        // category assignment: 0 standard, 1 and 2 the alternatives
    bool withoutProvisional = false;
    Selection selection;
    int valueKind = kGuthaben;
    ledger::WaehrungsIndex displayCurrency = ledger::WaehrungsIndex::Erste;
    int periodKind = 0;  // see periods.h
    int filterIndex = 0; // 0 to 9
};

} // namespace reports
