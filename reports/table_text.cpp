#include "reports/table_text.h"

namespace reports {
namespace {

void appendBlanks(std::string& out, long count) {
    if (count > 0)
        out.append(static_cast<std::size_t>(count), ' ');
}

void appendFixed(std::string& out, std::string_view text, long width, int align) {
    const long length = static_cast<long>(text.size());
    switch (align) {
    case kAlignRight:
        appendBlanks(out, width - length - 2);
        out += text;
        appendBlanks(out, 2);
        break;
    case kAlignCenter: {
        const long before = (width - length - 2) / 2;
        appendBlanks(out, before);
        out += text;
        appendBlanks(out, width - length - before);
        break;
    }
    default:
        out += text;
        appendBlanks(out, width - length);
        break;
    }
}

} // namespace

std::string renderText(const ReportTable& table, TextFormat format, std::string_view lineEnd) {
    std::string out;
    renderText(table, format, lineEnd, [&out](std::string_view block) { out += block; });
    return out;
}

void renderText(const ReportTable& table, TextFormat format, std::string_view lineEnd,
                const std::function<void(std::string_view)>& write) {
    const std::vector<int>& widths = table.characterWidths();
    std::string out;
    out.reserve(kTextBlockSize + 4096);
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount();) {
            const ReportCell cell = table.cell(r, c);
            const int span = cell.span;
            if (format == TextFormat::Tabs) {
                out += cell.text;
                out += '\t';
            } else {
                long width = 0;
                for (int k = c; k < c + span; ++k)
                    width += (k < static_cast<int>(widths.size()) ? widths[k] : 0) + 2;
                appendFixed(out, cell.text, width, table.effectiveAlignment(cell, c));
            }
            c += span;
        }
        out += lineEnd;
        if (table.gapBelow(r))
            out += lineEnd;
        if (out.size() >= kTextBlockSize) {
            write(out);
            out.clear();
        }
    }
    if (!out.empty())
        write(out);
}

} // namespace reports
