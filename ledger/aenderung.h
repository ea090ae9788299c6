// Aenderung: the recorded change set of one user action on a CTalwerkDoc. While a change set
// is open (CTalwerkDoc::beginAenderung), every document operation records how to take itself
// back; CTalwerkDoc::commitAenderung hands the record out, and CTalwerkDoc::undo / redo play
// it in one direction or the other. A step holds only the records that changed (a removed
// booking, an account before its change), except for the few operations on the whole
// document (the Euro conversion), which keep the old values of what they touched.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace ledger {

class CTalwerkDoc;

class Aenderung {
public:
    Aenderung() = default;
    Aenderung(Aenderung&&) noexcept = default;
    Aenderung& operator=(Aenderung&&) noexcept = default;
    Aenderung(const Aenderung&) = delete;
    Aenderung& operator=(const Aenderung&) = delete;
    ~Aenderung() = default;

    // True when the action changed nothing (then there is nothing to undo).
    bool empty() const { return steps_.empty(); }
    // Number of recorded operations.
    std::size_t size() const { return steps_.size(); }
    // True after undo, false after commit and redo.
    bool isUndone() const { return undone_; }
    // The memory the step keeps alive: the records it holds (a removed booking, an account
    // before its change) with their texts, and the recorded positions. An estimate from the
    // sizes and capacities, without the heap's own bookkeeping.
    std::size_t bytes() const;

private:
    friend class CTalwerkDoc;

    // One recorded operation's way back; applying it performs the opposite operation through
    // the document, which records the way forward again.
    struct Step {
        virtual ~Step() = default;
        virtual void apply(CTalwerkDoc& doc) = 0;
        std::size_t bytes = 0; // this object and what its way back holds on the heap
    };
    template <class F> struct FunctionStep final : Step {
        explicit FunctionStep(F f) : f_(std::move(f)) {}
        void apply(CTalwerkDoc& doc) override { f_(doc); }
        F f_;
    };

    std::vector<std::unique_ptr<Step>> steps_; // in the order of the operations
    bool undone_ = false;
};

} // namespace ledger
