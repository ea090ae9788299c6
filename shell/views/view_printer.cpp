#include "shell/views/view_printer.h"

#include "reports/page_painter.h"
#include "shell/app/application.h"
#include "shell/qt/qt_surface.h"
#include "shell/views/print_driver.h"

#include <QCheckBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace shell {

namespace {

int tenths(double millimetres) {
    return static_cast<int>(std::lround(millimetres * 10));
}

} // namespace

ViewPrinter::ViewPrinter(const reports::ReportTable& table,
                         const ledger::CTWEinstellungen& settings, QWidget* parent)
    : table_(table), settings_(settings), parent_(parent) {}

reports::PageGeometry ViewPrinter::pageGeometry(const QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::Millimeter);
    const QRectF printable = printer.pageRect(QPrinter::Millimeter);
    return {tenths(paper.width()), tenths(paper.height()), tenths(printable.left() - paper.left()),
            tenths(printable.top() - paper.top())};
}

reports::Pagination ViewPrinter::paginate(QPrinter& printer, reports::ReportTable& table) const {
    const QtTextMeasurer measurer(printer.resolution());
    table.layout(measurer, reports::LayoutTarget::Printer);
    const reports::PageMargins margins{settings_.printMarginLeft, settings_.printMarginTop,
                                       settings_.printMarginRight, settings_.printMarginBottom};
    const reports::PageGeometry page = pageGeometry(printer);
    const double scale = theApp().settings().printFitsPageWidth()
                             ? reports::pageWidthScale(table, page, margins)
                             : 1.0;
    return reports::paginate(table, page, margins, scale);
}

int ViewPrinter::pageCount(QPrinter& printer) const {
    reports::ReportTable table = table_;
    return paginate(printer, table).pageCount();
}

void ViewPrinter::print() {
    const auto addScaling = [this](QPrintDialog& dialog, QPrinter& printer) {
        auto* options = new QWidget;
        options->setWindowTitle(u"Skalierung"_qs);
        auto* fit = new QCheckBox(QString::fromUtf16(kFitLabel), options);
        fit->setChecked(theApp().settings().printFitsPageWidth());
        auto* layout = new QVBoxLayout(options);
        layout->addWidget(fit);
        layout->addStretch();
        dialog.setOptionTabs({options});
        QObject::connect(fit, &QCheckBox::toggled, &dialog, [this, &dialog, &printer](bool on) {
            theApp().setPrintFitsPageWidth(on);
            dialog.setMinMax(1, pageCount(printer));
        });
    };
    printWithDialog(
        parent_, pageCount(documentPrinter()), [this](QPrinter& printer) { render(printer); },
        addScaling);
}

void ViewPrinter::preview() {
    const auto addFitToWidth = [](QPrintPreviewDialog& dialog) {
        auto* tools = dialog.findChild<QToolBar*>();
        if (!tools)
            return;
        tools->addSeparator();
        QAction* fit = tools->addAction(QString::fromUtf16(kFitLabel));
        fit->setCheckable(true);
        fit->setChecked(theApp().settings().printFitsPageWidth());
        auto* pages = dialog.findChild<QPrintPreviewWidget*>();
        QObject::connect(fit, &QAction::toggled, &dialog, [pages](bool on) {
            theApp().setPrintFitsPageWidth(on);
            if (pages)
                pages->updatePreview();
        });
    };
    showPrintPreview(
        parent_, [this](QPrinter& printer) { render(printer); }, addFitToWidth);
}

void ViewPrinter::render(QPrinter& printer) {
    reports::ReportTable table = table_;
    const reports::Pagination pagination = paginate(printer, table);
    int first = 1;
    int last = pagination.pageCount();
    if (printer.printRange() == QPrinter::PageRange) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage());
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return;

    const QtTextMeasurer measurer(printer.resolution());
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        // A table fitted to the page width is drawn smaller; its pagination counts so.
        painter.resetTransform();
        painter.scale(pagination.scale, pagination.scale);
        QtSurface surface(painter, measurer);
        reports::drawPage(table, pagination, surface, settings_.printDisplayMode, page);
    }
    painter.end();
}

} // namespace shell
