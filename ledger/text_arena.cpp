#include "ledger/text_arena.h"

#include <algorithm>
#include <cstring>

namespace ledger {

namespace {
// Large enough that a ledger of many thousand bookings needs few blocks, small enough that a
// small ledger does not keep much unused.
constexpr std::size_t kBlockBytes = 64 * 1024;
} // namespace

char* TextArena::allocate(std::size_t size) {
    const std::size_t needed = size + 1;
    if (needed > left_) {
        // A text longer than a block gets a block of its own, and the current block goes on
        // taking the texts after it.
        if (needed > kBlockBytes) {
            char* text = addBlock(needed);
            text[size] = '\0';
            return text;
        }
        reserve(kBlockBytes);
    }
    char* text = next_;
    text[size] = '\0';
    next_ += needed;
    left_ -= needed;
    return text;
}

void TextArena::reserve(std::size_t bytes) {
    if (bytes <= left_)
        return;
    next_ = addBlock(bytes);
    left_ = blocks_.back().size();
}

char* TextArena::addBlock(std::size_t bytes) {
    // The texts are written as they are read, so the pages are touched one after another.
    blocks_.emplace_back(bytes, LargeBlock::Pages::OnTouch);
    capacity_ += blocks_.back().size();
    return reinterpret_cast<char*>(blocks_.back().data());
}

std::string_view TextArena::store(std::string_view text) {
    char* bytes = allocate(text.size());
    std::memcpy(bytes, text.data(), text.size());
    return {bytes, text.size()};
}

void TextArena::clear() {
    blocks_.clear();
    next_ = nullptr;
    left_ = 0;
    capacity_ = 0;
}

} // namespace ledger
