// The contents of a report table's cells: each cell set is one entry (its span, alignment and
// text) in blocks that never move, so that a growing table copies nothing a second time and
// never holds its cells twice while it grows. An entry is found by its key alone: block k
// holds 4096 << k bytes and starts where the blocks before it end. An entry of span 1 and the
// column's alignment with a text below 255 bytes is its length and its text; any other is
// 255, the length, span and alignment, then the text.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

class CellStore {
public:
    struct Entry {
        std::string_view text;
        int span;
        int align;
    };

    // Stores a cell and returns its key: its offset plus one, so that 0 stays free for a cell
    // that was not set. An entry never crosses two blocks: one that does not fit into the
    // rest of the last block starts the next block large enough. Throws std::length_error
    // when the offsets would pass 4 GiB.
    uint32_t store(std::string_view text, int span, int align);

    // The entry of a key that store returned.
    Entry entry(uint32_t key) const {
        const uint32_t at = key - 1;
        const std::size_t k = std::bit_width((at >> kFirstBlockShift) + 1u) - 1;
        const char* bytes = blocks_[k].data() + (at - blockStart(k));
        const auto length = static_cast<unsigned char>(*bytes);
        if (length != kFullHeader)
            return {{bytes + 1, length}, 1, kColumnAlign};
        FullHeader h;
        std::memcpy(&h, bytes + 1, sizeof h);
        return {{bytes + 1 + sizeof h, h.length}, h.span, h.align};
    }

private:
    struct FullHeader {
        uint32_t length;
        int32_t span;
        int32_t align;
    };
    static constexpr unsigned char kFullHeader = 255;
    static constexpr int kColumnAlign = -1;
    static constexpr int kFirstBlockShift = 12;

    static uint64_t blockSize(std::size_t k) { return uint64_t{1} << (k + kFirstBlockShift); }
    static uint64_t blockStart(std::size_t k) { return blockSize(k) - blockSize(0); }

    std::vector<std::string> blocks_; // blocks skipped by a long entry stay empty
};

} // namespace reports
