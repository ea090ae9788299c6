#include "reports/cell_store.h"

#include <stdexcept>

namespace reports {

uint32_t CellStore::store(std::string_view text, int span, int align) {
    const bool full = text.size() >= kFullHeader || span != 1 || align != kColumnAlign;
    const std::size_t size = (full ? 1 + sizeof(FullHeader) : 1) + text.size();
    std::size_t k = blocks_.empty() ? 0 : blocks_.size() - 1;
    const bool fits = !blocks_.empty() && blocks_[k].size() + size <= blockSize(k);
    if (!fits) {
        k = blocks_.size();
        while (blockSize(k) < size)
            ++k;
    }
    const uint64_t at = blockStart(k) + (fits ? blocks_[k].size() : 0);
    if (at + size >= (uint64_t{1} << 32))
        throw std::length_error("Die Texte der Tabelle sind zu lang.");
    if (!fits) {
        blocks_.resize(k + 1);
        blocks_[k].reserve(blockSize(k));
    }
    std::string& block = blocks_[k];
    if (full) {
        const FullHeader h{static_cast<uint32_t>(text.size()), span, align};
        char header[1 + sizeof h] = {static_cast<char>(kFullHeader)};
        std::memcpy(header + 1, &h, sizeof h);
        block.append(header, sizeof header);
    } else {
        block.push_back(static_cast<char>(text.size()));
    }
    block.append(text);
    return static_cast<uint32_t>(at + 1);
}

} // namespace reports
