// The file form of the numbered settings: each setting is written and read by its number,
// in the type the settings table gives it.
#pragma once

#include "ledger/byte_reader.h"
#include "ledger/byte_writer.h"
#include "ledger/einstellungen.h"

namespace ledger {

// Settings first to last (numbers 1 to 116, both inclusive), in order.
void writeSettings(ByteWriter& w, const CTWEinstellungen& settings, int first, int last);
void readSettings(ByteReader& r, CTWEinstellungen& settings, int first, int last);

} // namespace ledger
