// The main window: menus, tool bar, view bar, status bar and the MDI area with one child
// window per view window. It routes the menu commands to the active child window and its
// document, and keeps the recent file list and the window placement.
#pragma once

#include "shell/window/commands.h"
#include "shell/window/dialog_commands.h"

#include <QMainWindow>
#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace shell {

class Application;
class CChildFrame;
class CStartHinweis;
class CViewBar;
class OpenLedger;
struct FoundRecovery;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(Application& app);
    ~CMainFrame() override;

    // "&Neu...": asks for the new file's currencies, then opens a new document.
    // False when the dialog was cancelled.
    bool newFile();
    // Opens the file, or activates its window when it is already open. False when it could
    // not be loaded (the message has been shown).
    bool openFile(const QString& path);

    // Opens the ledger a crash left in the recovery file as a new window with its changes
    // unsaved; it keeps its path, so "S&peichern" writes it there. False when it could not be
    // read (the message has been shown).
    bool openRecovered(const FoundRecovery& found, const QString& folder);

    // The open ledgers, each once, in the order of their windows.
    QList<OpenLedger*> openDocuments() const;

    // Closes every open ledger, asking once about the changes of each, however many windows
    // show it. False when the user cancelled; the ledgers not yet closed stay open.
    bool closeAllDocuments();

    CChildFrame* activeChild() const;
    QMdiArea* mdiArea() const { return mdiArea_; }
    const Commands& commands() const { return *commands_; }
    CViewBar* viewBar() const { return viewBar_; }

public slots:
    void updateMenus();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createActions();
    void createMenus();
    void createBars();
    void connectFileCommands();
    void connectViewCommands();
    void connectWindowCommands();
    void connectDialogCommands();
    void runDialog(DialogCommand command, std::optional<reports::ViewKind> optionsPage = {});
    void connectViewBar();
    void updateWindowMenu();
    void updateRecentFileActions();
    void updateViewBar();
    bool anyWindowOpen() const;
    void trackPlacement();

    void open();
    void closeDocument();
    // "Datei > Sicherungen...": the backups of the active ledger, the settings of backups and
    // recovery files, and a backup opened read-only as a new window.
    void showBackups();
    // A warning that stays in the status bar until the next message (a backup not made).
    void showStatusWarning(const QString& text);
    void addRecentFile(const QString& path);
    CChildFrame* createChild(OpenLedger* document);
    QMdiSubWindow* findDocumentWindow(const QString& path) const;
    void tileSubWindows(Qt::Orientation orientation);
    void arrangeIcons();

    Application& app_;
    std::unique_ptr<Commands> commands_;
    QMdiArea* mdiArea_;
    CViewBar* viewBar_ = nullptr;
    CStartHinweis* startHinweis_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QAction* recentPlaceholder_ = nullptr;
    std::vector<QAction*> documentOnly_; // menu entries hidden while no document is open
    // The menu commands that open the dialogs of the booking, account and option parts.
    std::vector<std::pair<QAction*, DialogCommand>> dialogActions_;
    int untitledCount_ = 0;
};

} // namespace shell
