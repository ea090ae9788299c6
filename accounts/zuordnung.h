// The category assignments of an account as the dialogs set them. The usage counts that
// follow the assignments are kept by the document's account operations (addKonto,
// changeKonto, removeKonto), so each count equals the assignments pointing at it.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <string_view>

namespace accounts {

// An alternative assignment as the dialogs hold it: its ids count only while useStandard is
// clear.
struct AltZuordnung {
    bool useStandard = false;
    int32_t category = -1;
    int32_t subcategory = -1;
    bool operator==(const AltZuordnung&) const = default;
};

// The defaults of a new account: alternative 1 follows the standard assignment, alternative 2
// has no category.
inline constexpr AltZuordnung kAlt1Default{true, -1, -1};
inline constexpr AltZuordnung kAlt2Default{false, -1, -1};

AltZuordnung alt1Of(const ledger::CTWKonto& konto);
AltZuordnung alt2Of(const ledger::CTWKonto& konto);

// Sets all three assignments of the account record. The standard assignment is looked up by
// name (exact); a name that is "(keine)" or not found gives no category. An alternative with
// a clear flag keeps only ids that exist in the tree of the account's kind.
void setZuordnungen(const ledger::CTalwerkDoc& doc, ledger::CTWKonto& konto,
                    std::string_view categoryName, std::string_view subcategoryName,
                    const AltZuordnung& alt1, const AltZuordnung& alt2);

} // namespace accounts
