#include "cli/terminal_output.h"

#include <cstdio>

namespace cli {

namespace {

constexpr unsigned char kC1Lead = 0xC2;

bool isC0OrDel(unsigned char byte) {
    return (byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F;
}

} // namespace

ControlEscapingBuffer::~ControlEscapingBuffer() {
    if (leadByteHeld_)
        target_->sputc(static_cast<char>(kC1Lead));
    target_->pubsync();
}

bool ControlEscapingBuffer::put(unsigned char byte) {
    const auto write = [&](const char* text, std::streamsize n) {
        return target_->sputn(text, n) == n;
    };
    if (leadByteHeld_) {
        leadByteHeld_ = false;
        if (byte >= 0x80 && byte <= 0x9F) {
            char text[16];
            const int n = std::snprintf(text, sizeof text, "<U+%04X>", byte);
            return write(text, n);
        }
        if (!write("\xC2", 1))
            return false;
    }
    if (byte == kC1Lead) {
        leadByteHeld_ = true;
        return true;
    }
    if (isC0OrDel(byte)) {
        const char caret[2] = {'^', static_cast<char>(byte == 0x7F ? '?' : byte + 0x40)};
        return write(caret, 2);
    }
    return target_->sputc(static_cast<char>(byte)) != traits_type::eof();
}

ControlEscapingBuffer::int_type ControlEscapingBuffer::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof()))
        return traits_type::not_eof(ch);
    return put(static_cast<unsigned char>(traits_type::to_char_type(ch))) ? ch : traits_type::eof();
}

std::streamsize ControlEscapingBuffer::xsputn(const char* text, std::streamsize count) {
    std::streamsize done = 0;
    while (done < count) {
        // Plain text goes on in one piece.
        std::streamsize run = 0;
        while (!leadByteHeld_ && done + run < count) {
            const auto byte = static_cast<unsigned char>(text[done + run]);
            if (byte == kC1Lead || isC0OrDel(byte))
                break;
            ++run;
        }
        if (run > 0) {
            const std::streamsize written = target_->sputn(text + done, run);
            done += written;
            if (written < run)
                return done;
            continue;
        }
        if (!put(static_cast<unsigned char>(text[done])))
            return done;
        ++done;
    }
    return done;
}

int ControlEscapingBuffer::sync() {
    return target_->pubsync();
}

} // namespace cli
