#include "ledger/byte_reader.h"

#include "ledger/archive_error.h"
#include "ledger/scrambled_text.h"
#include "ledger/win1252.h"

#include <bit>

namespace ledger {

namespace {
constexpr std::uint16_t kWideTextMarker = 0xFFFE;
constexpr std::uint16_t kLongCountMarker = 0xFFFF;
} // namespace

void ByteReader::need(std::uint64_t n) const {
    if (n > remaining())
        throw FileFormatError("unerwartetes Dateiende");
}

std::uint8_t ByteReader::byte() {
    need(1);
    return bytes_[pos_++];
}

std::uint16_t ByteReader::word() {
    need(2);
    const std::uint16_t v = bytes_[pos_] | (bytes_[pos_ + 1] << 8);
    pos_ += 2;
    return v;
}

std::uint32_t ByteReader::dword() {
    need(4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | bytes_[pos_ + i];
    pos_ += 4;
    return v;
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

std::string ByteReader::text() {
    bool wide = false;
    if (remaining() >= 3 && bytes_[pos_] == 0xFF && bytes_[pos_ + 1] == 0xFE &&
        bytes_[pos_ + 2] == 0xFF) {
        wide = true;
        pos_ += 3;
    }
    const std::uint32_t length = textLength();
    if (!wide) {
        need(length);
        std::string out(reinterpret_cast<const char*>(bytes_.data() + pos_), length);
        pos_ += length;
        return out;
    }
    need(std::uint64_t{length} * 2);
    std::u16string units(length, u'\0');
    for (char16_t& u : units)
        u = word();
    return fromUtf16(units);
}

std::string ByteReader::scrambledText() {
    return scrambleText(text());
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
