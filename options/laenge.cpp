#include "options/laenge.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace options {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Far above every range of the option pages, far below the 64-bit limit: more integer digits
// than this cannot change the clamped result, so reading stops growing the value there.
constexpr int64_t kGrenze = 1'000'000'000;

// The value in hundredths of a centimetre, or 0 when the text does not read as a length.
int64_t read(std::string_view text) {
    size_t i = 0;
    int64_t whole = 0;
    while (i < text.size() && isDigit(text[i])) {
        whole = std::min(whole * 10 + (text[i] - '0'), kGrenze);
        ++i;
    }
    bool comma = false;
    int64_t hundredths = 0;
    if (i < text.size() && text[i] == ',') {
        comma = true;
        ++i;
        for (int position = 0; i < text.size() && isDigit(text[i]); ++i, ++position) {
            if (position == 0)
                hundredths += (text[i] - '0') * 10;
            else if (position == 1)
                hundredths += text[i] - '0';
        }
    }
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool millimetres = false;
    if (i < text.size()) {
        if (text.size() - i != 2 || lower(text[i + 1]) != 'm')
            return 0;
        const char unit = lower(text[i]);
        if (unit != 'c' && unit != 'm')
            return 0;
        millimetres = unit == 'm';
    }
    const int64_t centimetres = whole * 100 + hundredths;
    if (!millimetres)
        return centimetres;
    return comma ? centimetres / 10 : whole * 10;
}

} // namespace

std::string formatLaenge(int32_t value) {
    const int64_t v = value;
    const int64_t magnitude = std::llabs(v);
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld,%02lld cm", v < 0 ? "-" : "",
                  static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
    return text;
}

int32_t clampRange(int64_t value, int32_t minimum, int32_t maximum) {
    if (value > maximum)
        value = maximum;
    if (value < minimum)
        value = minimum;
    return static_cast<int32_t>(value);
}

int32_t parseLaenge(std::string_view text, int32_t minimum, int32_t maximum) {
    return clampRange(read(text), minimum, maximum);
}

} // namespace options
