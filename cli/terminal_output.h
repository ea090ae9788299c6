// Output to a terminal: a stream buffer that shows every control character of the text
// visibly instead of passing it on, so that a text stored in a ledger or an import (an escape
// sequence, a bell) cannot steer the terminal. Line feeds and tabs pass.
#pragma once

#include <streambuf>

namespace cli {

// Writes UTF-8 text on to target with the C0 controls and DEL in caret notation (ESC as "^[",
// BEL as "^G", DEL as "^?") and the C1 controls U+0080 to U+009F as "<U+009B>".
class ControlEscapingBuffer final : public std::streambuf {
public:
    explicit ControlEscapingBuffer(std::streambuf* target) : target_(target) {}
    ~ControlEscapingBuffer() override;
    ControlEscapingBuffer(const ControlEscapingBuffer&) = delete;
    ControlEscapingBuffer& operator=(const ControlEscapingBuffer&) = delete;

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool put(unsigned char byte);

    std::streambuf* target_;
    bool leadByteHeld_ = false; // 0xC2 seen: the next byte may make a C1 control
};

} // namespace cli
