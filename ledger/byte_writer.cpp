#include "ledger/byte_writer.h"

#include "ledger/scrambled_text.h"

#include <bit>
#include <limits>
#include <stdexcept>

namespace ledger {

void ByteWriter::qword(std::int64_t v) {
    const auto u = static_cast<std::uint64_t>(v);
    dword(static_cast<std::uint32_t>(u));
    dword(static_cast<std::uint32_t>(u >> 32));
}

void ByteWriter::real(double v) {
    qword(static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(v)));
}

void ByteWriter::lengthPrefix(std::size_t length) {
    if (length > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("text too long for a ledger file");
    if (length < 0xFF) {
        byte(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        byte(0xFF);
        word(static_cast<std::uint16_t>(length));
    } else {
        byte(0xFF);
        word(0xFFFF);
        dword(static_cast<std::uint32_t>(length));
    }
}

void ByteWriter::text(std::string_view s) {
    lengthPrefix(s.size());
    bytes_.insert(bytes_.end(), s.begin(), s.end());
}

void ByteWriter::scrambledText(std::string_view s) {
    lengthPrefix(s.size());
    scrambleInto(s, reinterpret_cast<char*>(grow(s.size())));
}

void ByteWriter::count(std::size_t n) {
    if (n > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("list too long for a ledger file");
    if (n < 0xFFFF) {
        word(static_cast<std::uint16_t>(n));
    } else {
        word(0xFFFF);
        dword(static_cast<std::uint32_t>(n));
    }
}

void ByteWriter::byteList(const std::vector<std::uint8_t>& list) {
    count(list.size());
    bytes_.insert(bytes_.end(), list.begin(), list.end());
}

void ByteWriter::textList(const std::vector<std::string>& list) {
    count(list.size());
    for (const auto& s : list)
        text(s);
}

} // namespace ledger
