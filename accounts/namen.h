// Texts shared by the account and category dialogs: the names of the account kinds and the
// case-insensitive order in which their lists show names.
#pragma once

#include "ledger/konto.h"

#include <string>
#include <string_view>
#include <vector>

namespace accounts {

// "Bestandskonto", "Einnahmenkonto", "Ausgabenkonto"; empty for any other kind.
std::string kontoArtName(ledger::KontoArt kind);
// The three names in the order of the kinds, as the kind lists show them.
std::vector<std::string> kontoArtNamen();

// Case-insensitive alphabetical order (ä beside a); texts equal but for case keep a fixed
// order by the collation.
bool namensOrdnung(std::string_view a, std::string_view b);
void sortNamen(std::vector<std::string>& names);

// "(keine)" followed by the names in list order.
std::vector<std::string> mitKeine(std::vector<std::string> names);

} // namespace accounts
