// The date field of every dialog and of the view bar: German spellings give their date on
// Enter or when the field is left, never keystroke by keystroke; a text that gives no date
// is refused with its message; arrows and the calendar still work.
#include "booking_input.h"
#include "ledger/dokument.h"
#include "shell/qt/datum_edit.h"
#include "shell/window/open_ledger.h"
#include "shell/window/view_bar.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace shelltest {

namespace {

// Replaces the field's text by typing, as a user does.
void type(shell::CDatumEdit& edit, const QString& text) {
    edit.lineEdit()->selectAll();
    QTest::keyClick(edit.lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(edit.lineEdit(), text);
}

} // namespace

class DatumEditTest : public QObject {
    Q_OBJECT
private slots:
    void germanSpellingsAreTakenOnEnter() {
        for (const QString& text : {u"15.04.2025"_qs, u"15.4.2025"_qs, u"15.4.25"_qs,
                                    u"15042025"_qs, u" 15.04.2025"_qs}) {
            shell::CDatumEdit edit;
            edit.setDate(QDate(2024, 1, 31));
            QSignalSpy changed(&edit, &shell::CDatumEdit::dateChanged);
            type(edit, text);
            QCOMPARE(changed.count(), 0);
            QCOMPARE(edit.date(), QDate(2024, 1, 31));
            QTest::keyClick(edit.lineEdit(), Qt::Key_Return);
            QCOMPARE(edit.date(), QDate(2025, 4, 15));
            QCOMPARE(changed.count(), 1);
            QCOMPARE(edit.lineEdit()->text(), u"15.04.2025"_qs);
        }
    }

    void anImpossibleDateIsRefusedWithAMessage() {
        shell::CDatumEdit edit;
        edit.setDate(QDate(2025, 2, 1));
        QSignalSpy changed(&edit, &shell::CDatumEdit::dateChanged);
        type(edit, u"31.02.2025"_qs);
        QString message;
        answerMessageBox(QMessageBox::Ok, &message);
        QTest::keyClick(edit.lineEdit(), Qt::Key_Return);
        QCOMPARE(message, u"Den 31.02.2025 gibt es nicht!"_qs);
        QCOMPARE(edit.date(), QDate(2025, 2, 1));
        QCOMPARE(changed.count(), 0);
        // Enter keeps the text for correcting; commit() refuses it the same way.
        QCOMPARE(edit.lineEdit()->text(), u"31.02.2025"_qs);
        answerMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!edit.commit());
        QCOMPARE(edit.date(), QDate(2025, 2, 1));
    }

    void leavingTheFieldTakesTheDateOrRestoresIt() {
        QWidget window;
        auto* edit = new shell::CDatumEdit(&window);
        auto* other = new QPushButton(u"weiter"_qs, &window);
        other->move(0, 40);
        edit->setDate(QDate(2025, 2, 1));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy changed(edit, &shell::CDatumEdit::dateChanged);

        edit->lineEdit()->setFocus();
        type(*edit, u"1.3.25"_qs);
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->date(), QDate(2025, 3, 1));
        QCOMPARE(changed.count(), 1);

        edit->lineEdit()->setFocus();
        type(*edit, u"30.2.25"_qs);
        answerMessageBox(QMessageBox::Ok);
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->date(), QDate(2025, 3, 1));
        QCOMPARE(edit->lineEdit()->text(), u"01.03.2025"_qs);
        QCOMPARE(changed.count(), 1);
    }

    void arrowsStepThePartUnderTheCursorAndTheCalendarPicks() {
        shell::CDatumEdit edit;
        edit.setDate(QDate(2025, 1, 31));
        QSignalSpy changed(&edit, &shell::CDatumEdit::dateChanged);
        struct Case {
            int cursor;
            Qt::Key key;
            QString expected;
        };
        const Case cases[] = {{1, Qt::Key_Up, u"01.02.2025"_qs},
                              {4, Qt::Key_Up, u"01.03.2025"_qs},
                              {8, Qt::Key_Down, u"01.03.2024"_qs},
                              {0, Qt::Key_Down, u"29.02.2024"_qs}};
        for (const Case& c : cases) {
            edit.lineEdit()->setCursorPosition(c.cursor);
            QTest::keyClick(edit.lineEdit(), c.key);
            QCOMPARE(edit.lineEdit()->text(), c.expected);
        }
        QCOMPARE(changed.count(), 0);
        QTest::keyClick(edit.lineEdit(), Qt::Key_Enter);
        QCOMPARE(edit.date(), QDate(2024, 2, 29));
        QCOMPARE(changed.count(), 1);

        QTest::keyClick(edit.lineEdit(), Qt::Key_F4);
        auto* calendar = edit.findChild<QCalendarWidget*>();
        QVERIFY(calendar && calendar->isVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2024, 2, 29));
        emit calendar->clicked(QDate(2024, 3, 7));
        QVERIFY(!calendar->isVisible());
        QCOMPARE(edit.date(), QDate(2024, 3, 7));
        QCOMPARE(changed.count(), 2);
    }

    // The view bar applies a typed "bis" once, on Enter.
    void theViewBarAppliesATypedDateOnce() {
        AppFixture f;
        f.start({f.writeSample()});
        auto* end = f.window().viewBar()->findChild<shell::CDatumEdit*>(u"bis"_qs);
        QVERIFY(end);
        QSignalSpy chosen(f.window().viewBar(), &shell::CViewBar::endDateChosen);
        type(*end, u"31.12.2024"_qs);
        QCOMPARE(chosen.count(), 0);
        QTest::keyClick(end->lineEdit(), Qt::Key_Return);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(f.child().viewBarState().end, QDate(2024, 12, 31));
    }

    // The booking dialog books the date as typed.
    void theBookingDialogTakesATypedDate() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        onNextModal([&](QWidget* dlg) {
            auto* date = dlg->findChild<shell::CDatumEdit*>(u"datum"_qs);
            type(*date, u"15.4.25"_qs);
            typeExpense(dlg, u"R-100"_qs, u"Miete April"_qs, u"Miete"_qs, u"100"_qs);
            qobject_cast<QDialog*>(dlg)->accept();
        });
        f.window().commands().edit.neueBuchung->trigger();
        const int index = doc.indexOfBuchung(doc.settings().nextBookingSerial - 1);
        QVERIFY(index >= 0);
        QCOMPARE(doc.bookings()[index]->date.text(), std::string("15.04.2025"));
    }
};

static Register<DatumEditTest> registerDatumEdit;

} // namespace shelltest

#include "datum_edit_test.moc"
