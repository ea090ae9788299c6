// The character set of a text file to import: files written on this platform are UTF-8,
// older ones and those of other programs Windows-1252. Lines are converted to the
// Windows-1252 texts of the ledger one at a time, so that a character without a Windows-1252
// form spoils only its own line.
#pragma once

#include <string>
#include <string_view>

namespace bookings {

enum class ImportZeichensatz { Windows1252, Utf8 };

// The text after a UTF-8 byte-order mark, and the character set: UTF-8 after a byte-order
// mark or when the whole text is well-formed UTF-8 with a character beyond ASCII; Windows-1252
// otherwise (pure ASCII reads the same either way).
struct ImportText {
    std::string_view text;
    ImportZeichensatz zeichensatz = ImportZeichensatz::Windows1252;
};
ImportText erkenneZeichensatz(std::string_view data);

// Converts one line of UTF-8 into Windows-1252. Nothing is converted when a character has no
// Windows-1252 form or the bytes are no UTF-8: then `fault` says which and the result is false.
bool utf8Zeile(std::string_view line, std::string& out, std::string& fault);

} // namespace bookings
