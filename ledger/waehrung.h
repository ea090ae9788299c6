// Currencies: the national currency table (CTWWaehrungsinfo), fixed rates with their text form,
// the conversion of an amount between a file's two currencies, and the currency choice of a
// new file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

// The index of a currency: the first or second of a file's currencies; income and expense
// accounts have none.
enum class WaehrungsIndex : int32_t { Keine = -1, Erste = 0, Zweite = 1 };

// The other of the two currencies (Keine stays Keine).
constexpr WaehrungsIndex andereWaehrung(WaehrungsIndex index) {
    switch (index) {
    case WaehrungsIndex::Erste:
        return WaehrungsIndex::Zweite;
    case WaehrungsIndex::Zweite:
        return WaehrungsIndex::Erste;
    case WaehrungsIndex::Keine:
        break;
    }
    return index;
}
// 0 for the first currency, 1 for the second: the position in lists of the two currencies.
constexpr int waehrungsPosition(WaehrungsIndex index) {
    return static_cast<int>(index);
}
// The currency at position 0 or 1; nothing otherwise.
constexpr std::optional<WaehrungsIndex> waehrungAt(int64_t position) {
    if (position == 0)
        return WaehrungsIndex::Erste;
    if (position == 1)
        return WaehrungsIndex::Zweite;
    return std::nullopt;
}

// One old national currency with its fixed rate: numerator/denominator units per 1 Euro.
class CTWWaehrungsinfo {
public:
    CTWWaehrungsinfo(uint32_t id, std::string name, std::string code, std::string symbol,
                     int64_t rateNumerator, int64_t rateDenominator)
        : id(id), name(std::move(name)), code(std::move(code)), symbol(std::move(symbol)),
          rateNumerator(rateNumerator), rateDenominator(rateDenominator) {}

    uint32_t id;
    std::string name;   // "Deutsche Mark (DEM)"
    std::string code;   // "DEM"
    std::string symbol; // "DM"
    int64_t rateNumerator;
    int64_t rateDenominator;
};

// The eleven national currencies in their fixed order (DEM first).
std::vector<CTWWaehrungsinfo> buildNationalCurrencyTable();

// A fixed rate: 1 unit of the first currency = numerator/denominator units of the second.
struct Wechselkurs {
    int64_t numerator = 1;
    int64_t denominator = 1;
};

// Reads a rate like "1.936,27" ("." groups, "," starts the decimals) and removes trailing
// zeros of the decimals. Nothing for a text without digits, with another character, with a
// second ",", with more digits than 64 bits hold, or for a rate of zero (which could not be
// converted back).
std::optional<Wechselkurs> parseRate(std::string_view text);
// "1.936,27"; at least one decimal ("1,0").
std::string formatRate(const Wechselkurs& rate);

// An amount together with the index of the currency it is in.
struct WaehrungsBetrag {
    int64_t amount = 0;
    WaehrungsIndex currencyIndex = WaehrungsIndex::Erste;
};

// amount × fromFactor × 10 ÷ toFactor (truncating), then round-by-ten: one guard digit. A
// toFactor of 0 leaves the amount unchanged.
// Intermediate values are exact beyond 64 bits; a result outside 64 bits saturates.
int64_t convertBetrag(int64_t amount, int64_t fromFactor, int64_t toFactor);

// The currency fields a new file takes from the new-file currency choice.
struct NeueDateiWaehrung {
    int32_t dualCurrency = 0; // Euro and a national currency
    int32_t euroOnly = 1;     // "Buchführung nur in Euro"
    int32_t nationalIndex = -1;
    Wechselkurs rate;
    std::string firstSymbol = "EUR";
    std::string secondSymbol;
};

} // namespace ledger
