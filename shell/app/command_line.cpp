#include "shell/app/command_line.h"

#include "shell/window/view_kinds.h"

namespace shell {

CommandLine parseCommandLine(const QStringList& args) {
    CommandLine line;
    for (qsizetype i = 0; i < args.size() && line.ok(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == u"--screenshot"_qs || arg == u"--view"_qs || arg == u"--now"_qs) {
            if (!hasValue) {
                line.error = u"Zur Option %1 fehlt der Wert."_qs.arg(arg);
                break;
            }
            const QString value = args[++i];
            if (arg == u"--screenshot"_qs) {
                line.screenshot = value;
            } else if (arg == u"--view"_qs) {
                bool ok = false;
                line.viewKind = value.toInt(&ok);
                if (!ok || !isViewKind(line.viewKind))
                    line.error = u"Unbekannte Ansicht: %1"_qs.arg(value);
            } else {
                line.now = QDate::fromString(value, u"dd.MM.yyyy"_qs);
                if (!line.now.isValid())
                    line.error = u"Ungültiges Datum: %1 (erwartet TT.MM.JJJJ)"_qs.arg(value);
            }
        } else if (arg.startsWith(u"--"_qs)) {
            line.error = u"Unbekannte Option: %1"_qs.arg(arg);
        } else {
            line.files.append(arg);
        }
    }
    if (line.ok() && !line.screenshot.isEmpty() && line.files.size() != 1)
        line.error = u"--screenshot braucht genau eine Talerwerk-Datei."_qs;
    return line;
}

} // namespace shell
