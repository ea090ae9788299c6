#include "shell/app/application.h"

#include "reports/report_params.h"
#include "shell/accounts/account_commands.h"
#include "shell/app/help_window.h"
#include "shell/bookings/booking_commands.h"
#include "shell/options/optionen_dlg.h"
#include "shell/views/view_commands.h"
#include "shell/window/child_frame.h"
#include "shell/window/main_window.h"

#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>

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

Application::Application(platform::SettingsStore& store, QString programDir,
                         const platform::Clock& clock)
    : nationalCurrencies_(ledger::buildNationalCurrencyTable()), store_(store),
      programDir_(std::move(programDir)), clock_(clock), today_(ledger::CNVKDatum::today(clock)) {
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

    if (files.isEmpty())
        mainWindow_->newFile();
    else if (!mainWindow_->openFile(files.first()))
        return false;
    else if (CChildFrame* child = mainWindow_->activeChild())
        showStartView(*child, view);

    if (show) {
        if (placement.maximized)
            mainWindow_->showMaximized();
        else
            mainWindow_->show();
    }
    return true;
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
