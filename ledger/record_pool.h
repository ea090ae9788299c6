// RecordPool: storage for the many records of one kind that a document owns (its bookings),
// in blocks of contiguous slots instead of one heap block per record. A record stays at its
// address until it is destroyed, and a destroyed record's slot is used again. The pool does not
// know which slots are in use: its owner destroys every record it created before the pool goes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace ledger {

template <class T> class RecordPool {
public:
    RecordPool() = default;
    RecordPool(const RecordPool&) = delete;
    RecordPool& operator=(const RecordPool&) = delete;

    template <class... Args> T* create(Args&&... args) {
        void* slot = take();
        try {
            return ::new (slot) T(std::forward<Args>(args)...);
        } catch (...) {
            free_.push_back(static_cast<Slot*>(slot));
            throw;
        }
    }

    void destroy(T* record) noexcept {
        record->~T();
        free_.push_back(reinterpret_cast<Slot*>(record)); // reserved by take(), cannot throw
    }

    // Frees every block: only when no record of the pool is alive any more.
    void clear() {
        blocks_.clear();
        free_.clear();
        used_ = kBlockSlots;
    }

private:
    struct alignas(T) Slot {
        std::byte bytes[sizeof(T)];
    };
    // About 100 KB for a booking: few blocks for a large ledger, little unused for a small one.
    static constexpr std::size_t kBlockSlots = 1024;

    void* take() {
        if (!free_.empty()) {
            Slot* slot = free_.back();
            free_.pop_back();
            return slot;
        }
        if (used_ == kBlockSlots) {
            blocks_.push_back(std::make_unique_for_overwrite<Slot[]>(kBlockSlots));
            // Every slot can come back to the free list, so destroy() never has to grow it.
            const std::size_t slotCount = blocks_.size() * kBlockSlots;
            if (free_.capacity() < slotCount)
                free_.reserve(std::max(slotCount, 2 * free_.capacity()));
            used_ = 0;
        }
        return &blocks_.back()[used_++];
    }

    std::vector<std::unique_ptr<Slot[]>> blocks_;
    std::vector<Slot*> free_;
    std::size_t used_ = kBlockSlots;
};

} // namespace ledger
