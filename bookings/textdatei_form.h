// CTextdateiForm: the rules of "Kopieren in Textdatei": the format, the file name check and
// writing the laid-out table with CR LF line ends, as Windows-1252 text (what other programs
// have always read from it) or as UTF-8 when the user chooses so.
#pragma once

#include "platform/prompter.h"
#include "reports/report_table.h"
#include "reports/table_text.h"

#include <string>

namespace bookings {

class CTextdateiForm {
public:
    static constexpr const char* kCaption = "Kopieren in Textdatei";

    enum class Zeichensatz { Windows1252 = 0, Utf8 = 1 };

    reports::TextFormat format = reports::TextFormat::FixedWidths;
    Zeichensatz zeichensatz = Zeichensatz::Windows1252;
    std::string fileName; // in the file system's encoding

    // OK: an empty file name is refused with its message (the name field gets the focus).
    bool check(platform::Prompter& prompter) const;
    // Replaces the file with the table's text. False, after the message, when the file
    // cannot be created.
    bool write(const reports::ReportTable& table, platform::Prompter& prompter) const;
};

} // namespace bookings
