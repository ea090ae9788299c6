// CEuroToolForm: the rules of the Euro tool's first dialog "Euro-Tool: Doppelte
// Währungsbuchführung": the old currency with its fixed rate and the two symbols, the checks
// of OK, and the switch of the file to dual-currency bookkeeping.
#pragma once

#include "accounts/landeswaehrung_felder.h"
#include "ledger/dokument.h"
#include "ledger/waehrung.h"
#include "platform/prompter.h"

#include <optional>
#include <string>
#include <vector>

namespace accounts {

// All messages of the Euro tool carry this caption.
inline constexpr const char* kEuroToolCaption = "Euro-Tool";

class CEuroToolForm : public LandeswaehrungFelder {
public:
    static constexpr const char* kTitle = "Euro-Tool: Doppelte Währungsbuchführung";
    enum class Field { EurSymbol, Landessymbol, Wechselkurs };

    // Starts with the first national currency, its rate and symbol, "EUR", and the file's
    // current symbol shown as "bisher:".
    CEuroToolForm(const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies,
                  std::string bisher);

    // OK: the EUR symbol, the national symbol, then the rate (a rate of zero is refused too).
    std::optional<Field> check(platform::Prompter& prompter) const;
    // After a successful check: the file keeps two currencies, and every asset account,
    // booking and recurring booking is in the old currency (the second one).
    void apply(ledger::CTalwerkDoc& doc) const;

    const std::string& bisher() const { return bisher_; }

private:
    std::string bisher_;
};

} // namespace accounts
