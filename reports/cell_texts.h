// The texts of a report table's cells, one after another in blocks that never move, so that a
// growing table copies no text a second time and never holds its texts twice while it grows.
// A text is found by its offset: block k holds 4096 << k bytes and starts where the blocks
// before it end, so the block of an offset follows from the offset alone.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

class CellTexts {
public:
    // Stores a copy of the text and returns its offset. A text never crosses two blocks: one
    // that does not fit into the rest of the last block starts the next block large enough.
    // Throws std::length_error when the offsets would pass 4 GiB.
    uint32_t store(std::string_view text);

    std::string_view view(uint32_t offset, uint32_t length) const {
        if (length == 0)
            return {};
        const std::size_t k = std::bit_width((offset >> kFirstBlockShift) + 1u) - 1;
        return {blocks_[k].data() + (offset - blockStart(k)), length};
    }

private:
    static constexpr int kFirstBlockShift = 12;

    static uint64_t blockSize(std::size_t k) { return uint64_t{1} << (k + kFirstBlockShift); }
    static uint64_t blockStart(std::size_t k) { return blockSize(k) - blockSize(0); }

    std::vector<std::string> blocks_; // blocks skipped by a long text stay empty
};

} // namespace reports
