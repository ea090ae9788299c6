// The Euro tool: the four steps that take a single-currency file to dual-currency
// bookkeeping and then to the Euro: the old currency and its rate, the currency of the asset
// accounts, the recurring bookings, and the booking dialog and views. Each step shows its
// dialog only when it has something to do; cancelling one ends the tool, and the steps
// confirmed before stay done.
#pragma once

#include "accounts/euro_ansichten_form.h"
#include "accounts/euro_konten_form.h"
#include "accounts/euro_regeln_form.h"
#include "accounts/euro_tool_form.h"
#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <vector>

namespace accounts {

// How the tool shows its dialogs. Each call shows the dialog over the form and returns true
// when it was confirmed with OK (the form's checks having passed), false when cancelled.
class EuroToolDialoge {
public:
    virtual ~EuroToolDialoge() = default;
    virtual bool doppelteWaehrung(CEuroToolForm& form) = 0;
    virtual bool kontowaehrung(CEuroKontenForm& form) = 0;
    virtual bool regelmaessigeBuchungen(CEuroRegelnForm& form) = 0;
    virtual bool ansichten(CEuroAnsichtenForm& form) = 0;
    // Called after each confirmed step has changed the document, so that the views follow.
    virtual void documentChanged() {}
};

// Runs the tool on the document; true when anything was changed (the document is then
// marked modified).
bool runEuroTool(ledger::CTalwerkDoc& doc,
                 const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies,
                 platform::Prompter& prompter, EuroToolDialoge& dialoge);

} // namespace accounts
