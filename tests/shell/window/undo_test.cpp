// Undo and redo in the desktop program: each user action is one named step, taking it back
// restores the file's bytes exactly, the modified marker follows the saved step, nested actions
// split into their own steps, and the history keeps within its bounds.
#include "booking_input.h"
#include "ledger/dokument.h"
#include "ledger/file_write.h"
#include "shell/views/talwerk_view.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/ledger_history.h"
#include "shell/window/open_ledger.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace shelltest {

namespace {

std::vector<std::uint8_t> bytesOf(const shell::OpenLedger& document) {
    return ledger::writeLedgerFile(document.ledger());
}

// Renames the first filter: one small, recorded change.
void renameFilter(shell::OpenLedger& document, const char* name) {
    ledger::CTalwerkDoc& doc = document.ledger();
    ledger::CTWBuchungsFilterNeu filter = *doc.filters()[0];
    filter.name = name;
    doc.changeFilter(0, std::move(filter));
}

// A ledger of its own with a history over it: steps that each add one booking.
struct HistoryFixture {
    explicit HistoryFixture(std::size_t maxBytes) : history(doc, maxBytes) {}

    void addStep(const QString& name) {
        doc.beginAenderung();
        ledger::CTWBuchung b;
        b.date = *ledger::CNVKDatum::fromCalendar(1, 1, 2024);
        b.number = name.toStdString();
        doc.addBuchung(b);
        history.push(doc.commitAenderung(), name);
    }
    // The bookings' numbers in order: which steps are applied.
    QStringList numbers() const {
        QStringList list;
        for (const ledger::CTWBuchung* b : doc.bookings())
            list.append(QString::fromStdString(b->number));
        return list;
    }

    ledger::CTalwerkDoc doc;
    shell::LedgerHistory history;
};

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void aNewBookingIsUndoneAndRedone() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::OpenLedger* document = f.child().document();
        const shell::Commands& c = f.window().commands();
        const auto saved = bytesOf(*document);
        QVERIFY(!c.edit.rueckgaengig->isEnabled());
        QCOMPARE(c.edit.rueckgaengig->text(), u"&Rückgängig"_qs);

        f.child().chooseViewKind(reports::ViewKind::Buchungen);
        const int bookingRows = f.child().activeView()->table()->rowCount();
        onNextModal([](QWidget* dlg) {
            typeBakeryExpense(dlg);
            qobject_cast<QDialog*>(dlg)->accept();
        });
        c.edit.neueBuchung->trigger();
        const auto added = bytesOf(*document);
        QVERIFY(added != saved);
        QCOMPARE(f.child().activeView()->table()->rowCount(), bookingRows + 1);
        QVERIFY(f.child().isWindowModified());
        QVERIFY(c.edit.rueckgaengig->isEnabled());
        QCOMPARE(c.edit.rueckgaengig->text(), u"&Rückgängig: Buchung hinzufügen"_qs);
        QVERIFY(!c.edit.wiederholen->isEnabled());

        c.edit.rueckgaengig->trigger();
        QVERIFY(bytesOf(*document) == saved);
        QCOMPARE(f.child().activeView()->table()->rowCount(), bookingRows);
        QVERIFY(!document->isModified());
        QVERIFY(!f.child().isWindowModified());
        QCOMPARE(c.edit.wiederholen->text(), u"&Wiederholen: Buchung hinzufügen"_qs);

        // The keys: Ctrl+Y and Shift+Ctrl+Z redo, Ctrl+Z undoes.
        QVERIFY(c.edit.wiederholen->shortcuts().contains(QKeySequence(u"Ctrl+Y"_qs)));
        QVERIFY(c.edit.wiederholen->shortcuts().contains(QKeySequence(u"Shift+Ctrl+Z"_qs)));
        QVERIFY(c.edit.rueckgaengig->shortcuts().contains(QKeySequence(u"Ctrl+Z"_qs)));
        c.edit.wiederholen->trigger();
        QVERIFY(bytesOf(*document) == added);
        QCOMPARE(f.child().activeView()->table()->rowCount(), bookingRows + 1);
        QVERIFY(f.child().isWindowModified());
    }

    void aDeletedBookingComesBackAtItsPlace() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::OpenLedger* document = f.child().document();
        const auto saved = bytesOf(*document);
        answerMessageBox(QMessageBox::Yes);
        reports::RowTag tag;
        tag.kind = reports::RowTag::kBuchung;
        tag.id1 = 2;
        shell::runDialogCommand(shell::DialogCommand::BuchungLoeschen, f.child(), &f.window(), tag);
        QCOMPARE(document->history().undoText(), u"Buchung löschen"_qs);
        document->undo();
        QVERIFY(bytesOf(*document) == saved);
        QVERIFY(!document->isModified());
    }

    void theMarkerFollowsTheSavedStep() {
        AppFixture f;
        const QString file = f.writeSample();
        f.start({file});
        shell::OpenLedger* document = f.child().document();
        const shell::Commands& c = f.window().commands();

        c.edit.scale[3]->trigger();
        QCOMPARE(document->history().undoText(), u"Bildschirmschriftgröße ändern"_qs);
        QVERIFY(document->saveTo(file, &f.window()));
        QVERIFY(!f.child().isWindowModified());
        QVERIFY(!c.edit.wiederholen->isEnabled());

        // Back before the save: modified; forward to it again: clean.
        c.edit.rueckgaengig->trigger();
        QVERIFY(f.child().isWindowModified());
        QCOMPARE(document->screenScale(), 1.0);
        QVERIFY(c.edit.scale[1]->isChecked());
        c.edit.wiederholen->trigger();
        QVERIFY(!f.child().isWindowModified());
        QCOMPARE(document->screenScale(), 1.25);

        // A step after the save, undone: clean again.
        c.edit.scale[0]->trigger();
        QVERIFY(f.child().isWindowModified());
        c.edit.rueckgaengig->trigger();
        QVERIFY(!f.child().isWindowModified());

        // A new step from an undone state drops the step the file had: never clean again.
        c.edit.rueckgaengig->trigger();
        c.edit.scale[0]->trigger();
        QVERIFY(f.child().isWindowModified());
        c.edit.rueckgaengig->trigger();
        QVERIFY(f.child().isWindowModified());
    }

    void nestedActionsMakeStepsOfTheirOwn() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::OpenLedger* document = f.child().document();
        const auto saved = bytesOf(*document);
        {
            shell::LedgerAction outer(*document, u"Außen"_qs);
            renameFilter(*document, "eins");
            {
                // A dialog knowing only the ledger names it.
                shell::LedgerAction inner(document->ledger(), u"Innen"_qs);
                renameFilter(*document, "zwei");
                inner.setName(u"Innen umbenannt"_qs);
            }
            renameFilter(*document, "drei");
            shell::LedgerAction nothing(*document, u"Nichts"_qs);
        }
        const QStringList expected = {u"Außen"_qs, u"Innen umbenannt"_qs, u"Außen"_qs};
        const QUndoStack& stack = document->history().stack();
        QCOMPARE(stack.count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(stack.text(i), expected[i]);
        document->undo();
        QCOMPARE(document->ledger().filters()[0]->name, std::string("zwei"));
        document->undo();
        document->undo();
        QVERIFY(bytesOf(*document) == saved);

        // Over a ledger that no window shows, an action records nothing.
        ledger::CTalwerkDoc loose;
        {
            shell::LedgerAction action(loose, u"Lose"_qs);
            QVERIFY(!loose.isRecording());
        }
    }

    void theHistoryKeepsItsNewestStepsWithinTheBounds() {
        // By count: the newest hundred.
        HistoryFixture byCount(shell::LedgerHistory::kMaxBytes);
        for (int i = 0; i < shell::LedgerHistory::kMaxSteps + 5; ++i)
            byCount.addStep(QString::number(i));
        QCOMPARE(byCount.history.count(), shell::LedgerHistory::kMaxSteps);
        while (byCount.history.canUndo())
            byCount.history.undo();
        QCOMPARE(byCount.numbers(), (QStringList{u"0"_qs, u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}));

        // By memory: a step of one booking is some hundred bytes; room for about three.
        HistoryFixture probe(shell::LedgerHistory::kMaxBytes);
        probe.addStep(u"a"_qs);
        const std::size_t step = probe.history.bytes();
        QVERIFY(step > sizeof(ledger::CTWBuchung) / 4);

        struct Case {
            const char* name;
            int cleanAfter; // the steps applied when the file was saved; -1: never saved
            bool cleanAtTwo;
            bool cleanAtThree;
        };
        const Case cases[] = {
            {"saved at a kept step", 3, false, true},
            {"saved at the oldest kept state", 2, true, false},
            {"saved at a dropped step", 1, false, false},
            {"never saved", -1, false, false},
        };
        for (const Case& t : cases) {
            HistoryFixture h(3 * step + step / 2);
            if (t.cleanAfter < 0)
                h.history.resetClean();
            for (int i = 0; i < 5; ++i) {
                if (i == t.cleanAfter)
                    h.history.setClean();
                h.addStep(QString::number(i));
            }
            QVERIFY2(h.history.count() == 3, t.name);
            QVERIFY2(h.history.bytes() <= 3 * step + step / 2, t.name);
            QVERIFY2(h.history.undoText() == u"4"_qs, t.name);
            h.history.undo();
            QVERIFY2(h.history.isClean() == (t.cleanAfter == 4), t.name);
            h.history.undo();
            QVERIFY2(h.history.isClean() == t.cleanAtThree, t.name);
            h.history.undo();
            QVERIFY2(h.history.isClean() == t.cleanAtTwo, t.name);
            QVERIFY2(!h.history.canUndo(), t.name);
            QVERIFY2(h.numbers() == (QStringList{u"0"_qs, u"1"_qs}), t.name);
            h.history.redo();
            QVERIFY2(h.numbers() == (QStringList{u"0"_qs, u"1"_qs, u"2"_qs}), t.name);
        }

        // A single step larger than the whole bound stays: the last action can be undone.
        HistoryFixture tiny(1);
        tiny.addStep(u"a"_qs);
        tiny.addStep(u"b"_qs);
        QCOMPARE(tiny.history.count(), 1);
        tiny.history.undo();
        QCOMPARE(tiny.numbers(), QStringList{u"a"_qs});
    }
};

static Register<UndoTest> registerUndo;

} // namespace shelltest

#include "undo_test.moc"
