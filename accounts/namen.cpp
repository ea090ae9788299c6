#include "accounts/namen.h"

#include "ledger/dokument.h"
#include "ledger/win1252.h"

#include <algorithm>

namespace accounts {

std::string kontoArtName(int kind) {
    switch (kind) {
    case ledger::kBestandskonto:
        return "Bestandskonto";
    case ledger::kEinnahmenkonto:
        return "Einnahmenkonto";
    case ledger::kAusgabenkonto:
        return "Ausgabenkonto";
    default:
        return {};
    }
}

std::vector<std::string> kontoArtNamen() {
    return {kontoArtName(ledger::kBestandskonto), kontoArtName(ledger::kEinnahmenkonto),
            kontoArtName(ledger::kAusgabenkonto)};
}

bool namensOrdnung(std::string_view a, std::string_view b) {
    const int byLetters = ledger::compareNoCase(a, b);
    if (byLetters != 0)
        return byLetters < 0;
    return ledger::collate(a, b) < 0;
}

void sortNamen(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return namensOrdnung(a, b);
    });
}

std::vector<std::string> mitKeine(std::vector<std::string> names) {
    names.insert(names.begin(), ledger::kKeine);
    return names;
}

} // namespace accounts
