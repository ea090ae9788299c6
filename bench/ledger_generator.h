// Generator of large, realistic ledgers for benchmarks: a household with asset, income and
// expense accounts grouped into categories, and bookings spread over decades.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace bench {

struct LedgerOptions {
    int bookingCount = 100'000;
    int years = 30;
    int firstYear = 1995;
    // Dual-currency bookkeeping (Euro and DM): bookings before 2002 are in DM and the asset
    // accounts switch to the Euro on 01.01.2002.
    bool dualCurrency = false;
    uint32_t seed = 20240615;
    // The chart of accounts grows beyond the household's own accounts to these sizes.
    int accountCount = 300;
    int categoryCount = 50;
    // Monthly recurring bookings running since the first year.
    int ruleCount = 20;
};

// A new document with the chart of accounts and categories, but without bookings: the
// household's accounts, then numbered ones up to the account and category counts.
std::unique_ptr<ledger::CTalwerkDoc> generateChartOfAccounts(const LedgerOptions& options);

// Bookings between the document's accounts, in random date order (not booking order), without
// serials: adding them gives them the serials 0, 1, 2, ... in that order.
std::vector<ledger::CTWBuchung> generateBookings(const ledger::CTalwerkDoc& doc,
                                                 const LedgerOptions& options);

// The whole ledger: chart of accounts, the bookings in booking order with exact counts and
// the recurring bookings.
std::unique_ptr<ledger::CTalwerkDoc> generateLedger(const LedgerOptions& options = {});

} // namespace bench
