// The contents of a report table's cells: each cell set is one entry (its span, alignment and
// text) in blocks that never move, so that a growing table copies nothing a second time and
// never holds its cells twice while it grows. The blocks are 64 KiB, below the size that C
// libraries map from the system for each request: the blocks freed by one build of a view are
// taken again by the next one instead of being faulted in afresh. An entry longer than a block
// gets a block of as many pages as it needs; an entry's key leads to its page and its place
// there. An entry of span 1 and the column's alignment with a text below 255 bytes is its
// length and its text; any other is 255, the length, span and alignment, then the text.
#pragma once

#include "reports/alignment.h"

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
    // that was not set. An entry never crosses two blocks. Throws std::length_error when the
    // offsets would pass 4 GiB.
    uint32_t store(std::string_view text, int span, int align);

    // The entry of a key that store returned.
    Entry entry(uint32_t key) const {
        const uint32_t at = key - 1;
        const Page& page = pages_[at >> kPageShift];
        const char* bytes = blocks_[page.block].data() + page.start + (at & (kPageSize - 1));
        const auto length = static_cast<unsigned char>(*bytes);
        if (length != kFullHeader)
            return {{bytes + 1, length}, 1, kAlignDefault};
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
    // Where the bytes of a page are: in a block, from a start.
    struct Page {
        uint32_t block;
        uint32_t start;
    };
    static constexpr unsigned char kFullHeader = 255;
    static constexpr int kPageShift = 16;
    static constexpr uint32_t kPageSize = uint32_t{1} << kPageShift;

    std::vector<std::string> blocks_;
    std::vector<Page> pages_;
    uint64_t blockStart_ = 0; // offset of the last block
    uint64_t blockSize_ = 0;  // the bytes the last block may hold: its pages
};

} // namespace reports
