#include "accounts/neue_datei_form.h"

#include "accounts/start_kontenplan.h"

namespace accounts {

namespace {

const char* const kKuerzelFehlt = "Bitte geben Sie ein Währungskürzel ein!";
const char* const kKursUngueltig = "Bitte geben Sie einen gültigen Wechselkurs ein!";

} // namespace

CNeueDateiForm::CNeueDateiForm(const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies)
    : LandeswaehrungFelder(nationalCurrencies) {}

std::optional<CNeueDateiForm::Field> CNeueDateiForm::check(platform::Prompter& prompter) const {
    auto refuse = [&](const char* text, Field field) {
        prompter.information(text, kCaption);
        return std::optional<Field>(field);
    };
    switch (buchfuehrung) {
    case Buchfuehrung::NurEuro:
        if (euroSymbol == EuroSymbol::Anderes && anderesKuerzel.empty())
            return refuse(kKuerzelFehlt, Field::AnderesKuerzel);
        return std::nullopt;
    case Buchfuehrung::EuroUndLandeswaehrung:
        if (eurSymbol.empty())
            return refuse(kKuerzelFehlt, Field::EurSymbol);
        if (landesSymbol.empty())
            return refuse(kKuerzelFehlt, Field::Landessymbol);
        // A rate of zero is refused here too: amounts could not be converted back.
        if (!ledger::parseRate(wechselkurs))
            return refuse(kKursUngueltig, Field::Wechselkurs);
        return std::nullopt;
    case Buchfuehrung::AndereWaehrung:
        if (waehrungskuerzel.empty())
            return refuse(kKuerzelFehlt, Field::Waehrungskuerzel);
        return std::nullopt;
    }
    return std::nullopt;
}

ledger::NeueDateiWaehrung CNeueDateiForm::result() const {
    ledger::NeueDateiWaehrung r;
    r.dualCurrency = 0;
    r.euroOnly = 0;
    r.nationalIndex = -1;
    r.rate = {1, 1};
    r.secondSymbol.clear();
    switch (buchfuehrung) {
    case Buchfuehrung::NurEuro:
        r.euroOnly = 1;
        r.firstSymbol = euroSymbol == EuroSymbol::Eur    ? std::string("EUR")
                        : euroSymbol == EuroSymbol::Euro ? std::string("€")
                                                         : anderesKuerzel;
        break;
    case Buchfuehrung::EuroUndLandeswaehrung:
        r.dualCurrency = 1;
        r.firstSymbol = eurSymbol;
        r.secondSymbol = landesSymbol;
        r.nationalIndex = landeswaehrung;
        r.rate = ledger::parseRate(wechselkurs).value_or(ledger::Wechselkurs{});
        break;
    case Buchfuehrung::AndereWaehrung:
        r.firstSymbol = waehrungskuerzel;
        break;
    }
    return r;
}

void CNeueDateiForm::legeDateiAn(ledger::CTalwerkDoc& doc, const ledger::CNVKDatum& today) const {
    doc.newDocument(result(), today);
    if (startKontenplan)
        legeStartKontenplanAn(doc);
    doc.setModified(false);
}

} // namespace accounts
