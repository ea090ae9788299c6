// The lists of the dialogs (due bookings, booking editor) as text: a line of column titles,
// then one line per row, laid out as the views are for the printer.
#pragma once

#include "ledger/dokument.h"
#include "reports/table_text.h"

#include <functional>
#include <span>
#include <string>

namespace cli {

// The rows' cells come from `cell(row, column)`; a line break inside a cell becomes a blank.
// The column `rightAligned` is aligned to the right (amounts). Windows-1252.
std::string renderListe(const ledger::CTalwerkDoc& doc, std::span<const char* const> titles,
                        int rightAligned, int rows,
                        const std::function<std::string(int, int)>& cell,
                        reports::TextFormat format);

} // namespace cli
