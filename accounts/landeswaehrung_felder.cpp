#include "accounts/landeswaehrung_felder.h"

namespace accounts {

LandeswaehrungFelder::LandeswaehrungFelder(
    const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies)
    : currencies_(nationalCurrencies) {
    selectLandeswaehrung(0);
}

void LandeswaehrungFelder::selectLandeswaehrung(int index) {
    if (index < 0 || index >= static_cast<int>(currencies_.size()))
        return;
    landeswaehrung = index;
    const ledger::CTWWaehrungsinfo& info = currencies_[index];
    wechselkurs = ledger::formatRate({info.rateNumerator, info.rateDenominator});
    landesSymbol = info.symbol;
}

void LandeswaehrungFelder::leaveWechselkurs() {
    if (const auto rate = ledger::parseRate(wechselkurs))
        wechselkurs = ledger::formatRate(*rate);
}

std::string LandeswaehrungFelder::landesCode() const {
    if (landeswaehrung < 0 || landeswaehrung >= static_cast<int>(currencies_.size()))
        return {};
    return currencies_[landeswaehrung].code;
}

} // namespace accounts
