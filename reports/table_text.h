// Renders a laid-out report table as plain text: fixed-width columns or tab-separated cells,
// one line per row and an empty line after every row with a gap below it.
#pragma once

#include "reports/report_table.h"

#include <string>
#include <string_view>

namespace reports {

enum class TextFormat { FixedWidths = 0, Tabs = 1 };

inline constexpr std::string_view kFileLineEnd = "\r\n";
inline constexpr std::string_view kClipboardLineEnd = "\n";

// The table must have been laid out: the fixed-width format uses its character widths.
std::string renderText(const ReportTable& table, TextFormat format, std::string_view lineEnd);

} // namespace reports
