// One open ledger file in the desktop program: the ledger document, its path, its undo history
// with the modified flag shown in the window titles, saving, and the views that show it. A
// user action that changes the ledger runs inside a LedgerAction and becomes one step of the
// history.
#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace ledger {
class CTalwerkDoc;
class LedgerSession;
} // namespace ledger

namespace shell {

class LedgerAction;
class LedgerHistory;
class RecoveryFile;
struct FoundRecovery;

// The ledger header stays out of this file: moc cannot read the C++20 standard headers.
class OpenLedger : public QObject {
    Q_OBJECT
public:
    // The hint of a change that concerns one window only (view kind, grouping, dates).
    static constexpr int kViewChangeHint = 111;

    // The session holds the file's lock while the document is open; a new document has a
    // session without a file.
    OpenLedger(std::unique_ptr<ledger::CTalwerkDoc> ledger,
               std::unique_ptr<ledger::LedgerSession> session, QString path, QString untitledName);
    ~OpenLedger() override;

    // Locks and loads the file (read-only when another program edits it and the user agrees);
    // on failure shows the one message and returns nothing.
    static std::unique_ptr<OpenLedger> open(const QString& path, QWidget* parent);
    // A backup, read-only and without lock: "S&peichern" offers "Speichern unter", which
    // restores it.
    static std::unique_ptr<OpenLedger> openBackup(const QString& path, const QString& ledgerPath,
                                                  QWidget* parent);
    // The ledger of a recovery file a crash left, with its changes unsaved and its path;
    // on failure shows the one message and returns nothing.
    static std::unique_ptr<OpenLedger> openRecovered(const FoundRecovery& found,
                                                     const QString& folder, QWidget* parent);
    // Asks for the currencies of a new file ("Neue Datei"); nothing when cancelled.
    static std::unique_ptr<OpenLedger> createNew(QWidget* parent, int number);
    // The open ledger that holds the ledger document, or nullptr.
    static OpenLedger* of(const ledger::CTalwerkDoc& ledger);

    ledger::CTalwerkDoc& ledger() { return *ledger_; }
    const ledger::CTalwerkDoc& ledger() const { return *ledger_; }
    // Empty while the document has never been saved.
    const QString& filePath() const { return path_; }
    // The file name, or "Unbenannt1" and so on for a new document.
    QString displayName() const;

    // True while the ledger differs from its file: the history is not at the saved step.
    bool isModified() const;

    // The undo history; "Bearbeiten > &Rückgängig" and "&Wiederholen" take its newest step
    // back or apply the next again, and every view rebuilds.
    const LedgerHistory& history() const { return *history_; }
    void undo();
    void redo();

    // As its last window closes: the file's lock is released and the recovery files are
    // removed at once, not only when the object is deleted later.
    void releaseFile();

    // Opened read-only: saving offers "Speichern unter" instead.
    bool isReadOnly() const;

    // Writes the unsaved changes to the recovery file in the folder when they changed since
    // the last time; removes the file once nothing is unsaved (undone to the saved step).
    // False when the file could not be written.
    bool writeRecovery(const QString& folder, const QDateTime& now);
    // Takes over the recovery file a crash left, after its ledger was restored from it.
    void adoptRecovery(std::unique_ptr<RecoveryFile> recovery);
    // The recovery file, if one is written.
    const RecoveryFile* recovery() const { return recovery_.get(); }

    // "S&peichern": saves under the file's path, or asks for one. Asks before overwriting a
    // change another program made on disk; a file that cannot be written offers "Speichern
    // unter". False when not saved.
    bool save(QWidget* parent);
    // "Speichern &unter...".
    bool saveAs(QWidget* parent);
    bool saveTo(const QString& path, QWidget* parent);
    // Before the document is closed: asks whether to save a modified document (Yes, No,
    // Cancel). False when the user cancelled or the save failed.
    bool maybeSave(QWidget* parent);

    // The first currency's symbol and, under dual-currency bookkeeping, the second's: the
    // display currencies a view can choose.
    QStringList currencySymbols() const;

    double screenScale() const;
    // Sets the screen scale; only a change marks the document modified and redraws.
    void setScreenScale(double scale);

    // Asks every view of the document to rebuild. A window-only change passes the window as
    // sender with kViewChangeHint; the views of other windows ignore it.
    void updateAllViews(QObject* sender = nullptr, int hint = 0);

    // The windows showing the document, in the order they were opened; the document is
    // deleted with the last.
    void attachWindow(QWidget* window);
    void detachWindow(QWidget* window);
    const QList<QWidget*>& windows() const { return windows_; }
    // "&Schließen": asks about changes once, then closes every window of the document.
    // False when the user cancelled or the save failed; the windows then stay open.
    bool closeWindows(QWidget* parent);
    // True while closeWindows runs: the windows then close without asking again.
    bool isClosing() const { return closing_; }

signals:
    void modificationChanged(bool modified);
    // A step was added, undone or redone, or the ledger was saved: the menus follow.
    void historyChanged();
    // Saved, but the previous file could not be kept as a backup: the text says so.
    void backupFailed(const QString& text);
    void pathChanged();
    void viewsOutdated(QObject* sender, int hint);
    void closeRequested();
    void windowsChanged();

private:
    friend class LedgerAction;
    // Ends the change set of the open action; a change becomes the newest step.
    void commitStep(const QString& name);
    // After a save: the history's current step is the file's; a failed backup is told.
    void markSaved();
    // Saves keep backups under the user's settings at the time of saving.
    void armBackups();
    // Removes the recovery files, if any.
    void dropRecovery();
    // The ledger's flag, the window titles and the menus follow the history.
    void historyMoved();

    std::unique_ptr<ledger::CTalwerkDoc> ledger_;
    std::unique_ptr<LedgerHistory> history_;
    std::unique_ptr<ledger::LedgerSession> session_;
    LedgerAction* openAction_ = nullptr;
    bool shownModified_ = false;
    // Counts the moves of the history, so that an unchanged ledger is not written again.
    quint64 generation_ = 0;
    quint64 recoveredGeneration_ = 0;
    std::unique_ptr<RecoveryFile> recovery_;
    QString path_;
    QString untitledName_;
    QString
        saveAsSuggestion_; // where "Speichern unter" starts instead of path_ (a backup's ledger)
    QList<QWidget*> windows_;
    bool closing_ = false;
};

// One user action on an open ledger as one step of its undo history, for the time the object
// lives:
//
//     LedgerAction action(*document, u"Buchung löschen"_qs);
//     document->ledger().removeBuchung(index);
//
// A dialog that knows only the ledger document names it instead of the OpenLedger; over a
// ledger that is not open in a window (a dialog's own test) the action records nothing.
//
// Every change of the ledger meanwhile is recorded; when the object goes, a change becomes the
// newest step under the name, and the modified marker follows. An action that changed nothing
// leaves no step. Views are not rebuilt here: the caller knows when to. Actions nest: an
// inner action ends the outer one's step so far and makes a step of its own, and the outer
// one then goes on with a new step under its name. So a dialog command is one step, and a
// dialog that carries out several actions (each booking of "Weitere Buchung", each bulk
// operation of the booking editor) wraps each of them.
class LedgerAction {
public:
    LedgerAction(OpenLedger& document, QString name);
    LedgerAction(ledger::CTalwerkDoc& ledger, QString name);
    ~LedgerAction();
    LedgerAction(const LedgerAction&) = delete;
    LedgerAction& operator=(const LedgerAction&) = delete;

    // Names the step by what the action turned out to do ("Import von 120 Buchungen").
    void setName(QString name) { name_ = std::move(name); }

private:
    void open();

    OpenLedger* document_;
    QString name_;
    LedgerAction* outer_ = nullptr;
};

} // namespace shell
