// CBuchungsoptionenForm: the rules of the booking options dialog "Buchungsoptionen": a copy
// of the booking options of a document, the list of hidden booking texts, and writing it all
// back on OK.
#pragma once

#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <string>
#include <vector>

namespace bookings {

class CBuchungsoptionenForm {
public:
    static constexpr const char* kCaption = "Buchungsoptionen";

    explicit CBuchungsoptionenForm(const ledger::CTalwerkDoc& doc);

    int accountInputMode = 0;    // "Konteneingabe"
    int bookingNumberSource = 1; // "Buchungsnummer"
    int presetCurrency = 0;      // "voreingestellte &Währung:"
    bool confirmDueBookings = true;
    bool noNationalAmountOfEuro = false;
    bool preselectMostUsedAccounts = true;
    bool noAskMissingNumber = false;
    bool noAskMissingText = false;
    bool disableNumberField = false;
    bool disableCurrencyField = false;
    bool disableNotesField = false;
    std::vector<std::string> hiddenTexts; // "Ausgeblendete Buchungstexte"
    int selectedHiddenText = -1;

    // The second currency and the Euro option exist only under dual-currency bookkeeping.
    bool dualCurrency() const { return dualCurrency_; }
    std::vector<std::string> presetCurrencyNames() const { return currencyNames_; }

    // "Buchungstext wieder anzeigen": removes the selected hidden text and selects the entry
    // now at its place (or the last one).
    void showTextAgain(platform::Prompter& prompter);

    // Writes every option back (hidden texts without empty entries). Returns whether the
    // booking number source changed.
    bool apply(ledger::CTalwerkDoc& doc) const;

private:
    bool dualCurrency_ = false;
    std::vector<std::string> currencyNames_;
};

} // namespace bookings
