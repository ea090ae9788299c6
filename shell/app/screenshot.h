// The screenshot mode: the main window rendered offscreen with one file open in one view
// kind, written as a picture (for the manual and for visual checks).
#pragma once

#include <QString>

namespace shell {

class Application;

// Returns the process exit code: 0 when the picture was written.
int takeScreenshot(Application& app, const QString& file, int viewKind, const QString& out);

} // namespace shell
