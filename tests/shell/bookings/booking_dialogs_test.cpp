// The booking dialogs in the running program: a new booking with a further one, and the
// delete question of a booking row.
#include "booking_input.h"
#include "ledger/dokument.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTest>

namespace shelltest {

using K = reports::ViewKind;

class BookingDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void newBookingWithAFurtherOne() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        const size_t before = doc.bookings().size();
        bool firstSeen = false, secondSeen = false;
        QString secondNumber, secondAmount;
        onNextModal([&](QWidget* dlg) {
            firstSeen = true;
            typeBakeryExpense(dlg);
            onNextModal([&](QWidget* again) {
                secondSeen = true;
                secondNumber = again->findChild<QLineEdit*>(u"nummer"_qs)->text();
                secondAmount = again->findChild<QLineEdit*>(u"betrag"_qs)->text();
                qobject_cast<QDialog*>(again)->reject();
            });
            dlg->findChild<QPushButton*>(u"weitere"_qs)->click();
        });
        f.window().commands().edit.neueBuchung->trigger();
        QVERIFY(firstSeen);
        QVERIFY(secondSeen);
        QCOMPARE(secondNumber, u"R-010"_qs);
        QCOMPARE(secondAmount, u"0,00"_qs);
        QCOMPARE(doc.bookings().size(), before + 1);
        const int index = doc.indexOfBuchung(doc.settings().nextBookingSerial - 1);
        QVERIFY(index >= 0);
        QCOMPARE(doc.bookings()[index]->amount, int64_t(1250));
        QCOMPARE(doc.bookings()[index]->text, std::string("B\xe4"
                                                          "cker"));
        QVERIFY(f.child().document()->isModified());
    }

    // Tab leads from the kind of booking through both accounts to the amount.
    void theFocusFollowsTheRows() {
        AppFixture f;
        f.start({f.writeSample()});
        QStringList order;
        onNextModal([&](QWidget* dlg) {
            const QStringList named = {u"datum"_qs,  u"nummer"_qs, u"text"_qs,  u"vorgang"_qs,
                                       u"konto1"_qs, u"konto2"_qs, u"betrag"_qs};
            QWidget* w = dlg->findChild<QWidget*>(u"datum"_qs);
            for (int steps = 0; steps < 200 && order.size() < named.size(); ++steps) {
                const QString name = w->objectName().isEmpty() && w->parentWidget()
                                         ? w->parentWidget()->objectName()
                                         : w->objectName();
                if (named.contains(name) && !order.contains(name))
                    order.append(name);
                w = w->nextInFocusChain();
            }
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.neueBuchung->trigger();
        QCOMPARE(order, QStringList({u"datum"_qs, u"nummer"_qs, u"text"_qs, u"vorgang"_qs,
                                     u"konto1"_qs, u"konto2"_qs, u"betrag"_qs}));
    }

    // Changing the kind of booking changes the account labels, but no field moves.
    void theFieldsStayInPlaceWhenTheKindChanges() {
        AppFixture f;
        f.start({f.writeSample()});
        QList<QList<QRect>> places;
        onNextModal([&](QWidget* dlg) {
            auto* kind = dlg->findChild<QComboBox*>(u"vorgang"_qs);
            for (const int k : {0, 1, 2, 0}) {
                kind->setCurrentIndex(k);
                emit kind->activated(k);
                dlg->layout()->activate();
                QList<QRect> now{dlg->rect()};
                for (const QString& name :
                     {u"datum"_qs, u"konto1"_qs, u"konto2"_qs, u"betrag"_qs, u"vorgang"_qs}) {
                    const QWidget* w = dlg->findChild<QWidget*>(name);
                    now.append(QRect(w->mapTo(dlg, QPoint(0, 0)), w->size()));
                }
                places.append(now);
            }
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.neueBuchung->trigger();
        QCOMPARE(places.size(), 4);
        for (const QList<QRect>& now : places)
            QCOMPARE(now, places.first());
    }

    // Every shortcut letter of the booking dialog leads to one field, for each kind of booking.
    void theBookingShortcutsAreUnique() {
        AppFixture f;
        f.start({f.writeSample()});
        QStringList clashes;
        onNextModal([&](QWidget* dlg) {
            auto* kind = dlg->findChild<QComboBox*>(u"vorgang"_qs);
            for (int k = 0; k < kind->count(); ++k) {
                kind->setCurrentIndex(k);
                emit kind->activated(k);
                QMap<QChar, QString> seen;
                QStringList texts;
                for (QLabel* label : dlg->findChildren<QLabel*>())
                    texts << label->text();
                for (QAbstractButton* button : dlg->findChildren<QAbstractButton*>())
                    texts << button->text();
                for (const QString& text : texts) {
                    const qsizetype amp = text.indexOf(u'&');
                    if (amp < 0 || amp + 1 >= text.size())
                        continue;
                    const QChar key = text.at(amp + 1).toLower();
                    if (seen.contains(key))
                        clashes << seen[key] + u" / "_qs + text;
                    seen[key] = text;
                }
            }
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.neueBuchung->trigger();
        QCOMPARE(clashes, QStringList());
    }

    void theImportFileNameHasItsShortcut() {
        AppFixture f;
        f.start({f.writeSample()});
        bool buddyIsTheField = false;
        onNextModal([&](QWidget* dlg) {
            for (QLabel* label : dlg->findChildren<QLabel*>())
                if (label->text() == u"&Dateiname"_qs)
                    buddyIsTheField = qobject_cast<QLineEdit*>(label->buddy()) != nullptr;
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.importieren->trigger();
        QVERIFY(buddyIsTheField);
    }

    void deletingABookingRowAsksFirst() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        const size_t before = doc.bookings().size();
        const reports::RowTag row = reports::RowTag::buchung(0);
        answerMessageBox(QMessageBox::No);
        shell::runDialogCommand(shell::DialogCommand::BuchungLoeschen, f.child(), &f.window(), row);
        QCOMPARE(doc.bookings().size(), before);
        QString question;
        answerMessageBox(QMessageBox::Yes, &question);
        shell::runDialogCommand(shell::DialogCommand::BuchungLoeschen, f.child(), &f.window(), row);
        QCOMPARE(question, u"Möchten Sie diese Buchung wirklich löschen?"_qs);
        QCOMPARE(doc.bookings().size(), before - 1);
    }

    void aRenamedFilterShowsInTheViewBar() {
        AppFixture f;
        f.start({f.writeSample()});
        f.child().chooseViewKind(K::BuchungenGefiltert);
        onNextModal([](QWidget* dlg) {
            dlg->findChild<QLineEdit*>(u"bezeichnung"_qs)->setText(u"Miete"_qs);
            qobject_cast<QDialog*>(dlg)->accept();
        });
        emit f.window().viewBar()->editFilterRequested();
        QCOMPARE(f.child().document()->ledger().filters()[0]->name, std::string("Miete"));
        QCOMPARE(f.child().viewBarState().filterNames.first(), u"Miete"_qs);
        auto* list = f.window().viewBar()->findChild<QComboBox*>(u"filter"_qs);
        QVERIFY(list);
        QCOMPARE(list->itemText(0), u"Miete"_qs);
    }
    // The booking dialog's "..." and "Optionen..." open their dialogs on their forms: a text
    // chosen there with its amount fills the booking's fields, options chosen there reach the
    // document and the account lists.
    void theTextChoiceAndTheOptionsReachTheBookingDialog() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        ledger::CTWBuchung baecker = *doc.bookings().back();
        baecker.text = "B\xe4"
                       "ckerei";
        baecker.amount = 1799;
        doc.addBuchung(baecker);
        QString text, amount, account;
        onNextModal([&](QWidget* dlg) {
            onNextModal([&](QWidget* texts) {
                QCOMPARE(texts->windowTitle(), u"Buchungstext auswählen"_qs);
                auto* list = texts->findChild<QListWidget*>();
                QCOMPARE(list->item(0)->text(), u"Bäckerei"_qs);
                list->setCurrentRow(0);
                for (QCheckBox* box : texts->findChildren<QCheckBox*>())
                    box->setChecked(box->text().startsWith(u"Betrag"_qs));
                pressOk(texts);
            });
            findButton(dlg, u"..."_qs)->click();
            text = dlg->findChild<QLineEdit*>(u"text"_qs)->text();
            amount = dlg->findChild<QLineEdit*>(u"betrag"_qs)->text();

            onNextModal([&](QWidget* options) {
                QCOMPARE(options->windowTitle(), u"Buchungsoptionen"_qs);
                findButton(options, u"&Kontonummer"_qs)->click();
                findButton(options, u"Feld 'Notizen' deaktivieren"_qs)->click();
                pressOk(options);
            });
            findButton(dlg, u"O&ptionen..."_qs)->click();
            account = dlg->findChild<QComboBox*>(u"konto1"_qs)->currentText();
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.neueBuchung->trigger();
        QCOMPARE(text, u"Bäckerei"_qs);
        QCOMPARE(amount, u"17,99"_qs);
        QCOMPARE(account, u"1000"_qs);
        QCOMPARE(doc.settings().accountInputMode, 1);
        QCOMPARE(doc.settings().disableNotesField, 1);
    }
};

static Register<BookingDialogsTest> registerBookingDialogs;

} // namespace shelltest

#include "booking_dialogs_test.moc"
