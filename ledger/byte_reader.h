// Reads the primitive encodings of a ledger file from a memory buffer.
// Every length and count is checked against the bytes that remain before anything is
// allocated, so a damaged file fails at once instead of asking for gigabytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

class TextArena;

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t byte() {
        need(1);
        return bytes_[pos_++];
    }
    std::uint16_t word() {
        need(2);
        const std::uint8_t* p = bytes_.data() + pos_;
        pos_ += 2;
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::uint32_t dword() {
        need(4);
        const std::uint8_t* p = bytes_.data() + pos_;
        pos_ += 4;
        return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
               (std::uint32_t{p[3]} << 24);
    }
    std::int32_t int32() { return static_cast<std::int32_t>(dword()); }
    std::int64_t qword();
    double real();

    // A length-prefixed Windows-1252 text; also the 16-bit form, converted to Windows-1252.
    std::string text();
    // A text stored under the text scrambling.
    std::string scrambledText();
    // The text (scrambled or not) copied into the arena, plain; empty texts take no room.
    std::string_view text(TextArena& arena, bool scrambled);
    // A count of list elements each occupying at least minBytesEach bytes; a count that
    // the remaining bytes cannot hold fails.
    std::uint32_t count(std::size_t minBytesEach);
    std::vector<std::uint8_t> byteList();
    std::vector<std::string> textList();

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

private:
    // Fails with FileFormatError unless n more bytes are there.
    void need(std::uint64_t n) const {
        if (n > remaining())
            fail();
    }
    [[noreturn]] static void fail();
    // True, with the marker skipped, when a 16-bit text follows.
    bool wideText();
    std::uint32_t textLength();
    // The bytes of a single-byte text in the buffer, and a 16-bit text converted.
    std::string_view plainText();
    std::string wideTextBody();

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

} // namespace ledger
