#include "ledger/archive_classes.h"

#include <array>

namespace ledger {

namespace {
constexpr std::array<RecordClassInfo, 7> kClasses = {{
    {"CTWKategorie", 2, true},
    {"CTWUnterkategorie", 2, true},
    {"CTWKonto", 3, true},
    {"CNVKDatum", 1, false},
    {"CTWBuchung", 3, true},
    {"CTWBuchungRegel", 3, true},
    {"CTWBuchungsFilterNeu", 1, false},
}};
} // namespace

const RecordClassInfo& recordClassInfo(RecordClass cls) {
    return kClasses[static_cast<std::size_t>(cls)];
}

std::optional<RecordClass> recordClassByName(std::string_view name) {
    for (std::size_t i = 0; i < kClasses.size(); ++i)
        if (kClasses[i].name == name)
            return static_cast<RecordClass>(i);
    return std::nullopt;
}

} // namespace ledger
