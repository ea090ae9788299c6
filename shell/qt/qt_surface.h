// The TextMeasurer and Surface ports over QPainter and QFontMetrics. Logical units are tenths
// of a millimetre with y growing upwards; the surface maps them onto device pixels of the
// given resolution, shifted by the origin (the logical point at the device's top left).
#pragma once

#include "platform/surface.h"

#include <QFont>
#include <QPainter>
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

namespace shell {

// Turns report fonts into QFonts whose line height is the font's height in logical units at
// the given resolution, and measures texts with them. Measured widths are kept per font, so a
// view that is rebuilt measures each text once.
class QtTextMeasurer : public platform::TextMeasurer {
public:
    explicit QtTextMeasurer(int dpi) : dpi_(dpi) {}

    int textWidth(const platform::FontSpec& font, std::string_view text) const override;
    // The sum of the characters' advances, which the fonts' disabled kerning makes the width
    // of the whole text.
    int widthBound(const platform::FontSpec& font, std::string_view text) const override;
    const QFont& qfont(const platform::FontSpec& font) const { return entry(font).font; }

    int dpi() const { return dpi_; }
    double toDevice(double logical) const { return logical * dpi_ / 254.0; }
    double toLogical(double device) const { return device * 254.0 / dpi_; }

private:
    struct FontEntry {
        QFont font;
        std::array<double, 256> advances{}; // in logical units, by Windows-1252 character
        std::unordered_map<std::string, int> widths;
    };
    struct FontOrder {
        bool operator()(const platform::FontSpec& a, const platform::FontSpec& b) const {
            return std::tie(a.name, a.height, a.bold) < std::tie(b.name, b.height, b.bold);
        }
    };
    FontEntry& entry(const platform::FontSpec& font) const;

    int dpi_;
    mutable std::map<platform::FontSpec, FontEntry, FontOrder> fonts_;
};

class QtSurface final : public platform::Surface {
public:
    // origin: the logical point drawn at the device's top left corner.
    QtSurface(QPainter& painter, const QtTextMeasurer& measurer, QPointF origin = {});

    int textWidth(const platform::FontSpec& font, std::string_view text) const override;
    int widthBound(const platform::FontSpec& font, std::string_view text) const override {
        return measurer_.widthBound(font, text);
    }
    void fillRect(const platform::Rect& rect, platform::Color color) override;
    void drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Color color) override;
    void drawText(const platform::Rect& rect, std::string_view text, const platform::FontSpec& font,
                  platform::HAlign align, platform::Color color) override;
    void setClip(const platform::Rect& rect) override;
    void resetClip() override;
    int dotsPerInch() const override { return measurer_.dpi(); }

    QPointF toDevice(double x, double y) const;
    QRectF toDevice(const platform::Rect& rect) const;

private:
    QPainter& painter_;
    const QtTextMeasurer& measurer_;
    QPointF origin_;
};

} // namespace shell
