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
// Appends the text as UTF-8 to out (runs of ASCII in one piece).
void appendUtf8(std::string& out, std::string_view cp1252);
std::string fromUtf8(std::string_view utf8);
std::u16string toUtf16(std::string_view cp1252);
std::string fromUtf16(std::u16string_view utf16);

// One character of UTF-8 text: its code point and its length in bytes. The length is 0 when
// the bytes at `pos` do not start a well-formed character (a stray or missing continuation
// byte, an overlong form, a surrogate, a code point beyond U+10FFFF, the end of the text).
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 0;
};
Utf8Char readUtf8(std::string_view text, std::size_t pos);

// The Unicode code point of a Windows-1252 byte, and the reverse (nothing -> false).
char32_t toCodePoint(char ch);
bool fromCodePoint(char32_t codePoint, char& ch);

} // namespace ledger
