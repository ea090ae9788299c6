// The file form of the password record CNVKKennwort.
#pragma once

#include "ledger/byte_reader.h"
#include "ledger/byte_writer.h"
#include "ledger/kennwort.h"

namespace ledger {

void writeKennwort(ByteWriter& w, const CNVKKennwort& kennwort);
// A record whose flag was cleared by editing the file still comes back protected: a marker or
// a check value that does not belong to an unprotected record sets the flag.
CNVKKennwort readKennwort(ByteReader& r);

} // namespace ledger
