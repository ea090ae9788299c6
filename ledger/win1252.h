// Windows-1252 text helpers: upper-casing and comparisons that know the accented letters, and
// the conversions to and from Unicode used at the Qt and terminal boundaries.
#pragma once

#include <string>
#include <string_view>

namespace ledger {

// The upper-case form of one Windows-1252 character (ä -> Ä, š -> Š, ÿ -> Ÿ; ß stays).
char toUpper(char ch);
std::string toUpper(std::string_view text);

// Compares case-insensitively (ä equals Ä) in alphabetical order, accented letters beside
// their base letter: negative, 0 or positive.
int compareNoCase(std::string_view a, std::string_view b);
bool equalsNoCase(std::string_view a, std::string_view b);

// Locale-like, case-sensitive collation: letters are ordered alphabetically first (accented
// letters beside their base letter, lower case beside upper case), byte order decides ties.
// Negative, 0 or positive; 0 only for equal texts.
int collate(std::string_view a, std::string_view b);

// Unicode conversions. Characters that Windows-1252 cannot hold become '?'.
std::string toUtf8(std::string_view cp1252);
std::string fromUtf8(std::string_view utf8);
std::u16string toUtf16(std::string_view cp1252);
std::string fromUtf16(std::u16string_view utf16);

// The Unicode code point of a Windows-1252 byte, and the reverse (nothing -> false).
char32_t toCodePoint(char ch);
bool fromCodePoint(char32_t codePoint, char& ch);

} // namespace ledger
