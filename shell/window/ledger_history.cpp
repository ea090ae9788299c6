#include "shell/window/ledger_history.h"

#include "ledger/dokument.h"

#include <QSignalBlocker>
#include <memory>
#include <vector>

namespace shell {

namespace {

// One step: the change set is shared, so that dropping the oldest steps can hand the others
// over to a rebuilt stack.
class StepCommand final : public QUndoCommand {
public:
    StepCommand(ledger::CTalwerkDoc& doc, std::shared_ptr<ledger::Aenderung> change,
                const QString& name)
        : QUndoCommand(name), doc_(doc), change_(std::move(change)) {}

    // A change set that is not undone is applied already: the stack's redo on pushing it
    // does nothing.
    void redo() override { doc_.redo(*change_); }
    void undo() override { doc_.undo(*change_); }

    const std::shared_ptr<ledger::Aenderung>& change() const { return change_; }

private:
    ledger::CTalwerkDoc& doc_;
    std::shared_ptr<ledger::Aenderung> change_;
};

const StepCommand& stepAt(const QUndoStack& stack, int index) {
    return static_cast<const StepCommand&>(*stack.command(index));
}

} // namespace

LedgerHistory::LedgerHistory(ledger::CTalwerkDoc& doc, std::size_t maxBytes)
    : doc_(doc), maxBytes_(maxBytes) {
    stack_.setUndoLimit(kMaxSteps);
}

void LedgerHistory::push(ledger::Aenderung change, const QString& name) {
    stack_.push(
        new StepCommand(doc_, std::make_shared<ledger::Aenderung>(std::move(change)), name));
    if (stack_.count() > 1 && bytes() > maxBytes_)
        dropOldest();
}

std::size_t LedgerHistory::bytes() const {
    std::size_t bytes = 0;
    for (int i = 0; i < stack_.count(); ++i)
        bytes += stepAt(stack_, i).change()->bytes();
    return bytes;
}

void LedgerHistory::dropOldest() {
    // Right after a push every step is applied and the newest is the current one. QUndoStack
    // can drop its oldest steps only by its count limit, so the steps that fit are handed
    // to the cleared stack again, the clean state at its place.
    const int count = stack_.count();
    int first = 0;
    std::size_t total = bytes();
    while (total > maxBytes_ && count - first > 1)
        total -= stepAt(stack_, first++).change()->bytes();

    struct Kept {
        std::shared_ptr<ledger::Aenderung> change;
        QString name;
    };
    std::vector<Kept> kept;
    for (int i = first; i < count; ++i)
        kept.push_back({stepAt(stack_, i).change(), stack_.text(i)});
    const int clean = stack_.cleanIndex();

    const QSignalBlocker blocker(stack_);
    stack_.clear();
    for (size_t i = 0; i < kept.size(); ++i) {
        if (clean == first + static_cast<int>(i))
            stack_.setClean();
        stack_.push(new StepCommand(doc_, std::move(kept[i].change), kept[i].name));
    }
    // Right after a push the clean state is never the newest one.
    if (clean < first)
        stack_.resetClean();
}

} // namespace shell
