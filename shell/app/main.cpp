// talerwerk: the desktop program.
#include "platform/memory_tuning.h"
#include "shell/app/application.h"
#include "shell/app/command_line.h"
#include "shell/app/screenshot.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/qt_dates.h"
#include "shell/qt/qt_settings_store.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstdio>
#include <memory>

namespace {

// The directory with the help and demo files: beside the program in the build tree, in
// share/talerwerk when installed.
QString findProgramDir() {
    const QDir bin(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(bin.filePath(u"help"_qs)))
        return bin.absolutePath();
    const QString installed = bin.absoluteFilePath(u"../share/talerwerk"_qs);
    if (QFileInfo::exists(installed))
        return QDir(installed).canonicalPath();
    return bin.absolutePath();
}

} // namespace

int main(int argc, char** argv) {
    platform::keepFreedMemoryForReuse();
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const shell::CommandLine line = shell::parseCommandLine(args);
    // Answered before the application object exists, so that they need no display.
    if (!line.ok()) {
        std::fprintf(stderr, "talerwerk: %s\n", line.error.toUtf8().constData());
        return 2;
    }
    if (line.help || line.version) {
        const QString text = line.help ? shell::usageText() : shell::versionText();
        std::fputs(text.toUtf8().constData(), stdout);
        return 0;
    }
    if (!line.screenshot.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication qapp(argc, argv);
    // The icon lives in the shell library's resources, which a static library does not load
    // on its own.
    Q_INIT_RESOURCE(talerwerk);
    QApplication::setOrganizationName(u"Talerwerk"_qs);
    QApplication::setApplicationName(u"Talerwerk"_qs);
    QApplication::setWindowIcon(QIcon(u":/talerwerk.png"_qs));
    QGuiApplication::setDesktopFileName(u"talerwerk"_qs);
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German), u"qtbase"_qs, u"_"_qs,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    qapp.installEventFilter(new shell::Cp1252InputGuard(&qapp));

    // The screenshot mode leaves the user's settings alone.
    QTemporaryDir scratch;
    std::unique_ptr<shell::QtSettingsStore> store =
        line.screenshot.isEmpty()
            ? std::make_unique<shell::QtSettingsStore>()
            : std::make_unique<shell::QtSettingsStore>(scratch.filePath(u"settings.ini"_qs));
    platform::SystemClock systemClock;
    platform::FixedClock fixedClock(shell::toDatum(line.now).toLocalTime());
    const platform::Clock& clock =
        line.now.isValid() ? static_cast<const platform::Clock&>(fixedClock) : systemClock;

    shell::Application app(*store, findProgramDir(), clock);
    if (!line.screenshot.isEmpty())
        return shell::takeScreenshot(app, line.files, line.view, line.screenshot);
    if (!app.start(line.files, true, line.view))
        return 1;
    return QApplication::exec();
}
