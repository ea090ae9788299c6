// CNeueDateiForm: the rules of the new-file currency dialog "Neue Datei". It holds the
// dialog's fields, fills the dependent texts when a national currency is chosen or the rate
// is left, and checks the input on OK in its fixed order.
#pragma once

#include "accounts/landeswaehrung_felder.h"
#include "ledger/dokument.h"
#include "ledger/waehrung.h"
#include "platform/prompter.h"

#include <optional>
#include <string>
#include <vector>

namespace accounts {

class CNeueDateiForm : public LandeswaehrungFelder {
public:
    enum class Buchfuehrung { NurEuro = 0, EuroUndLandeswaehrung = 1, AndereWaehrung = 2 };
    enum class EuroSymbol { Eur = 0, Euro = 1, Anderes = 2 };
    // The fields a failed check puts the focus on.
    enum class Field { AnderesKuerzel, EurSymbol, Landessymbol, Waehrungskuerzel, Wechselkurs };

    static constexpr const char* kCaption = "Neue Datei";

    // The form starts with its defaults: Euro only with "EUR", the first national currency
    // with its rate and symbol, and "Sfr" for another currency.
    explicit CNeueDateiForm(const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies);

    // The label before the national symbol (the code shown after the rate field with ":").
    std::string landesSymbolLabel() const { return landesCode() + ":"; }

    // Runs the checks of OK in their order. On a failure the message has been shown and the
    // field to focus is returned; on success nothing.
    std::optional<Field> check(platform::Prompter& prompter) const;
    // The currency fields of the new file; valid after a successful check.
    ledger::NeueDateiWaehrung result() const;
    // Makes `doc` the new file: its currencies and, when asked for, the starter chart of
    // accounts. The new file counts as unchanged.
    void legeDateiAn(ledger::CTalwerkDoc& doc, const ledger::CNVKDatum& today) const;

    Buchfuehrung buchfuehrung = Buchfuehrung::NurEuro;
    EuroSymbol euroSymbol = EuroSymbol::Eur;
    std::string anderesKuerzel;
    std::string waehrungskuerzel = "Sfr";
    // Start with the household chart of accounts (accounts/start_kontenplan.h) instead of
    // none; off unless the user asks for it.
    bool startKontenplan = false;
};

} // namespace accounts
