#include "ledger/win1252.h"

#include <algorithm>
#include <array>

namespace ledger {

namespace {

// Code points of the bytes 0x80 to 0x9F; the five unassigned bytes keep their C1 code point.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

unsigned char byte(char ch) {
    return static_cast<unsigned char>(ch);
}

// The unaccented upper-case base letter of a byte, or the byte itself for non-letters.
unsigned char baseLetter(char ch) {
    const unsigned char u = byte(toUpper(ch));
    if (u >= 0xC0 && u <= 0xC5)
        return 'A';
    if (u == 0xC7)
        return 'C';
    if (u >= 0xC8 && u <= 0xCB)
        return 'E';
    if (u >= 0xCC && u <= 0xCF)
        return 'I';
    if (u == 0xD1)
        return 'N';
    if ((u >= 0xD2 && u <= 0xD6) || u == 0xD8)
        return 'O';
    if (u >= 0xD9 && u <= 0xDC)
        return 'U';
    if (u == 0xDD || u == 0x9F)
        return 'Y';
    if (u == 0x8A || u == 0xDF)
        return 'S';
    if (u == 0x8E)
        return 'Z';
    return u;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char toByteOrQuestionMark(char32_t cp) {
    char ch;
    return fromCodePoint(cp, ch) ? ch : '?';
}

} // namespace

char toUpper(char ch) {
    const unsigned char u = byte(ch);
    if (u >= 'a' && u <= 'z')
        return static_cast<char>(u - 0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 0x20);
    switch (u) {
    case 0x9A:
    case 0x9C:
    case 0x9E:
        return static_cast<char>(u - 0x10);
    case 0xFF:
        return static_cast<char>(0x9F);
    default:
        return ch;
    }
}

std::string toUpper(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        ch = toUpper(ch);
    return out;
}

namespace {

// Compares by unaccented upper-case base letters, then by length: the alphabetical part that
// both orders below share (Ö beside O, as a German reader expects).
int compareAlphabetically(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = baseLetter(a[i]) - baseLetter(b[i]);
        if (d != 0)
            return d;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return 0;
}

} // namespace

int compareNoCase(std::string_view a, std::string_view b) {
    // 0 still means equal apart from case: the upper-case bytes decide between "Ober" and
    // "Öber".
    if (const int d = compareAlphabetically(a, b); d != 0)
        return d;
    for (size_t i = 0; i < a.size(); ++i) {
        const int d = byte(toUpper(a[i])) - byte(toUpper(b[i]));
        if (d != 0)
            return d;
    }
    return 0;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

int collate(std::string_view a, std::string_view b) {
    if (const int d = compareAlphabetically(a, b); d != 0)
        return d;
    return a.compare(b);
}

char32_t toCodePoint(char ch) {
    const unsigned char u = byte(ch);
    if (u >= 0x80 && u <= 0x9F)
        return kHighControls[u - 0x80];
    return u;
}

bool fromCodePoint(char32_t cp, char& ch) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        ch = static_cast<char>(cp);
        return true;
    }
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            ch = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

void appendUtf8(std::string& out, std::string_view cp1252) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        if (byte(cp1252[i]) < 0x80)
            continue;
        out.append(cp1252.substr(start, i - start));
        appendUtf8(out, toCodePoint(cp1252[i]));
        start = i + 1;
    }
    out.append(cp1252.substr(start));
}

std::string toUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    appendUtf8(out, cp1252);
    return out;
}

Utf8Char readUtf8(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return {};
    const unsigned char lead = byte(text[pos]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || pos + length > text.size())
        return {};
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = byte(text[pos + k]);
        if ((next & 0xC0) != 0x80)
            return {};
        cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms (a NUL written in two bytes, for example) are not characters.
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kShortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {};
    return {cp, length};
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Char ch = readUtf8(utf8, i);
        out += ch.length != 0 ? toByteOrQuestionMark(ch.codePoint) : '?';
        i += ch.length != 0 ? ch.length : 1;
    }
    return out;
}

std::u16string toUtf16(std::string_view cp1252) {
    std::u16string out;
    out.reserve(cp1252.size());
    for (const char ch : cp1252)
        out += static_cast<char16_t>(toCodePoint(ch));
    return out;
}

std::string fromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        // A surrogate pair is one character outside Windows-1252.
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF)
            ++i;
        out += toByteOrQuestionMark(unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
    }
    return out;
}

} // namespace ledger
