// The recurring booking dialogs in the running program: the rule list with a new rule, the due
// bookings with their check boxes, and the rule that follows a booking to be repeated.
#include "ledger/dokument.h"
#include "shell/qt/datum_edit.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace shelltest {

namespace {

// Monthly rent from 01.02.2024: due on 01.02., 01.03. and 01.04. at 15.04.2024.
void addRent(ledger::CTalwerkDoc& doc) {
    ledger::CTWBuchungRegel r;
    r.name = "Miete";
    r.numberTemplate = "M-<NAECHSTE>";
    r.textTemplate = "Miete <MMMM>";
    r.kind = ledger::Vorgang::Ausgabe;
    r.konto1Id = doc.findKontoByText("Girokonto", true)->id;
    r.konto2Id = doc.findKontoByText("Miete", true)->id;
    r.amount = 85000;
    r.firstDate = *ledger::CNVKDatum::fromCalendar(1, 2, 2024);
    doc.addBuchungRegel(r);
    doc.setModified(false);
}

} // namespace

class RecurringDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void dueBookingsAreTickedAndExecuted() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        addRent(doc);
        const size_t before = doc.bookings().size();
        int rows = -1, rowsAfter = -1;
        QString firstNumber, secondNumberUnticked, header;
        bool executeEnabledWithoutMarks = true;
        onNextModal([&](QWidget* dlg) {
            auto* table = dlg->findChild<QTableView*>(u"liste"_qs);
            QAbstractItemModel* model = table->model();
            rows = model->rowCount();
            header = model->headerData(3, Qt::Horizontal).toString();
            firstNumber = model->index(1, 3).data().toString();
            model->setData(model->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
            secondNumberUnticked = model->index(1, 3).data().toString();
            for (int row = 1; row < rows; ++row)
                model->setData(model->index(row, 0), Qt::Unchecked, Qt::CheckStateRole);
            executeEnabledWithoutMarks =
                dlg->findChild<QPushButton*>(u"ausfuehren"_qs)->isEnabled();
            model->setData(model->index(2, 0), Qt::Checked, Qt::CheckStateRole);
            answerMessageBox(QMessageBox::Yes);
            dlg->findChild<QPushButton*>(u"ausfuehren"_qs)->click();
            rowsAfter = model->rowCount();
            qobject_cast<QDialog*>(dlg)->reject();
        });
        f.window().commands().edit.faelligeBuchungen->trigger();
        QCOMPARE(rows, 3);
        QCOMPARE(header, u"Nr."_qs);
        QVERIFY(firstNumber.startsWith(u"M-"_qs));
        QCOMPARE(secondNumberUnticked.left(2), u"M-"_qs);
        QVERIFY(!executeEnabledWithoutMarks);
        QCOMPARE(rowsAfter, 2);
        QCOMPARE(doc.bookings().size(), before + 1);
        QCOMPARE(doc.rules()[0]->occurrenceStates, (std::vector<uint8_t>{0, 0, 1}));
        QVERIFY(f.child().document()->isModified());
    }

    void aNewRuleFromTheList() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        addRent(doc);
        QStringList names;
        QString selected;
        onNextModal([&](QWidget* list) {
            onNextModal([&](QWidget* rule) {
                rule->findChild<QLineEdit*>(u"bezeichnung"_qs)->setText(u"Abo"_qs);
                rule->findChild<QLineEdit*>(u"text"_qs)->setText(u"Zeitschrift <MM>/<JJ>"_qs);
                auto* kind = rule->findChild<QComboBox*>(u"vorgang"_qs);
                kind->setCurrentIndex(1);
                emit kind->activated(1);
                rule->findChild<QComboBox*>(u"konto2"_qs)->setCurrentText(u"Strom"_qs);
                rule->findChild<QLineEdit*>(u"betrag"_qs)->setText(u"9,90"_qs);
                qobject_cast<QDialog*>(rule)->accept();
            });
            list->findChild<QPushButton*>(u"neu"_qs)->click();
            auto* tree = list->findChild<QTreeWidget*>(u"regeln"_qs);
            for (int i = 0; i < tree->topLevelItemCount(); ++i)
                names << tree->topLevelItem(i)->text(0);
            if (tree->currentItem())
                selected = tree->currentItem()->text(0);
            qobject_cast<QDialog*>(list)->accept();
        });
        f.window().commands().edit.regelmaessigeBuchungen->trigger();
        QCOMPARE(names, QStringList({u"Abo"_qs, u"Miete"_qs}));
        QCOMPARE(selected, u"Abo"_qs);
        QCOMPARE(doc.rules().size(), size_t(2));
        QCOMPARE(doc.rules()[1]->konto2Id, doc.findKontoByText("Strom", true)->id);
        QCOMPARE(doc.rules()[1]->amount, int64_t(990));
        QVERIFY(f.child().document()->isModified());
    }

    void aBookingToBeRepeatedIsFollowedByItsRule() {
        AppFixture f;
        f.start({f.writeSample()});
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        QString ruleName, ruleDate, status;
        onNextModal([&](QWidget* dlg) {
            dlg->findChild<QLineEdit*>(u"nummer"_qs)->setText(u"7"_qs);
            dlg->findChild<QLineEdit*>(u"text"_qs)->setText(u"Gehalt"_qs);
            dlg->findChild<QLineEdit*>(u"betrag"_qs)->setText(u"100"_qs);
            for (QCheckBox* box : dlg->findChildren<QCheckBox*>())
                if (box->text() == u"Buchung regelmäßig ausführen"_qs)
                    box->setChecked(true);
            for (QLabel* label : dlg->findChildren<QLabel*>())
                if (label->text().contains(u"regelmäßig"_qs))
                    status = label->text();
            onNextModal([&](QWidget* rule) {
                ruleName = rule->findChild<QLineEdit*>(u"bezeichnung"_qs)->text();
                ruleDate = rule->findChild<shell::CDatumEdit*>(u"datum"_qs)
                               ->date()
                               .toString(u"dd.MM.yyyy"_qs);
                qobject_cast<QDialog*>(rule)->accept();
            });
            qobject_cast<QDialog*>(dlg)->accept();
        });
        f.window().commands().edit.neueBuchung->trigger();
        QCOMPARE(status, u"Buchung regelmäßig ausführen"_qs);
        QCOMPARE(ruleName, u"Gehalt"_qs);
        // The booking is dated today (15.04.2024); the rule starts one month later.
        QCOMPARE(ruleDate, u"15.05.2024"_qs);
        QCOMPARE(doc.rules().size(), size_t(1));
        QCOMPARE(doc.rules()[0]->counterStart, 2);
    }

    // Every shortcut letter of the rule dialog leads to one field, for each kind of booking.
    void theRuleShortcutsAreUnique() {
        AppFixture f;
        f.start({f.writeSample()});
        QStringList clashes;
        onNextModal([&](QWidget* list) {
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
            list->findChild<QPushButton*>(u"neu"_qs)->click();
            qobject_cast<QDialog*>(list)->accept();
        });
        f.window().commands().edit.regelmaessigeBuchungen->trigger();
        QCOMPARE(clashes, QStringList());
    }
};

static Register<RecurringDialogsTest> registerRecurringDialogs;

} // namespace shelltest

#include "recurring_dialogs_test.moc"
