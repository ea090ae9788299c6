// Reads the bodies of the ledger's records, in every schema a file may carry.
#pragma once

#include "ledger/archive_reader.h"
#include "ledger/buchung.h"
#include "ledger/buchung_regel.h"
#include "ledger/buchungs_filter.h"
#include "ledger/kategorie.h"
#include "ledger/konto.h"
#include "ledger/text_arena.h"

#include <cstdint>

namespace ledger {

// Texts marked scrambled are stored plain in schema 1. Values that later code uses as
// indexes or loop steps (kinds, currency indexes, intervals) are checked here, and a record
// that holds an unusable one fails with FileOpenError.
void readKonto(ArchiveReader& r, std::uint16_t schema, CTWKonto& konto);
void readKategorie(ArchiveReader& r, std::uint16_t schema, CTWKategorie& kategorie);
void readUnterkategorie(ArchiveReader& r, std::uint16_t schema, CTWUnterkategorie& unterkategorie);
// The booking's texts view their copies in the arena.
// The fewest bytes a booking takes in a file: its object reference, the date, seven whole
// numbers, three empty texts and the amount.
inline constexpr std::size_t kLeastBuchungBytes = 2 + 4 + 7 * 4 + 3 + 8;
void readBuchung(ArchiveReader& r, std::uint16_t schema, CTWBuchung& buchung, TextArena& texts);
void readBuchungRegel(ArchiveReader& r, std::uint16_t schema, CTWBuchungRegel& regel);

// The filter body; the old form (files before the ten named filters) has neither the name
// nor word 16.
enum class FilterForm { Named, Old };
void readFilter(ByteReader& r, FilterForm form, CTWBuchungsFilterNeu& filter);

} // namespace ledger
