// The options dialog in the desktop program: F5 and the "Optionen > ..." commands open it at
// their page, OK writes every page to the document and rebuilds the views, Cancel and a
// refused OK change nothing.
#include "ledger/dokument.h"
#include "shell/window/commands.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace shelltest {

namespace {

QPushButton* button(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    return dialog->findChild<QDialogButtonBox*>()->button(which);
}

QString currentTab(QWidget* dialog) {
    auto* tabs = dialog->findChild<QTabWidget*>();
    return tabs->tabText(tabs->currentIndex());
}

// Opens the options with F5 in the view kind and returns the title of the page shown.
QString pageOfF5(AppFixture& f, reports::ViewKind viewKind) {
    f.child().chooseViewKind(viewKind);
    QString page;
    onNextModal([&page](QWidget* dialog) {
        page = currentTab(dialog);
        button(dialog, QDialogButtonBox::Cancel)->click();
    });
    f.window().commands().edit.optionen->trigger();
    return page;
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void f5OpensThePageOfTheViewKind() {
        AppFixture f;
        f.start({f.writeSample()});
        QCOMPARE(pageOfF5(f, reports::ViewKind::Konten), QStringLiteral("Konten"));
        QCOMPARE(pageOfF5(f, reports::ViewKind::KontenNachKategorien),
                 QStringLiteral("Konten n. Kat."));
        QCOMPARE(pageOfF5(f, reports::ViewKind::Buchungen), QStringLiteral("Buchungen"));
        QCOMPARE(pageOfF5(f, reports::ViewKind::Kategorien), QStringLiteral("Tabellen"));
        QVERIFY(!f.child().isWindowModified());
    }

    void aContextCommandOpensItsPage() {
        AppFixture f;
        f.start({f.writeSample()});
        QString page;
        QStringList tabs;
        onNextModal([&](QWidget* dialog) {
            page = currentTab(dialog);
            auto* widget = dialog->findChild<QTabWidget*>();
            for (int i = 0; i < widget->count(); ++i)
                tabs << widget->tabText(i);
            button(dialog, QDialogButtonBox::Cancel)->click();
        });
        shell::runDialogCommand(shell::DialogCommand::Optionen, f.child(), &f.window(), {},
                                reports::ViewKind::DiagrammGesamt);
        QCOMPARE(page, QStringLiteral("Diagramme"));
        QCOMPARE(tabs.size(), 11);
        QCOMPARE(tabs.front(), QStringLiteral("Allgemein"));
    }

    void okWritesThePagesAndCancelNothing() {
        AppFixture f;
        f.start({f.writeSample()});
        const ledger::CTalwerkDoc& doc = f.child().document()->ledger();

        QString shown;
        onNextModal([&shown](QWidget* dialog) {
            auto* spacing = dialog->findChild<QLineEdit*>(QStringLiteral("fieldSpacing"));
            spacing->setText(QStringLiteral("1,5"));
            emit spacing->editingFinished();
            shown = spacing->text();
            dialog->findChild<QLineEdit*>(QStringLiteral("accountsTitle"))
                ->setText(QStringLiteral("Verworfen"));
            button(dialog, QDialogButtonBox::Cancel)->click();
        });
        shell::runDialogCommand(shell::DialogCommand::Optionen, f.child(), &f.window(), {},
                                reports::ViewKind::Kategorien);
        QCOMPARE(shown, QStringLiteral("1,00 cm"));
        QCOMPARE(doc.settings().fieldSpacing, 10);
        QCOMPARE(doc.settings().accountsTitle, std::string("Konten (<STARTDATUM> bis <ENDDATUM>)"));
        QVERIFY(!f.child().isWindowModified());

        onNextModal([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("fieldSpacing"))
                ->setText(QStringLiteral("3 mm"));
            dialog->findChild<QLineEdit*>(QStringLiteral("accountsTitle"))
                ->setText(QStringLiteral("Alle Konten"));
            button(dialog, QDialogButtonBox::Ok)->click();
        });
        shell::runDialogCommand(shell::DialogCommand::Optionen, f.child(), &f.window(), {},
                                reports::ViewKind::Konten);
        QCOMPARE(doc.settings().fieldSpacing, 30);
        QCOMPARE(doc.settings().accountsTitle, std::string("Alle Konten"));
        QVERIFY(f.child().isWindowModified());
    }

    void aPasswordRefusesCharactersTheFileCannotHold() {
        AppFixture f;
        f.start({f.writeSample()});
        QString message;
        QString kept;
        onNextModal([&](QWidget* dialog) {
            dialog->findChild<QCheckBox*>(QStringLiteral("schutz"))->setChecked(true);
            auto* kennwort = dialog->findChild<QLineEdit*>(QStringLiteral("kennwort"));
            QTest::keyClicks(kennwort, QStringLiteral("ab"));
            answerMessageBox(QMessageBox::Ok, &message);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                            QString(QChar(0x0142))); // not in Windows-1252
            QApplication::sendEvent(kennwort, &press);
            QTRY_VERIFY(!message.isEmpty());
            kept = kennwort->text();
            button(dialog, QDialogButtonBox::Cancel)->click();
        });
        shell::runDialogCommand(shell::DialogCommand::Optionen, f.child(), &f.window(), {},
                                reports::ViewKind::Konten);
        QCOMPARE(message, QStringLiteral("Das Kennwort darf nur Zeichen enthalten, die in der "
                                         "Datei gespeichert werden können (Zeichensatz "
                                         "Windows-1252)."));
        QCOMPARE(kept, QStringLiteral("ab"));
        QVERIFY(!f.child().document()->ledger().password().isActive());
    }

    void aRefusedOkKeepsTheDialogOpenAtTheField() {
        AppFixture f;
        f.start({f.writeSample()});
        QString message;
        QString pageAfterRefusal;
        bool focused = false;
        onNextModal([&](QWidget* dialog) {
            auto* decimal = dialog->findChild<QComboBox*>(QStringLiteral("dezimaltrennzeichen"));
            decimal->setCurrentText(QStringLiteral("."));
            answerMessageBox(QMessageBox::Ok, &message);
            dialog->findChild<QTabWidget*>()->setCurrentIndex(3);
            button(dialog, QDialogButtonBox::Ok)->click();
            pageAfterRefusal = currentTab(dialog);
            focused = dialog->focusWidget() == decimal;
            button(dialog, QDialogButtonBox::Cancel)->click();
        });
        shell::runDialogCommand(shell::DialogCommand::Optionen, f.child(), &f.window(), {},
                                reports::ViewKind::Konten);
        QCOMPARE(message, QStringLiteral("Dezimaltrennzeichen und Tausendertrennzeichen dürfen "
                                         "nicht identisch sein!"));
        QCOMPARE(pageAfterRefusal, QStringLiteral("Allgemein"));
        QVERIFY(focused);
        QCOMPARE(f.child().document()->ledger().settings().decimalSeparator, ',');
        QVERIFY(!f.child().isWindowModified());
    }
};

namespace {
Register<OptionsDialogTest> registered;
}

} // namespace shelltest

#include "options_dialog_test.moc"
