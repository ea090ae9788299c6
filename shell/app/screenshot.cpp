#include "shell/app/screenshot.h"

#include "shell/app/application.h"
#include "shell/app/unattended_dialogs.h"
#include "shell/window/main_window.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

namespace shell {

int takeScreenshot(Application& app, const QStringList& files, const StartView& view,
                   const QString& out) {
    UnattendedDialogs unattended;
    qApp->installEventFilter(&unattended);
    app.setOpensFilesReadOnly(true);
    if (!app.start(files, false, view))
        return 1;
    CMainFrame* window = app.mainWindow();
    window->resize(1280, 800);
    window->show();
    // The first round lays the window out and lets the panes in sight build their reports;
    // the second lays out the scroll bars those reports need.
    QApplication::processEvents();
    QApplication::processEvents();
    if (!window->grab().save(out)) {
        std::fprintf(stderr, "Das Bild %s kann nicht geschrieben werden.\n",
                     out.toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace shell
