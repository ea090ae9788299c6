// RecordPool: storage for the many records of one kind that a document owns (its bookings),
// in blocks of contiguous slots instead of one heap block per record. A record stays at its
// address until it is destroyed, and a destroyed record's slot is used again. The pool does not
// know which slots are in use: its owner destroys every record it created before the pool goes.
#pragma once

#include "ledger/large_block.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <span>
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
        free_.push_back(reinterpret_cast<Slot*>(record)); // reserved by addBlock(), cannot throw
    }

    // Room for `count` more records in one block whose pages are put in place now, for a list
    // of known length (the bookings of a file being read). What is left of the current block
    // stays unused.
    void reserve(std::size_t count) {
        if (count > left_)
            addBlock(count, LargeBlock::Pages::UpFront);
    }

    // Destroys the records, which must be every record alive, and frees every block.
    void destroyAll(std::span<T* const> records) noexcept {
        for (T* record : records)
            record->~T();
        blocks_.clear();
        free_.clear();
        next_ = nullptr;
        left_ = 0;
        slotCount_ = 0;
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
        if (left_ == 0)
            addBlock(kBlockSlots, LargeBlock::Pages::OnTouch);
        --left_;
        return next_++;
    }

    void addBlock(std::size_t count, LargeBlock::Pages pages) {
        LargeBlock block(count * sizeof(Slot), pages);
        const std::size_t blockSlots = block.size() / sizeof(Slot); // all of its whole pages
        // Every slot can come back to the free list, so destroy() never has to grow it.
        const std::size_t slotCount = slotCount_ + blockSlots;
        if (free_.capacity() < slotCount)
            free_.reserve(std::max(slotCount, 2 * free_.capacity()));
        blocks_.push_back(std::move(block));
        next_ = reinterpret_cast<Slot*>(blocks_.back().data());
        left_ = blockSlots;
        slotCount_ = slotCount;
    }

    std::vector<LargeBlock> blocks_;
    std::vector<Slot*> free_;
    Slot* next_ = nullptr;
    std::size_t left_ = 0;
    std::size_t slotCount_ = 0;
};

} // namespace ledger
