// A ledger with every kind of record and a non-default value in every stored field group,
// built for the file tests.
#pragma once

#include "ledger/dokument.h"

#include <memory>

namespace testsupport {

ledger::CNVKDatum datum(int day, int month, int year);

// Dual currency (Euro and DEM), categories with sub-categories in all three trees, accounts
// of all kinds with alternative assignments and currency switch dates, bookings (one
// provisional, one with notes over two lines, texts with umlauts), two recurring bookings
// with occurrence states, hidden booking texts, two edited filters, a password, edited
// settings, an initial display period and the descending account bookings sort.
std::unique_ptr<ledger::CTalwerkDoc> sampleLedger();

} // namespace testsupport
