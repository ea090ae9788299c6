// Dokumentoptionen: copies of everything a ledger document keeps that the options dialog edits,
// read from the document when the dialog opens and written back in one step on OK.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>

namespace options {

struct Dokumentoptionen {
    ledger::CTWEinstellungen settings;
    ledger::CNVKKennwort password;
    ledger::Darstellungszeitraum initialPeriod;
    int32_t accountBookingsSortDirection = 0; // 0 ascending, 1 descending

    static Dokumentoptionen of(const ledger::CTalwerkDoc& doc);
    // The one place where the options reach the document; marks it modified.
    void writeTo(ledger::CTalwerkDoc& doc) const;
};

} // namespace options
