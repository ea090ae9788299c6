// OptionFeld: one control of an options page with its label, the values it offers or the range
// it enforces, the value it holds, and the document setting it edits. The pages of the options
// dialog except "Allgemein" are lists of such fields, so the desktop dialog and the command
// line read and set them the same way.
#pragma once

#include "options/dokument_optionen.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace options {

enum class FeldArt {
    Auswahl,    // a list to choose one entry from
    Optionen,   // a group of option buttons (one entry chosen)
    Schalter,   // a check box
    Text,       // a text, such as a title template
    Schriftart, // a font name
    Laenge,     // a length in tenths of a millimetre, typed in centimetres
    Zahl,       // a whole number within a range (typed larger or smaller: the range's end)
    Farbe,      // a colour 0x00BBGGRR
    Liste,      // a list of check box rows, each one bit of a bit set
};

// An entry of a list or an option group (its value), or a row of a check box list (its bit).
struct Eintrag {
    std::string label;
    uint32_t wert;
};

// The document setting a field edits.
using Ziel = std::variant<int32_t ledger::CTWEinstellungen::*, uint32_t ledger::CTWEinstellungen::*,
                          std::string ledger::CTWEinstellungen::*, int32_t Dokumentoptionen::*>;

class OptionFeld {
public:
    OptionFeld(std::string name, std::string label, FeldArt art, Ziel ziel);

    // Range of Laenge and Zahl fields.
    OptionFeld& range(int32_t minimum, int32_t maximum);
    // Entries of Auswahl and Optionen fields, rows of Liste fields.
    OptionFeld& entries(std::vector<Eintrag> entries);
    // The title of the box the field stands in with its neighbours of the same group.
    OptionFeld& group(std::string group);

    const std::string& name() const { return name_; } // the setting's name on the command line
    const std::string& label() const { return label_; }
    FeldArt art() const { return art_; }
    int32_t minimum() const { return minimum_; }
    int32_t maximum() const { return maximum_; }
    const std::vector<Eintrag>& entries() const { return entries_; }
    const std::string& group() const { return group_; }

    // The value: the chosen entry's value, the check box (0, 1), the number or length, the
    // colour, or the bits of the ticked rows.
    int64_t zahl = 0;
    std::string text; // Text and Schriftart

    // The position of the chosen entry, or -1 when the value is none of them.
    int chosenIndex() const;
    void choose(int index);
    bool ticked(size_t row) const;
    void tick(size_t row, bool on);

    // A length field left with the typed text: parsed, clamped; show formatLaenge(zahl) again.
    void leaveLaenge(std::string_view typed);
    // A number field left with the typed value: a larger one becomes the maximum, a smaller
    // one the minimum.
    void leaveZahl(int64_t typed);

    // The value as the page shows it, without shortcut marks.
    std::string display() const;
    // Takes a value as typed on the command line; the reason when the control could not hold
    // it (a choice it does not offer, not a number).
    std::optional<std::string> set(std::string_view value);

    void load(const Dokumentoptionen& werte);
    // Writes the value: lengths and numbers clamped to the range, of a bit set only the bits
    // of the offered rows.
    void store(Dokumentoptionen& werte) const;

private:
    uint32_t offeredBits() const;

    std::string name_;
    std::string label_;
    FeldArt art_;
    Ziel ziel_;
    int32_t minimum_ = 0;
    int32_t maximum_ = 0;
    std::vector<Eintrag> entries_;
    std::string group_;
};

// A label without its shortcut marks ("Felda&bstand:" -> "Feldabstand:").
std::string withoutShortcut(std::string_view label);

} // namespace options
