#include "shell/app/application.h"

#include "reports/report_params.h"
#include "shell/accounts/account_commands.h"
#include "shell/app/help_window.h"
#include "shell/app/recovery.h"
#include "shell/bookings/booking_commands.h"
#include "shell/options/optionen_dlg.h"
#include "shell/views/view_commands.h"
#include "shell/window/child_frame.h"
#include "shell/window/main_window.h"
#include "shell/window/open_ledger.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace shell {

namespace {

Application* current = nullptr;

// Set before the window is shown, so that the view is built once, in its final form.
void showStartView(CChildFrame& child, const StartView& view) {
    if (view.viewKind)
        child.chooseViewKind(*view.viewKind);
    if (!view.from && !view.to)
        return;
    ledger::CNVKDatum start = view.from.value_or(child.params().start);
    ledger::CNVKDatum end = view.to.value_or(child.params().end);
    // A single given day wins over the other end of the file's own period.
    if (end < start) {
        if (view.from)
            end = start;
        else
            start = end;
    }
    child.setPeriod(start, end);
}

} // namespace

Application& theApp() {
    return *current;
}

namespace {

QDateTime toQDateTime(const platform::LocalTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

enum class RecoveryChoice { Restore, Discard, Later };

RecoveryChoice askAboutRecovery(const FoundRecovery& found, QWidget* parent) {
    const QString where = found.ledgerPath.isEmpty()
                              ? u"\u201E%1\u201C (nie gespeichert)"_qs.arg(found.name)
                              : u"\u201E%1\u201C (%2)"_qs.arg(found.name, found.ledgerPath);
    QMessageBox box(QMessageBox::Question, u"Talerwerk"_qs,
                    u"Talerwerk wurde nicht ordnungsgemäß beendet. Von %1 gibt es nicht "
                    u"gespeicherte Änderungen, zuletzt gesichert am %2."_qs.arg(
                        where, found.written.toString(u"dd.MM.yyyy 'um' HH:mm 'Uhr'"_qs)),
                    QMessageBox::NoButton, parent);
    QPushButton* restore = box.addButton(u"Wiederherstellen"_qs, QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(u"Verwerfen"_qs, QMessageBox::DestructiveRole);
    box.addButton(u"Später"_qs, QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore)
        return RecoveryChoice::Restore;
    return box.clickedButton() == discard ? RecoveryChoice::Discard : RecoveryChoice::Later;
}

} // namespace

Application::Application(platform::SettingsStore& store, QString programDir,
                         const platform::Clock& clock, QString recoveryFolder)
    : nationalCurrencies_(ledger::buildNationalCurrencyTable()), store_(store),
      programDir_(std::move(programDir)), clock_(clock), today_(ledger::CNVKDatum::today(clock)),
      recoveryFolder_(recoveryFolder.isEmpty() ? defaultRecoveryFolder()
                                               : std::move(recoveryFolder)),
      recoveryTimer_(std::make_unique<QTimer>()) {
    QObject::connect(recoveryTimer_.get(), &QTimer::timeout, [this] {
        if (!writeRecoveryFiles() && mainWindow_)
            mainWindow_->statusBar()->showMessage(
                u"Die nicht gespeicherten Änderungen konnten nicht für eine Wiederherstellung "
                u"gesichert werden."_qs);
    });
    current = this;
    registerAccountCommands();
    registerBookingCommands();
    registerOptionsCommands();
    registerViewCommands();
}

Application::~Application() {
    mainWindow_.reset();
    current = nullptr;
}

bool Application::start(const QStringList& files, bool show, const StartView& view) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    settings_.load(store_, programDir_.toStdString(), screen.width(), screen.height());

    mainWindow_ = std::make_unique<CMainFrame>(*this);
    const WindowPlacement placement = settings_.placement;
    const PixelRect r = placeWindow(placement, screen.width(), screen.height());
    mainWindow_->setGeometry(r.x, r.y, r.width, r.height);

    // The screenshot mode only looks at files: it neither offers nor writes recovery files.
    bool restored = false;
    const std::vector<FoundRecovery> recoveries =
        opensFilesReadOnly_ ? std::vector<FoundRecovery>() : findRecoveries(recoveryFolder_);
    for (const FoundRecovery& found : recoveries) {
        switch (askAboutRecovery(found, mainWindow_.get())) {
        case RecoveryChoice::Restore:
            restored = mainWindow_->openRecovered(found, recoveryFolder_) || restored;
            break;
        case RecoveryChoice::Discard:
            discardRecovery(recoveryFolder_, found.key);
            break;
        case RecoveryChoice::Later:
            break;
        }
    }
    if (!files.isEmpty()) {
        if (!mainWindow_->openFile(files.first()))
            return false;
        if (CChildFrame* child = mainWindow_->activeChild())
            showStartView(*child, view);
    } else if (!restored) {
        mainWindow_->newFile();
    }
    restartRecoveryTimer();

    if (show) {
        if (placement.maximized)
            mainWindow_->showMaximized();
        else
            mainWindow_->show();
    }
    return true;
}

void Application::setRecoveryMinutes(int minutes) {
    settings_.setRecoveryMinutes(store_, minutes);
    restartRecoveryTimer();
}

void Application::restartRecoveryTimer() {
    if (settings_.recoveryMinutes() > 0 && !opensFilesReadOnly_)
        recoveryTimer_->start(settings_.recoveryMinutes() * 60 * 1000);
    else
        recoveryTimer_->stop();
}

bool Application::writeRecoveryFiles() {
    bool ok = true;
    if (mainWindow_)
        for (OpenLedger* document : mainWindow_->openDocuments())
            ok = document->writeRecovery(recoveryFolder_, toQDateTime(clock_.now())) && ok;
    return ok;
}

void Application::saveRecentFiles() {
    settings_.saveRecentFiles(store_);
}

void Application::savePlacement() {
    settings_.savePlacement(store_);
}

QPrinter& Application::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void Application::printerSetup(QWidget* parent) {
    QPageSetupDialog dialog(&printer(), parent);
    dialog.setWindowTitle(u"Druckereinrichtung"_qs);
    dialog.exec();
}

void Application::showHelp(const QString& page) {
    if (!help_)
        help_ = std::make_unique<CHelpWindow>(programDir_);
    if (!page.isEmpty())
        help_->showPage(page);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

} // namespace shell
