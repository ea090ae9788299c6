// TextArena: the bytes of the booking texts read from a ledger file, in a few large blocks that
// the document owns. Each text is stored once, followed by a zero byte, and stays where it is
// until the arena is cleared with the document, so the bookings can view their texts
// (ledger/record_text.h) instead of holding one heap block each.
#pragma once

#include "ledger/large_block.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace ledger {

class TextArena {
public:
    TextArena() = default;
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;

    // Room for a text of `size` bytes and its zero byte, which is already written; the caller
    // fills the rest.
    char* allocate(std::size_t size);
    // A copy of the text in the arena.
    std::string_view store(std::string_view text);
    // Makes the texts that follow, up to `bytes` with their zero bytes, go into one block.
    void reserve(std::size_t bytes);
    // Bytes held in blocks, for the memory a document keeps.
    std::size_t capacity() const { return capacity_; }
    // Frees every block: only when no text views the arena any more.
    void clear();

private:
    char* addBlock(std::size_t bytes);

    std::vector<LargeBlock> blocks_;
    char* next_ = nullptr;
    std::size_t left_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace ledger
