// Writes the object references of a ledger file: each class record once, then references
// to it, with the archive-wide index numbering that the reader reproduces.
#pragma once

#include "ledger/archive_classes.h"
#include "ledger/byte_writer.h"

#include <array>
#include <cstdint>

namespace ledger {

class ArchiveWriter : public ByteWriter {
public:
    // Writes the reference that starts a new object of class cls: the class record the
    // first time, afterwards the class's index. The body follows from the caller.
    void beginObject(RecordClass cls);

    // A count and one object per element; writeBody(element) writes each body.
    template <class Range, class WriteBody>
    void objectList(RecordClass cls, const Range& elements, WriteBody&& writeBody) {
        count(std::size(elements));
        for (const auto& element : elements) {
            beginObject(cls);
            writeBody(element);
        }
    }

private:
    std::uint32_t takeIndex();

    std::array<std::uint32_t, 7> classIndex_{}; // 0: class record not yet written
    std::uint32_t nextIndex_ = 1;
};

} // namespace ledger
