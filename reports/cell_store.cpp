#include "reports/cell_store.h"

#include <stdexcept>

namespace reports {

uint32_t CellStore::store(std::string_view text, int span, int align) {
    const bool full = text.size() >= kFullHeader || span != 1 || align != kAlignDefault;
    const std::size_t size = (full ? 1 + sizeof(FullHeader) : 1) + text.size();
    const bool fits = !blocks_.empty() && blocks_.back().size() + size <= blockSize_;
    const uint64_t at =
        fits ? blockStart_ + blocks_.back().size() : uint64_t{pages_.size()} << kPageShift;
    if (at + size >= (uint64_t{1} << 32))
        throw std::length_error("Die Texte der Tabelle sind zu lang.");
    if (!fits) {
        const uint64_t pages = (size + kPageSize - 1) >> kPageShift;
        const auto block = static_cast<uint32_t>(blocks_.size());
        for (uint64_t p = 0; p < pages; ++p)
            pages_.push_back({block, static_cast<uint32_t>(p << kPageShift)});
        blockStart_ = at;
        blockSize_ = pages << kPageShift;
        blocks_.emplace_back().reserve(blockSize_);
    }
    std::string& block = blocks_.back();
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
