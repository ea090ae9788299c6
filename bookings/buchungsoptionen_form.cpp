#include "bookings/buchungsoptionen_form.h"

#include "bookings/waehrungen.h"

#include <algorithm>

namespace bookings {

CBuchungsoptionenForm::CBuchungsoptionenForm(const ledger::CTalwerkDoc& doc)
    : dualCurrency_(doc.settings().dualCurrency != 0), currencyNames_(waehrungsNamen(doc)) {
    const ledger::CTWEinstellungen& s = doc.settings();
    accountInputMode = s.accountInputMode;
    bookingNumberSource = s.bookingNumberSource;
    presetCurrency = s.presetCurrency;
    confirmDueBookings = s.confirmDueBookings != 0;
    noNationalAmountOfEuro = s.noNationalAmountOfEuro != 0;
    preselectMostUsedAccounts = s.preselectMostUsedAccounts != 0;
    noAskMissingNumber = s.noAskMissingNumber != 0;
    noAskMissingText = s.noAskMissingText != 0;
    disableNumberField = s.disableNumberField != 0;
    disableCurrencyField = s.disableCurrencyField != 0;
    disableNotesField = s.disableNotesField != 0;
    hiddenTexts = doc.hiddenBookingTexts();
}

void CBuchungsoptionenForm::showTextAgain(platform::Prompter& prompter) {
    const int count = static_cast<int>(hiddenTexts.size());
    if (selectedHiddenText < 0 || selectedHiddenText >= count) {
        prompter.information("Sie haben keinen Buchungstext ausgewählt!", kCaption);
        return;
    }
    hiddenTexts.erase(hiddenTexts.begin() + selectedHiddenText);
    selectedHiddenText = std::min(selectedHiddenText, count - 2);
}

bool CBuchungsoptionenForm::apply(ledger::CTalwerkDoc& doc) const {
    ledger::CTWEinstellungen s = doc.settings();
    const bool sourceChanged = s.bookingNumberSource != bookingNumberSource;
    s.accountInputMode = accountInputMode;
    s.bookingNumberSource = bookingNumberSource;
    s.presetCurrency = dualCurrency_ ? presetCurrency : 0;
    s.confirmDueBookings = confirmDueBookings;
    s.noNationalAmountOfEuro = noNationalAmountOfEuro;
    s.preselectMostUsedAccounts = preselectMostUsedAccounts;
    s.noAskMissingNumber = noAskMissingNumber;
    s.noAskMissingText = noAskMissingText;
    s.disableNumberField = disableNumberField;
    s.disableCurrencyField = disableCurrencyField;
    s.disableNotesField = disableNotesField;
    doc.setSettings(std::move(s));
    std::vector<std::string> hidden;
    std::copy_if(hiddenTexts.begin(), hiddenTexts.end(), std::back_inserter(hidden),
                 [](const std::string& t) { return !t.empty(); });
    doc.setHiddenBookingTexts(std::move(hidden));
    return sourceChanged;
}

} // namespace bookings
