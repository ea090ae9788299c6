#include "bookings/buchung_renumber_form.h"

#include "bookings/buchungsnummer.h"

namespace bookings {

std::optional<CBuchungRenumberForm::Field>
CBuchungRenumberForm::ok(platform::Prompter& prompter) const {
    if (nummer.empty()) {
        prompter.information("Bitte geben Sie eine Buchungsnummer ein!", kCaption);
        return Field::Nummer;
    }
    if (incrementBuchungsnummer(nummer) == nummer) {
        prompter.information(
            "Mit der eingegebenen Buchungsnummer ist keine fortlaufende Nummerierung möglich!",
            kCaption);
        return Field::Nummer;
    }
    return std::nullopt;
}

} // namespace bookings
