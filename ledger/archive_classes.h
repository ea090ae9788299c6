// The record classes that a ledger file names in its class records.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ledger {

enum class RecordClass : std::uint8_t {
    Kategorie,
    Unterkategorie,
    Konto,
    Datum,
    Buchung,
    BuchungRegel,
    BuchungsFilterNeu,
};

struct RecordClassInfo {
    std::string_view name; // as stored in the class record
    std::uint16_t schema;  // schema written by this program
    bool versionable;      // a versionable class accepts any schema on reading
};

// Tags of an object reference: a class record follows; a dword index follows; the bit that
// marks a class index in a word; the bit that marks it in a dword.
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kBigIndexTag = 0x7FFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint32_t kBigClassTag = 0x80000000;

const RecordClassInfo& recordClassInfo(RecordClass cls);
std::optional<RecordClass> recordClassByName(std::string_view name);

} // namespace ledger
