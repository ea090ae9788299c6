// The booking editor in the running program: Ctrl+E opens it on the current month, the header
// sorts, the buttons follow the selection, and its commands and bulk operations reach the
// ledger with the list shown again, each one step of the undo history.
#include "ledger/dokument.h"
#include "ledger/dokument_pruefung.h"
#include "ledger/file_write.h"
#include "shell/qt/datum_edit.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/ledger_history.h"
#include "shell/window/open_ledger.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace shelltest {

namespace {

QTableView* list(QWidget* dlg) {
    return dlg->findChild<QTableView*>(u"liste"_qs);
}

QString cell(QWidget* dlg, int row, int column) {
    return list(dlg)->model()->index(row, column).data().toString();
}

bool enabled(QWidget* dlg, const QString& name) {
    return dlg->findChild<QPushButton*>(name)->isEnabled();
}

// Shows March 2024 (six bookings of the sample ledger, the last one provisional).
void showMarch(QWidget* dlg) {
    emit dlg->findChild<shell::CDatumEdit*>(u"von"_qs)->dateChanged(QDate(2024, 3, 1));
    emit dlg->findChild<shell::CDatumEdit*>(u"bis"_qs)->dateChanged(QDate(2024, 3, 31));
}

std::vector<std::uint8_t> bytesOf(const shell::OpenLedger& document) {
    return ledger::writeLedgerFile(document.ledger());
}

// The names of the undo history's steps, oldest first.
QStringList steps(const shell::OpenLedger& document) {
    QStringList names;
    const QUndoStack& stack = document.history().stack();
    for (int i = 0; i < stack.count(); ++i)
        names.append(stack.text(i));
    return names;
}

// Fills the booking dialog with an expense to "Strom".
void fillExpense(QWidget* booking, const QString& number, const QString& text,
                 const QString& amount) {
    booking->findChild<QLineEdit*>(u"nummer"_qs)->setText(number);
    booking->findChild<QLineEdit*>(u"text"_qs)->setText(text);
    auto* kind = booking->findChild<QComboBox*>(u"vorgang"_qs);
    kind->setCurrentIndex(1);
    emit kind->activated(1);
    booking->findChild<QComboBox*>(u"konto2"_qs)->setEditText(u"Strom"_qs);
    booking->findChild<QLineEdit*>(u"betrag"_qs)->setText(amount);
}

void selectRow(QWidget* dlg, int row) {
    QTableView* table = list(dlg);
    table->selectionModel()->setCurrentIndex(table->model()->index(row, 0),
                                             QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
}

} // namespace

class BookingEditorTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheMonthAndSortsByAHeaderClick() {
        AppFixture f;
        f.start({f.writeSample()});
        QVERIFY(shell::hasDialogCommand(shell::DialogCommand::BuchungsEditor));
        QAction* action = f.window().commands().edit.buchungsEditor;
        QVERIFY(action->isEnabled());
        QCOMPARE(action->shortcut(), QKeySequence(u"Ctrl+E"_qs));
        int aprilRows = -1;
        QString count, firstAscending, firstDescending, header;
        bool editWithout = true, editWith = false;
        onNextModal([&](QWidget* dlg) {
            aprilRows = list(dlg)->model()->rowCount();
            showMarch(dlg);
            count = dlg->findChild<QLabel*>(u"anzahl"_qs)->text();
            header = list(dlg)->model()->headerData(6, Qt::Horizontal).toString();
            editWithout = enabled(dlg, u"bearbeiten"_qs);
            list(dlg)->horizontalHeader()->sectionClicked(6);
            firstAscending = cell(dlg, 0, 6);
            list(dlg)->horizontalHeader()->sectionClicked(6);
            firstDescending = cell(dlg, 0, 6);
            selectRow(dlg, 2);
            editWith = enabled(dlg, u"bearbeiten"_qs) && enabled(dlg, u"loeschen"_qs);
            qobject_cast<QDialog*>(dlg)->reject();
        });
        action->trigger();
        QCOMPARE(aprilRows, 1);
        QCOMPARE(count, u"6"_qs);
        QCOMPARE(header, u"Betrag"_qs);
        QCOMPARE(firstAscending, u"12,34"_qs);
        QCOMPARE(firstDescending, u"3.214,56"_qs);
        QVERIFY(!editWithout);
        QVERIFY(editWith);
        QVERIFY(!f.child().document()->isModified());
    }

    void confirmsAndDeletesTheSelectedBooking() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::OpenLedger* document = f.child().document();
        ledger::CTalwerkDoc& doc = document->ledger();
        const size_t before = doc.bookings().size();
        const auto saved = bytesOf(*document);
        bool confirmBefore = false, confirmAfter = true;
        QString mark, markAfter, question;
        onNextModal([&](QWidget* dlg) {
            showMarch(dlg);
            selectRow(dlg, 5); // 31.03., provisional
            confirmBefore = enabled(dlg, u"bestaetigen"_qs) && enabled(dlg, u"autoBestaetigen"_qs);
            mark = cell(dlg, 5, 8);
            dlg->findChild<QPushButton*>(u"autoBestaetigen"_qs)->click();
            markAfter = cell(dlg, 5, 8);
            confirmAfter = enabled(dlg, u"bestaetigen"_qs);
            answerMessageBox(QMessageBox::Yes, &question);
            dlg->findChild<QPushButton*>(u"loeschen"_qs)->click();
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.buchungsEditor->trigger();
        QVERIFY(confirmBefore);
        QCOMPARE(mark, u"V"_qs);
        QCOMPARE(markAfter, QString());
        QVERIFY(!confirmAfter);
        QCOMPARE(question, u"Möchten Sie diese Buchung wirklich löschen?"_qs);
        QCOMPARE(doc.bookings().size(), before - 1);
        QCOMPARE(ledger::pruefeDokument(doc), std::vector<std::string>{});
        QVERIFY(document->isModified());
        QCOMPARE(steps(*document), (QStringList{u"Buchung bestätigen"_qs, u"Buchung löschen"_qs}));
        document->undo();
        QCOMPARE(doc.bookings().size(), before);
        document->undo();
        QVERIFY(bytesOf(*document) == saved);
        QVERIFY(!document->isModified());
    }

    void keepsTheNewBookingSelected() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        QString selectedAmount;
        int rows = -1;
        onNextModal([&](QWidget* dlg) {
            onNextModal([&](QWidget* booking) {
                fillExpense(booking, u"K-1"_qs, u"Kino"_qs, u"7,50"_qs);
                qobject_cast<QDialog*>(booking)->accept();
            });
            dlg->findChild<QPushButton*>(u"neu"_qs)->click();
            rows = list(dlg)->model()->rowCount();
            const QModelIndex current = list(dlg)->currentIndex();
            if (current.isValid())
                selectedAmount = cell(dlg, current.row(), 6);
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.buchungsEditor->trigger();
        QCOMPARE(rows, 2);
        QCOMPARE(selectedAmount, u"7,50"_qs);
        QCOMPARE(doc.bookings().back()->text, std::string("Kino"));
        QVERIFY(f.child().document()->isModified());
        QCOMPARE(steps(*f.child().document()), QStringList{u"Buchung hinzufügen"_qs});
    }

    void theListShowsEachFurtherBookingAtOnce() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::OpenLedger* document = f.child().document();
        int rowsBefore = -1, rowsDuringSecond = -1, rowsAfter = -1;
        onNextModal([&](QWidget* dlg) {
            rowsBefore = list(dlg)->model()->rowCount();
            onNextModal([&](QWidget* first) {
                fillExpense(first, u"K-1"_qs, u"Kino"_qs, u"7,50"_qs);
                onNextModal([&](QWidget* second) {
                    // The first booking is one step already, and listed behind this dialog.
                    rowsDuringSecond = list(dlg)->model()->rowCount();
                    fillExpense(second, u"K-2"_qs, u"Popcorn"_qs, u"4,00"_qs);
                    qobject_cast<QDialog*>(second)->accept();
                });
                first->findChild<QPushButton*>(u"weitere"_qs)->click();
            });
            dlg->findChild<QPushButton*>(u"neu"_qs)->click();
            rowsAfter = list(dlg)->model()->rowCount();
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.buchungsEditor->trigger();
        QCOMPARE(rowsDuringSecond, rowsBefore + 1);
        QCOMPARE(rowsAfter, rowsBefore + 2);
        QCOMPARE(steps(*document),
                 (QStringList{u"Buchung hinzufügen"_qs, u"Buchung hinzufügen"_qs}));
        document->undo();
        QCOMPARE(document->ledger().bookings().back()->text, std::string("Kino"));
    }

    void deletingAllIsOneStepThatUndoesExactly() {
        AppFixture f;
        f.start({f.writeSample()});
        shell::OpenLedger* document = f.child().document();
        const shell::Commands& c = f.window().commands();
        const auto saved = bytesOf(*document);
        const size_t before = document->ledger().bookings().size();
        int rowsAfter = -1;
        QString question;
        onNextModal([&](QWidget* dlg) {
            showMarch(dlg);
            auto* operation = dlg->findChild<QComboBox*>(u"aktion"_qs);
            operation->setCurrentIndex(operation->findText(u"Alle löschen"_qs));
            answerMessageBox(QMessageBox::Yes, &question);
            dlg->findChild<QPushButton*>(u"ausfuehren"_qs)->click();
            rowsAfter = list(dlg)->model()->rowCount();
            qobject_cast<QDialog*>(dlg)->reject();
        });
        c.edit.buchungsEditor->trigger();
        QCOMPARE(question,
                 u"Möchten Sie wirklich alle im Buchungs-Editor angezeigten Buchungen löschen?"_qs);
        QCOMPARE(rowsAfter, 0);
        QCOMPARE(document->ledger().bookings().size(), before - 6);
        const auto deleted = bytesOf(*document);
        // The editor itself leaves no step of its own.
        QCOMPARE(steps(*document), QStringList{u"Alle löschen"_qs});
        QCOMPARE(c.edit.rueckgaengig->text(), u"&Rückgängig: Alle löschen"_qs);
        QVERIFY(f.child().isWindowModified());

        c.edit.rueckgaengig->trigger();
        QVERIFY(bytesOf(*document) == saved);
        QVERIFY(!f.child().isWindowModified());
        QCOMPARE(c.edit.wiederholen->text(), u"&Wiederholen: Alle löschen"_qs);
        c.edit.wiederholen->trigger();
        QVERIFY(bytesOf(*document) == deleted);
        QCOMPARE(ledger::pruefeDokument(document->ledger()), std::vector<std::string>{});
        QVERIFY(f.child().isWindowModified());
    }

    void replacesTextAfterRefusingAnEmptySearch() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        ledger::CTWBuchung strom = *doc.bookings()[doc.bookings().size() - 2]; // 31.03.
        strom.serial = -1;
        strom.text = "Strom März";
        doc.addBuchung(strom);
        doc.setModified(false);
        QString refusal;
        onNextModal([&](QWidget* dlg) {
            showMarch(dlg);
            auto* operation = dlg->findChild<QComboBox*>(u"aktion"_qs);
            operation->setCurrentIndex(operation->findText(u"Text ersetzen"_qs));
            onNextModal([&](QWidget* replace) {
                answerMessageBox(QMessageBox::Ok, &refusal);
                qobject_cast<QDialog*>(replace)->accept(); // empty search text: refused
                replace->findChild<QLineEdit*>(u"suchen"_qs)->setText(u"märz"_qs);
                replace->findChild<QLineEdit*>(u"ersetzen"_qs)->setText(u"April"_qs);
                replace->findChild<QComboBox*>(u"bereich"_qs)->setCurrentIndex(1);
                // "Ohne Rückfrage"; the case is ignored.
                for (QCheckBox* box : replace->findChildren<QCheckBox*>())
                    box->setChecked(box->text().startsWith(u"&Ohne"_qs));
                qobject_cast<QDialog*>(replace)->accept();
            });
            dlg->findChild<QPushButton*>(u"ausfuehren"_qs)->click();
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.buchungsEditor->trigger();
        QCOMPARE(refusal, u"Bitte geben Sie den Text ein, nach dem gesucht werden soll!"_qs);
        QCOMPARE(doc.bookings()[doc.bookings().size() - 2]->text, std::string("Strom April"));
        QCOMPARE(ledger::pruefeDokument(doc), std::vector<std::string>{});
        QVERIFY(f.child().document()->isModified());
        QCOMPARE(steps(*f.child().document()), QStringList{u"Text ersetzen"_qs});
    }
};

static Register<BookingEditorTest> registerBookingEditor;

} // namespace shelltest

#include "booking_editor_test.moc"
