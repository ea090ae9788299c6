// Identifying accounts by name, account number or abbreviation: the entry texts of the account
// lists in the booking and filter dialogs, and the lookup of a typed account text.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace bookings {

// Account identification mode ("Konteneingabe", "Kontenidentifikation").
enum Kontenidentifikation : int { kBezeichnung = 0, kKontonummer = 1, kAbkuerzung = 2 };

// The account as the mode shows it: name, number as "%u", or abbreviation.
std::string kontoText(const ledger::CTWKonto& konto, int mode);
// The mode one step up (+1) or down (-1), wrapping within 0..2.
int stepIdentifikation(int mode, int delta);

// One entry of an account list: the text shown and the account id it carries.
struct KontoEintrag {
    std::string text;
    int32_t id = -1;
};
using KontoListe = std::vector<KontoEintrag>;

// The accounts that pass `take`, shown by the mode and sorted alphabetically by entry text.
KontoListe buildKontoListe(const ledger::CTalwerkDoc& doc, int mode,
                           const std::function<bool(const ledger::CTWKonto&)>& take);
// The account list of a side (0 or 1) for a booking kind: asset accounts, or every account of a
// transfer, on side 1; income, expense or every account on side 2.
KontoListe vorgangKontoListe(const ledger::CTalwerkDoc& doc, ledger::Vorgang kind, int side,
                             int mode);
// The label of a side's account field for a booking kind ("Bestands&konto", "von &Konto", ...).
std::string vorgangKontoLabel(ledger::Vorgang kind, int side);

// The id of the first entry whose text equals the text ignoring case, or -1.
int32_t findEintrag(const KontoListe& liste, std::string_view text);

// Finds accounts by a typed text under one identification mode: name or abbreviation equal
// exactly (first account in list order), or the digits of the text as account number (other
// characters skipped, no digit reads 0). Indexes the accounts once, so that lookups of many
// lines stay cheap; the document's accounts must not change while it is used.
class KontoFinder {
public:
    KontoFinder(const ledger::CTalwerkDoc& doc, int mode);
    const ledger::CTWKonto* find(std::string_view text) const;

private:
    int mode_;
    std::unordered_map<std::string, const ledger::CTWKonto*> byText_;
    std::unordered_map<uint32_t, const ledger::CTWKonto*> byNumber_;
};

} // namespace bookings
