#include "ledger/archive_writer.h"

#include <stdexcept>

namespace ledger {

std::uint32_t ArchiveWriter::takeIndex() {
    if (nextIndex_ >= kBigClassTag)
        throw std::length_error("too many objects for a ledger file");
    return nextIndex_++;
}

void ArchiveWriter::beginObject(RecordClass cls) {
    std::uint32_t& index = classIndex_[static_cast<std::size_t>(cls)];
    if (index == 0) {
        const RecordClassInfo& info = recordClassInfo(cls);
        word(kNewClassTag);
        word(info.schema);
        word(static_cast<std::uint16_t>(info.name.size()));
        for (char c : info.name)
            byte(static_cast<std::uint8_t>(c));
        index = takeIndex();
    } else if (index < kBigIndexTag) {
        word(static_cast<std::uint16_t>(kClassTag | index));
    } else {
        word(kBigIndexTag);
        dword(kBigClassTag | index);
    }
    takeIndex();
}

} // namespace ledger
