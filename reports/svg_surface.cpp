#include "reports/svg_surface.h"

#include "ledger/win1252.h"

namespace reports {
namespace {

std::string colour(platform::Color c) {
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
           std::to_string(c.blue) + ")";
}

// The text as UTF-8 with the characters that XML reserves escaped.
std::string escaped(std::string_view cp1252) {
    std::string out;
    for (const char ch : ledger::toUtf8(cp1252)) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Control characters cannot stand in XML.
            if (static_cast<unsigned char>(ch) >= 0x20)
                out += ch;
        }
    }
    return out;
}

std::string rectAttributes(const platform::Rect& r) {
    return "x=\"" + std::to_string(r.left) + "\" y=\"" + std::to_string(-r.top) + "\" width=\"" +
           std::to_string(std::max(r.width(), 0)) + "\" height=\"" +
           std::to_string(std::max(r.height(), 0)) + "\"";
}

} // namespace

const platform::FixedWidthMeasurer SvgSurface::kFixedWidth;

SvgSurface::SvgSurface(const platform::TextMeasurer& measurer) : measurer_(measurer) {}

int SvgSurface::textWidth(const platform::FontSpec& font, std::string_view text) const {
    return measurer_.textWidth(font, text);
}

void SvgSurface::fillRect(const platform::Rect& rect, platform::Color color) {
    body_ += "<rect " + rectAttributes(rect) + " fill=\"" + colour(color) + "\"/>\n";
}

void SvgSurface::drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Color color) {
    // A pen width of 0 is a hairline: one device pixel whatever the zoom.
    const std::string width = penWidth > 0
                                  ? "stroke-width=\"" + std::to_string(penWidth) + "\""
                                  : "stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"";
    body_ += "<line x1=\"" + std::to_string(x1) + "\" y1=\"" + std::to_string(-y1) + "\" x2=\"" +
             std::to_string(x2) + "\" y2=\"" + std::to_string(-y2) + "\" stroke=\"" +
             colour(color) + "\" " + width + " stroke-linecap=\"round\"/>\n";
}

std::string SvgSurface::openClip(const platform::Rect& rect) {
    const std::string id = "clip" + std::to_string(++clipCount_);
    body_ += "<clipPath id=\"" + id + "\"><rect " + rectAttributes(rect) + "/></clipPath>\n";
    body_ += "<g clip-path=\"url(#" + id + ")\">\n";
    return "</g>\n";
}

void SvgSurface::drawText(const platform::Rect& rect, std::string_view text,
                          const platform::FontSpec& font, platform::HAlign align,
                          platform::Color color) {
    if (text.empty())
        return;
    int x = rect.left;
    const char* anchor = "start";
    if (align == platform::HAlign::Right) {
        x = rect.right;
        anchor = "end";
    } else if (align == platform::HAlign::Center) {
        x = rect.left + rect.width() / 2;
        anchor = "middle";
    }
    // Only a text wider than its rectangle needs a clip of its own.
    const bool clip = textWidth(font, text) > rect.width();
    const std::string close = clip ? openClip(rect) : "";
    body_ += "<text x=\"" + std::to_string(x) + "\" y=\"" +
             std::to_string(-(rect.top + rect.bottom) / 2) + "\" font-family=\"" +
             escaped(font.name) + "\" font-size=\"" + std::to_string(font.height) + "\"" +
             (font.bold ? " font-weight=\"bold\"" : "") + " text-anchor=\"" + anchor +
             "\" dominant-baseline=\"central\" fill=\"" + colour(color) + "\">" + escaped(text) +
             "</text>\n";
    body_ += close;
}

void SvgSurface::setClip(const platform::Rect& rect) {
    resetClip();
    openClip(rect);
    clipped_ = true;
}

void SvgSurface::resetClip() {
    if (clipped_)
        body_ += "</g>\n";
    clipped_ = false;
}

std::string SvgSurface::document(const platform::Rect& area) const {
    const std::string w = std::to_string(area.width());
    const std::string h = std::to_string(area.height());
    const auto mm = [](int tenths) {
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "mm";
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           mm(area.width()) + "\" height=\"" + mm(area.height()) + "\" viewBox=\"" +
           std::to_string(area.left) + " " + std::to_string(-area.top) + " " + w + " " + h +
           "\">\n" + body_ + (clipped_ ? "</g>\n" : "") + "</svg>\n";
}

} // namespace reports
