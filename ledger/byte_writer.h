// Writes the primitive encodings of a ledger file into a growing byte buffer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

class ByteWriter {
public:
    void byte(std::uint8_t v) { bytes_.push_back(v); }
    void word(std::uint16_t v);
    void dword(std::uint32_t v);
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
    std::vector<std::uint8_t> bytes_;
};

} // namespace ledger
