#include "shell/app/screenshot.h"

#include "shell/app/application.h"
#include "shell/window/child_frame.h"
#include "shell/window/main_window.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

namespace shell {

int takeScreenshot(Application& app, const QString& file, std::optional<reports::ViewKind> viewKind,
                   const QString& out) {
    app.setOpensFilesReadOnly(true);
    if (!app.start({file}, false))
        return 1;
    CMainFrame* window = app.mainWindow();
    window->resize(1280, 800);
    window->show();
    if (CChildFrame* child = window->activeChild(); child && viewKind)
        child->chooseViewKind(*viewKind);
    QApplication::processEvents();
    if (!window->grab().save(out)) {
        std::fprintf(stderr, "Das Bild %s kann nicht geschrieben werden.\n", qPrintable(out));
        return 1;
    }
    return 0;
}

} // namespace shell
