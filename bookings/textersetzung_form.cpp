#include "bookings/textersetzung_form.h"

#include "ledger/win1252.h"

namespace bookings {

std::string ersetzeAlle(std::string_view field, std::string_view search,
                        std::string_view replacement, bool matchCase) {
    if (search.empty())
        return std::string(field);
    // Upper-casing keeps every character in its place, so positions in the search copy are
    // positions in the field.
    const std::string foldedField = matchCase ? std::string() : ledger::toUpper(field);
    const std::string foldedSearch = matchCase ? std::string() : ledger::toUpper(search);
    const std::string_view haystack = matchCase ? field : std::string_view(foldedField);
    const std::string_view needle = matchCase ? search : std::string_view(foldedSearch);

    std::string result;
    size_t from = 0;
    for (size_t match = haystack.find(needle); match != std::string_view::npos;
         match = haystack.find(needle, from)) {
        result.append(field.substr(from, match - from));
        result.append(replacement);
        from = match + needle.size();
    }
    if (from == 0)
        return std::string(field);
    result.append(field.substr(from));
    return result;
}

std::optional<CTextersetzungForm::Field>
CTextersetzungForm::ok(platform::Prompter& prompter) const {
    if (suchen.empty()) {
        prompter.information("Bitte geben Sie den Text ein, nach dem gesucht werden soll!",
                             kCaption);
        return Field::Suchen;
    }
    return std::nullopt;
}

} // namespace bookings
