// The chart views in a window, their files and their printing, and the dialog that chooses the
// comparison periods.
#include "ledger/dokument.h"
#include "shell/qt/qt_surface.h"
#include "shell/views/chart_output.h"
#include "shell/views/perioden_ausw_dlg.h"
#include "shell/views/talwerk_view.h"
#include "shell/window/child_frame.h"
#include "shell/window/document.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>

namespace shelltest {

class ChartViewTest : public QObject {
    Q_OBJECT
private slots:
    void chartViewsDrawAndWriteTheirFiles() {
        AppFixture f;
        f.start({f.writeSample()});
        f.child().chooseViewKind(reports::ViewKind::DiagrammGesamt);
        shell::CTalwerkView* view = f.child().activeView();
        const reports::Chart* chart = view->chart();
        QVERIFY(chart);
        QVERIFY(!view->table());
        QVERIFY(!view->grab().isNull());

        const int dpi = 96;
        const QString png = f.dir.filePath(QStringLiteral("chart.png"));
        QVERIFY(shell::writeChartFile(*chart, png, shell::ChartFile::Png, dpi));
        const QImage image(png);
        const shell::QtTextMeasurer measurer(dpi);
        QCOMPARE(image.width(), int(measurer.toDevice(chart->width(reports::ChartTarget::Screen))));
        // The screen's background: light grey in the corner.
        QCOMPARE(image.pixelColor(1, 1), QColor(240, 240, 240));

        const QString svg = f.dir.filePath(QStringLiteral("chart.svg"));
        QVERIFY(shell::writeChartFile(*chart, svg, shell::ChartFile::Svg, dpi));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QVERIFY(svgFile.readAll().startsWith("<?xml"));

        const QString pdf = f.dir.filePath(QStringLiteral("chart.pdf"));
        QVERIFY(shell::writeChartFile(*chart, pdf, shell::ChartFile::Pdf, dpi));
        QFile pdfFile(pdf);
        QVERIFY(pdfFile.open(QIODevice::ReadOnly));
        QVERIFY(pdfFile.readAll().startsWith("%PDF"));

        QVERIFY(!shell::writeChartFile(*chart, f.dir.filePath(QStringLiteral("fehlt/x.svg")),
                                       shell::ChartFile::Svg, dpi));

        // A chart prints on exactly one page.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(f.dir.filePath(QStringLiteral("druck.pdf")));
        shell::ChartPrinter(*chart, nullptr).render(printer);
        QFile printed(printer.outputFileName());
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.readAll().contains("/Count 1"));

        // The value table of the same figures is a table again.
        f.child().chooseViewKind(reports::ViewKind::WertetabelleGesamt);
        QVERIFY(view->table());
        QVERIFY(!view->chart());
    }

    void periodDialogFollowsItsFormAndStoresTheChoice() {
        ledger::CTWEinstellungen settings;
        const auto day = [](int d, int m, int y) {
            return *ledger::CNVKDatum::fromCalendar(d, m, y);
        };
        shell::CPeriodenAuswDlg dlg(settings, day(15, 1, 2024), day(10, 3, 2024),
                                    {QStringLiteral("EUR")}, nullptr);
        const auto labels = dlg.findChildren<QLabel*>();
        const auto countShown = [&](const QString& text) {
            for (const QLabel* label : labels)
                if (label->text() == text)
                    return true;
            return false;
        };
        QVERIFY(countShown(QStringLiteral("(3 Perioden)")));

        // The window fields come first among the line edits: start day, start month, end day
        // and end month. A start day of 40 becomes 31.
        const auto edits = dlg.findChildren<QLineEdit*>();
        QVERIFY(edits.size() >= 4);
        edits[0]->setText(QStringLiteral("40"));
        emit edits[0]->editingFinished();
        QCOMPARE(edits[0]->text(), QStringLiteral("31"));
        QVERIFY(countShown(QStringLiteral("(2 Perioden)"))); // 31.01. and 29.02., not 31.03.

        dlg.store(settings);
        QCOMPARE(settings.monthWindowStartDay, 31);
        QCOMPARE(settings.monthWindowEndDay, 31);
    }
};

static Register<ChartViewTest> registerChartView;

} // namespace shelltest

#include "chart_view_test.moc"
