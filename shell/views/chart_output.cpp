#include "shell/views/chart_output.h"

#include "reports/chart_painter.h"
#include "reports/svg_surface.h"
#include "shell/app/application.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/qt_prompter.h"
#include "shell/qt/qt_surface.h"
#include "shell/views/print_driver.h"
#include "shell/views/view_printer.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace shell {

namespace {

// Logical units are tenths of a millimetre: 254 of them per inch.
constexpr int kLogicalDpi = 254;

// The kinds of chart files with the filter of the file dialog and the extension.
struct ChartFileType {
    ChartFile kind;
    const char16_t* filter;
    const char16_t* suffix;
};
constexpr ChartFileType kChartFileTypes[] = {
    {ChartFile::Png, u"PNG-Bild (*.png)", u"png"},
    {ChartFile::Svg, u"SVG-Grafik (*.svg)", u"svg"},
    {ChartFile::Pdf, u"PDF-Dokument (*.pdf)", u"pdf"},
};

// The type of a name filter of the dialog; the first for an unknown one.
const ChartFileType& typeOfFilter(const QString& filter) {
    for (const ChartFileType& type : kChartFileTypes)
        if (filter == QString::fromUtf16(type.filter))
            return type;
    return kChartFileTypes[0];
}

// Draws the chart as on the screen onto a painter of the resolution.
void paintScreenChart(const reports::Chart& chart, QPainter& painter, int dpi) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QtTextMeasurer measurer(dpi);
    QtSurface surface(painter, measurer);
    reports::drawChart(chart, surface, reports::ChartTarget::Screen, 0, 0);
}

} // namespace

void ChartPrinter::print() {
    printWithDialog(parent_, 1, [this](QPrinter& printer) { render(printer); });
}

void ChartPrinter::preview() {
    showPrintPreview(parent_, [this](QPrinter& printer) { render(printer); });
}

void ChartPrinter::render(QPrinter& printer) {
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 1)
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    // The margins count from the paper's edges, as for tables.
    const reports::PageGeometry page = ViewPrinter::pageGeometry(printer);
    const reports::ChartSettings& s = chart_.settings();
    const QtTextMeasurer measurer(printer.resolution());
    QtSurface surface(painter, measurer);
    reports::drawChart(chart_, surface, reports::ChartTarget::Printer,
                       s.printMarginLeft - page.offsetX, page.offsetY - s.printMarginTop);
    painter.end();
}

bool writeChartFile(const reports::Chart& chart, const QString& path, ChartFile kind,
                    int screenDpi) {
    const reports::ChartTarget screen = reports::ChartTarget::Screen;
    const int width = chart.width(screen);
    const int height = chart.height(screen);
    switch (kind) {
    case ChartFile::Png: {
        const QtTextMeasurer measurer(screenDpi);
        QImage image(std::max(1, static_cast<int>(measurer.toDevice(width))),
                     std::max(1, static_cast<int>(measurer.toDevice(height))),
                     QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(screenDpi / 0.0254));
        image.setDotsPerMeterY(static_cast<int>(screenDpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        paintScreenChart(chart, painter, screenDpi);
        painter.end();
        return image.save(path, "PNG");
    }
    case ChartFile::Svg: {
        const QtTextMeasurer measurer(kLogicalDpi);
        reports::SvgSurface surface(measurer);
        reports::drawChart(chart, surface, screen, 0, 0);
        const std::string text = surface.document({0, 0, width, -height});
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        const qint64 written = file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();
        return written == static_cast<qint64>(text.size()) && file.error() == QFile::NoError;
    }
    case ChartFile::Pdf: {
        QPdfWriter pdf(path);
        pdf.setResolution(kLogicalDpi);
        pdf.setPageSize(QPageSize(QSizeF(width / 10.0, height / 10.0), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        paintScreenChart(chart, painter, kLogicalDpi);
        return painter.end();
    }
    }
    return false;
}

void saveChartAs(const reports::Chart& chart, int screenDpi, QWidget* parent) {
    QFileDialog dialog(parent, u"Diagramm speichern unter"_qs);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const ChartFileType& type : kChartFileTypes)
        filters << QString::fromUtf16(type.filter);
    dialog.setNameFilters(filters);
    // A name without extension gets the chosen type's before the dialog asks about
    // overwriting, so the question is about the file that will be written.
    dialog.setDefaultSuffix(QString::fromUtf16(kChartFileTypes[0].suffix));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(QString::fromUtf16(typeOfFilter(f).suffix));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().front();
    // The type follows the name's extension, else the chosen filter.
    ChartFile kind = typeOfFilter(dialog.selectedNameFilter()).kind;
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const ChartFileType& type : kChartFileTypes)
        if (suffix == QString::fromUtf16(type.suffix))
            kind = type.kind;
    if (!writeChartFile(chart, path, kind, screenDpi))
        QtPrompter(parent).information("Das Diagramm konnte nicht in die Datei " +
                                           toCp1252(QDir::toNativeSeparators(path)) +
                                           " geschrieben werden.",
                                       "Diagramm speichern unter");
}

} // namespace shell
