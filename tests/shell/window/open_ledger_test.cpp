// Documents in the desktop program: opening a ledger, one window per file, the view kinds with
// their back history and menu states, the screen scale and the question before a modified
// document is closed.
#include "ledger/dokument.h"
#include "ledger/ledger_store.h"
#include "reports/view_kinds.h"
#include "shell/qt/datum_edit.h"
#include "shell/views/talwerk_view.h"
#include "shell/window/open_ledger.h"
#include "shell/window/view_bar.h"
#include "shell/window/view_menu.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <array>

namespace shelltest {

using K = reports::ViewKind;

namespace {

QAction* kindAction(shell::CMainFrame& window, K kind) {
    for (QAction* action : window.commands().view.kinds)
        if (action->data().value<K>() == kind)
            return action;
    return nullptr;
}

bool hasEntry(const std::vector<shell::MenuEntry>& entries, shell::MenuAction action) {
    for (const shell::MenuEntry& entry : entries)
        if (entry.action == action)
            return true;
    return false;
}

} // namespace

class OpenLedgerTest : public QObject {
    Q_OBJECT
private slots:
    void openingShowsTheAccountsViewOnce() {
        AppFixture f;
        const QString file = f.writeSample();
        f.start({file});
        shell::CChildFrame& child = f.child();
        QCOMPARE(child.windowTitle(), QStringLiteral("haushalt.tlw[*]"));
        QVERIFY(!child.isWindowModified());
        QCOMPARE(child.viewKind(), K::Konten);
        // The initial display period of a new ledger: first day of the month until today.
        QCOMPARE(child.viewBarState().start, QDate(2024, 4, 1));
        QCOMPARE(child.viewBarState().end, QDate(2024, 4, 15));
        QCOMPARE(f.window().viewBar()->shownKind(), std::optional(K::Konten));

        const reports::ReportTable* table = child.activeView()->table();
        QVERIFY(table);
        QVERIFY(table->rowCount() > 10);
        QVERIFY(f.window().commands().file.drucken->isEnabled());

        // Opening the same file again activates its window.
        QVERIFY(f.window().openFile(file));
        QCOMPARE(f.window().mdiArea()->subWindowList().size(), 1);

        // A second window on the document is numbered, and independent.
        f.window().commands().window.neuesFenster->trigger();
        QCOMPARE(f.window().mdiArea()->subWindowList().size(), 2);
        QCOMPARE(f.child().windowTitle(), QStringLiteral("haushalt.tlw:2[*]"));
        f.child().chooseViewKind(K::Kategorien);
        QCOMPARE(child.viewKind(), K::Konten);
    }

    void aFileThatCannotBeReadOpensNothing() {
        AppFixture f;
        const QString file = f.dir.filePath(QStringLiteral("kaputt.tlw"));
        QFile broken(file);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("kein Talerwerk");
        broken.close();
        QString message;
        answerMessageBox(QMessageBox::Ok, &message);
        f.app = std::make_unique<shell::Application>(f.store, f.dir.path(), f.clock,
                                                     f.recoveryFolder());
        QVERIFY(!f.app->start({file}, false));
        QCOMPARE(message, QStringLiteral("Unerwartetes Dateiformat."));
        QVERIFY(f.window().activeChild() == nullptr);
    }

    void aProtectedFileAsksForItsPassword() {
        AppFixture f;
        testsupport::TestLedger l = testsupport::householdLedger();
        l.doc.setPassword({"Geheim", 1});
        const QString file = f.dir.filePath(QStringLiteral("geschuetzt.tlw"));
        QVERIFY(ledger::saveLedgerFile(l.doc, file.toStdString()).empty());
        f.start({f.writeSample()});

        const auto typePassword = [](const QString& password) {
            onNextModal([password](QWidget* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Kennwort"));
                dialog->findChild<QLineEdit*>()->setText(password);
                qobject_cast<QDialog*>(dialog)->accept();
            });
        };
        for (const QString& wrong : {QStringLiteral("geheim"), QString()}) {
            typePassword(wrong);
            QString message;
            // The message box follows the password dialog.
            QTimer::singleShot(200, [&message] { answerMessageBox(QMessageBox::Ok, &message); });
            QVERIFY(!f.window().openFile(file));
            QCOMPARE(message, QStringLiteral("Fehler beim Öffnen des Dokuments."));
        }
        typePassword(QStringLiteral("Geheim"));
        QVERIFY(f.window().openFile(file));
        QCOMPARE(f.window().mdiArea()->subWindowList().size(), 2);
        QCOMPARE(f.child().document()->displayName(), QStringLiteral("geschuetzt.tlw"));
    }

    void theDateRangeNeverRunsBackwards() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::CChildFrame& child = f.child();
        child.setStartDate(QDate(2024, 5, 1)); // after the end date 15.04.2024
        QCOMPARE(child.viewBarState().start, QDate(2024, 4, 15));
        child.setEndDate(QDate(2024, 1, 1));
        QCOMPARE(child.viewBarState().end, QDate(2024, 4, 15));
        emit f.window().viewBar()->startDateChosen(QDate(2024, 1, 1));
        QCOMPARE(child.viewBarState().start, QDate(2024, 1, 1));
        QVERIFY(!child.document()->isModified());
    }

    void viewKindsKeepABackHistory() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::CChildFrame& child = f.child();
        const shell::Commands& c = f.window().commands();
        QVERIFY(!c.view.zurueck->isEnabled());

        child.jumpToViewKind(K::KontenNachKategorien);
        child.jumpToViewKind(K::Kategorien);
        QCOMPARE(child.history(), (std::vector<K>{K::Konten, K::KontenNachKategorien}));
        QVERIFY(c.view.zurueck->isEnabled());
        QVERIFY(kindAction(f.window(), K::Kategorien)->isChecked());
        c.view.zurueck->trigger();
        QCOMPARE(child.viewKind(), K::KontenNachKategorien);
        c.view.zurueck->trigger();
        QCOMPARE(child.viewKind(), K::Konten);
        QVERIFY(!c.view.zurueck->isEnabled());
        child.goBack(); // nothing left: nothing happens
        QCOMPARE(child.viewKind(), K::Konten);

        // A view kind from the menu empties the history.
        child.jumpToViewKind(K::KontenNachKategorien);
        kindAction(f.window(), K::Kategorien)->trigger();
        QCOMPARE(child.viewKind(), K::Kategorien);
        QVERIFY(child.history().empty());
        QVERIFY(!c.view.zurueck->isEnabled());
        QCOMPARE(f.window().viewBar()->shownKind(), std::optional(K::Kategorien));
    }

    void menuStatesFollowTheViewKind() {
        AppFixture f;
        f.start({f.writeSample()});
        const shell::Commands& c = f.window().commands();
        QVERIFY(c.view.grouping[0]->isEnabled());
        QVERIFY(c.view.grouping[0]->isChecked());
        QVERIFY(c.view.ohneVorlaeufige->isEnabled());
        // Every view kind can be chosen.
        for (const reports::ViewKindInfo& info : reports::kViewKinds)
            QVERIFY(kindAction(f.window(), info.kind)->isEnabled());
        // Dialog commands are enabled once their dialogs registered them.
        QVERIFY(c.edit.neueBuchung->isEnabled());

        c.view.grouping[2]->trigger();
        QCOMPARE(f.child().grouping(), 2);
        QVERIFY(c.view.grouping[2]->isChecked());
        c.view.ohneVorlaeufige->trigger();
        QVERIFY(f.child().withoutProvisional());

        kindAction(f.window(), K::Kategorien)->trigger();
        QVERIFY(!c.view.grouping[0]->isEnabled());
        QVERIFY(!c.view.ohneVorlaeufige->isEnabled());

        // A table copies as text, a chart saves as a picture; both print.
        const auto exports = [&] {
            return std::array{c.file.drucken->isEnabled(), c.file.seitenansicht->isEnabled(),
                              c.view.kopierenZwischenablage->isEnabled(),
                              c.view.kopierenTextdatei->isEnabled(),
                              c.view.diagrammSpeichern->isEnabled()};
        };
        QCOMPARE(exports(), (std::array{true, true, true, true, false}));
        kindAction(f.window(), K::DiagrammGesamt)->trigger();
        QCOMPARE(exports(), (std::array{true, true, false, false, true}));
        kindAction(f.window(), K::WertetabelleGesamt)->trigger();
        QCOMPARE(exports(), (std::array{true, true, true, true, false}));
    }

    void contextMenusAndJumpsFollowTheRow() {
        using shell::MenuAction;
        // Group rows of the accounts view offer only the general entries.
        QVERIFY(!hasEntry(shell::contextMenuEntries(K::Konten, reports::RowTag::kNone),
                          MenuAction::JumpBookings));
        QVERIFY(hasEntry(shell::contextMenuEntries(K::Konten, reports::RowTag::kKonto),
                         MenuAction::JumpBookings));
        QVERIFY(hasEntry(
            shell::contextMenuEntries(K::KontenNachKategorien, reports::RowTag::kUnterkategorie),
            MenuAction::JumpChart));
        QCOMPARE(shell::contextMenuEntries(K::Kategorien, reports::RowTag::kKontoArt).size(), 5u);
        QCOMPARE(shell::targetViewKind(MenuAction::AsChart, K::WertetabelleKonto),
                 std::optional(K::DiagrammKonto));
        QCOMPARE(shell::targetViewKind(MenuAction::AsTable, K::DiagrammGesamt),
                 std::optional(K::WertetabelleGesamt));

        AppFixture f;
        f.start({f.writeSample()});
        shell::CTalwerkView* view = f.child().activeView();
        view->resize(900, 700);
        const reports::ReportTable* table = view->table();
        QVERIFY(table);
        // Find the first account row and hit it in the middle.
        int accountRow = -1;
        for (int r = 0; r < table->rowCount() && accountRow < 0; ++r)
            if (table->row(r).tag.kind == reports::RowTag::kKonto)
                accountRow = r;
        QVERIFY(accountRow >= 0);
        const int middle = -(table->rowTop(accountRow) + table->rowBottom(accountRow)) / 2;
        const int pixel = static_cast<int>(middle * view->logicalDpiY() / 254.0);
        QCOMPARE(view->rowTagAt(QPoint(20, pixel)), table->row(accountRow).tag);
        QCOMPARE(view->rowTagAt(QPoint(20, 5000)).kind, int(reports::RowTag::kNone));
    }

    // Tab leads round the view bar and the active window, never into another ledger's window.
    void tabStaysInsideTheActiveWindow() {
        AppFixture f;
        f.start({f.writeSample()});
        QMdiArea* area = f.window().mdiArea();
        QMdiSubWindow* other = area->currentSubWindow();
        QVERIFY(f.window().openFile(f.writeSample(QStringLiteral("zweite.tlw"))));
        QMdiSubWindow* active = area->currentSubWindow();
        f.window().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window()));
        auto* end = f.window().viewBar()->findChild<shell::CDatumEdit*>(QStringLiteral("bis"));
        QVERIFY(end);
        end->lineEdit()->setFocus();
        bool reachedTheView = false;
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(),
                            i % 7 == 6 ? Qt::Key_Backtab : Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            QVERIFY(now);
            QVERIFY2(!other->isAncestorOf(now), qPrintable(now->metaObject()->className()));
            reachedTheView = reachedTheView || active->isAncestorOf(now);
        }
        QCOMPARE(area->activeSubWindow(), active);
        QVERIFY(reachedTheView);
    }

    // Only the bookings view confirms bookings, and only provisional ones; a right click
    // marks the row its menu acts on.
    void aRightClickMarksTheBookingItsMenuActsOn() {
        const QString confirm = QStringLiteral("Buchung be&stätigen...");
        const auto offers = [&](K kind, bool provisional) {
            for (const shell::MenuEntry& entry :
                 shell::contextMenuEntries(kind, reports::RowTag::kBuchung, provisional))
                if (entry.label && QString::fromUtf16(entry.label) == confirm)
                    return true;
            return false;
        };
        for (const K kind : {K::Buchungen, K::BuchungenKonto, K::BuchungenGefiltert})
            QCOMPARE(offers(kind, false), false);
        QCOMPARE(offers(K::Buchungen, true), true);
        QCOMPARE(offers(K::BuchungenKonto, true), false);
        QCOMPARE(offers(K::BuchungenGefiltert, true), false);

        AppFixture f;
        f.start({f.writeSample()});
        f.child().chooseViewKind(K::Buchungen);
        f.child().setStartDate(QDate(2024, 1, 1));
        shell::CTalwerkView* view = f.child().activeView();
        view->resize(900, 1400);
        const reports::ReportTable* table = view->table();
        const ledger::CTalwerkDoc& ledger = f.child().document()->ledger();
        int plain = -1;
        int provisional = -1;
        for (int r = 0; r < table->rowCount(); ++r) {
            const reports::RowTag& tag = table->row(r).tag;
            if (tag.kind != reports::RowTag::kBuchung)
                continue;
            (ledger.bookings()[tag.id1]->provisional ? provisional : plain) = r;
        }
        QVERIFY(plain >= 0 && provisional >= 0);
        for (const int row : {plain, provisional}) {
            const int middle = -(table->rowTop(row) + table->rowBottom(row)) / 2;
            const QPoint at(20, static_cast<int>(middle * view->logicalDpiY() / 254.0));
            QStringList shown;
            int marked = -2;
            QTimer::singleShot(50, [&] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                for (QAction* action : menu->actions())
                    shown.append(action->text());
                marked = view->markedRow();
                menu->close();
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                    view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &event);
            QCOMPARE(marked, row);
            QCOMPARE(shown.contains(confirm), row == provisional);
            QVERIFY(shown.contains(QStringLiteral("Buchung &löschen")));
            // The mark stays while the command runs, and goes with the next rebuild.
            QCOMPARE(view->markedRow(), row);
        }
        f.child().setStartDate(QDate(2024, 2, 1));
        view->table();
        QCOMPARE(view->markedRow(), -1);
    }

    void keysScrollOnlyWhereThereIsSomethingToScroll() {
        AppFixture f;
        f.start({f.writeSample()});
        f.window().commands().edit.scale[7]->trigger(); // 250 %: a table taller than the window
        f.window().resize(500, 400);
        f.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
        shell::CTalwerkView* view = f.child().activeView();
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(view->scrollPosition().y(), 200);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->scrollPosition().y(), 210);
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(view->scrollPosition().x(), 200);
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(view->scrollPosition().x(), 0);

        f.window().resize(2500, 2000);
        QApplication::processEvents();
        QCOMPARE(view->verticalScrollBar()->maximum(), 0);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(view->scrollPosition().y(), 0);
    }

    void screenScaleMarksTheDocumentOnlyWhenItChanges() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::OpenLedger* document = f.child().document();
        const shell::Commands& c = f.window().commands();
        QVERIFY(c.edit.scale[1]->isChecked()); // 100 %

        c.edit.scale[1]->trigger();
        QVERIFY(!document->isModified());
        QVERIFY(!f.child().isWindowModified());

        const int before =
            f.child().activeView()->table()->rowHeight(0, reports::LayoutTarget::Screen);
        c.edit.scale[3]->trigger(); // 125 %
        QVERIFY(document->isModified());
        QVERIFY(f.child().isWindowModified());
        QCOMPARE(document->screenScale(), 1.25);
        QVERIFY(c.edit.scale[3]->isChecked());
        const int after =
            f.child().activeView()->table()->rowHeight(0, reports::LayoutTarget::Screen);
        QCOMPARE(after, 50);
        QCOMPARE(before, 40);
    }

    void anOpenLedgerIsLockedAndAnotherProgramsLedgerOpensReadOnly() {
        AppFixture f;
        const QString file = f.writeSample();
        const QString other = f.writeSample(QStringLiteral("anderes.tlw"));
        f.start({file});
        ledger::LedgerStore probe(file.toStdString());
        QCOMPARE(probe.lock(std::chrono::milliseconds(0)), std::string(ledger::kMeldungGesperrt));

        // Another program edits the second ledger: No opens nothing, Yes opens it read-only.
        ledger::LedgerStore holder(other.toStdString());
        QVERIFY(holder.lock(std::chrono::milliseconds(0)).empty());
        QString question;
        answerMessageBox(QMessageBox::No, &question);
        QVERIFY(!f.window().openFile(other));
        QVERIFY(question.contains(u"schreibgeschützt öffnen"_qs));
        answerMessageBox(QMessageBox::Yes);
        QVERIFY(f.window().openFile(other));
        QCOMPARE(f.child().windowTitle(), u"anderes.tlw (schreibgeschützt)[*]"_qs);

        // Saving offers another name and leaves the file alone.
        QFile original(other);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        original.close();
        f.window().commands().edit.scale[4]->trigger();
        answerMessageBox(QMessageBox::No, &question);
        f.window().commands().file.speichern->trigger();
        QVERIFY(question.startsWith(u"Die Datei ist schreibgeschützt."_qs));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), bytes);
        f.window().commands().edit.rueckgaengig->trigger();
        QVERIFY(!f.child().document()->isModified());
    }

    // "Standardansicht..." shows the view kinds with the current default chosen; OK keeps the
    // chosen one in the user's settings, Cancel nothing.
    void theDefaultViewDialogKeepsTheChosenKind() {
        AppFixture f;
        f.start({f.writeSample()});
        const auto choose = [&](const QString& label, bool ok) {
            onNextModal([&](QWidget* dialog) {
                auto* list = dialog->findChild<QListWidget*>();
                QCOMPARE(list->currentItem()->text(), u"Konten"_qs);
                list->setCurrentItem(list->findItems(label, Qt::MatchExactly).front());
                if (ok)
                    pressOk(dialog);
                else
                    qobject_cast<QDialog*>(dialog)->reject();
            });
            f.window().commands().view.standardansicht->trigger();
        };
        choose(u"Kategorien"_qs, false);
        QCOMPARE(f.app->settings().defaultViewKind(), K::Konten);
        choose(u"Kategorien"_qs, true);
        QCOMPARE(f.app->settings().defaultViewKind(), K::Kategorien);
    }

    void closingAModifiedDocumentAsksFirst() {
        AppFixture f;
        const QString file = f.writeSample();
        QFile original(file);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        original.close();
        f.start({file});
        f.window().commands().edit.scale[4]->trigger();
        QMdiArea* area = f.window().mdiArea();

        QString question;
        answerMessageBox(QMessageBox::Cancel, &question);
        f.window().commands().file.schliessen->trigger();
        QVERIFY(question.contains(QStringLiteral("haushalt.tlw")));
        QCOMPARE(area->subWindowList().size(), 1);

        // Closing the main window asks as well; Cancel keeps the program running.
        answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!f.window().close());

        answerMessageBox(QMessageBox::No);
        f.window().commands().file.schliessen->trigger();
        QApplication::processEvents();
        QCOMPARE(area->subWindowList().size(), 0);
        QFile unchanged(file);
        QVERIFY(unchanged.open(QIODevice::ReadOnly));
        QCOMPARE(unchanged.readAll(), bytes);

        // Yes saves before closing.
        QVERIFY(f.window().openFile(file));
        f.window().commands().edit.scale[4]->trigger();
        answerMessageBox(QMessageBox::Yes);
        QVERIFY(f.window().close());
        f.app.reset(); // the program ends and with it its lock of the file
        AppFixture reopened;
        reopened.start({file});
        QCOMPARE(reopened.child().document()->screenScale(), 1.5);
    }

    // "Beenden" (and the window manager's close, and logout, which go the same way) asks once
    // per changed ledger however many windows show it, and a cancel closes nothing more.
    void quittingAsksOncePerChangedLedgerWhateverItsWindows() {
        AppFixture f;
        const QString first = f.writeSample();
        const QString second = f.writeSample(QStringLiteral("zweite.tlw"));
        f.start({first});
        QVERIFY(f.window().openFile(second));
        QMdiArea* area = f.window().mdiArea();
        for (QMdiSubWindow* window : area->subWindowList()) {
            area->setActiveSubWindow(window);
            f.window().commands().window.neuesFenster->trigger();
            f.window().commands().edit.scale[4]->trigger();
        }
        QCOMPARE(area->subWindowList().size(), 4);

        // One of two windows of a changed ledger closes without a question.
        QVERIFY(area->activeSubWindow()->close());
        QCOMPARE(area->subWindowList().size(), 3);
        f.window().commands().window.neuesFenster->trigger();

        QStringList questions;
        QMessageBox::StandardButton answer = QMessageBox::Cancel;
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                questions.append(box->text());
                box->button(answer)->click();
            }
        });
        answering.start(10);

        f.window().commands().file.beenden->trigger();
        QCOMPARE(questions.size(), 1);
        QApplication::processEvents();
        QCOMPARE(area->subWindowList().size(), 4);

        questions.clear();
        answer = QMessageBox::No;
        QVERIFY(f.window().close());
        QCOMPARE(questions.size(), 2);
        QVERIFY(questions[0].contains(QStringLiteral("haushalt.tlw")));
        QVERIFY(questions[1].contains(QStringLiteral("zweite.tlw")));
        QApplication::processEvents();
        QCOMPARE(area->subWindowList().size(), 0);
    }
};

static Register<OpenLedgerTest> registerOpenLedger;

} // namespace shelltest

#include "open_ledger_test.moc"
