// CTextersetzungForm: the rules of the dialog "Text ersetzen" of the booking editor: the search
// and replacement texts, the fields searched, the case rule, the check of OK, and the
// replacement within one field.
#pragma once

#include "platform/prompter.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace bookings {

// The fields "Text ersetzen" searches ("&Suchen in:").
enum class TextBereich : int { TextUndNotizen = 0, Buchungstext = 1, Notizen = 2 };
inline constexpr std::array<const char*, 3> kTextBereichNamen = {"Buchungstexte und Notizen",
                                                                 "Buchungstexte", "Notizen"};

// Every match of `search` in `field`, from the front, replaced by `replacement`; the search goes
// on behind each inserted replacement, so a replacement that contains the search text is not
// replaced again. Without `matchCase` the matching ignores case (Windows-1252), while the text
// outside the matches keeps its own spelling. An empty search text matches nothing.
std::string ersetzeAlle(std::string_view field, std::string_view search,
                        std::string_view replacement, bool matchCase);

class CTextersetzungForm {
public:
    static constexpr const char* kCaption = "Text ersetzen";
    enum class Field { Suchen };

    std::string suchen;   // "&Suchen nach:"
    std::string ersetzen; // "&Ersetzen durch:"
    TextBereich bereich = TextBereich::TextUndNotizen;
    bool grossKlein = false;     // "&Groß-/Kleinschreibung beachten"
    bool ohneRueckfrage = false; // "&Ohne Rückfrage"

    // OK: an empty search text is refused (it would match everywhere and never end).
    std::optional<Field> ok(platform::Prompter& prompter) const;

    bool searchesText() const { return bereich != TextBereich::Notizen; }
    bool searchesNotes() const { return bereich != TextBereich::Buchungstext; }
    // The field with every match replaced.
    std::string ersetzt(std::string_view field) const {
        return ersetzeAlle(field, suchen, ersetzen, grossKlein);
    }
};

} // namespace bookings
