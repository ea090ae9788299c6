// Recovery after a crash: unsaved changes are written to a recovery file, which goes away on
// saving, on undoing back to the saved state and on closing without saving; files a crash
// left are offered on the next start, restored with their changes unsaved, or discarded.
#include "ledger/dokument.h"
#include "ledger/file_write.h"
#include "ledger/ledger_store.h"
#include "shell/app/recovery.h"
#include "shell/window/open_ledger.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <chrono>

namespace shelltest {

namespace {

QStringList filesIn(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.sort();
    return names;
}

// What a crash leaves: the files of a writer that no longer holds them.
void leaveAsCrashed(const QString& folder, const QString& key, const QString& as) {
    for (const QString& extension : {u".tlw"_qs, u".json"_qs})
        QVERIFY(QFile::copy(QDir(folder).filePath(key + extension),
                            QDir(folder).filePath(as + extension)));
}

// Answers the next recovery question with the button of the text, and counts the questions.
void answerRecovery(const QString& button, int* asked, QString* text = nullptr) {
    onNextModal([=](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        ++*asked;
        if (text)
            *text = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button)
                b->click();
    });
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void unsavedChangesAreWrittenAndRemovedWithTheirReason() {
        AppFixture f;
        const QString file = f.writeSample();
        f.start({file});
        const QString folder = f.recoveryFolder();
        shell::OpenLedger* document = f.child().document();
        QCOMPARE(f.app->settings().recoveryMinutes(), 2);

        // Nothing unsaved: nothing written.
        QVERIFY(f.app->writeRecoveryFiles());
        QVERIFY(filesIn(folder).isEmpty());

        f.window().commands().edit.scale[3]->trigger();
        QVERIFY(f.app->writeRecoveryFiles());
        const QString key = document->recovery()->key();
        QCOMPARE(filesIn(folder),
                 (QStringList{key + u".json"_qs, key + u".lock"_qs, key + u".tlw"_qs}));
        QFile written(QDir(folder).filePath(key + u".tlw"_qs));
        // Private to the user like the folder, whatever the umask.
        QCOMPARE(written.permissions() & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(QFileInfo(folder).permissions() &
                     ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const std::vector<std::uint8_t> bytes = ledger::writeLedgerFile(document->ledger());
        QCOMPARE(written.readAll(), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<qsizetype>(bytes.size())));
        // A running program's files are not offered.
        QVERIFY(shell::findRecoveries(folder).empty());

        // Undone to the saved state: removed at the next turn.
        f.window().commands().edit.rueckgaengig->trigger();
        QVERIFY(f.app->writeRecoveryFiles());
        QVERIFY(filesIn(folder).isEmpty());

        // Saved: removed at once.
        f.window().commands().edit.scale[3]->trigger();
        QVERIFY(f.app->writeRecoveryFiles());
        QCOMPARE(filesIn(folder).size(), 3);
        QVERIFY(document->saveTo(file, &f.window()));
        QVERIFY(filesIn(folder).isEmpty());

        // Closed without saving: removed.
        f.window().commands().edit.scale[0]->trigger();
        QVERIFY(f.app->writeRecoveryFiles());
        QCOMPARE(filesIn(folder).size(), 3);
        answerMessageBox(QMessageBox::No);
        QVERIFY(f.window().closeAllDocuments());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(filesIn(folder).isEmpty());
    }

    void whatACrashLeftIsOfferedRestoredOrDiscarded() {
        AppFixture f;
        const QString file = f.writeSample();
        f.start({file});
        const QString folder = f.recoveryFolder();
        f.window().commands().edit.scale[3]->trigger();
        QVERIFY(f.app->writeRecoveryFiles());
        const QString key = f.child().document()->recovery()->key();
        leaveAsCrashed(folder, key, u"absturz"_qs);
        f.app.reset(); // the orderly end removes only the program's own files
        QCOMPARE(filesIn(folder), (QStringList{u"absturz.json"_qs, u"absturz.tlw"_qs}));

        // "Später" keeps the files for the next start.
        int asked = 0;
        QString text;
        answerRecovery(u"Später"_qs, &asked, &text);
        f.start({file});
        QCOMPARE(asked, 1);
        QVERIFY(text.contains(u"\u201Ehaushalt.tlw\u201C"_qs));
        QVERIFY(text.contains(u"15.04.2024 um 12:00 Uhr"_qs));
        QVERIFY(!f.child().document()->isModified());
        f.app.reset();
        QCOMPARE(filesIn(folder).size(), 2);

        // "Wiederherstellen": the ledger with its changes, unsaved, under its path.
        answerRecovery(u"Wiederherstellen"_qs, &asked);
        f.start({});
        QCOMPARE(asked, 2);
        QCOMPARE(f.window().mdiArea()->subWindowList().size(), 1);
        shell::OpenLedger* restored = f.child().document();
        QCOMPARE(restored->screenScale(), 1.25);
        QVERIFY(restored->isModified());
        QVERIFY(f.child().isWindowModified());
        QCOMPARE(restored->filePath(), QFileInfo(file).absoluteFilePath());
        // It takes the files over, writes them again, and saving removes them.
        QCOMPARE(restored->recovery()->key(), u"absturz"_qs);
        QVERIFY(shell::findRecoveries(folder).empty());
        QVERIFY(restored->saveTo(file, &f.window()));
        QVERIFY(filesIn(folder).isEmpty());
        f.app.reset();

        // "Verwerfen" removes them.
        f.start({file});
        f.window().commands().edit.scale[0]->trigger();
        QVERIFY(f.app->writeRecoveryFiles());
        leaveAsCrashed(folder, f.child().document()->recovery()->key(), u"weg"_qs);
        answerMessageBox(QMessageBox::No);
        QVERIFY(f.window().closeAllDocuments());
        f.app.reset();
        answerRecovery(u"Verwerfen"_qs, &asked);
        f.start({file});
        QCOMPARE(asked, 3);
        QVERIFY(filesIn(folder).isEmpty());
    }

    void aLedgerOpenedReadOnlyIsRestoredWithoutItsPath() {
        AppFixture f;
        const QString file = f.writeSample();
        // Another program edits the file: it opens read-only.
        ledger::LedgerStore other(QFile::encodeName(file).toStdString());
        QCOMPARE(QString::fromStdString(other.lock(std::chrono::milliseconds(0))), QString());
        answerMessageBox(QMessageBox::Yes);
        f.start({file});
        QVERIFY(f.child().document()->isReadOnly());
        f.window().commands().edit.scale[3]->trigger();
        QVERIFY(f.app->writeRecoveryFiles());
        leaveAsCrashed(f.recoveryFolder(), f.child().document()->recovery()->key(), u"nurlesen"_qs);
        answerMessageBox(QMessageBox::No);
        QVERIFY(f.window().closeAllDocuments());
        f.app.reset();
        other.unlock();

        int asked = 0;
        answerRecovery(u"Wiederherstellen"_qs, &asked);
        f.start({});
        QCOMPARE(asked, 1);
        shell::OpenLedger* restored = f.child().document();
        QVERIFY(restored->isModified());
        QCOMPARE(restored->filePath(), QString());
        QCOMPARE(restored->displayName(), u"haushalt.tlw"_qs);
        QCOMPARE(restored->screenScale(), 1.25);
        QString suggested;
        onNextModal([&suggested](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                suggested = dialog->selectedFiles().value(0);
                dialog->reject();
            }
        });
        QVERIFY(!restored->saveAs(&f.window()));
        QCOMPARE(QFileInfo(suggested).fileName(), u"haushalt.tlw"_qs);
    }
};

static Register<RecoveryTest> registerRecovery;

} // namespace shelltest

#include "recovery_test.moc"
