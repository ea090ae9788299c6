// A Surface that writes SVG, so that charts can be rendered without a window (the command
// line). Texts are measured with the given measurer (by default the fixed-width one) and
// written as UTF-8.
#pragma once

#include "platform/surface.h"

#include <string>

namespace reports {

class SvgSurface final : public platform::Surface {
public:
    explicit SvgSurface(const platform::TextMeasurer& measurer = kFixedWidth);

    int textWidth(const platform::FontSpec& font, std::string_view text) const override;
    void fillRect(const platform::Rect& rect, platform::Color color) override;
    void drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Color color) override;
    void drawText(const platform::Rect& rect, std::string_view text, const platform::FontSpec& font,
                  platform::HAlign align, platform::Color color) override;
    void setClip(const platform::Rect& rect) override;
    void resetClip() override;
    // Logical units are tenths of a millimetre: 254 per inch.
    int dotsPerInch() const override { return 254; }

    // The whole SVG document showing the area (in logical units), sized in millimetres.
    std::string document(const platform::Rect& area) const;

private:
    static const platform::FixedWidthMeasurer kFixedWidth;
    // Opens a clip group for the rectangle; returns its closing tag.
    std::string openClip(const platform::Rect& rect);

    const platform::TextMeasurer& measurer_;
    std::string body_;
    int clipCount_ = 0;
    bool clipped_ = false;
};

} // namespace reports
