// CBuchungRenumberForm: the rules of the dialog "Neu nummerieren" of the booking editor: the
// start number of the renumbering and its checks on OK.
#pragma once

#include "platform/prompter.h"

#include <optional>
#include <string>

namespace bookings {

class CBuchungRenumberForm {
public:
    static constexpr const char* kCaption = "Neu nummerieren";
    static constexpr const char* kPrompt =
        "Neunummerierung mit folgender Buchungs-\nnummer starten:";
    enum class Field { Nummer };

    std::string nummer; // the start number

    // OK: a number is given, and one that the increment rule can count on (it holds a digit).
    std::optional<Field> ok(platform::Prompter& prompter) const;
};

} // namespace bookings
