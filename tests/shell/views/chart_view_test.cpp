// The chart views in a window, their files and their printing, and the dialog that chooses the
// comparison periods.
#include "ledger/dokument.h"
#include "ledger/win1252.h"
#include "reports/view_kinds.h"
#include "shell/qt/qt_surface.h"
#include "shell/views/chart_output.h"
#include "shell/views/perioden_ausw_dlg.h"
#include "shell/views/talwerk_view.h"
#include "shell/window/child_frame.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"
#include "shell/window/view_bar.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

namespace shelltest {

namespace {

using K = reports::ViewKind;

QAction* kindAction(shell::CMainFrame& window, K kind) {
    for (QAction* action : window.commands().view.kinds)
        if (action->data().value<K>() == kind)
            return action;
    return nullptr;
}

// The entries of the view's context menu with whether each is enabled; the menu is closed
// again without choosing.
QList<std::pair<QString, bool>> contextMenu(shell::CTalwerkView* view) {
    QList<std::pair<QString, bool>> shown;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                shown.append({action->text(), action->isEnabled()});
        menu->close();
    });
    const QPoint at(40, 40);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
    return shown;
}

// Chooses the entry of the view's context menu with that text.
void chooseFromContextMenu(shell::CTalwerkView* view, const QString& text) {
    QTimer::singleShot(50, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            if (action->text() == text) {
                menu->close();
                action->trigger();
                return;
            }
        menu->close();
    });
    const QPoint at(40, 40);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
}

// Whether the view bar shows the widget for the window's view kind.
bool shownIn(QToolBar* bar, QWidget* widget) {
    for (QAction* action : bar->actions())
        if (bar->widgetForAction(action) == widget)
            return action->isVisible();
    return false;
}

QString chartTitle(shell::CTalwerkView* view) {
    return QString::fromStdString(ledger::toUtf8(view->chart()->title()));
}

template <typename T> T* child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

QStringList windowTexts(QWidget* dlg) {
    QStringList texts;
    for (const char* name : {"startTag", "startMonat", "endTag", "endMonat"})
        texts << child<QLineEdit>(dlg, name)->text();
    return texts;
}

// Types into a line edit and leaves it.
void enter(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    emit edit->editingFinished();
}

// Picks an entry of a combo box as a user would: both activation signals follow.
void pick(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
    emit box->textActivated(box->itemText(index));
}

} // namespace

class ChartViewTest : public QObject {
    Q_OBJECT
private slots:
    void chartViewsDrawAndWriteTheirFiles() {
        AppFixture f;
        f.start({f.writeSample()});
        f.child().chooseViewKind(K::DiagrammGesamt);
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
        f.child().chooseViewKind(K::WertetabelleGesamt);
        QVERIFY(view->table());
        QVERIFY(!view->chart());
    }

    // The context menus of value tables and charts switch between the two, "Zurück" returns,
    // and the view bar's lists rebuild the chart.
    void chartsAndValueTablesSwitchFromTheirMenus() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::CTalwerkView* view = f.child().activeView();
        view->resize(900, 700);
        kindAction(f.window(), K::WertetabelleGesamt)->trigger();
        using Entries = QList<std::pair<QString, bool>>;
        const QString asChart = QStringLiteral("Ansicht > als &Diagramm");
        const QString asTable = QStringLiteral("Ansicht > als &Wertetabelle");
        const QString back = QStringLiteral("&Ansicht < Zurück");
        QCOMPARE(contextMenu(view),
                 (Entries{{asChart, true},
                          {back, false},
                          {QStringLiteral("Optionen > &Tabellen..."), true},
                          {QStringLiteral("Optionen > &Werte - Gesamt..."), true}}));

        chooseFromContextMenu(view, asChart);
        QCOMPARE(f.child().viewKind(), K::DiagrammGesamt);
        QVERIFY(view->chart());
        QCOMPARE(contextMenu(view), (Entries{{asTable, true},
                                             {back, true},
                                             {QStringLiteral("Optionen > &Diagramme..."), true}}));

        // "Wert" and "Darstellung" of the view bar reach the chart.
        shell::CViewBar* bar = f.window().viewBar();
        auto* values = bar->findChild<QComboBox*>(QStringLiteral("wert"));
        QVERIFY(values && shownIn(bar, values));
        QVERIFY(shownIn(bar, bar->findChild<QComboBox*>(QStringLiteral("waehrung"))));
        pick(values, 4);
        QVERIFY(chartTitle(view).startsWith(QStringLiteral("Einnahmen")));
        emit bar->periodKindChosen(1);
        QCOMPARE(view->chart()->periodKind(), 1);

        chooseFromContextMenu(view, back);
        QCOMPARE(f.child().viewKind(), K::WertetabelleGesamt);
        QVERIFY(view->table());
        QVERIFY(!shownIn(bar, values));

        // The account chart offers the selection first.
        kindAction(f.window(), K::DiagrammKonto)->trigger();
        const Entries accountChart = contextMenu(view);
        QVERIFY(!accountChart.isEmpty());
        QCOMPARE(accountChart.front().first, QStringLiteral("&Konto/Kategorie auswählen..."));
        QVERIFY(accountChart.front().second);
    }

    // Under dual-currency bookkeeping "Währung" offers both currencies, and the chart and the
    // comparison dialog follow the choice.
    void theCurrencyListOffersBothCurrencies() {
        AppFixture f;
        testsupport::TestLedger l = testsupport::dualCurrencyLedger();
        const QString path = f.dir.filePath(QStringLiteral("zwei.tlw"));
        QVERIFY(ledger::saveLedgerFile(l.doc, path.toStdString()).empty());
        f.start({path});
        kindAction(f.window(), K::DiagrammGesamt)->trigger();
        auto* currencies = f.window().viewBar()->findChild<QComboBox*>(QStringLiteral("waehrung"));
        QCOMPARE(currencies->count(), 2);
        const QString second = currencies->itemText(1);
        pick(currencies, 1);
        shell::CTalwerkView* view = f.child().activeView();
        QCOMPARE(QString::fromStdString(ledger::toUtf8(view->chart()->currencySymbol())), second);
        QCOMPARE(currencies->currentIndex(), 1);
    }

    // "Diagramm speichern unter...": the chosen type gives a name without extension its
    // extension before the dialog checks for an existing file.
    void savingAChartAsksBeforeReplacingAFile() {
        AppFixture f;
        f.start({f.writeSample()});
        kindAction(f.window(), K::DiagrammGesamt)->trigger();
        const shell::Commands& c = f.window().commands();
        QVERIFY(c.view.diagrammSpeichern->isEnabled());

        const auto saveAs = [&](int type, const QString& name, QString* question) {
            onNextModal([&f, type, name, question](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                if (!dialog)
                    return;
                auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                if (types)
                    pick(types, type);
                dialog->selectFile(f.dir.filePath(name));
                if (question)
                    answerMessageBox(QMessageBox::No, question);
                static_cast<QDialog*>(dialog)->accept(); // the file dialog's own is protected
                if (dialog->isVisible())
                    dialog->reject();
            });
            c.view.diagrammSpeichern->trigger();
        };

        saveAs(1, QStringLiteral("bild"), nullptr);
        QFile svg(f.dir.filePath(QStringLiteral("bild.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().startsWith("<?xml"));
        svg.close();

        // The same name again: the dialog asks, and "Nein" leaves the file alone.
        QVERIFY(svg.open(QIODevice::WriteOnly | QIODevice::Truncate));
        svg.write("alt");
        svg.close();
        QString question;
        saveAs(1, QStringLiteral("bild"), &question);
        QVERIFY(!question.isEmpty());
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QCOMPARE(svg.readAll(), QByteArray("alt"));

        // The extension typed wins over the chosen type.
        saveAs(0, QStringLiteral("dokument.pdf"), nullptr);
        QFile pdf(f.dir.filePath(QStringLiteral("dokument.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
    }

    void periodDialogFollowsItsForm() {
        ledger::CTWEinstellungen settings;
        shell::CPeriodenAuswDlg dlg(settings, testsupport::date(15, 1, 2024),
                                    testsupport::date(10, 3, 2024),
                                    {QStringLiteral("EUR"), QStringLiteral("DM")}, nullptr);
        auto* count = child<QLabel>(&dlg, "anzahl");
        auto* type = child<QComboBox>(&dlg, "perioden");
        auto* change = child<QCheckBox>(&dlg, "veraenderung");
        auto* from = child<QLineEdit>(&dlg, "vonPeriode");
        auto* to = child<QLineEdit>(&dlg, "bisPeriode");
        QVERIFY(count && type && change && from && to);
        QCOMPARE(count->text(), QStringLiteral("(3 Perioden)"));
        QVERIFY(change->isEnabled());

        // A start day of 40 becomes 31: 31.01. and 29.02., and nothing in March before the
        // 10th.
        enter(child<QLineEdit>(&dlg, "startTag"), QStringLiteral("40"));
        QCOMPARE(windowTexts(&dlg), (QStringList{"31", "1", "31", "1"}));
        QCOMPARE(count->text(), QStringLiteral("(2 Perioden)"));

        // The end month of a quarter's window pulls the start along when it runs backwards.
        pick(type, 1);
        QCOMPARE(windowTexts(&dlg), (QStringList{"1", "1", "31", "3"}));
        QCOMPARE(count->text(), QStringLiteral("(1 Periode, 2 notwendig)"));
        QVERIFY(!change->isEnabled());
        QVERIFY(!from->isEnabled());
        QVERIFY(!to->isEnabled());
        enter(child<QLineEdit>(&dlg, "startMonat"), QStringLiteral("5"));
        QCOMPARE(windowTexts(&dlg), (QStringList{"1", "3", "31", "3"}));

        // Each type keeps its own window; "Komplette Perioden" makes it the whole period.
        pick(type, 0);
        QCOMPARE(windowTexts(&dlg), (QStringList{"31", "1", "31", "1"}));
        child<QPushButton>(&dlg, "komplett")->click();
        QCOMPARE(windowTexts(&dlg), (QStringList{"1", "1", "31", "1"}));
        QCOMPARE(count->text(), QStringLiteral("(3 Perioden)"));

        // Period numbers beyond the count are brought back into it.
        enter(to, QStringLiteral("9"));
        QCOMPARE(to->text(), QStringLiteral("3"));
        QCOMPARE(from->text(), QStringLiteral("1"));
    }

    void periodDialogStoresEveryChoice() {
        ledger::CTWEinstellungen settings;
        shell::CPeriodenAuswDlg dlg(settings, testsupport::date(1, 1, 2024),
                                    testsupport::date(31, 12, 2024),
                                    {QStringLiteral("EUR"), QStringLiteral("DM")}, nullptr);
        const auto radio = [&](const char16_t* text) {
            for (QRadioButton* button : dlg.findChildren<QRadioButton*>())
                if (button->text() == QString::fromUtf16(text))
                    return button;
            return static_cast<QRadioButton*>(nullptr);
        };
        radio(u"Wie in Ansicht &Konten")->setChecked(true);
        radio(u"&Mittelwert für Kontostand während der Periode anzeigen")->setChecked(true);
        pick(child<QComboBox>(&dlg, "waehrung"), 1);
        pick(child<QComboBox>(&dlg, "perioden"), 1);
        child<QCheckBox>(&dlg, "veraenderung")->setChecked(true);
        enter(child<QLineEdit>(&dlg, "bisPeriode"), QStringLiteral("4"));
        enter(child<QLineEdit>(&dlg, "vonPeriode"), QStringLiteral("2"));
        // Typed, and OK pressed before the field was left.
        child<QLineEdit>(&dlg, "endTag")->setText(QStringLiteral("15"));

        dlg.store(settings);
        QCOMPARE(settings.comparisonLayout, 0);
        QCOMPARE(settings.comparisonAssetValue, 2);
        QCOMPARE(settings.comparisonCurrency, 1);
        QCOMPARE(settings.comparisonPeriodType, 1);
        QCOMPARE(settings.quarterWindowEndDay, 15);
        QCOMPARE(settings.quarterWindowEndMonth, 3);
        QCOMPARE(settings.monthWindowEndDay, 31); // the other types keep theirs
        QCOMPARE(settings.changeFromPeriod, 2);
        QCOMPARE(settings.changeToPeriod, 4);
        QVERIFY(settings.periodComparisonData & 0x4000);
    }

    // "Auswählen..." in the period comparison: OK changes the document and the view.
    void choosingComparisonPeriodsChangesTheView() {
        AppFixture f;
        f.start({f.writeSample()});
        f.child().setStartDate(QDate(2024, 1, 1));
        kindAction(f.window(), K::Periodenvergleich)->trigger();
        QCOMPARE(shell::selectionCommand(K::Periodenvergleich),
                 shell::DialogCommand::VergleichsperiodenAuswaehlen);
        QVERIFY(shell::hasDialogCommand(shell::DialogCommand::VergleichsperiodenAuswaehlen));
        const auto columns = [&] { return f.child().activeView()->table()->columnCount(); };
        const int monthly = columns();

        onNextModal([](QWidget* modal) {
            if (auto* dlg = qobject_cast<shell::CPeriodenAuswDlg*>(modal)) {
                pick(child<QComboBox>(dlg, "perioden"), 1);
                dlg->reject();
            }
        });
        shell::runDialogCommand(shell::DialogCommand::VergleichsperiodenAuswaehlen, f.child(),
                                &f.window());
        QCOMPARE(f.child().document()->ledger().settings().comparisonPeriodType, 0);
        QVERIFY(!f.child().document()->isModified());

        onNextModal([](QWidget* modal) {
            if (auto* dlg = qobject_cast<shell::CPeriodenAuswDlg*>(modal)) {
                pick(child<QComboBox>(dlg, "perioden"), 1);
                dlg->accept();
            }
        });
        shell::runDialogCommand(shell::DialogCommand::VergleichsperiodenAuswaehlen, f.child(),
                                &f.window());
        QCOMPARE(f.child().document()->ledger().settings().comparisonPeriodType, 1);
        QVERIFY(f.child().document()->isModified());
        // Four months in one quarter and part of the next: fewer period columns.
        QVERIFY(columns() < monthly);
    }
};

static Register<ChartViewTest> registerChartView;

} // namespace shelltest

#include "chart_view_test.moc"
