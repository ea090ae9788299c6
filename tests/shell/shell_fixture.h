// The common ground of the desktop tests: an application over a settings file in a temporary
// directory with a fixed clock, a sample ledger file written by the tests, and answers to
// the modal dialogs the program opens.
#pragma once

#include "ledger/ledger_file.h"
#include "reports/sample_ledgers.h"
#include "shell/app/application.h"
#include "shell/qt/qt_settings_store.h"
#include "shell/window/child_frame.h"
#include "shell/window/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

namespace shelltest {

// 15.04.2024, after the last booking of the sample ledger.
inline const platform::LocalTime kNow{2024, 4, 15, 12, 0, 0};

class AppFixture {
public:
    AppFixture() : store(dir.filePath(QStringLiteral("settings.ini"))), clock(kNow) {}

    // Writes the household ledger of the report tests to the temporary directory.
    QString writeSample(const QString& name = QStringLiteral("haushalt.tlw")) {
        testsupport::TestLedger l = testsupport::householdLedger();
        const QString path = dir.filePath(name);
        if (const std::string failure = ledger::saveLedgerFile(l.doc, path.toStdString());
            !failure.empty())
            qFatal("%s", failure.c_str());
        return path;
    }

    // The application, started on the files without showing its window.
    shell::Application& start(const QStringList& files) {
        app = std::make_unique<shell::Application>(store, dir.path(), clock, recoveryFolder());
        app->start(files, false);
        return *app;
    }

    QString recoveryFolder() const { return dir.filePath(QStringLiteral("Wiederherstellung")); }

    shell::CMainFrame& window() { return *app->mainWindow(); }
    shell::CChildFrame& child() { return *app->mainWindow()->activeChild(); }

    QTemporaryDir dir;
    shell::QtSettingsStore store;
    platform::FixedClock clock;
    std::unique_ptr<shell::Application> app;
};

// Runs `act` on the next modal dialog as soon as it is open (from inside its event loop).
inline void onNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

// Answers the next message box with the button and remembers its text.
inline void answerMessageBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    onNextModal([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        if (text)
            *text = box->text();
        box->button(button)->click();
    });
}

// The button of the dialog with the text (with its "&"), or a failed test.
inline QAbstractButton* findButton(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->text() == text)
            return button;
    qFatal("no button %s", qPrintable(text));
}

inline void pressOk(QWidget* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

} // namespace shelltest
