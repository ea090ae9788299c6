#include "shell/app/command_line.h"

#include "platform/version.h"
#include "reports/view_kinds.h"
#include "shell/qt/cp1252.h"

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
                line.viewKind = reports::viewKindFromNumber(value.toInt(&ok));
                if (!ok || !line.viewKind)
                    line.error = u"Unbekannte Ansicht: %1"_qs.arg(value);
            } else {
                line.now = QDate::fromString(value, u"dd.MM.yyyy"_qs);
                if (!line.now.isValid())
                    line.error = u"Ungültiges Datum: %1 (erwartet TT.MM.JJJJ)"_qs.arg(value);
            }
        } else if (arg == u"--help"_qs || arg == u"-h"_qs) {
            line.help = true;
        } else if (arg == u"--version"_qs) {
            line.version = true;
        } else if (arg.startsWith(u"--"_qs)) {
            line.error = u"Unbekannte Option: %1"_qs.arg(arg);
        } else {
            line.files.append(arg);
        }
    }
    if (line.ok() && !line.help && !line.version && !line.screenshot.isEmpty() &&
        line.files.size() != 1)
        line.error = u"--screenshot braucht genau eine Talerwerk-Datei."_qs;
    return line;
}

QString usageText() {
    // The view kinds, wrapped below the option's text.
    const QString indent(25, u' ');
    QString views;
    qsizetype lineLength = 0;
    for (const reports::ViewKindInfo& info : reports::kViewKinds) {
        const QString item =
            u"%1 %2"_qs.arg(reports::viewKindNumber(info.kind)).arg(toQString(info.label));
        if (lineLength > 0 && lineLength + item.size() + 2 > 52) {
            views += u",\n"_qs + indent;
            lineLength = 0;
        } else if (lineLength > 0) {
            views += u", "_qs;
            lineLength += 2;
        }
        views += item;
        lineLength += item.size();
    }
    return u"Aufruf: talerwerk [DATEI.tlw]\n"
           u"        talerwerk --screenshot BILD.png [--view N] [--now TT.MM.JJJJ] DATEI.tlw\n"
           u"\n"
           u"Talerwerk führt das Haushaltsbuch in Talerwerk-Dateien (.tlw).\n"
           u"\n"
           u"  DATEI.tlw              öffnet diese Datei; ohne sie beginnt Talerwerk mit\n"
           u"                         einer neuen Datei\n"
           u"  --screenshot BILD.png  schreibt ein Bild von DATEI.tlw in BILD.png und endet;\n"
           u"                         braucht keine Anzeige\n"
           u"  --view N               die Ansicht des Bildes:\n"
           u"                         %1\n"
           u"  --now TT.MM.JJJJ       rechnet mit diesem Tag als heutigem Datum\n"
           u"  --help                 zeigt diese Hilfe\n"
           u"  --version              zeigt die Version\n"_qs.arg(views);
}

QString versionText() {
    return u"Talerwerk Version "_qs + QString::fromLatin1(platform::kProgramVersion) + u'\n';
}

} // namespace shell
