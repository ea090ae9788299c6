// Dated backups in the desktop program: a save keeps the previous file, "Datei > Sicherungen..."
// lists the backups and opens one read-only, keeps the settings, and a backup that cannot be
// made is reported in the status bar while the save is done.
#include "ledger/dokument.h"
#include "ledger/sicherungen.h"
#include "shell/window/open_ledger.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

namespace shelltest {

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kNoBackup =
    u"Die bisherige Datei konnte nicht gesichert werden; gespeichert wurde trotzdem."_qs;

} // namespace

class BackupTest : public QObject {
    Q_OBJECT
private slots:
    void aSaveKeepsThePreviousFileWhichOpensReadOnly() {
        AppFixture f;
        const QString file = f.writeSample();
        const QByteArray original = contents(file);
        f.start({file});
        shell::OpenLedger* document = f.child().document();
        f.window().commands().edit.scale[3]->trigger();
        QVERIFY(document->save(&f.window()));
        // 15.04.2024 12:00:00 is the fixture's clock.
        const QString backup = f.dir.filePath(u"Sicherungen/haushalt_2024-04-15_12-00-00.tlw"_qs);
        QCOMPARE(contents(backup), original);
        QVERIFY(f.window().statusBar()->currentMessage() != kNoBackup);

        // The dialog lists it; "Öffnen" shows it read-only in a window of its own.
        int rows = -1;
        onNextModal([&](QWidget* dlg) {
            rows = dlg->findChild<QTreeWidget*>(u"liste"_qs)->topLevelItemCount();
            dlg->findChild<QPushButton*>(u"oeffnen"_qs)->click();
        });
        f.window().commands().file.sicherungen->trigger();
        QCOMPARE(rows, 1);
        QCOMPARE(f.window().mdiArea()->subWindowList().size(), 2);
        shell::OpenLedger* opened = f.child().document();
        QVERIFY(opened != document);
        QVERIFY(opened->isReadOnly());
        QCOMPARE(opened->screenScale(), 1.0);
        QCOMPARE(f.child().windowTitle(),
                 u"haushalt_2024-04-15_12-00-00.tlw (schreibgeschützt)[*]"_qs);
        QCOMPARE(contents(backup), original);

        // "Speichern unter" starts at the ledger, and saving there restores the backup once
        // the ledger's own window is closed; the file it replaces becomes a backup in turn.
        const QByteArray changed = contents(file);
        QString suggested;
        onNextModal([&suggested](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                suggested = dialog->selectedFiles().value(0);
                dialog->reject();
            }
        });
        f.window().commands().file.speichernUnter->trigger();
        QCOMPARE(QFileInfo(suggested).absoluteFilePath(), QFileInfo(file).absoluteFilePath());
        QVERIFY(document->closeWindows(&f.window()));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(opened->saveTo(file, &f.window()));
        QVERIFY(!opened->isReadOnly());
        QCOMPARE(opened->filePath(), QFileInfo(file).absoluteFilePath());
        const std::vector<ledger::Sicherung> backups =
            ledger::listSicherungen(QFile::encodeName(file).toStdString());
        QCOMPARE(backups.size(), std::size_t(2));
        QCOMPARE(contents(QFile::decodeName(backups[0].path.c_str())), changed);
        QVERIFY(contents(file) != changed);
        QCOMPARE(opened->screenScale(), 1.0);
    }

    void theSettingsAreKeptAndAFailedBackupIsReported() {
        AppFixture f;
        const QString file = f.writeSample();
        f.start({file});
        onNextModal([](QWidget* dlg) {
            dlg->findChild<QLineEdit*>(u"anzahl"_qs)->setText(u"3"_qs);
            dlg->findChild<QLineEdit*>(u"minuten"_qs)->setText(u"5"_qs);
            qobject_cast<QDialog*>(dlg)->accept();
        });
        f.window().commands().file.sicherungen->trigger();
        QCOMPARE(f.app->settings().backupRule().keep, 3);
        QCOMPARE(f.app->settings().recoveryMinutes(), 5);

        // A file where the folder should be: the save is done and the status bar says so.
        QFile blocker(f.dir.filePath(u"Sicherungen"_qs));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        shell::OpenLedger* document = f.child().document();
        f.window().commands().edit.scale[3]->trigger();
        QVERIFY(document->save(&f.window()));
        QVERIFY(!document->isModified());
        QCOMPARE(f.window().statusBar()->currentMessage(), kNoBackup);

        // Off: no backup and no message.
        onNextModal([](QWidget* dlg) {
            dlg->findChild<QCheckBox*>(u"sichern"_qs)->setChecked(false);
            qobject_cast<QDialog*>(dlg)->accept();
        });
        f.window().commands().file.sicherungen->trigger();
        QVERIFY(!f.app->settings().backupRule().enabled);
        f.window().statusBar()->clearMessage();
        f.window().commands().edit.scale[0]->trigger();
        QVERIFY(document->save(&f.window()));
        QVERIFY(f.window().statusBar()->currentMessage() != kNoBackup);
    }
};

static Register<BackupTest> registerBackup;

} // namespace shelltest

#include "backup_test.moc"
