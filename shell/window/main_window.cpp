#include "shell/window/main_window.h"

#include "reports/view_kinds.h"
#include "shell/app/application.h"
#include "shell/app/info_dlg.h"
#include "shell/views/talwerk_view.h"
#include "shell/window/child_frame.h"
#include "shell/window/ledger_history.h"
#include "shell/window/open_ledger.h"
#include "shell/window/sicherungen_dlg.h"
#include "shell/window/standardansicht_dlg.h"
#include "shell/window/start_hinweis.h"
#include "shell/window/view_bar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QSessionManager>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace shell {

namespace {

const QString kFileFilter = u"Talerwerk-Dateien (*.tlw);;Alle Dateien (*)"_qs;

std::vector<QString> droppedFiles(const QMimeData* mime) {
    std::vector<QString> files;
    if (mime && mime->hasUrls())
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile())
                files.push_back(url.toLocalFile());
    return files;
}

} // namespace

CMainFrame::CMainFrame(Application& app) : app_(app), mdiArea_(new QMdiArea(this)) {
    setWindowTitle(u"Talerwerk"_qs);
    setAcceptDrops(true);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::updateMenus);

    createActions();
    createMenus();
    createBars();
    startHinweis_ = new CStartHinweis(commands_->file, mdiArea_->viewport());
    updateRecentFileActions();
    updateMenus();
    // Logging out ends the program as "&Beenden" does: one question per changed ledger, and
    // a cancel there cancels the logout.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (manager.allowsInteraction() && !close())
            manager.cancel();
    });
}

CMainFrame::~CMainFrame() {
    // The windows go first, while this object is still whole: their teardown must not
    // reach updateMenus() of a half-destroyed main window.
    mdiArea_->blockSignals(true);
    delete mdiArea_;
}

void CMainFrame::createActions() {
    commands_ = std::make_unique<Commands>(this);
    connectFileCommands();
    connectViewCommands();
    connectWindowCommands();
    connectDialogCommands();
    connect(commands_->help.inhalt, &QAction::triggered, this, [this] { app_.showHelp(); });
    connect(commands_->help.info, &QAction::triggered, this, [this] { CInfoDlg(this).exec(); });
}

void CMainFrame::connectFileCommands() {
    const FileCommands& file = commands_->file;
    connect(file.neu, &QAction::triggered, this, &CMainFrame::newFile);
    connect(file.oeffnen, &QAction::triggered, this, &CMainFrame::open);
    connect(file.schliessen, &QAction::triggered, this, &CMainFrame::closeDocument);
    connect(file.speichern, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->document()->save(this);
    });
    connect(file.speichernUnter, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->document()->saveAs(this);
    });
    connect(file.sicherungen, &QAction::triggered, this, &CMainFrame::showBackups);
    connect(file.drucken, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->activeView()->print();
    });
    connect(file.seitenansicht, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->activeView()->printPreview();
    });
    connect(file.druckereinrichtung, &QAction::triggered, this,
            [this] { app_.printerSetup(this); });
    for (QAction* recent : file.recent)
        connect(recent, &QAction::triggered, this,
                [this, recent] { openFile(recent->data().toString()); });
    connect(file.beenden, &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::connectViewCommands() {
    const ViewCommands& view = commands_->view;
    for (QAction* kind : view.kinds)
        connect(kind, &QAction::triggered, this, [this, kind] {
            if (CChildFrame* child = activeChild())
                child->chooseViewKind(kind->data().value<reports::ViewKind>());
        });
    connect(view.zurueck, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->goBack();
    });
    connect(view.ohneVorlaeufige, &QAction::triggered, this, [this](bool checked) {
        if (CChildFrame* child = activeChild())
            child->setWithoutProvisional(checked);
    });
    for (int i = 0; i < 3; ++i)
        connect(view.grouping[i], &QAction::triggered, this, [this, i] {
            if (CChildFrame* child = activeChild())
                child->setGrouping(i);
        });
    const EditCommands& edit = commands_->edit;
    connect(edit.rueckgaengig, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->document()->undo();
    });
    connect(edit.wiederholen, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->document()->redo();
    });
    for (size_t i = 0; i < kScreenScales.size(); ++i)
        connect(edit.scale[i], &QAction::triggered, this, [this, i] {
            if (CChildFrame* child = activeChild())
                child->document()->setScreenScale(kScreenScales[i].factor);
        });
    connect(view.standardansicht, &QAction::triggered, this, [this] {
        CStandardansichtDlg dialog(app_.settings().defaultViewKind(), this);
        if (dialog.exec() == QDialog::Accepted)
            app_.settings().setDefaultViewKind(dialog.selectedKind());
    });
    connect(view.kopierenZwischenablage, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->activeView()->copyToClipboard();
    });
    connect(view.kopierenTextdatei, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->activeView()->copyToTextFile();
    });
    connect(view.diagrammSpeichern, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->activeView()->saveChartAs();
    });
}

void CMainFrame::connectWindowCommands() {
    const WindowCommands& window = commands_->window;
    connect(window.neuesFenster, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            createChild(child->document());
    });
    connect(window.ueberlappend, &QAction::triggered, mdiArea_, &QMdiArea::cascadeSubWindows);
    connect(window.uebereinander, &QAction::triggered, this,
            [this] { tileSubWindows(Qt::Vertical); });
    connect(window.nebeneinander, &QAction::triggered, this,
            [this] { tileSubWindows(Qt::Horizontal); });
    connect(window.symboleAnordnen, &QAction::triggered, this, &CMainFrame::arrangeIcons);
    connect(window.teilen, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            child->split();
    });
}

void CMainFrame::connectDialogCommands() {
    const EditCommands& edit = commands_->edit;
    dialogActions_ = {{edit.neueBuchung, DialogCommand::NeueBuchung},
                      {edit.buchungsEditor, DialogCommand::BuchungsEditor},
                      {edit.faelligeBuchungen, DialogCommand::FaelligeBuchungen},
                      {edit.regelmaessigeBuchungen, DialogCommand::RegelmaessigeBuchungen},
                      {edit.importieren, DialogCommand::BuchungenImportieren},
                      {edit.neuesKonto, DialogCommand::NeuesKonto},
                      {edit.kontenEditor, DialogCommand::KontenEditor},
                      {edit.kategorieEditor, DialogCommand::KategorieEditor},
                      {edit.euroTool, DialogCommand::EuroTool}};
    for (const auto& [action, command] : dialogActions_)
        connect(action, &QAction::triggered, this, [this, command] { runDialog(command); });
    // "&Optionen..." opens the page of the current view kind.
    dialogActions_.emplace_back(edit.optionen, DialogCommand::Optionen);
    connect(edit.optionen, &QAction::triggered, this, [this] {
        if (CChildFrame* child = activeChild())
            runDialog(DialogCommand::Optionen, reports::optionsPage(child->viewKind()));
    });
}

void CMainFrame::runDialog(DialogCommand command, std::optional<reports::ViewKind> optionsPage) {
    if (CChildFrame* child = activeChild())
        runDialogCommand(command, *child, this, {}, optionsPage);
}

void CMainFrame::createMenus() {
    const Commands& c = *commands_;
    fileMenu_ = menuBar()->addMenu(u"&Datei"_qs);
    fileMenu_->addActions({c.file.neu, c.file.oeffnen, c.file.schliessen});
    fileMenu_->addSeparator();
    fileMenu_->addActions({c.file.speichern, c.file.speichernUnter, c.file.sicherungen});
    documentOnly_.push_back(fileMenu_->addSeparator());
    fileMenu_->addActions({c.file.drucken, c.file.seitenansicht, c.file.druckereinrichtung});
    fileMenu_->addSeparator();
    recentPlaceholder_ = fileMenu_->addAction(u"Letzte Datei"_qs);
    recentPlaceholder_->setEnabled(false);
    for (QAction* recent : c.file.recent)
        fileMenu_->addAction(recent);
    fileMenu_->addSeparator();
    fileMenu_->addAction(c.file.beenden);
    documentOnly_.insert(documentOnly_.end(),
                         {c.file.schliessen, c.file.speichern, c.file.speichernUnter,
                          c.file.sicherungen, c.file.drucken, c.file.seitenansicht});

    editMenu_ = menuBar()->addMenu(u"&Bearbeiten"_qs);
    editMenu_->addActions({c.edit.rueckgaengig, c.edit.wiederholen});
    editMenu_->addSeparator();
    editMenu_->addActions({c.edit.neueBuchung, c.edit.buchungsEditor});
    editMenu_->addSeparator();
    editMenu_->addActions({c.edit.faelligeBuchungen, c.edit.regelmaessigeBuchungen});
    editMenu_->addSeparator();
    editMenu_->addAction(c.edit.importieren);
    editMenu_->addSeparator();
    editMenu_->addActions({c.edit.neuesKonto, c.edit.kontenEditor, c.edit.kategorieEditor});
    editMenu_->addSeparator();
    editMenu_->addAction(c.edit.euroTool);
    editMenu_->addSeparator();
    editMenu_->addAction(c.edit.optionen);
    QMenu* scale = editMenu_->addMenu(u"Bilds&chirmschriftgröße"_qs);
    for (QAction* action : c.edit.scale)
        scale->addAction(action);
    documentOnly_.push_back(editMenu_->menuAction());

    viewMenu_ = menuBar()->addMenu(u"&Ansicht"_qs);
    for (size_t i = 0; i < c.view.kinds.size(); ++i) {
        viewMenu_->addAction(c.view.kinds[i]);
        documentOnly_.push_back(c.view.kinds[i]);
        // Separators after the accounts, booking, comparison, categories and table groups.
        if (i == 1 || i == 4 || i == 5 || i == 6 || i == 8)
            documentOnly_.push_back(viewMenu_->addSeparator());
    }
    documentOnly_.push_back(viewMenu_->addSeparator());
    viewMenu_->addAction(c.view.ohneVorlaeufige);
    documentOnly_.push_back(viewMenu_->addSeparator());
    for (QAction* grouping : c.view.grouping)
        viewMenu_->addAction(grouping);
    documentOnly_.push_back(viewMenu_->addSeparator());
    documentOnly_.insert(documentOnly_.end(),
                         {c.view.ohneVorlaeufige, c.view.grouping[0], c.view.grouping[1],
                          c.view.grouping[2], c.view.kopierenZwischenablage,
                          c.view.kopierenTextdatei});
    viewMenu_->addAction(c.view.standardansicht);
    viewMenu_->addSeparator();
    viewMenu_->addActions(
        {c.view.kopierenZwischenablage, c.view.kopierenTextdatei, c.view.diagrammSpeichern});
    documentOnly_.push_back(viewMenu_->addSeparator());
    viewMenu_->addActions({c.view.symbolleiste, c.view.dialogleiste, c.view.statusleiste});

    windowMenu_ = menuBar()->addMenu(u"&Fenster"_qs);
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::updateWindowMenu);
    updateWindowMenu();
    documentOnly_.push_back(windowMenu_->menuAction());

    QMenu* help = menuBar()->addMenu(u"&Hilfe"_qs);
    help->addAction(c.help.inhalt);
    help->addSeparator();
    help->addAction(c.help.info);
}

void CMainFrame::createBars() {
    const Commands& c = *commands_;
    toolBar_ = addToolBar(u"Symbolleiste"_qs);
    toolBar_->setObjectName(u"Symbolleiste"_qs);
    toolBar_->addActions({c.file.neu, c.file.oeffnen, c.file.speichern});
    toolBar_->addSeparator();
    toolBar_->addAction(c.view.zurueck);
    toolBar_->addSeparator();
    toolBar_->addAction(c.help.inhalt);

    viewBar_ = new CViewBar(this);
    addToolBar(viewBar_);
    connectViewBar();

    // The idle text returns whenever a status tip goes away.
    statusBar()->showMessage(u"Bereit"_qs);
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty())
            statusBar()->showMessage(u"Bereit"_qs);
    });

    const std::pair<QAction*, QWidget*> toggles[] = {{c.view.symbolleiste, toolBar_},
                                                     {c.view.dialogleiste, viewBar_},
                                                     {c.view.statusleiste, statusBar()}};
    for (const auto& [action, bar] : toggles) {
        action->setChecked(true);
        connect(action, &QAction::toggled, bar, &QWidget::setVisible);
    }
    connect(toolBar_, &QToolBar::visibilityChanged, c.view.symbolleiste, &QAction::setChecked);
    connect(viewBar_, &QToolBar::visibilityChanged, c.view.dialogleiste, &QAction::setChecked);
}

void CMainFrame::connectViewBar() {
    auto toChild = [this](auto member) {
        return [this, member](auto value) {
            if (CChildFrame* child = activeChild())
                (child->*member)(value);
        };
    };
    connect(viewBar_, &CViewBar::viewKindChosen, this, toChild(&CChildFrame::chooseViewKind));
    connect(viewBar_, &CViewBar::startDateChosen, this, toChild(&CChildFrame::setStartDate));
    connect(viewBar_, &CViewBar::endDateChosen, this, toChild(&CChildFrame::setEndDate));
    connect(viewBar_, &CViewBar::periodKindChosen, this, toChild(&CChildFrame::setPeriodKind));
    connect(viewBar_, &CViewBar::valueKindChosen, this, toChild(&CChildFrame::setValueKind));
    connect(viewBar_, &CViewBar::currencyChosen, this, toChild(&CChildFrame::setCurrency));
    connect(viewBar_, &CViewBar::filterChosen, this, toChild(&CChildFrame::setFilterIndex));
    connect(viewBar_, &CViewBar::selectRequested, this, [this] {
        if (CChildFrame* child = activeChild())
            runDialog(selectionCommand(child->viewKind()));
    });
    connect(viewBar_, &CViewBar::editFilterRequested, this,
            [this] { runDialog(DialogCommand::FilterDefinieren); });
}

bool CMainFrame::anyWindowOpen() const {
    // A closed window stays in the list, hidden, until it is deleted.
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QMdiSubWindow* window) { return !window->isHidden(); });
}

CChildFrame* CMainFrame::activeChild() const {
    if (QMdiSubWindow* window = mdiArea_->currentSubWindow())
        return qobject_cast<CChildFrame*>(window->widget());
    return nullptr;
}

void CMainFrame::updateMenus() {
    CChildFrame* child = activeChild();
    const bool hasDocument = child != nullptr;
    for (QAction* action : documentOnly_)
        action->setVisible(hasDocument);
    startHinweis_->refresh(anyWindowOpen());

    const Commands& c = *commands_;
    // Without a document every kind-dependent command is off, as for a kind that has none.
    const reports::ViewKindInfo* kind =
        hasDocument ? &reports::viewKindInfo(child->viewKind()) : nullptr;
    const bool tableShown = kind && !kind->chart;
    const bool chartShown = kind && kind->chart;
    for (QAction* action :
         {c.file.schliessen, c.file.speichern, c.file.speichernUnter, c.file.sicherungen})
        action->setEnabled(hasDocument);
    for (QAction* action : {c.file.drucken, c.file.seitenansicht})
        action->setEnabled(hasDocument);
    for (QAction* action : {c.view.kopierenZwischenablage, c.view.kopierenTextdatei})
        action->setEnabled(tableShown);
    c.view.diagrammSpeichern->setEnabled(chartShown);

    for (size_t i = 0; i < reports::kViewKinds.size(); ++i) {
        c.view.kinds[i]->setEnabled(hasDocument);
        c.view.kinds[i]->setChecked(kind == &reports::kViewKinds[i]);
    }
    c.view.zurueck->setEnabled(hasDocument && child->canGoBack());
    c.view.ohneVorlaeufige->setEnabled(kind && kind->commands.withoutProvisional);
    c.view.ohneVorlaeufige->setChecked(hasDocument && child->withoutProvisional());
    for (int i = 0; i < 3; ++i) {
        c.view.grouping[i]->setEnabled(kind && kind->commands.grouping);
        c.view.grouping[i]->setChecked(hasDocument && child->grouping() == i);
    }
    for (size_t i = 0; i < kScreenScales.size(); ++i) {
        c.edit.scale[i]->setEnabled(hasDocument);
        c.edit.scale[i]->setChecked(hasDocument && std::abs(child->document()->screenScale() -
                                                            kScreenScales[i].factor) < 1e-9);
    }
    const LedgerHistory* history = hasDocument ? &child->document()->history() : nullptr;
    c.edit.rueckgaengig->setEnabled(history && history->canUndo());
    c.edit.rueckgaengig->setText(undoLabel(history ? history->undoText() : QString()));
    c.edit.wiederholen->setEnabled(history && history->canRedo());
    c.edit.wiederholen->setText(redoLabel(history ? history->redoText() : QString()));
    for (QAction* action : {c.window.neuesFenster, c.window.ueberlappend, c.window.uebereinander,
                            c.window.nebeneinander, c.window.symboleAnordnen, c.window.teilen})
        action->setEnabled(hasDocument);
    // A dialog command is enabled once its part has registered the dialog.
    for (const auto& [action, command] : dialogActions_)
        action->setEnabled(hasDocument && hasDialogCommand(command));
    updateViewBar();
}

void CMainFrame::updateViewBar() {
    CChildFrame* child = activeChild();
    viewBar_->showState(child ? child->viewBarState() : ViewBarState{});
}

void CMainFrame::updateWindowMenu() {
    const Commands& c = *commands_;
    windowMenu_->clear();
    windowMenu_->addActions({c.window.neuesFenster, c.window.ueberlappend, c.window.uebereinander,
                             c.window.nebeneinander, c.window.symboleAnordnen, c.window.teilen});
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (!windows.isEmpty())
        windowMenu_->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        const QString title = window->widget()->windowTitle().remove(u"[*]"_qs);
        const QString text =
            i < 9 ? u"&%1 %2"_qs.arg(i + 1).arg(title) : u"%1 %2"_qs.arg(i + 1).arg(title);
        QAction* action = windowMenu_->addAction(
            text, this, [this, window] { mdiArea_->setActiveSubWindow(window); });
        action->setCheckable(true);
        action->setChecked(window == mdiArea_->activeSubWindow());
    }
}

void CMainFrame::updateRecentFileActions() {
    const std::vector<std::string>& files = app_.settings().recentFiles();
    const FileCommands& file = commands_->file;
    for (size_t i = 0; i < file.recent.size(); ++i) {
        QAction* action = file.recent[i];
        action->setVisible(i < files.size());
        if (i >= files.size())
            continue;
        const QString path = QString::fromStdString(files[i]);
        action->setText(u"&%1 %2"_qs.arg(i + 1).arg(QDir::toNativeSeparators(path)));
        action->setData(path);
    }
    recentPlaceholder_->setVisible(files.empty());
    startHinweis_->refresh(anyWindowOpen());
}

void CMainFrame::addRecentFile(const QString& path) {
    app_.settings().addRecentFile(QFileInfo(path).absoluteFilePath().toStdString());
    app_.saveRecentFiles();
    updateRecentFileActions();
}

bool CMainFrame::newFile() {
    std::unique_ptr<OpenLedger> document = OpenLedger::createNew(this, ++untitledCount_);
    if (!document)
        return false;
    createChild(document.release());
    return true;
}

void CMainFrame::open() {
    const QString path = QFileDialog::getOpenFileName(this, u"Öffnen"_qs, QString(), kFileFilter);
    if (!path.isEmpty())
        openFile(path);
}

bool CMainFrame::openFile(const QString& path) {
    if (QMdiSubWindow* existing = findDocumentWindow(path)) {
        mdiArea_->setActiveSubWindow(existing);
        return true;
    }
    std::unique_ptr<OpenLedger> document = OpenLedger::open(path, this);
    if (!document) {
        if (!QFileInfo::exists(path)) {
            app_.settings().removeRecentFile(QFileInfo(path).absoluteFilePath().toStdString());
            app_.saveRecentFiles();
            updateRecentFileActions();
        }
        return false;
    }
    addRecentFile(path);
    createChild(document.release());
    return true;
}

QMdiSubWindow* CMainFrame::findDocumentWindow(const QString& path) const {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return nullptr;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(window->widget());
        if (child && QFileInfo(child->document()->filePath()).canonicalFilePath() == canonical)
            return window;
    }
    return nullptr;
}

CChildFrame* CMainFrame::createChild(OpenLedger* document) {
    document->setParent(this);
    auto* child = new CChildFrame(document, app_.settings().defaultViewKind(), app_.today());
    QMdiSubWindow* window = mdiArea_->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(child, &CChildFrame::stateChanged, this, &CMainFrame::updateMenus);
    connect(document, &OpenLedger::historyChanged, this, &CMainFrame::updateMenus,
            Qt::UniqueConnection);
    connect(document, &OpenLedger::backupFailed, this, &CMainFrame::showStatusWarning,
            Qt::UniqueConnection);
    connect(document, &OpenLedger::pathChanged, this,
            [this, document] { addRecentFile(document->filePath()); });
    window->showMaximized();
    mdiArea_->setActiveSubWindow(window);
    updateMenus();
    return child;
}

void CMainFrame::showStatusWarning(const QString& text) {
    statusBar()->showMessage(text);
}

void CMainFrame::showBackups() {
    CChildFrame* child = activeChild();
    if (!child)
        return;
    const QString path = child->document()->filePath();
    options::CSicherungenForm form(std::filesystem::path(QFile::encodeName(path).toStdString()),
                                   app_.settings().backupRule(), app_.settings().recoveryMinutes());
    CSicherungenDlg dialog(form, this);
    if (dialog.exec() == QDialog::Accepted) {
        app_.setBackupRule(form.rule());
        app_.setRecoveryMinutes(form.recoveryMinutes());
        return;
    }
    if (dialog.toOpen().empty())
        return;
    const QString backup = QFile::decodeName(dialog.toOpen().c_str());
    if (std::unique_ptr<OpenLedger> document = OpenLedger::openBackup(backup, path, this))
        createChild(document.release());
}

void CMainFrame::closeDocument() {
    if (CChildFrame* child = activeChild())
        child->document()->closeWindows(this);
}

void CMainFrame::tileSubWindows(Qt::Orientation orientation) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (!window->isMinimized())
            windows.append(window);
    if (windows.isEmpty())
        return;
    const QRect area = mdiArea_->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        if (orientation == Qt::Vertical) {
            const int h = area.height() / n;
            windows[i]->setGeometry(0, i * h, area.width(), h);
        } else {
            const int w = area.width() / n;
            windows[i]->setGeometry(i * w, 0, w, area.height());
        }
    }
}

void CMainFrame::arrangeIcons() {
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(x, area.height() - window->height());
        x += window->width();
    }
}

QList<OpenLedger*> CMainFrame::openDocuments() const {
    QList<OpenLedger*> documents;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window->widget()))
            if (!documents.contains(child->document()))
                documents.append(child->document());
    return documents;
}

bool CMainFrame::openRecovered(const FoundRecovery& found, const QString& folder) {
    std::unique_ptr<OpenLedger> document = OpenLedger::openRecovered(found, folder, this);
    if (!document)
        return false;
    createChild(document.release());
    return true;
}

bool CMainFrame::closeAllDocuments() {
    // By document, not by window: the windows of one ledger close together after one
    // question, since a window closed in this same pass still counts as open.
    const QList<OpenLedger*> documents = openDocuments();
    for (OpenLedger* document : documents)
        if (!document->closeWindows(this))
            return false;
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A cancel keeps the program running with the windows that are still open.
    if (!closeAllDocuments()) {
        event->ignore();
        return;
    }
    app_.savePlacement();
    event->accept();
}

bool CMainFrame::focusNextPrevChild(bool next) {
    // Tab stays in what the user works with: the view bar and the active window. Qt's own
    // chain would run on into the windows of other ledgers.
    QWidget* active = mdiArea_->activeSubWindow();
    QList<QWidget*> chain;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        const bool inside = viewBar_->isAncestorOf(w) || (active && active->isAncestorOf(w));
        // A collapsed pane of a split window is visible but has no size.
        const bool shown = w->isVisibleTo(this) && (!isVisible() || !w->size().isEmpty());
        if (inside && shown && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            !w->focusProxy())
            chain.append(w);
    }
    if (chain.isEmpty())
        return QMainWindow::focusNextPrevChild(next);
    const qsizetype at = chain.indexOf(QApplication::focusWidget());
    const qsizetype count = chain.size();
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).empty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const std::vector<QString> files = droppedFiles(event->mimeData());
    if (files.empty())
        return;
    event->acceptProposedAction();
    activateWindow();
    for (const QString& path : files)
        openFile(path);
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    trackPlacement();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    trackPlacement();
}

void CMainFrame::trackPlacement() {
    WindowPlacement& placement = app_.settings().placement;
    if (isMaximized()) {
        placement.maximized = true;
    } else if (!isMinimized() && isVisible()) {
        const QRect r = geometry();
        placement = {false, r.left(), r.left() + r.width(), r.top(), r.top() + r.height()};
    }
}

} // namespace shell
