// CBezeichnungForm: the rules of the name entry dialog "Bezeichnung eingeben" used to create
// and rename categories and sub-categories: its title and prompt, and the checks of OK.
#pragma once

#include "platform/prompter.h"

#include <optional>
#include <string>
#include <vector>

namespace accounts {

class CBezeichnungForm {
public:
    enum class Modus { Neu, Umbenennen };
    enum class Ebene { Kategorie, Unterkategorie };
    enum class Field { Bezeichnung };

    static constexpr const char* kCaption = "Bezeichnung eingeben";

    // taken: the names already in use, compared without regard to case. The name field
    // starts with the current name (empty for a new element).
    CBezeichnungForm(Modus modus, Ebene ebene, std::string currentName,
                     std::vector<std::string> taken);

    Modus modus() const { return modus_; }
    Ebene ebene() const { return ebene_; }
    // The window title and the prompt above the name field.
    std::string title() const;
    std::string prompt() const;
    const std::vector<std::string>& taken() const { return taken_; }

    // OK: an empty name, then a name already taken. On a failure the message has been shown
    // and the field to focus is returned.
    std::optional<Field> check(platform::Prompter& prompter) const;

    std::string name; // taken as typed

private:
    Modus modus_;
    Ebene ebene_;
    std::vector<std::string> taken_;
};

} // namespace accounts
