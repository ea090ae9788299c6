#include "cli/list_text.h"

#include "platform/text_measurer.h"

namespace cli {

std::string renderListe(const ledger::CTalwerkDoc& doc, std::span<const char* const> titles,
                        int rightAligned, int rows,
                        const std::function<std::string(int, int)>& cell,
                        reports::TextFormat format) {
    reports::TableSettings settings;
    settings.fontName = doc.settings().tableFontName;
    const int columns = static_cast<int>(titles.size());
    reports::ReportTable table(settings, columns);
    table.setColumnAlignment(rightAligned, reports::kAlignRight);
    table.reserveRows(rows + 1);
    const int titleRow = table.addRow({});
    for (int c = 0; c < columns; ++c)
        table.setCell(titleRow, c, titles[static_cast<size_t>(c)]);
    for (int r = 0; r < rows; ++r) {
        const int row = table.addRow({});
        for (int c = 0; c < columns; ++c) {
            std::string text = cell(r, c);
            for (char& ch : text)
                if (ch == '\r' || ch == '\n')
                    ch = ' ';
            table.setCell(row, c, text);
        }
    }
    table.layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
    return reports::renderText(table, format, reports::kClipboardLineEnd);
}

} // namespace cli
