// One open ledger file in the desktop program: the ledger document, its path, the modified
// flag shown in the window titles, saving, and the views that show it.
#pragma once

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

// The ledger header stays out of this file: moc cannot read the C++20 standard headers.
class Document : public QObject {
    Q_OBJECT
public:
    // The hint of a change that concerns one window only (view kind, grouping, dates).
    static constexpr int kViewChangeHint = 111;

    // The session holds the file's lock while the document is open; a new document has a
    // session without a file.
    Document(std::unique_ptr<ledger::CTalwerkDoc> ledger,
             std::unique_ptr<ledger::LedgerSession> session, QString path, QString untitledName);
    ~Document() override;

    // Locks and loads the file (read-only when another program edits it and the user agrees);
    // on failure shows the one message and returns nothing.
    static std::unique_ptr<Document> open(const QString& path, QWidget* parent);
    // Asks for the currencies of a new file ("Neue Datei"); nothing when cancelled.
    static std::unique_ptr<Document> createNew(QWidget* parent, int number);

    ledger::CTalwerkDoc& ledger() { return *ledger_; }
    const ledger::CTalwerkDoc& ledger() const { return *ledger_; }
    // Empty while the document has never been saved.
    const QString& filePath() const { return path_; }
    // The file name, or "Unbenannt1" and so on for a new document.
    QString displayName() const;

    bool isModified() const;
    // Sets or clears the modified flag and tells the windows.
    void setModified(bool modified = true);

    // As its last window closes: the file's lock is released at once, not only when the
    // object is deleted later.
    void releaseFile();

    // Opened read-only: saving offers "Speichern unter" instead.
    bool isReadOnly() const;

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
    void pathChanged();
    void viewsOutdated(QObject* sender, int hint);
    void closeRequested();
    void windowsChanged();

private:
    std::unique_ptr<ledger::CTalwerkDoc> ledger_;
    std::unique_ptr<ledger::LedgerSession> session_;
    QString path_;
    QString untitledName_;
    QList<QWidget*> windows_;
    bool closing_ = false;
};

} // namespace shell
