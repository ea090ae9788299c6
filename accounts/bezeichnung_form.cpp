#include "accounts/bezeichnung_form.h"

#include "ledger/win1252.h"

#include <algorithm>

namespace accounts {

CBezeichnungForm::CBezeichnungForm(Modus modus, Ebene ebene, std::string currentName,
                                   std::vector<std::string> taken)
    : name(std::move(currentName)), modus_(modus), ebene_(ebene), taken_(std::move(taken)) {}

std::string CBezeichnungForm::title() const {
    const bool kategorie = ebene_ == Ebene::Kategorie;
    if (modus_ == Modus::Neu)
        return kategorie ? "Neue Kategorie" : "Neue Unterkategorie";
    return kategorie ? "Kategorie bearbeiten" : "Unterkategorie bearbeiten";
}

std::string CBezeichnungForm::prompt() const {
    const std::string neue = modus_ == Modus::Neu ? "" : "neue ";
    const std::string element = ebene_ == Ebene::Kategorie ? "Kategorie" : "Unterkategorie";
    return "Bitte geben Sie eine " + neue + "&Bezeichnung für die " + element + " ein:";
}

std::optional<CBezeichnungForm::Field> CBezeichnungForm::check(platform::Prompter& prompter) const {
    if (name.empty()) {
        prompter.information("Sie haben keine Bezeichnung eingegeben!", kCaption);
        return Field::Bezeichnung;
    }
    const bool isTaken = std::any_of(taken_.begin(), taken_.end(), [&](const std::string& t) {
        return ledger::equalsNoCase(t, name);
    });
    if (isTaken) {
        prompter.information(ebene_ == Ebene::Kategorie
                                 ? "Diese Kategorie ist bereits vorhanden!"
                                 : "Diese Unterkategorie ist bereits vorhanden!",
                             kCaption);
        return Field::Bezeichnung;
    }
    return std::nullopt;
}

} // namespace accounts
