// Start-up and exit: the settings with their defaults, the first-start demo files, the
// window placement rule and the main window without a document.
#include "shell/app/app_settings.h"
#include "shell/qt/cp1252.h"
#include "shell/window/view_bar.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

namespace shelltest {

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
        QCOMPARE(app.settings().defaultViewKind(), 1);
        QVERIFY(app.settings().placement.maximized);
        QCOMPARE(app.settings().placement.left, 50);

        // Without a document: only "&Datei", "&Ansicht" and "&Hilfe", and the view bar shows
        // no view controls.
        QCOMPARE(menuTitles(f.window().menuBar()),
                 (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Ansicht"),
                              QStringLiteral("&Hilfe")}));
        QCOMPARE(f.window().viewBar()->shownKind(), 0);
        QVERIFY(!f.window().commands().view.kinds[0]->isVisible());
        QVERIFY(f.window().commands().view.standardansicht->isVisible());
    }

    void storedDefaultViewKindsAreValidated() {
        for (const auto& [stored, expected] : {std::pair{10, 1}, {100, 1}, {101, 101}, {3, 3}}) {
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
        f.app->settings().setDefaultViewKind(8);
        QVERIFY(f.window().close());
        QCOMPARE(f.store.readInt("Settings", "StdAns", 0), 8);
        QCOMPARE(f.store.readInt("Settings", "WMax", -1), 1);
        QVERIFY(f.store.readInt("Settings", "WRight", 0) > 0);
        // The opened file became the newest recent file.
        QCOMPARE(f.store.readText("Recent File List", "File1"), file.toStdString());
    }
};

static Register<StartupTest> registerStartup;

} // namespace shelltest

#include "startup_test.moc"
