// The screenshot mode: the main window rendered offscreen, with the file named on the
// command line open in the view asked for (or, without a file, as it starts), written as a
// picture (for the manual, visual checks and timing the whole program). Nobody answers in
// this mode: every dialog that opens is written to the error stream and cancelled.
#pragma once

#include "shell/app/command_line.h"

#include <QString>
#include <QStringList>

namespace shell {

class Application;

// Returns the process exit code: 0 when the picture was written, 1 when the file could not
// be opened or the picture not written.
int takeScreenshot(Application& app, const QStringList& files, const StartView& view,
                   const QString& out);

} // namespace shell
