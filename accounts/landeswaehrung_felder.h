// LandeswaehrungFelder: the fields of an old national currency with its fixed rate and the
// symbols of the Euro and of that currency, as the new-file dialog and the Euro tool's first
// dialog show them: choosing a currency fills its
// rate and symbol, leaving the rate field writes a valid rate back formatted.
#pragma once

#include "ledger/waehrung.h"

#include <string>
#include <vector>

namespace accounts {

class LandeswaehrungFelder {
public:
    // Choosing a national currency: its rate and symbol fill the dependent fields.
    void selectLandeswaehrung(int index);
    // Leaving the rate field: a valid rate is written back in its formatted form.
    void leaveWechselkurs();
    // The code of the chosen currency ("DEM"); empty for none.
    std::string landesCode() const;

    const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies() const { return currencies_; }

    int landeswaehrung = 0;
    std::string wechselkurs;
    std::string eurSymbol = "EUR";
    std::string landesSymbol;

protected:
    // Starts with the first currency of the table.
    explicit LandeswaehrungFelder(const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies);
    ~LandeswaehrungFelder() = default;

private:
    const std::vector<ledger::CTWWaehrungsinfo>& currencies_;
};

} // namespace accounts
