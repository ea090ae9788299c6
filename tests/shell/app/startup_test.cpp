// Start-up and exit: the settings with their defaults, the first-start demo files, the
// window placement rule and the main window without a document.
#include "ledger/dokument.h"
#include "platform/version.h"
#include "shell/app/app_settings.h"
#include "shell/app/command_line.h"
#include "shell/qt/cp1252.h"
#include "shell/window/open_ledger.h"
#include "shell/window/start_hinweis.h"
#include "shell/window/view_bar.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <QToolButton>

namespace shelltest {

using K = reports::ViewKind;

namespace {

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions())
        if (action->isVisible())
            titles.append(action->text());
    return titles;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartOffersTheDemoFilesAndTheDefaults() {
        AppFixture f;
        // Without a file the program asks for the currencies of a new file; cancelling
        // leaves the main window without a document.
        onNextModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
        shell::Application& app = f.start({});
        QVERIFY(f.window().activeChild() == nullptr);

        const std::string dir = f.dir.path().toStdString();
        QCOMPARE(app.settings().recentFiles(),
                 (std::vector<std::string>{dir + "/DemoKontenplan.tlw", dir + "/DemoDatei1.tlw"}));
        QCOMPARE(f.store.readText("Recent File List", "File2"), dir + "/DemoDatei1.tlw");
        QCOMPARE(app.settings().defaultViewKind(), K::Konten);
        QVERIFY(app.settings().placement.maximized);
        QCOMPARE(app.settings().placement.left, 50);

        // Without a document: only "&Datei", "&Ansicht" and "&Hilfe", and the view bar shows
        // no view controls.
        QCOMPARE(menuTitles(f.window().menuBar()),
                 (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Ansicht"),
                              QStringLiteral("&Hilfe")}));
        QCOMPARE(f.window().viewBar()->shownKind(), std::optional<K>());
        QVERIFY(!f.window().commands().view.kinds[0]->isVisible());
        QVERIFY(f.window().commands().view.standardansicht->isVisible());
    }

    // Without a document the main window says how to begin and lists the recent files; a new
    // file starts with the household chart of accounts only when asked for.
    void anEmptyMainWindowShowsHowToBegin() {
        AppFixture f;
        bool offeredOff = false;
        onNextModal([&offeredOff](QWidget* dialog) {
            auto* chart = dialog->findChild<QCheckBox*>(u"kontenplan"_qs);
            offeredOff = chart && !chart->isChecked();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        f.start({});
        QVERIFY(offeredOff);
        auto* hint = f.window().findChild<shell::CStartHinweis*>();
        QVERIFY(hint && !hint->isHidden());
        QStringList texts;
        for (QToolButton* button : hint->findChildren<QToolButton*>())
            if (!button->isHidden())
                texts.append(button->text());
        const QString dir = f.dir.path();
        QCOMPARE(texts,
                 (QStringList{u"Neue Datei anlegen (Datei > Neu...)"_qs,
                              u"Vorhandene Datei öffnen (Datei > Öffnen...)"_qs,
                              dir + u"/DemoKontenplan.tlw"_qs, dir + u"/DemoDatei1.tlw"_qs}));

        onNextModal([](QWidget* dialog) {
            dialog->findChild<QCheckBox*>(u"kontenplan"_qs)->setChecked(true);
            qobject_cast<QDialog*>(dialog)->accept();
        });
        hint->findChildren<QToolButton*>().first()->click();
        QVERIFY(hint->isHidden());
        const ledger::CTalwerkDoc& started = f.child().document()->ledger();
        QCOMPARE(started.accounts().size(), size_t(29));
        QVERIFY(!f.child().document()->isModified());

        f.window().commands().file.schliessen->trigger();
        QApplication::processEvents();
        QVERIFY(!hint->isHidden());
    }

    void storedDefaultViewKindsAreValidated() {
        for (const auto& [stored, expected] : {std::pair{10, K::Konten},
                                               {100, K::Konten},
                                               {101, K::DiagrammGesamt},
                                               {3, K::KontenNachKategorien}}) {
            AppFixture f;
            f.store.writeInt("Settings", "StdAns", stored);
            const QString file = f.writeSample();
            f.start({file});
            QCOMPARE(f.app->settings().defaultViewKind(), expected);
            QCOMPARE(f.child().viewKind(), expected);
        }
    }

    void placementIsMovedAndNarrowedOntoTheScreen() {
        using shell::PixelRect;
        shell::WindowPlacement p{false, -20, 700, 30, 500};
        QCOMPARE(shell::placeWindow(p, 1024, 768), (PixelRect{0, 30, 720, 470}));
        p = {false, 100, 1300, 50, 700}; // wider than the screen
        QCOMPARE(shell::placeWindow(p, 1024, 768), (PixelRect{0, 50, 1024, 650}));
        p = {false, 800, 1200, 400, 900}; // runs over the right and bottom edges
        QCOMPARE(shell::placeWindow(p, 1024, 768), (PixelRect{625, 269, 400, 500}));
    }

    void inputWidgetsAcceptOnlyWindows1252() {
        shell::Cp1252InputGuard guard;
        qApp->installEventFilter(&guard);
        QLineEdit edit;
        edit.show();
        edit.setFocus();
        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(&edit, &focus); // the guard's hook
        for (const QChar ch : QStringLiteral("Aä€Ωœ")) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(&edit, &key);
        }
        QCOMPARE(edit.text(), QStringLiteral("Aä€œ"));
        // Pasted text is checked by the validator the guard gave the field.
        edit.clear();
        edit.insert(QStringLiteral("Straße 中"));
        QVERIFY(edit.text().isEmpty());
        QCOMPARE(shell::toCp1252(QStringLiteral("Müller €")), std::string("M\xFCller \x80"));
        QCOMPARE(shell::toQString("M\xFCller \x80"), QStringLiteral("Müller €"));
        qApp->removeEventFilter(&guard);
    }

    void exitWritesPlacementAndDefaultView() {
        AppFixture f;
        const QString file = f.writeSample();
        f.start({file});
        f.app->settings().setDefaultViewKind(K::Kategorien);
        QVERIFY(f.window().close());
        QCOMPARE(f.store.readInt("Settings", "StdAns", 0), 8);
        QCOMPARE(f.store.readInt("Settings", "WMax", -1), 1);
        QVERIFY(f.store.readInt("Settings", "WRight", 0) > 0);
        // The opened file became the newest recent file.
        QCOMPARE(f.store.readText("Recent File List", "File1"), file.toStdString());
    }

    // "--help" and "--version" answer on the terminal, even where no display is reachable.
    void helpAndVersionAreAnsweredWithoutADisplay() {
        struct Case {
            QString option;
            QStringList expected;
        };
        const Case cases[] = {
            {u"--help"_qs,
             {u"Aufruf: talerwerk [--view N] [--from TT.MM.JJJJ] [--to TT.MM.JJJJ] [DATEI.tlw]"_qs,
              u"--screenshot BILD.png"_qs, u"--view N"_qs, u"2 Buchungen"_qs,
              u"102 Diagramm - Konto/Kat."_qs, u"--from TT.MM.JJJJ"_qs, u"--version"_qs}},
            {u"--version"_qs,
             {u"Talerwerk Version "_qs + QString::fromLatin1(platform::kProgramVersion) +
              u"\n"_qs}},
        };
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        for (const Case& c : cases) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(TALERWERK_PROGRAM), {c.option});
            QVERIFY(program.waitForFinished(60000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            const QString out = QString::fromUtf8(program.readAllStandardOutput());
            for (const QString& text : c.expected)
                QVERIFY2(out.contains(text), qPrintable(c.option + u": "_qs + out));
        }
        QCOMPARE(shell::parseCommandLine({u"--hilfe"_qs}).error, u"Unbekannte Option: --hilfe"_qs);
    }
};

static Register<StartupTest> registerStartup;

} // namespace shelltest

#include "startup_test.moc"
