// Reads the object references of a ledger file: class records, the archive-wide index
// table and object lists, on top of the primitive encodings.
#pragma once

#include "ledger/archive_classes.h"
#include "ledger/byte_reader.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace ledger {

class ArchiveReader : public ByteReader {
public:
    using ByteReader::ByteReader;

    // Reads the reference that starts an object of class `expected` and gives the schema
    // its body was written in, or nothing for an empty slot. A class record is entered
    // into the index table. Fails with FileFormatError on an unknown class, a schema other
    // than 1 for a class that is not versionable, an object of another class, an index
    // that is not a class in the table, or a reference back to an object already read
    // (each record has exactly one owner).
    std::optional<std::uint16_t> beginObject(RecordClass expected);

    // A count and that many object references; readBody(schema) reads each body.
    template <class ReadBody> void objectList(RecordClass cls, ReadBody&& readBody) {
        objectList(
            cls, [](std::uint32_t) {}, readBody);
    }
    // The same, telling counted(n) the count before the first object.
    template <class Counted, class ReadBody>
    void objectList(RecordClass cls, Counted&& counted, ReadBody&& readBody) {
        const std::uint32_t n = count(2);
        counted(n);
        for (std::uint32_t i = 0; i < n; ++i)
            if (const auto schema = beginObject(cls))
                readBody(*schema);
    }

private:
    // A class record: its place in the index table, which counts class records and objects
    // alike from 1 (0 is no object).
    struct ClassEntry {
        std::uint32_t index;
        RecordClass cls;
        std::uint16_t schema;
    };
    const ClassEntry& readClassRecord();
    // The class record at the index, or nullptr when the index is an object or unused.
    const ClassEntry* findClass(std::uint32_t index) const;

    std::vector<ClassEntry> classes_; // ascending indexes
    std::uint32_t nextIndex_ = 1;
};

} // namespace ledger
