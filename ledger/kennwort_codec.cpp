#include "ledger/kennwort_codec.h"

#include "ledger/archive_error.h"

namespace ledger {

namespace {

// The constants of the password record. Every file ever written depends on them: they are
// fixed once and must never change, or protected files can no longer be opened.
constexpr std::uint32_t kLengthOffset = 7;               // added to the number of characters
constexpr std::uint32_t kStep = 13;                      // added once per character position
constexpr std::uint32_t kKey = 0x5A3C9E17;               // added to every character code
constexpr std::uint32_t kCheckProtected = 41;            // check value offset P (flag nonzero)
constexpr std::uint32_t kCheckUnprotected = 17;          // check value offset U (flag 0)
constexpr std::uint32_t kMarkerUnprotected = 0x1B7E4D29; // marker A
constexpr std::uint32_t kMarkerProtected = 0x6C2F8A53;   // marker B

} // namespace

void writeKennwort(ByteWriter& w, const CNVKKennwort& kennwort) {
    const bool protectedFile = kennwort.protection != 0;
    const auto& password = kennwort.password;
    w.int32(kennwort.protection);
    w.dword(static_cast<std::uint32_t>(password.size()) + kLengthOffset);
    w.dword(protectedFile ? kMarkerProtected : kMarkerUnprotected);
    for (std::uint32_t i = 0; i < password.size(); ++i) {
        const auto code = static_cast<std::uint32_t>(
            static_cast<std::int32_t>(static_cast<std::int8_t>(password[i])));
        w.dword(code + i * kStep + kKey);
        w.dword(i + (protectedFile ? kCheckProtected : kCheckUnprotected));
    }
}

CNVKKennwort readKennwort(ByteReader& r) {
    CNVKKennwort kennwort;
    kennwort.protection = r.int32();
    const std::uint32_t stored = r.dword();
    if (stored < kLengthOffset)
        throw FileFormatError("ungültige Kennwortlänge");
    const std::uint32_t length = stored - kLengthOffset;
    if (r.dword() != kMarkerUnprotected && kennwort.protection == 0)
        kennwort.protection = 1;
    if (std::uint64_t{length} * 8 > r.remaining())
        throw FileFormatError("unerwartetes Dateiende");
    kennwort.password.reserve(length);
    for (std::uint32_t i = 0; i < length; ++i) {
        kennwort.password += static_cast<char>(r.dword() - i * kStep - kKey);
        if (r.dword() != i + kCheckUnprotected && kennwort.protection == 0)
            kennwort.protection = 1;
    }
    return kennwort;
}

} // namespace ledger
