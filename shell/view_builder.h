// Which report builder serves which table view kind.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_table.h"

#include <optional>

namespace shell {

// True for the view kinds whose report can be built.
bool viewKindAvailable(int kind);

// The report of the parameters' view kind; nothing for a kind that cannot be built yet.
std::optional<reports::ReportTable> buildView(const ledger::CTalwerkDoc& doc,
                                              const reports::ReportParams& params);

} // namespace shell
