// The port onto which tables and charts are drawn: the screen, a printer page or an image.
// Coordinates are logical units (tenths of a millimetre) with x growing to the right and y
// growing upwards, so everything below the top edge of a table has a negative y. Texts are
// Windows-1252; the implementation converts them for its device.
#pragma once

#include "platform/text_measurer.h"

#include <cstdint>
#include <string_view>

namespace platform {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Color&) const = default;
};

inline constexpr Color kBlack{0, 0, 0};

// A rectangle in logical units; top >= bottom because y grows upwards.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Rect&) const = default;
    int width() const { return right - left; }
    int height() const { return top - bottom; }
    bool intersects(const Rect& o) const {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
};

enum class HAlign { Left, Right, Center };

class Surface : public TextMeasurer {
public:
    // Fills the rectangle with the colour, without an outline.
    virtual void fillRect(const Rect& rect, Color color) = 0;
    // A straight line; a pen width of 0 is the thinnest line the device can draw.
    virtual void drawLine(int x1, int y1, int x2, int y2, int penWidth, Color color) = 0;
    // One line of text inside the rectangle, horizontally aligned as given and vertically
    // centred, on a transparent background, clipped to the rectangle.
    virtual void drawText(const Rect& rect, std::string_view text, const FontSpec& font,
                          HAlign align, Color color) = 0;
    // Restricts all following drawing to the rectangle until the clip is reset.
    virtual void setClip(const Rect& rect) = 0;
    virtual void resetClip() = 0;
    // Device pixels per inch (horizontal), used to choose the first screen scale.
    virtual int dotsPerInch() const = 0;
};

} // namespace platform
