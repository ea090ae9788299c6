#include "bookings/import_text.h"

#include "ledger/win1252.h"

#include <algorithm>
#include <cstdio>

namespace bookings {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isWellFormedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const ledger::Utf8Char ch = ledger::readUtf8(text, i);
        if (ch.length == 0)
            return false;
        i += ch.length;
    }
    return true;
}

} // namespace

ImportText erkenneZeichensatz(std::string_view data) {
    if (data.starts_with(kByteOrderMark))
        return {data.substr(kByteOrderMark.size()), ImportZeichensatz::Utf8};
    const bool beyondAscii =
        std::any_of(data.begin(), data.end(), [](char ch) { return (ch & 0x80) != 0; });
    return {data, beyondAscii && isWellFormedUtf8(data) ? ImportZeichensatz::Utf8
                                                        : ImportZeichensatz::Windows1252};
}

bool utf8Zeile(std::string_view line, std::string& out, std::string& fault) {
    out.clear();
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size();) {
        const ledger::Utf8Char ch = ledger::readUtf8(line, i);
        if (ch.length == 0) {
            fault = "Die Zeile ist kein gültiger UTF-8-Text!";
            return false;
        }
        char converted = 0;
        if (!ledger::fromCodePoint(ch.codePoint, converted)) {
            char text[96];
            std::snprintf(text, sizeof text,
                          "Das Zeichen U+%04X gibt es im Zeichensatz Windows-1252 nicht!",
                          static_cast<unsigned>(ch.codePoint));
            fault = text;
            return false;
        }
        out += converted;
        i += ch.length;
    }
    return true;
}

} // namespace bookings
