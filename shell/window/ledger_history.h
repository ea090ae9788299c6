// LedgerHistory: the undo history of one open ledger, a QUndoStack of the recorded change
// sets (ledger::Aenderung), each one user action with its name ("Buchung hinzufügen"). The
// history is bounded by the number of steps and by the memory the steps keep alive; the
// oldest steps go first.
#pragma once

#include "ledger/aenderung.h"

#include <QString>
#include <QUndoStack>
#include <cstddef>

namespace ledger {
class CTalwerkDoc;
}

namespace shell {

class LedgerHistory {
public:
    // At least this many steps are kept while they fit into kMaxBytes.
    static constexpr int kMaxSteps = 100;
    // The memory the steps may keep alive together. A single step is kept whatever its size,
    // so that the last action can always be taken back.
    static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

    explicit LedgerHistory(ledger::CTalwerkDoc& doc, std::size_t maxBytes = kMaxBytes);

    // Adds an action the document has just carried out as the newest step; the steps that
    // were undone are dropped, and the oldest while the bounds are exceeded.
    void push(ledger::Aenderung change, const QString& name);
    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    QString undoText() const { return stack_.undoText(); }
    QString redoText() const { return stack_.redoText(); }
    void undo() { stack_.undo(); }
    void redo() { stack_.redo(); }

    // The state at which the ledger equals its file.
    bool isClean() const { return stack_.isClean(); }
    void setClean() { stack_.setClean(); }
    // No state of the history equals the file (a new ledger, a recovered one).
    void resetClean() { stack_.resetClean(); }

    int count() const { return stack_.count(); }
    // The memory the steps keep alive (ledger::Aenderung::bytes of each).
    std::size_t bytes() const;

    const QUndoStack& stack() const { return stack_; }

private:
    void dropOldest();

    ledger::CTalwerkDoc& doc_;
    std::size_t maxBytes_;
    QUndoStack stack_;
};

} // namespace shell
