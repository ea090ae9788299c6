// Deleting an account, from the account editor or from the accounts view: refused while
// bookings or recurring bookings use it, otherwise asked and carried out with the usage
// counts of its assignments released.
#pragma once

#include "accounts/kategorie_verwaltung.h"
#include "ledger/dokument.h"
#include "platform/prompter.h"

namespace accounts {

// True when the account was deleted (the document is then marked modified). The account
// editor's messages are general; the view's name the account. An unknown id changes nothing.
bool deleteKonto(ledger::CTalwerkDoc& doc, platform::Prompter& prompter, int32_t kontoId,
                 LoeschMeldungen meldungen);

} // namespace accounts
