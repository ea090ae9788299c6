// LargeBlock: memory taken straight from the system for the big buffers of a ledger (the file
// as read, the bookings, their texts). Each page of fresh memory costs a page fault when it is
// first touched, and on a virtual machine a fault is dear: a block of 2 MB and more is asked
// for in huge pages where the system gives them, and a block that will be filled at once can
// have its pages put in place up front, in one call instead of one fault for every 4 KB.
#pragma once

#include <cstddef>

namespace ledger {

class LargeBlock {
public:
    enum class Pages { OnTouch, UpFront };

    LargeBlock() noexcept = default;
    // At least `bytes` bytes of zeroes; throws std::bad_alloc when the system has none.
    LargeBlock(std::size_t bytes, Pages pages);
    LargeBlock(LargeBlock&& other) noexcept;
    LargeBlock& operator=(LargeBlock&& other) noexcept;
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;
    ~LargeBlock();

    std::byte* data() const noexcept { return data_; }
    std::size_t size() const noexcept { return size_; }

private:
    void release() noexcept;

    std::byte* data_ = nullptr;
    std::size_t size_ = 0;
};

// Puts in place now the pages that lie wholly inside [data, data + bytes), memory this process
// already holds (a buffer that is about to be filled), instead of one fault for each later.
void preparePages(void* data, std::size_t bytes) noexcept;

} // namespace ledger
