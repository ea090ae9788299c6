// The screenshot mode: the main window rendered offscreen with one file open in one view
// kind, written as a picture (for the manual and for visual checks).
#pragma once

#include "reports/view_kind.h"

#include <QString>
#include <optional>

namespace shell {

class Application;

// Returns the process exit code: 0 when the picture was written. Without a view kind the
// window shows the default one.
int takeScreenshot(Application& app, const QString& file, std::optional<reports::ViewKind> viewKind,
                   const QString& out);

} // namespace shell
