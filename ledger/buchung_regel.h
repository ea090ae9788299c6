// CTWBuchungRegel, a recurring booking, and CTWBuchungPrep, one pending occurrence of it
// (built on demand by the due bookings list and never stored).
#pragma once

#include "ledger/buchung.h"
#include "ledger/datum.h"
#include "ledger/konto.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ledger {

// Interval unit of a recurring booking.
enum Intervall : int32_t { kTage = 0, kWochen = 1, kMonate = 2 };

// State of one occurrence of a recurring booking.
enum Vorkommen : uint8_t { kOffen = 0, kAusgefuehrt = 1, kGeloescht = 2 };

class CTWBuchungRegel {
public:
    int32_t serial = 0;   // entry serial of the rule
    std::string name;     // "Bezeichnung"
    int32_t dateMode = 0; // 0: dated on the due date; 1: on the date chosen when executing
    std::string numberTemplate;
    int32_t counterStart = 0;
    std::string textTemplate;
    Vorgang kind = Vorgang::Einnahme;
    int32_t konto1Id = -1;
    int32_t konto2Id = -1;
    int64_t amount = 0;
    WaehrungsIndex currencyIndex = WaehrungsIndex::Erste;
    std::string notesTemplate;
    int32_t intervalCount = 1;
    int32_t intervalUnit = kMonate;
    CNVKDatum firstDate;                   // due date of occurrence 0
    std::vector<uint8_t> occurrenceStates; // Vorkommen per occurrence; beyond the end: open
    int32_t provisional = 0;

    bool touches(int32_t kontoId) const { return konto1Id == kontoId || konto2Id == kontoId; }
};

class CTWBuchungPrep {
public:
    std::string name;
    CNVKDatum dueDate;     // "fällig am"
    CNVKDatum bookingDate; // "Datum"
    std::string number;
    std::string text;
    Vorgang kind = Vorgang::Einnahme;
    const CTWKonto* konto1 = nullptr;
    const CTWKonto* konto2 = nullptr;
    int64_t amount = 0;
    WaehrungsIndex currencyIndex = WaehrungsIndex::Erste;
    std::string notes;
    int32_t occurrenceIndex = 0;
    int32_t ruleIndex = 0; // position in the document's list of recurring bookings
    int32_t provisional = 0;
    int32_t marked = 0;
    std::string shownNumber;
    const CTWBuchungRegel* regel = nullptr;
};

} // namespace ledger
