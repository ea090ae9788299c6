// The demo ledgers: a German household chart of accounts, and the same with two years of
// bookings up to a given day.
#pragma once

#include "ledger/dokument.h"

#include <memory>

namespace cli {

// Asset, income and expense accounts with categories and sub-categories; no bookings.
std::unique_ptr<ledger::CTalwerkDoc> demoKontenplan(const ledger::CNVKDatum& today);

// The chart of accounts with the bookings of the two years up to today: recurring bookings
// (executed up to a few days ago, the latest still due), everyday spending, card bookings of
// the last month still provisional, and a few named filters. The bookings are the same for
// the same today.
std::unique_ptr<ledger::CTalwerkDoc> demoDatei(const ledger::CNVKDatum& today);

} // namespace cli
