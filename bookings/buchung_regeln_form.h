// CBuchungRegelnForm: the rules of the list "Regelmäßige Buchungen": the rule names sorted
// by name, and deleting a rule after the question.
#pragma once

#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <string>
#include <vector>

namespace bookings {

class CBuchungRegelnForm {
public:
    static constexpr const char* kCaption = "Regelmäßige Buchungen";
    static constexpr const char* kSpalte = "Bezeichnung";

    struct Eintrag {
        std::string name;
        int ruleIndex = -1; // position in the document's list of recurring bookings
    };

    explicit CBuchungRegelnForm(ledger::CTalwerkDoc& doc);

    // The rules sorted by name (ignoring case; rules of equal names in document order).
    const std::vector<Eintrag>& entries() const { return entries_; }
    void rebuild();
    // The list row of the rule at the index, or -1.
    int rowOfRule(int ruleIndex) const;

    // "&Löschen" on a row: after Yes to the question the rule is deleted and the list rebuilt.
    bool remove(int row, platform::Prompter& prompter);

    // A rule was added, changed or deleted while the list was open.
    bool changed() const { return changed_; }
    void setChanged() { changed_ = true; }

private:
    ledger::CTalwerkDoc& doc_;
    std::vector<Eintrag> entries_;
    bool changed_ = false;
};

} // namespace bookings
