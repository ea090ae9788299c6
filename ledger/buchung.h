// CTWBuchung: one booking between two accounts, and the booking order with its number-aware
// comparison of booking numbers.
#pragma once

#include "ledger/datum.h"
#include "ledger/konto.h"
#include "ledger/record_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ledger {

// Booking kind ("Vorgang").
enum class Vorgang : int32_t { Einnahme = 0, Ausgabe = 1, Umbuchung = 2 };
inline constexpr int kVorgaenge = 3;

// The position of a kind among the three (0 to 2), as lists of the kinds show them.
constexpr int vorgangIndex(Vorgang vorgang) {
    return static_cast<int>(vorgang);
}
// The kind at a position; nothing outside 0 to 2.
constexpr std::optional<Vorgang> vorgangAt(int64_t index) {
    if (index < 0 || index >= kVorgaenge)
        return std::nullopt;
    return static_cast<Vorgang>(index);
}

// The kind of the second account of a booking of this kind: the income account of an income,
// the expense account of an expense; an asset account for a transfer.
constexpr KontoArt gegenkontoArt(Vorgang vorgang) {
    switch (vorgang) {
    case Vorgang::Einnahme:
        return KontoArt::Einnahmenkonto;
    case Vorgang::Ausgabe:
        return KontoArt::Ausgabenkonto;
    case Vorgang::Umbuchung:
        break;
    }
    return KontoArt::Bestandskonto;
}

class CTWBuchung {
public:
    int32_t serial = -1; // entry serial; -1 lets the document assign the next one
    CNVKDatum date;      // "Datum"
    RecordText number;   // "Nr."
    RecordText text;     // "Buchungstext"
    Vorgang kind = Vorgang::Einnahme;
    int32_t konto1Id = -1; // asset account, or the source of a transfer
    KontoArt konto1Kind = KontoArt::Bestandskonto;
    int32_t konto2Id = -1; // income/expense account, or the target of a transfer
    KontoArt konto2Kind = KontoArt::Bestandskonto;
    int64_t amount = 0;
    WaehrungsIndex currencyIndex = WaehrungsIndex::Erste;
    RecordText notes;        // "Notizen"
    int32_t provisional = 0; // nonzero: "vorläufige Buchung"

    bool touches(int32_t kontoId) const { return konto1Id == kontoId || konto2Id == kontoId; }
};

// All characters digits (the empty text reads as 0); nothing otherwise. Accumulates in
// unsigned 32-bit arithmetic (wrapping).
std::optional<uint32_t> parseDigitsStrict(std::string_view number);
// Every non-digit skipped, the digits read as one decimal number; 0 without digits.
uint32_t parseDigitsLenient(std::string_view number);

// How many characters of a booking number the text collation compares.
inline constexpr std::size_t kNummerVergleichslaenge = 256;

// Number-aware comparison of two booking numbers: numerically when both are plain digit
// runs (9 < 10, 007 == 7), else by the locale-like text collation of their first 256
// characters. Negative, 0 or positive.
int compareBuchungsnummer(std::string_view a, std::string_view b);

// Booking order: true when a sorts strictly after b (later date, or same date and a greater
// number).
bool sortsAfter(const CTWBuchung& a, const CTWBuchung& b);

} // namespace ledger
