// Writes the primitive encodings of a ledger file into a growing byte buffer.
#pragma once

#include "ledger/large_block.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

class ByteWriter {
public:
    // Room for that many bytes in all, so that writing a whole file grows the buffer once; its
    // pages are put in place at once, not one fault at a time while it is written.
    void reserve(std::size_t bytes) {
        bytes_.reserve(bytes);
        preparePages(bytes_.data(), bytes_.capacity());
    }

    void byte(std::uint8_t v) { bytes_.push_back(v); }
    void word(std::uint16_t v) {
        std::uint8_t* p = grow(2);
        p[0] = static_cast<std::uint8_t>(v);
        p[1] = static_cast<std::uint8_t>(v >> 8);
    }
    void dword(std::uint32_t v) {
        std::uint8_t* p = grow(4);
        for (int i = 0; i < 4; ++i)
            p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    void int32(std::int32_t v) { dword(static_cast<std::uint32_t>(v)); }
    void qword(std::int64_t v);
    void real(double v);

    // Length prefix (one byte below 255, else 0xFF and a word up to 65533, else 0xFF,
    // 0xFFFF and a dword) and the Windows-1252 bytes.
    void text(std::string_view s);
    void scrambledText(std::string_view s);
    // A word below 0xFFFF, else 0xFFFF and a dword.
    void count(std::size_t n);
    void byteList(const std::vector<std::uint8_t>& list);
    void textList(const std::vector<std::string>& list);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    // The next n bytes of the buffer, to be written by the caller.
    std::uint8_t* grow(std::size_t n) {
        const std::size_t at = bytes_.size();
        bytes_.resize(at + n);
        return bytes_.data() + at;
    }
    void lengthPrefix(std::size_t length);

    std::vector<std::uint8_t> bytes_;
};

} // namespace ledger
