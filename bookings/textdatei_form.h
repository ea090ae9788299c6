// CTextdateiForm: the rules of "Kopieren in Textdatei": the format, the file name check and
// writing the laid-out table as Windows-1252 text with CR LF line ends.
#pragma once

#include "platform/prompter.h"
#include "reports/report_table.h"
#include "reports/table_text.h"

#include <string>

namespace bookings {

class CTextdateiForm {
public:
    static constexpr const char* kCaption = "Kopieren in Textdatei";

    reports::TextFormat format = reports::TextFormat::FixedWidths;
    std::string fileName; // in the file system's encoding

    // OK: an empty file name is refused with its message (the name field gets the focus).
    bool check(platform::Prompter& prompter) const;
    // Replaces the file with the table's text. False, after the message, when the file
    // cannot be created.
    bool write(const reports::ReportTable& table, platform::Prompter& prompter) const;
};

} // namespace bookings
