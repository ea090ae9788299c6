#include "shell/qt/qt_surface.h"

#include "shell/qt/cp1252.h"

#include <QFontMetricsF>
#include <cmath>

namespace shell {

namespace {

QColor toQColor(platform::Color c) {
    return QColor(c.red, c.green, c.blue);
}

} // namespace

QtTextMeasurer::FontEntry& QtTextMeasurer::entry(const platform::FontSpec& fontSpec) const {
    auto it = fonts_.find(fontSpec);
    if (it != fonts_.end())
        return it->second;
    // The height of a report font is the height of a whole text line: choose the pixel size
    // whose line spacing fills it.
    const double linePixels = std::max(1.0, toDevice(fontSpec.height));
    FontEntry entry;
    entry.font = QFont(toQString(fontSpec.name));
    QFont& font = entry.font;
    font.setBold(fontSpec.bold);
    // Without kerning a text is as wide as its characters' advances together, which lets the
    // layout skip measuring texts that cannot widen their column.
    font.setKerning(false);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(linePixels))));
    const double natural = QFontMetricsF(font).height();
    if (natural > 0)
        font.setPixelSize(std::max(1, static_cast<int>(linePixels * linePixels / natural)));
    const QFontMetricsF metrics(font);
    for (int c = 0; c < 256; ++c)
        entry.advances[c] =
            toLogical(metrics.horizontalAdvance(toQString(std::string(1, static_cast<char>(c)))));
    return fonts_.emplace(fontSpec, std::move(entry)).first->second;
}

int QtTextMeasurer::textWidth(const platform::FontSpec& font, std::string_view text) const {
    FontEntry& e = entry(font);
    // Texts seen before are not measured again; the cache is emptied when it grows large.
    if (e.widths.size() > 100000)
        e.widths.clear();
    const auto [it, inserted] = e.widths.try_emplace(std::string(text), 0);
    if (inserted) {
        const double pixels = QFontMetricsF(e.font).horizontalAdvance(toQString(text));
        it->second = static_cast<int>(std::ceil(toLogical(pixels)));
    }
    return it->second;
}

int QtTextMeasurer::widthBound(const platform::FontSpec& font, std::string_view text) const {
    const FontEntry& e = entry(font);
    double width = 0;
    for (const char c : text)
        width += e.advances[static_cast<unsigned char>(c)];
    // A hair more than the sum, so that rounding in a different order cannot make the bound
    // fall below the measured width.
    return static_cast<int>(std::ceil(width + 1e-6));
}

QtSurface::QtSurface(QPainter& painter, const QtTextMeasurer& measurer, QPointF origin)
    : painter_(painter), measurer_(measurer), origin_(origin) {}

int QtSurface::textWidth(const platform::FontSpec& font, std::string_view text) const {
    return measurer_.textWidth(font, text);
}

QPointF QtSurface::toDevice(double x, double y) const {
    return {measurer_.toDevice(x - origin_.x()), measurer_.toDevice(origin_.y() - y)};
}

QRectF QtSurface::toDevice(const platform::Rect& rect) const {
    return QRectF(toDevice(rect.left, rect.top), toDevice(rect.right, rect.bottom));
}

void QtSurface::fillRect(const platform::Rect& rect, platform::Color color) {
    painter_.fillRect(toDevice(rect), toQColor(color));
}

void QtSurface::drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Color color) {
    QPen pen(toQColor(color));
    pen.setWidthF(penWidth <= 0 ? 0.0 : measurer_.toDevice(penWidth));
    pen.setCosmetic(penWidth <= 0);
    painter_.setPen(pen);
    painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void QtSurface::drawText(const platform::Rect& rect, std::string_view text,
                         const platform::FontSpec& font, platform::HAlign align,
                         platform::Color color) {
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    switch (align) {
    case platform::HAlign::Left:
        flags |= Qt::AlignLeft;
        break;
    case platform::HAlign::Right:
        flags |= Qt::AlignRight;
        break;
    case platform::HAlign::Center:
        flags |= Qt::AlignHCenter;
        break;
    }
    const QRectF target = toDevice(rect);
    painter_.save();
    painter_.setClipRect(target, Qt::IntersectClip);
    painter_.setFont(measurer_.qfont(font));
    painter_.setPen(toQColor(color));
    painter_.drawText(target, flags, toQString(text));
    painter_.restore();
}

void QtSurface::setClip(const platform::Rect& rect) {
    painter_.setClipRect(toDevice(rect));
}

void QtSurface::resetClip() {
    painter_.setClipping(false);
}

} // namespace shell
