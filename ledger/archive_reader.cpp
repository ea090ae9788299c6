#include "ledger/archive_reader.h"

#include "ledger/archive_error.h"

#include <algorithm>
#include <string>

namespace ledger {

const ArchiveReader::ClassEntry& ArchiveReader::readClassRecord() {
    const std::uint16_t schema = word();
    const std::uint16_t length = word();
    if (length > remaining())
        throw FileFormatError("unerwartetes Dateiende");
    std::string name;
    for (std::uint16_t i = 0; i < length; ++i)
        name += static_cast<char>(byte());
    const auto cls = recordClassByName(name);
    if (!cls)
        throw FileFormatError("unbekannte Klasse " + name);
    if (!recordClassInfo(*cls).versionable && schema != 1)
        throw FileFormatError("unpassendes Schema der Klasse " + name);
    classes_.push_back({nextIndex_++, *cls, schema});
    return classes_.back();
}

const ArchiveReader::ClassEntry* ArchiveReader::findClass(std::uint32_t index) const {
    const auto it =
        std::lower_bound(classes_.begin(), classes_.end(), index,
                         [](const ClassEntry& entry, std::uint32_t i) { return entry.index < i; });
    return it != classes_.end() && it->index == index ? &*it : nullptr;
}

std::optional<std::uint16_t> ArchiveReader::beginObject(RecordClass expected) {
    const std::uint16_t tag = word();
    const ClassEntry* cls = nullptr;
    if (tag == kNewClassTag) {
        cls = &readClassRecord();
    } else {
        bool isClassRef = (tag & kClassTag) != 0;
        std::uint32_t index = tag & ~kClassTag;
        if (tag == kBigIndexTag) {
            const std::uint32_t big = dword();
            isClassRef = (big & kBigClassTag) != 0;
            index = big & ~kBigClassTag;
        }
        if (!isClassRef) {
            if (index == 0)
                return std::nullopt;
            throw FileFormatError("Verweis auf ein schon gelesenes Objekt");
        }
        cls = findClass(index);
        if (!cls)
            throw FileFormatError("ungültiger Klassenverweis");
    }
    if (cls->cls != expected)
        throw FileFormatError("Objekt einer unerwarteten Klasse");
    ++nextIndex_;
    return cls->schema;
}

} // namespace ledger
