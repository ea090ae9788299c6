// CNeueDateiForm: the rules of the new-file currency dialog "Neue Datei". It holds the
// dialog's fields, fills the dependent texts when a national currency is chosen or the rate
// is left, and checks the input on OK in its fixed order.
#pragma once

#include "ledger/waehrung.h"
#include "platform/prompter.h"

#include <optional>
#include <string>
#include <vector>

namespace accounts {

class CNeueDateiForm {
public:
    enum class Buchfuehrung { NurEuro = 0, EuroUndLandeswaehrung = 1, AndereWaehrung = 2 };
    enum class EuroSymbol { Eur = 0, Euro = 1, Anderes = 2 };
    // The fields a failed check puts the focus on.
    enum class Field { AnderesKuerzel, EurSymbol, Landessymbol, Waehrungskuerzel, Wechselkurs };

    static constexpr const char* kCaption = "Neue Datei";

    // The form starts with its defaults: Euro only with "EUR", the first national currency
    // with its rate and symbol, and "Sfr" for another currency.
    explicit CNeueDateiForm(const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies);

    // Choosing a national currency: its rate, code and symbol fill the dependent fields.
    void selectLandeswaehrung(int index);
    // Leaving the rate field: a valid rate is written back in its formatted form.
    void leaveWechselkurs();

    // The code shown after the rate field, and the label before the national symbol.
    std::string landesCode() const;
    std::string landesSymbolLabel() const { return landesCode() + ":"; }

    // Runs the checks of OK in their order. On a failure the message has been shown and the
    // field to focus is returned; on success nothing.
    std::optional<Field> check(platform::Prompter& prompter) const;
    // The currency fields of the new file; valid after a successful check.
    ledger::NeueDateiWaehrung result() const;

    const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies() const { return currencies_; }

    Buchfuehrung buchfuehrung = Buchfuehrung::NurEuro;
    EuroSymbol euroSymbol = EuroSymbol::Eur;
    std::string anderesKuerzel;
    int landeswaehrung = 0;
    std::string wechselkurs;
    std::string eurSymbol = "EUR";
    std::string landesSymbol;
    std::string waehrungskuerzel = "Sfr";

private:
    const std::vector<ledger::CTWWaehrungsinfo>& currencies_;
};

} // namespace accounts
