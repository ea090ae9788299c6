// The active view on the clipboard and the dialog commands registered by other parts.
#include "ledger/dokument.h"
#include "reports/print_pagination.h"
#include "reports/table_text.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/document.h"
#include "shell/views/table_export.h"
#include "shell/views/talwerk_view.h"
#include "shell/window/view_bar.h"
#include "shell/views/view_printer.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QTest>

namespace shelltest {

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void clipboardCarriesTheTableAsWindows1252Lines() {
        AppFixture f;
        f.start({f.writeSample()});
        const reports::ReportTable* table = f.child().activeView()->table();
        QVERIFY(table);

        shell::copyTableToClipboard(*table, reports::TextFormat::FixedWidths);
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime);
        const QByteArray bytes = mime->data(QString::fromLatin1(shell::kCp1252Mime));
        const std::string expected =
            reports::renderText(*table, reports::TextFormat::FixedWidths, "\n");
        QCOMPARE(bytes.toStdString(), expected);
        QVERIFY(bytes.contains("Verm\xF6gen"));
        QVERIFY(!bytes.contains('\r'));
        QVERIFY(mime->text().contains(QStringLiteral("Vermögen")));

        // A table without rows only empties the clipboard.
        shell::copyTableToClipboard(reports::ReportTable({}, 2), reports::TextFormat::Tabs);
        QVERIFY(QApplication::clipboard()->text().isEmpty());
    }

    void printingToPdfWritesEveryPageOfThePagination() {
        AppFixture f;
        f.start({f.writeSample()});
        const reports::ReportTable* table = f.child().activeView()->table();
        QVERIFY(table);
        const ledger::CTalwerkDoc& ledger = f.child().document()->ledger();

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(f.dir.filePath(QStringLiteral("konten.pdf")));
        printer.setPageOrientation(QPageLayout::Portrait);
        shell::ViewPrinter(*table, ledger.settings, nullptr).render(printer);

        // The same pagination as the printer's page and the document's margins give.
        reports::ReportTable copy = *table;
        copy.layout(shell::QtTextMeasurer(printer.resolution()), reports::LayoutTarget::Printer);
        const reports::Pagination pages = reports::paginate(
            copy, shell::ViewPrinter::pageGeometry(printer), reports::PageMargins{});
        QVERIFY(pages.pageCount() >= 2); // the accounts view is wider than A4 portrait

        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Count " + QByteArray::number(pages.pageCount())));
    }

    void registeredDialogsAreEnabledAndTheirChangesRefreshTheViews() {
        AppFixture f;
        f.start({f.writeSample()});
        f.child().chooseViewKind(7); // the filtered bookings view has the filter button
        shell::CViewBar* bar = f.window().viewBar();
        // The booking commands register the filter dialog at start-up.
        QVERIFY(f.child().viewBarState().canEditFilter);

        // The handler outlives this test in the registry: it counts in a static.
        static int calls = 0;
        shell::registerDialogCommand(shell::DialogCommand::FilterDefinieren,
                                     [](const shell::CommandContext& context) {
                                         ++calls;
                                         return context.frame != nullptr;
                                     });
        f.child().chooseViewKind(7);
        QVERIFY(f.child().viewBarState().canEditFilter);
        emit bar->editFilterRequested();
        QCOMPARE(calls, 1);
        QVERIFY(f.child().document()->isModified());
    }
};

static Register<ExportTest> registerExport;

} // namespace shelltest

#include "export_test.moc"
