// A chart view on paper and in files: printing and the preview put the chart on one page at
// the document's chart margins; "Diagramm speichern unter..." writes the chart as it is shown
// on the screen into a PNG picture, an SVG drawing or a PDF document.
#pragma once

#include "reports/chart.h"

#include <QString>

class QPrinter;
class QWidget;

namespace shell {

class ChartPrinter {
public:
    ChartPrinter(const reports::Chart& chart, QWidget* parent) : chart_(chart), parent_(parent) {}

    // "&Drucken...": the print dialog (one page), then the page.
    void print();
    // "Sei&tenansicht".
    void preview();
    // Draws the chart on page 1 of the print range; a range without page 1 prints nothing.
    void render(QPrinter& printer);

private:
    const reports::Chart& chart_;
    QWidget* parent_;
};

// The three kinds of chart files, told by the name's extension.
enum class ChartFile { Png, Svg, Pdf };

// Writes the chart as seen on a screen of the given resolution (PNG) or in logical units
// (SVG, PDF). Returns false when the file could not be written.
bool writeChartFile(const reports::Chart& chart, const QString& path, ChartFile kind,
                    int screenDpi);

// "Diagramm speichern unter...": asks for the file name and type, writes the file and says
// when that failed.
void saveChartAs(const reports::Chart& chart, int screenDpi, QWidget* parent);

} // namespace shell
