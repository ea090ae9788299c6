#include "bookings/buchungstext_form.h"

#include "ledger/win1252.h"

#include <algorithm>
#include <unordered_set>

namespace bookings {

// The document keeps the choices of the text selection in settings 80 (the entry of
// "Buchungstexte der letzten") and 81 to 83 (the three "übernehmen" flags).

CBuchungstextForm::CBuchungstextForm(ledger::CTalwerkDoc& doc) : doc_(doc) {
    rebuild();
}

int CBuchungstextForm::countIndex() const {
    const int last = static_cast<int>(kBuchungstextAnzahlen.size()) - 1;
    return std::clamp(static_cast<int>(doc_.settings().reserved80), 0, last);
}

bool CBuchungstextForm::takeKindAndAccounts() const {
    return doc_.settings().reserved81 != 0;
}

bool CBuchungstextForm::takeAmountAndCurrency() const {
    return doc_.settings().reserved82 != 0;
}

bool CBuchungstextForm::takeNotes() const {
    return doc_.settings().reserved83 != 0;
}

void CBuchungstextForm::store(int32_t ledger::CTWEinstellungen::*setting, int32_t value) {
    if (doc_.settings().*setting == value)
        return;
    doc_.changeSettings([&](ledger::CTWEinstellungen& s) { s.*setting = value; });
}

void CBuchungstextForm::setCountIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kBuchungstextAnzahlen.size()))
        return;
    store(&ledger::CTWEinstellungen::reserved80, index);
    rebuild();
}

void CBuchungstextForm::setTakeKindAndAccounts(bool on) {
    store(&ledger::CTWEinstellungen::reserved81, on);
}

void CBuchungstextForm::setTakeAmountAndCurrency(bool on) {
    store(&ledger::CTWEinstellungen::reserved82, on);
}

void CBuchungstextForm::setTakeNotes(bool on) {
    store(&ledger::CTWEinstellungen::reserved83, on);
}

void CBuchungstextForm::rebuild() {
    entries_.clear();
    selected = -1;
    const std::unordered_set<std::string> hidden(doc_.hiddenBookingTexts().begin(),
                                                 doc_.hiddenBookingTexts().end());
    std::unordered_set<std::string> seen; // upper case
    const int count = static_cast<int>(doc_.bookings().size());
    const int first = std::max(count - kBuchungstextAnzahlen[countIndex()], 0);
    for (int i = count - 1; i >= first; --i) {
        const std::string& text = doc_.bookings()[i]->text;
        if (text.empty() || hidden.count(text) != 0)
            continue;
        if (seen.insert(ledger::toUpper(text)).second)
            entries_.push_back({text, i});
    }
    std::stable_sort(entries_.begin(), entries_.end(), [](const Eintrag& a, const Eintrag& b) {
        return ledger::collate(a.text, b.text) < 0;
    });
}

void CBuchungstextForm::hideSelected(platform::Prompter& prompter) {
    const int count = static_cast<int>(entries_.size());
    if (selected < 0 || selected >= count) {
        prompter.information("Sie haben keinen Buchungstext ausgewählt!", kCaption);
        return;
    }
    std::string text = std::move(entries_[selected].text);
    entries_.erase(entries_.begin() + selected);
    std::vector<std::string> hidden = doc_.hiddenBookingTexts();
    const auto place = std::find_if(hidden.begin(), hidden.end(), [&](const std::string& h) {
        return ledger::collate(h, text) > 0;
    });
    hidden.insert(place, std::move(text));
    doc_.setHiddenBookingTexts(std::move(hidden));
    selected = std::min(selected, count - 2);
}

const ledger::CTWBuchung* CBuchungstextForm::chosenBooking() const {
    if (selected < 0 || selected >= static_cast<int>(entries_.size()))
        return nullptr;
    return doc_.bookings()[entries_[selected].bookingIndex];
}

} // namespace bookings
