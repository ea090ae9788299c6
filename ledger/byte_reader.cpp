#include "ledger/byte_reader.h"

#include "ledger/archive_error.h"
#include "ledger/scrambled_text.h"
#include "ledger/text_arena.h"
#include "ledger/win1252.h"

#include <bit>
#include <cstring>

namespace ledger {

namespace {
constexpr std::uint16_t kWideTextMarker = 0xFFFE;
constexpr std::uint16_t kLongCountMarker = 0xFFFF;
} // namespace

void ByteReader::fail() {
    throw FileFormatError("unerwartetes Dateiende");
}

std::int64_t ByteReader::qword() {
    const std::uint64_t low = dword();
    const std::uint64_t high = dword();
    return static_cast<std::int64_t>((high << 32) | low);
}

double ByteReader::real() {
    const std::uint64_t low = dword();
    const std::uint64_t high = dword();
    return std::bit_cast<double>((high << 32) | low);
}

// The length prefix: a byte below 0xFF, else a word below 0xFFFF, else a dword.
std::uint32_t ByteReader::textLength() {
    const std::uint8_t b = byte();
    if (b < 0xFF)
        return b;
    const std::uint16_t w = word();
    if (w < kWideTextMarker)
        return w;
    if (w == kWideTextMarker)
        throw FileFormatError("verschachtelte 16-Bit-Textmarke");
    return dword();
}

bool ByteReader::wideText() {
    if (remaining() >= 3 && bytes_[pos_] == 0xFF && bytes_[pos_ + 1] == 0xFE &&
        bytes_[pos_ + 2] == 0xFF) {
        pos_ += 3;
        return true;
    }
    return false;
}

std::string_view ByteReader::plainText() {
    const std::uint32_t length = textLength();
    need(length);
    const std::string_view stored(reinterpret_cast<const char*>(bytes_.data() + pos_), length);
    pos_ += length;
    return stored;
}

std::string ByteReader::wideTextBody() {
    const std::uint32_t length = textLength();
    need(std::uint64_t{length} * 2);
    std::u16string units(length, u'\0');
    for (char16_t& u : units)
        u = word();
    return fromUtf16(units);
}

std::string ByteReader::text() {
    return wideText() ? wideTextBody() : std::string(plainText());
}

std::string ByteReader::scrambledText() {
    std::string out = text();
    scrambleInto(out, out.data());
    return out;
}

std::string_view ByteReader::text(TextArena& arena, bool scrambled) {
    std::string converted;
    std::string_view stored;
    if (wideText()) {
        converted = wideTextBody();
        stored = converted;
    } else {
        stored = plainText();
    }
    if (stored.empty())
        return {};
    char* out = arena.allocate(stored.size());
    if (scrambled)
        scrambleInto(stored, out);
    else
        std::memcpy(out, stored.data(), stored.size());
    return {out, stored.size()};
}

std::uint32_t ByteReader::count(std::size_t minBytesEach) {
    const std::uint16_t w = word();
    const std::uint32_t n = w == kLongCountMarker ? dword() : w;
    need(std::uint64_t{n} * minBytesEach);
    return n;
}

std::vector<std::uint8_t> ByteReader::byteList() {
    const std::uint32_t n = count(1);
    std::vector<std::uint8_t> out(bytes_.begin() + pos_, bytes_.begin() + pos_ + n);
    pos_ += n;
    return out;
}

std::vector<std::string> ByteReader::textList() {
    const std::uint32_t n = count(1);
    std::vector<std::string> out;
    out.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i)
        out.push_back(text());
    return out;
}

} // namespace ledger
