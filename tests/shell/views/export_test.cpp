// The active view on the clipboard and the dialog commands registered by other parts.
#include "ledger/dokument.h"
#include "ledger/win1252.h"
#include "reports/print_pagination.h"
#include "reports/table_text.h"
#include "shell/views/table_export.h"
#include "shell/views/talwerk_view.h"
#include "shell/views/view_printer.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"
#include "shell/window/view_bar.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QTest>

namespace shelltest {

using K = reports::ViewKind;

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

    // The PDF has the pages of a count made by hand: A4 portrait is 297 mm high, margins of
    // 1,5 cm leave 267 mm, which hold 66 rows of 4 mm; the 66th row ends 3 mm above the
    // bottom margin.
    void printingToPdfWritesEveryPage() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTWEinstellungen settings;
        settings.printMarginTop = settings.printMarginBottom = 150;
        const std::pair<int, int> rowsAndPages[] = {{66, 1}, {67, 2}, {132, 2}, {133, 3}};
        for (const auto& [rows, pages] : rowsAndPages) {
            reports::ReportTable table({}, 1);
            for (int k = 0; k < rows; ++k)
                table.setCell(table.addRow({}), 0, "x");
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(f.dir.filePath(u"zeilen%1.pdf"_qs.arg(rows)));
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Portrait);
            shell::ViewPrinter printing(table, settings, nullptr);
            QCOMPARE(printing.pageCount(printer), pages);
            printing.render(printer);
            QFile pdf(printer.outputFileName());
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            const QByteArray bytes = pdf.readAll();
            QVERIFY(bytes.startsWith("%PDF"));
            QVERIFY2(bytes.contains("/Count " + QByteArray::number(pages)),
                     qPrintable(QString::number(rows)));
        }
    }

    // "Kopieren in Textdatei" writes Windows-1252 unless UTF-8 is chosen.
    void theTextFileIsWindows1252UnlessUtf8IsChosen() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        ledger::CTWKonto bargeld = *doc.findKontoByText("Bargeld", true);
        bargeld.name = "Bärgeld";
        QVERIFY(doc.changeKonto(bargeld));
        f.child().document()->updateAllViews();
        const reports::ReportTable* table = f.child().activeView()->table();
        const std::string text =
            reports::renderText(*table, reports::TextFormat::FixedWidths, reports::kFileLineEnd);
        QVERIFY(text.find("B\xE4rgeld") != std::string::npos);
        for (const int choice : {-1, 0, 1}) {
            const QString path = f.dir.filePath(u"export%1.txt"_qs.arg(choice + 1));
            shell::CTextdateiDlg dialog(*table);
            dialog.setFileName(path);
            auto* zeichensatz = dialog.findChild<QComboBox*>(u"zeichensatz"_qs);
            QCOMPARE(zeichensatz->currentIndex(), 0);
            if (choice >= 0)
                zeichensatz->setCurrentIndex(choice);
            dialog.accept();
            QFile written(path);
            QVERIFY(written.open(QIODevice::ReadOnly));
            const QByteArray bytes = written.readAll();
            const std::string expected = choice == 1 ? ledger::toUtf8(text) : text;
            QCOMPARE(bytes, QByteArray(expected.data(), qsizetype(expected.size())));
        }
    }

    // "An Seitenbreite anpassen": off at first; on, the accounts view (wider than A4
    // portrait) prints on one page column; the choice is the user's and is remembered.
    void fittingToThePageWidthIsTheUsersChoice() {
        AppFixture f;
        f.start({f.writeSample()});
        const reports::ReportTable* table = f.child().activeView()->table();
        const ledger::CTalwerkDoc& ledger = f.child().document()->ledger();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(f.dir.filePath(QStringLiteral("angepasst.pdf")));
        printer.setPageOrientation(QPageLayout::Portrait);
        const shell::ViewPrinter pages(*table, ledger.settings(), nullptr);

        QVERIFY(!f.app->settings().printFitsPageWidth());
        QVERIFY(pages.pageCount(printer) >= 2);
        f.app->setPrintFitsPageWidth(true);
        QCOMPARE(pages.pageCount(printer), 1);
        QCOMPARE(f.store.readInt("Settings", "PrintFitWidth", 0), 1);
        shell::ViewPrinter(*table, ledger.settings(), nullptr).render(printer);
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().contains("/Count 1"));

        // The next start remembers it; the preview's tool bar turns it off again.
        AppFixture again;
        again.store.writeInt("Settings", "PrintFitWidth", 1);
        again.start({again.writeSample()});
        QVERIFY(again.app->settings().printFitsPageWidth());
        bool offered = false;
        onNextModal([&](QWidget* dialog) {
            for (QAction* action : dialog->findChildren<QAction*>())
                if (action->text() == QString::fromUtf16(shell::ViewPrinter::kFitLabel)) {
                    offered = action->isChecked();
                    action->trigger();
                }
            dialog->close();
        });
        again.window().commands().file.seitenansicht->trigger();
        QVERIFY(offered);
        QVERIFY(!again.app->settings().printFitsPageWidth());
        QCOMPARE(again.store.readInt("Settings", "PrintFitWidth", 1), 0);
    }

    void registeredDialogsAreEnabledAndTheirChangesRefreshTheViews() {
        AppFixture f;
        f.start({f.writeSample()});
        f.child().chooseViewKind(
            K::BuchungenGefiltert); // the filtered bookings view has the filter button
        shell::CViewBar* bar = f.window().viewBar();
        // The booking commands register the filter dialog at start-up.
        QVERIFY(f.child().viewBarState().canEditFilter);

        // The handler outlives this test in the registry: it counts in a static.
        static int calls = 0;
        shell::registerDialogCommand(shell::DialogCommand::FilterDefinieren,
                                     [](const shell::CommandContext& context) {
                                         ++calls;
                                         ledger::CTalwerkDoc& doc = context.document->ledger();
                                         ledger::CTWBuchungsFilterNeu filter = *doc.filters()[0];
                                         filter.name = "Geändert";
                                         doc.changeFilter(0, std::move(filter));
                                         return context.frame != nullptr;
                                     });
        f.child().chooseViewKind(K::BuchungenGefiltert);
        QVERIFY(f.child().viewBarState().canEditFilter);
        emit bar->editFilterRequested();
        QCOMPARE(calls, 1);
        QVERIFY(f.child().document()->isModified());
    }
};

static Register<ExportTest> registerExport;

} // namespace shelltest

#include "export_test.moc"
