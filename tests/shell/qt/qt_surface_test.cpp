// The Qt measurer: its cheap bound, which lets layouts skip measuring, never falls below the
// measured width, and remeasuring a text gives the same width.
#include "shell/qt/qt_surface.h"
#include "shell_tests.h"

#include <QTest>

namespace shelltest {

class QtSurfaceTest : public QObject {
    Q_OBJECT
private slots:
    void boundIsNeverBelowTheMeasuredWidth() {
        const shell::QtTextMeasurer measurer(96);
        const std::string texts[] = {
            "Buchungstext",      "AVAWAY To. Tr. Yo.", "1.234.567,89",   "-0,01",
            "Überweisung Miete", "ff fi fl ffi",       "Kto. 4711 / Wä", ""};
        for (const platform::FontSpec& font :
             {platform::FontSpec{"Arial", 40, false}, platform::FontSpec{"Arial", 60, true},
              platform::FontSpec{"Times New Roman", 45, false}}) {
            for (const std::string& text : texts) {
                const int width = measurer.textWidth(font, text);
                QVERIFY2(measurer.widthBound(font, text) >= width, text.c_str());
                QCOMPARE(measurer.textWidth(font, text), width);
            }
        }
    }
};

static Register<QtSurfaceTest> registerQtSurface;

} // namespace shelltest

#include "qt_surface_test.moc"
