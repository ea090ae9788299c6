// CTWBuchungsFilterNeu: the record of one named booking filter (its test and its dialog live
// with the bookings).
#pragma once

#include "ledger/buchung.h"

#include <cstdint>
#include <string>

namespace ledger {

// Mode of a text condition of a filter.
enum TextModus : int32_t { kIstGleich = 0, kEnthaelt = 1, kBeginntMit = 2 };

// Which bookings a filter takes by their provisional flag.
enum VorlaeufigModus : int32_t { kAlleBuchungen = 0, kNurVorlaeufige = 1, kOhneVorlaeufige = 2 };

class CTWBuchungsFilterNeu {
public:
    std::string name;                                      // "Be&zeichnung für Filter"
    int32_t numberConditionOn = 0;                         // word 1
    uint32_t numberFrom = 1;                               // word 2, inclusive
    uint32_t numberTo = 100000;                            // word 3, inclusive
    int32_t textConditionOn = 0;                           // word 4
    int32_t textMode = kIstGleich;                         // word 5
    std::string textPattern;                               // text 1
    int32_t kindConditionOn = 0;                           // word 6
    Vorgang kind = Vorgang::Einnahme;                      // word 7
    int32_t accountConditionOn = 0;                        // word 8
    int32_t accountId = -1;                                // word 9
    int32_t amountConditionOn = 0;                         // word 10
    int64_t amountFrom = 100;                              // amount 1, inclusive
    int64_t amountTo = 100000;                             // amount 2, inclusive
    WaehrungsIndex amountCurrency = WaehrungsIndex::Erste; // word 11: currency of the bounds
    int32_t currencyConditionOn = 0;                       // word 12
    WaehrungsIndex currency = WaehrungsIndex::Erste;       // word 13
    int32_t notesConditionOn = 0;                          // word 14
    int32_t notesMode = kIstGleich;                        // word 15
    std::string notesPattern;                              // text 2
    int32_t provisionalMode = kAlleBuchungen;              // word 16
};

} // namespace ledger
