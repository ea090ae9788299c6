// The application object: the program directory, the per-user settings, today's date, the
// shared printer, the main window and the recovery files of unsaved changes; start-up and exit
// in their fixed order.
#pragma once

#include "ledger/datum.h"
#include "ledger/waehrung.h"
#include "platform/clock.h"
#include "platform/settings_store.h"
#include "shell/app/app_settings.h"
#include "shell/app/command_line.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPrinter;
class QTimer;
class QWidget;

namespace shell {

class CMainFrame;
class CHelpWindow;

class Application {
public:
    // The recovery files go to recoveryFolder, by default a folder of the user's data.
    Application(platform::SettingsStore& store, QString programDir, const platform::Clock& clock,
                QString recoveryFolder = {});
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Reads the settings, creates the main window, offers to restore what a crash left in the
    // recovery files and opens the file named on the command line in the view asked for, or
    // runs "&Neu..." without one (and without a restored ledger). False when the named file
    // could not be opened; the program then ends. The window is shown unless show is false.
    bool start(const QStringList& files, bool show = true, const StartView& view = {});

    AppSettings& settings() { return settings_; }
    // Turns "An Seitenbreite anpassen" on or off and remembers it for the user.
    void setPrintFitsPageWidth(bool fits) { settings_.setPrintFitsPageWidth(store_, fits); }
    void saveRecentFiles();
    // Writes the placement and the default view kind (at exit).
    void savePlacement();
    // The backups of saving, and the interval of the recovery files; remembered for the user.
    void setBackupRule(const ledger::SicherungsRegel& rule) {
        settings_.setBackupRule(store_, rule);
    }
    void setRecoveryMinutes(int minutes);

    const QString& recoveryFolder() const { return recoveryFolder_; }
    // Writes the unsaved changes of every open ledger to its recovery file (the timer's
    // work). False when one could not be written.
    bool writeRecoveryFiles();

    const QString& programDir() const { return programDir_; }
    // The date of program start.
    ledger::CNVKDatum today() const { return today_; }
    const platform::Clock& clock() const { return clock_; }
    const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies() const {
        return nationalCurrencies_;
    }
    CMainFrame* mainWindow() const { return mainWindow_.get(); }

    // Files opened only to be looked at (the screenshot mode): neither locked nor ever saved,
    // so several such programs and an editing one can have the same file open.
    void setOpensFilesReadOnly(bool readOnly) { opensFilesReadOnly_ = readOnly; }
    bool opensFilesReadOnly() const { return opensFilesReadOnly_; }

    // The printer every print, preview and printer setup of this session uses.
    QPrinter& printer();
    void printerSetup(QWidget* parent);
    // Opens the manual, at one of its pages (a file name in help/) when given.
    void showHelp(const QString& page = {});

private:
    void restartRecoveryTimer();

    std::vector<ledger::CTWWaehrungsinfo> nationalCurrencies_;
    platform::SettingsStore& store_;
    QString programDir_;
    const platform::Clock& clock_;
    ledger::CNVKDatum today_;
    AppSettings settings_;
    std::unique_ptr<QPrinter> printer_;
    QString recoveryFolder_;
    std::unique_ptr<QTimer> recoveryTimer_;
    std::unique_ptr<CMainFrame> mainWindow_;
    bool opensFilesReadOnly_ = false;
    std::unique_ptr<CHelpWindow> help_;
};

// The application object of this process (set while an Application exists).
Application& theApp();

} // namespace shell
