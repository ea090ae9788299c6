// Writes the bodies of the ledger's records in their current schema.
#pragma once

#include "ledger/archive_writer.h"
#include "ledger/buchung.h"
#include "ledger/buchung_regel.h"
#include "ledger/buchungs_filter.h"
#include "ledger/kategorie.h"
#include "ledger/konto.h"

namespace ledger {

void writeKonto(ArchiveWriter& w, const CTWKonto& konto);
void writeKategorie(ArchiveWriter& w, const CTWKategorie& kategorie);
void writeBuchung(ArchiveWriter& w, const CTWBuchung& buchung);
void writeBuchungRegel(ArchiveWriter& w, const CTWBuchungRegel& regel);
void writeFilter(ByteWriter& w, const CTWBuchungsFilterNeu& filter);

} // namespace ledger
