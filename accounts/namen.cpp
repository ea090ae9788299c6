#include "accounts/namen.h"

#include "ledger/dokument.h"
#include "ledger/win1252.h"

#include <algorithm>

namespace accounts {

std::string kontoArtName(ledger::KontoArt kind) {
    switch (kind) {
    case ledger::KontoArt::Bestandskonto:
        return "Bestandskonto";
    case ledger::KontoArt::Einnahmenkonto:
        return "Einnahmenkonto";
    case ledger::KontoArt::Ausgabenkonto:
        return "Ausgabenkonto";
    }
    return {};
}

std::vector<std::string> kontoArtNamen() {
    std::vector<std::string> names;
    for (const ledger::KontoArt kind : ledger::kAlleKontoArten)
        names.push_back(kontoArtName(kind));
    return names;
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
