// Reads the primitive encodings of a ledger file from a memory buffer.
// Every length and count is checked against the bytes that remain before anything is
// allocated, so a damaged file fails at once instead of asking for gigabytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ledger {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t byte();
    std::uint16_t word();
    std::uint32_t dword();
    std::int32_t int32() { return static_cast<std::int32_t>(dword()); }
    std::int64_t qword();
    double real();

    // A length-prefixed Windows-1252 text; also the 16-bit form, converted to Windows-1252.
    std::string text();
    // A text stored under the text scrambling.
    std::string scrambledText();
    // A count of list elements each occupying at least minBytesEach bytes; a count that
    // the remaining bytes cannot hold fails.
    std::uint32_t count(std::size_t minBytesEach);
    std::vector<std::uint8_t> byteList();
    std::vector<std::string> textList();

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

private:
    // Fails with FileFormatError unless n more bytes are there.
    void need(std::uint64_t n) const;
    std::uint32_t textLength();

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

} // namespace ledger
