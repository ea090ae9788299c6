// The account, category and Euro tool commands in the desktop program: each runs its dialog on
// the active document, and every view follows the change.
#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_table.h"
#include "shell/qt/cp1252.h"
#include "shell/views/talwerk_view.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace shelltest {

using K = reports::ViewKind;

namespace {

// Confirms the next `count` dialogs one after the other with OK.
void confirmDialogs(int count, QStringList* titles) {
    if (count == 0)
        return;
    onNextModal([count, titles](QWidget* dialog) {
        titles->append(dialog->windowTitle());
        confirmDialogs(count - 1, titles);
        pressOk(dialog);
    });
}

bool viewShows(shell::CChildFrame& child, const std::string& text) {
    const reports::ReportTable* table = child.activeView()->table();
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            if (table->cell(r, c).text == text)
                return true;
    return false;
}

void run(AppFixture& f, shell::DialogCommand command, const reports::RowTag& tag = {}) {
    shell::runDialogCommand(command, f.child(), &f.window(), tag);
}

} // namespace

class AccountDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void newAccountIsCheckedCreatedAndShown() {
        AppFixture f;
        f.start({f.writeSample()});
        QString refusal;
        onNextModal([&refusal](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Neues Konto"));
            auto* number = dialog->findChild<QLineEdit*>(QStringLiteral("kontonummer"));
            number->setText(QStringLiteral("1300")); // taken by "Bargeld"
            dialog->findChild<QLineEdit*>(QStringLiteral("bezeichnung"))
                ->setText(QStringLiteral("Haushaltskasse"));
            dialog->findChild<QLineEdit*>(QStringLiteral("abkuerzung"))
                ->setText(QStringLiteral("HK"));
            answerMessageBox(QMessageBox::Ok, &refusal);
            pressOk(dialog);
            number->setText(QStringLiteral("1400"));
            pressOk(dialog);
        });
        run(f, shell::DialogCommand::NeuesKonto);
        QCOMPARE(refusal, QStringLiteral("Ein Konto mit dieser Kontonummer existiert bereits!"));
        const ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        QVERIFY(doc.findKontoByNumber(1400));
        QVERIFY(f.child().isWindowModified());
        QVERIFY(viewShows(f.child(), "Haushaltskasse"));
    }

    // Tab leads through the category row, its button, then the sub-category row and its button.
    void theCategoryRowsAreTabbedInOrder() {
        AppFixture f;
        f.start({f.writeSample()});
        QStringList order;
        onNextModal([&order](QWidget* dialog) {
            QWidget* w = dialog->findChild<QLineEdit*>(QStringLiteral("anfangsbestand"));
            while (order.size() < 4) {
                w = w->nextInFocusChain();
                if (auto* button = qobject_cast<QPushButton*>(w))
                    order << button->text();
                else if (qobject_cast<QComboBox*>(w))
                    order << QStringLiteral("Liste");
            }
            qobject_cast<QDialog*>(dialog)->reject();
        });
        run(f, shell::DialogCommand::NeuesKonto);
        QCOMPARE(order, QStringList({QStringLiteral("Liste"), QStringLiteral("Ne&u..."),
                                     QStringLiteral("Liste"), QStringLiteral("N&eu...")}));
    }

    // The category rows line up with the account's rows above them.
    void theCategoryRowLinesUpWithTheAccountFields() {
        AppFixture f;
        f.start({f.writeSample()});
        int nameX = -1, kategorieX = -2;
        onNextModal([&](QWidget* dialog) {
            dialog->layout()->activate();
            const auto left = [dialog](const char* name) {
                return dialog->findChild<QWidget*>(QString::fromLatin1(name))
                    ->mapTo(dialog, QPoint(0, 0))
                    .x();
            };
            nameX = left("bezeichnung");
            kategorieX = left("kategorie");
            qobject_cast<QDialog*>(dialog)->reject();
        });
        run(f, shell::DialogCommand::NeuesKonto);
        QCOMPARE(kategorieX, nameX);
    }

    // The account editor widens its columns to their texts: a long name is not cut.
    void theAccountEditorShowsLongNamesWhole() {
        AppFixture f;
        f.start({f.writeSample()});
        const QString name = u"Gemeinschaftskonto Haushalt und Urlaubsrücklage der Familie"_qs;
        ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        ledger::CTWKonto bargeld = *doc.findKontoByText("Bargeld", true);
        bargeld.name = shell::toCp1252(name);
        doc.changeKonto(bargeld);
        int width = 0, needed = 1;
        qsizetype found = 0;
        onNextModal([&](QWidget* dialog) {
            auto* list = dialog->findChild<QTreeWidget*>();
            found = list->findItems(name, Qt::MatchExactly, 0).size();
            width = list->columnWidth(0);
            needed = list->fontMetrics().horizontalAdvance(name);
            qobject_cast<QDialog*>(dialog)->reject();
        });
        run(f, shell::DialogCommand::KontenEditor);
        QCOMPARE(found, qsizetype(1));
        QVERIFY2(width >= needed, qPrintable(u"%1 < %2"_qs.arg(width).arg(needed)));
    }

    void deletingAnAccountFromTheViewAsksByName() {
        AppFixture f;
        f.start({f.writeSample()});
        const int32_t bargeld = f.child().document()->ledger().findKontoByNumber(1300)->id;
        QString question;
        answerMessageBox(QMessageBox::Yes, &question);
        run(f, shell::DialogCommand::KontoLoeschen, reports::RowTag::konto(bargeld));
        QCOMPARE(question, QStringLiteral("Möchten Sie das Konto \"Bargeld\" (1300/Bar) wirklich "
                                          "löschen?"));
        QVERIFY(!f.child().document()->ledger().findKonto(bargeld));
        QVERIFY(!viewShows(f.child(), "Bargeld"));
    }

    void categoriesViewCreatesACategoryOfTheRowsKind() {
        AppFixture f;
        f.start({f.writeSample()});
        f.child().chooseViewKind(K::Kategorien);
        QString refusal;
        onNextModal([&refusal](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Neue Kategorie"));
            auto* name = dialog->findChild<QLineEdit*>();
            name->setText(QStringLiteral("WOHNEN"));
            answerMessageBox(QMessageBox::Ok, &refusal);
            pressOk(dialog);
            name->setText(QStringLiteral("Freizeit"));
            pressOk(dialog);
        });
        run(f, shell::DialogCommand::NeueKategorie,
            reports::RowTag::kontoArt(ledger::KontoArt::Ausgabenkonto));
        QCOMPARE(refusal, QStringLiteral("Diese Kategorie ist bereits vorhanden!"));
        QVERIFY(f.child().document()->ledger().findKategorieByName(ledger::KontoArt::Ausgabenkonto,
                                                                   "Freizeit"));
        QVERIFY(viewShows(f.child(), "Freizeit"));
    }

    void choosingAnAccountSetsTheWindowsSelection() {
        AppFixture f;
        f.start({f.writeSample()});
        const int32_t strom = f.child().document()->ledger().findKontoByNumber(6100)->id;
        onNextModal([](QWidget* dialog) {
            auto* tree = dialog->findChild<QTreeWidget*>();
            const auto found =
                tree->findItems(QStringLiteral("Strom"), Qt::MatchExactly | Qt::MatchRecursive);
            QCOMPARE(found.size(), 0); // asset accounts are shown first
            auto* kind = dialog->findChild<QComboBox*>();
            kind->setCurrentIndex(2);
            emit kind->activated(2);
            tree->setCurrentItem(
                tree->findItems(QStringLiteral("Strom"), Qt::MatchExactly | Qt::MatchRecursive)
                    .value(0));
            pressOk(dialog);
        });
        run(f, shell::DialogCommand::KontoKategorieAuswaehlen);
        QCOMPARE(f.child().params().selection.kind, int(reports::Selection::kKonto));
        QCOMPARE(f.child().params().selection.accountId, strom);
        QVERIFY(!f.child().isWindowModified());
    }

    void euroToolConvertsADeutscheMarkLedger() {
        AppFixture f;
        testsupport::TestLedger l = testsupport::householdLedger();
        l.doc.changeSettings([&](ledger::CTWEinstellungen& s) {
            s.euroOnly = 0;
            s.firstCurrencySymbol = "DM";
        });
        const QString path = f.dir.filePath(QStringLiteral("mark.tlw"));
        QVERIFY(ledger::saveLedgerFile(l.doc, path.toStdString()).empty());
        f.start({path});
        QStringList titles;
        confirmDialogs(3, &titles); // no recurring bookings: steps 1, 2 and 4
        run(f, shell::DialogCommand::EuroTool);
        QCOMPARE(titles, (QStringList{QStringLiteral("Euro-Tool: Doppelte Währungsbuchführung"),
                                      QStringLiteral("Euro-Tool: Kontowährung für Bestandskonten"),
                                      QStringLiteral("Euro-Tool: Buchungs-Dialog und Ansichten")}));
        const ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        QCOMPARE(doc.settings().dualCurrency, 1);
        QCOMPARE(doc.settings().secondCurrencySymbol, std::string("DM"));
        QCOMPARE(doc.accounts().front()->switchDates.size(), size_t(1));
        QVERIFY(f.child().isWindowModified());
    }
    // "Konto bearbeiten" and its "Alternative Kategoriezuordnungen...": a category chosen for
    // the first alternative reaches the account with OK of both dialogs.
    void anAlternativeChosenInItsDialogReachesTheAccount() {
        AppFixture f;
        f.start({f.writeSample()});
        const ledger::CTalwerkDoc& doc = f.child().document()->ledger();
        const int32_t miete = doc.findKontoByText("Miete", true)->id;
        QString title;
        onNextModal([&](QWidget* dialog) {
            title = dialog->windowTitle();
            onNextModal([](QWidget* alt) {
                findButton(alt, u"&Standardzuordnung verwenden"_qs)->click();
                for (QGroupBox* box : alt->findChildren<QGroupBox*>()) {
                    if (box->title() != u"Alternativzuordnung 1"_qs)
                        continue;
                    auto* kategorie = box->findChildren<QComboBox*>().front();
                    QVERIFY(kategorie->isEnabled());
                    const int index = kategorie->findText(u"Lebensmittel"_qs);
                    kategorie->setCurrentIndex(index);
                    emit kategorie->activated(index);
                }
                pressOk(alt);
            });
            findButton(dialog, u"Alter&native Kategoriezuordnungen..."_qs)->click();
            pressOk(dialog);
        });
        run(f, shell::DialogCommand::KontoBearbeiten, reports::RowTag::konto(miete));
        QCOMPARE(title, u"Konto bearbeiten"_qs);
        const ledger::CTWKonto& konto = *doc.findKontoByText("Miete", true);
        QCOMPARE(konto.alt1UseStandard, 0);
        QCOMPARE(konto.alt1Category,
                 doc.findKategorieByName(ledger::KontoArt::Ausgabenkonto, "Lebensmittel")->id);
        QVERIFY(f.child().isWindowModified());
    }
};

namespace {
Register<AccountDialogsTest> registered;
}

} // namespace shelltest

#include "account_dialogs_test.moc"
