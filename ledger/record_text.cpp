#include "ledger/record_text.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace ledger {

RecordText& RecordText::operator=(const RecordText& other) {
    if (this != &other)
        *this = other.view();
    return *this;
}

RecordText& RecordText::operator=(std::string_view text) {
    // The new bytes are copied before the old ones go: the text may be a part of this one.
    RecordText copy(text);
    return *this = std::move(copy);
}

void RecordText::assignCopy(std::string_view text) {
    if (text.empty())
        return;
    if (text.size() >= std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("RecordText");
    char* bytes = new char[text.size() + 1];
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    data_ = bytes;
    size_ = static_cast<std::uint32_t>(text.size());
    owned_ = true;
}

} // namespace ledger
