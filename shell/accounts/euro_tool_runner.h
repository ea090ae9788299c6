// The Euro tool in the desktop program: its four dialogs shown as Qt dialogs, and the views
// of the document refreshed after every confirmed step.
#pragma once

#include "ledger/waehrung.h"

#include <vector>

class QWidget;

namespace shell {

class OpenLedger;

// Runs the tool on the document; true when anything changed.
bool runEuroTool(OpenLedger& document,
                 const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies, QWidget* parent);

} // namespace shell
