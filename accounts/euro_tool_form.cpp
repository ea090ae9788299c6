#include "accounts/euro_tool_form.h"

namespace accounts {

CEuroToolForm::CEuroToolForm(const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies,
                             std::string bisher)
    : LandeswaehrungFelder(nationalCurrencies), bisher_(std::move(bisher)) {}

std::optional<CEuroToolForm::Field> CEuroToolForm::check(platform::Prompter& prompter) const {
    auto refuse = [&](const char* text, Field field) {
        prompter.information(text, kEuroToolCaption);
        return std::optional<Field>(field);
    };
    if (eurSymbol.empty())
        return refuse("Bitte geben Sie ein Währungssymbol ein!", Field::EurSymbol);
    if (landesSymbol.empty())
        return refuse("Bitte geben Sie ein Währungssymbol ein!", Field::Landessymbol);
    if (!ledger::parseRate(wechselkurs))
        return refuse("Bitte geben Sie einen gültigen Wechselkurs ein!", Field::Wechselkurs);
    return std::nullopt;
}

void CEuroToolForm::apply(ledger::CTalwerkDoc& doc) const {
    const auto rate = ledger::parseRate(wechselkurs);
    if (!rate)
        return;
    doc.convertToEuro(landeswaehrung, *rate, eurSymbol, landesSymbol);
}

} // namespace accounts
