#include "ledger/archive_reader.h"

#include "ledger/archive_error.h"

#include <string>

namespace ledger {

std::uint32_t ArchiveReader::readClassRecord() {
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
    table_.push_back({true, *cls, schema});
    return static_cast<std::uint32_t>(table_.size() - 1);
}

std::optional<std::uint16_t> ArchiveReader::beginObject(RecordClass expected) {
    const std::uint16_t tag = word();
    std::uint32_t classIndex = 0;
    if (tag == kNewClassTag) {
        classIndex = readClassRecord();
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
        if (index >= table_.size() || !table_[index].isClass)
            throw FileFormatError("ungültiger Klassenverweis");
        classIndex = index;
    }
    const Entry cls = table_[classIndex];
    if (cls.cls != expected)
        throw FileFormatError("Objekt einer unerwarteten Klasse");
    table_.push_back({false, cls.cls, cls.schema});
    return cls.schema;
}

} // namespace ledger
