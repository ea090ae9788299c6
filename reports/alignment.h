// How a report cell or column aligns its text.
#pragma once

namespace reports {

// Cell and column alignments. A cell with kAlignDefault takes its column's alignment.
enum Alignment : int { kAlignDefault = -1, kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };

} // namespace reports
