// Renders a laid-out report table as plain text: fixed-width columns or tab-separated cells,
// one line per row and an empty line after every row with a gap below it.
#pragma once

#include "reports/report_table.h"

#include <functional>
#include <string>
#include <string_view>

namespace reports {

enum class TextFormat { FixedWidths = 0, Tabs = 1 };

inline constexpr std::string_view kFileLineEnd = "\r\n";
inline constexpr std::string_view kClipboardLineEnd = "\n";

// The table must have been laid out: the fixed-width format uses its character widths.
std::string renderText(const ReportTable& table, TextFormat format, std::string_view lineEnd);
// The same text handed to write in blocks of about kTextBlockSize bytes, so that a long
// table never stands in memory a second time as text.
inline constexpr std::size_t kTextBlockSize = 1 << 16;
void renderText(const ReportTable& table, TextFormat format, std::string_view lineEnd,
                const std::function<void(std::string_view)>& write);

} // namespace reports
