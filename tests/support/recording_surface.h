// A Surface that records every drawing call as one line of text, for comparing what a painter
// draws with a recorded list. Texts are measured with the fixed-width measurer.
#pragma once

#include "platform/surface.h"

#include <string>
#include <vector>

namespace testsupport {

class RecordingSurface final : public platform::Surface {
public:
    std::vector<std::string> calls;

    int textWidth(const platform::FontSpec& font, std::string_view text) const override {
        return measurer_.textWidth(font, text);
    }
    void fillRect(const platform::Rect& r, platform::Color c) override {
        calls.push_back("fill " + rect(r) + " " + colour(c));
    }
    void drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Color c) override {
        calls.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " +
                        std::to_string(x2) + "," + std::to_string(y2) + " w" +
                        std::to_string(penWidth) + " " + colour(c));
    }
    void drawText(const platform::Rect& r, std::string_view text, const platform::FontSpec& f,
                  platform::HAlign a, platform::Color c) override {
        static const char* const kAlign[] = {"left", "right", "center"};
        calls.push_back("text " + rect(r) + " \"" + std::string(text) + "\" " + f.name + " " +
                        std::to_string(f.height) + " " + kAlign[static_cast<int>(a)] + " " +
                        colour(c));
    }
    void setClip(const platform::Rect& r) override { calls.push_back("clip " + rect(r)); }
    void resetClip() override { calls.push_back("noclip"); }
    int dotsPerInch() const override { return 96; }

private:
    static std::string rect(const platform::Rect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    }
    static std::string colour(platform::Color c) {
        return "(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
               std::to_string(c.blue) + ")";
    }
    platform::FixedWidthMeasurer measurer_;
};

} // namespace testsupport
