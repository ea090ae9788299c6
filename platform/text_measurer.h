// The port through which layout code measures text, and a deterministic measurer for tests and
// the command line. Lengths are logical units (tenths of a millimetre); texts are Windows-1252.
#pragma once

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

namespace platform {

// A font as the reports ask for it: a face name and a character height in logical units.
struct FontSpec {
    std::string name;
    int height = 0;
    bool bold = false;

    bool operator==(const FontSpec&) const = default;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width of the text drawn in one line with the font, in logical units.
    virtual int textWidth(const FontSpec& font, std::string_view text) const = 0;
    // An upper bound of textWidth that is cheap to compute. Layouts measure a text only when
    // its bound could widen its column, so long lists cost few measurements. By default the
    // exact width.
    virtual int widthBound(const FontSpec& font, std::string_view text) const {
        return textWidth(font, text);
    }
};

// Every character is half as wide as the font is high (rounded up), bold or not.
// Gives the same layout on every machine, which the command line and the tests rely on.
class FixedWidthMeasurer final : public TextMeasurer {
public:
    int textWidth(const FontSpec& font, std::string_view text) const override {
        const long long width =
            static_cast<long long>(text.size()) * ((std::max(font.height, 0) + 1LL) / 2);
        return static_cast<int>(std::min<long long>(width, std::numeric_limits<int>::max()));
    }
};

} // namespace platform
