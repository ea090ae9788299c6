// The household chart of accounts that a new file can start with and that the demo files are
// built on: asset accounts (Girokonto, Tagesgeld, Sparbuch, Bargeld, Kreditkarte), income
// accounts (Gehalt, ...) and the usual expense accounts, each in its category and
// sub-category.
#pragma once

#include "ledger/dokument.h"

namespace accounts {

// Adds the chart's categories, sub-categories and accounts to a document that has none yet;
// every account starts with a zero balance in the first currency.
void legeStartKontenplanAn(ledger::CTalwerkDoc& doc);

} // namespace accounts
