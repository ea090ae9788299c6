// The titles of the views: the placeholders of a title template filled from the document and
// the report parameters, and the check of the selection that titles and builders rely on.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_texts.h"

#include <string>
#include <string_view>

namespace reports {

// "Guthaben", "Schulden", "Vermögen", "Sparbetrag", "Einnahmen" or "Ausgaben"; empty for a
// number that is no value kind.
const char* valueKindName(int valueKind);

// Sets the selection kind to none when the selected account, category or sub-category does
// not exist in the document.
void resolveSelection(const ledger::CTalwerkDoc& doc, Selection& selection);

// Every placeholder's value: "<TYP>" and "<BEZEICHNUNG>" from the (resolved) selection,
// "<STANDARDTITEL>" from the value kind, the dates from the range.
TitleValues titleValues(const ledger::CTalwerkDoc& doc, const ReportParams& params);

// The title template with every placeholder replaced.
std::string reportTitle(std::string_view titleTemplate, const ledger::CTalwerkDoc& doc,
                        const ReportParams& params);

} // namespace reports
