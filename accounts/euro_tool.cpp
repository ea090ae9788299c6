#include "accounts/euro_tool.h"

namespace accounts {

bool runEuroTool(ledger::CTalwerkDoc& doc,
                 const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies,
                 platform::Prompter& prompter, EuroToolDialoge& dialoge) {
    if (doc.settings().euroOnly != 0) {
        prompter.information("Diese Datei wird nur in Euro geführt. Eine Umstellung auf den "
                             "Euro ist daher weder notwendig noch möglich.",
                             kEuroToolCaption);
        return false;
    }
    bool shown = false;
    bool changed = false;
    // Shows a step's dialog and applies the confirmed form; false ends the tool.
    auto step = [&](auto& form, bool (EuroToolDialoge::*show)(decltype(form))) {
        shown = true;
        if (!(dialoge.*show)(form))
            return false;
        form.apply(doc);
        changed = true;
        dialoge.documentChanged();
        return true;
    };

    if (doc.settings().dualCurrency == 0) {
        CEuroToolForm form(nationalCurrencies, doc.settings().firstCurrencySymbol);
        if (!step(form, &EuroToolDialoge::doppelteWaehrung))
            return changed;
    }
    if (CEuroKontenForm form(doc); !form.empty() && !step(form, &EuroToolDialoge::kontowaehrung))
        return changed;
    if (CEuroRegelnForm form(doc);
        !form.empty() && !step(form, &EuroToolDialoge::regelmaessigeBuchungen))
        return changed;
    if (CEuroAnsichtenForm form(doc); !form.empty() && !step(form, &EuroToolDialoge::ansichten))
        return changed;
    if (!shown)
        prompter.information("Diese Datei ist bereits vollständig auf den Euro umgestellt.",
                             kEuroToolCaption);
    return changed;
}

} // namespace accounts
