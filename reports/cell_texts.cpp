#include "reports/cell_texts.h"

#include <stdexcept>

namespace reports {

uint32_t CellTexts::store(std::string_view text) {
    if (text.empty())
        return 0;
    std::size_t k = blocks_.empty() ? 0 : blocks_.size() - 1;
    const bool fits = !blocks_.empty() && blocks_[k].size() + text.size() <= blockSize(k);
    if (!fits) {
        k = blocks_.size();
        while (blockSize(k) < text.size())
            ++k;
    }
    const uint64_t offset = blockStart(k) + (fits ? blocks_[k].size() : 0);
    if (offset + text.size() > (uint64_t{1} << 32))
        throw std::length_error("Die Texte der Tabelle sind zu lang.");
    if (!fits) {
        blocks_.resize(k + 1);
        blocks_[k].reserve(blockSize(k));
    }
    blocks_[k].append(text);
    return static_cast<uint32_t>(offset);
}

} // namespace reports
