#include "shell/app/command_line.h"

#include "platform/version.h"
#include "reports/view_kinds.h"
#include "shell/qt/cp1252.h"

namespace shell {

namespace {

enum class Option { Screenshot, View, From, To, Now, Help, Version };

struct OptionInfo {
    Option option;
    QStringView name;
    QStringView alias; // a second name, or empty
    QStringView value; // what the value stands for; empty for an option without one
    QStringView text;  // lines of the help text; "%1" in the text of --view is the view list
};

constexpr OptionInfo kOptions[] = {
    {Option::Screenshot,
     u"--screenshot",
     {},
     u"BILD.png",
     u"schreibt ein Bild des Fensters in BILD.png und endet;\n"
     u"braucht keine Anzeige und wartet auf keine Antwort:\n"
     u"Meldungen gehen auf die Standardfehlerausgabe"},
    {Option::View, u"--view", {}, u"N", u"die Ansicht, mit der die Datei öffnet:\n%1"},
    {Option::From, u"--from", {}, u"TT.MM.JJJJ", u"der erste Tag des angezeigten Zeitraums"},
    {Option::To, u"--to", {}, u"TT.MM.JJJJ", u"der letzte Tag des angezeigten Zeitraums"},
    {Option::Now, u"--now", {}, u"TT.MM.JJJJ", u"rechnet mit diesem Tag als heutigem Datum"},
    {Option::Help, u"--help", u"-h", {}, u"zeigt diese Hilfe"},
    {Option::Version, u"--version", {}, {}, u"zeigt die Version"},
};

const OptionInfo* findOption(const QString& arg) {
    for (const OptionInfo& info : kOptions)
        if (arg == info.name || (!info.alias.isEmpty() && arg == info.alias))
            return &info;
    return nullptr;
}

// A day as TT.MM.JJJJ, within the days a ledger can hold.
std::optional<ledger::CNVKDatum> parseDay(const QString& text) {
    const QDate date = QDate::fromString(text, u"dd.MM.yyyy"_qs);
    if (!date.isValid())
        return std::nullopt;
    return ledger::CNVKDatum::fromCalendar(date.day(), date.month(), date.year());
}

QString invalidDay(const QString& text) {
    return u"Ungültiges Datum: %1 (erwartet TT.MM.JJJJ)"_qs.arg(text);
}

void takeValue(CommandLine& line, Option option, const QString& value) {
    switch (option) {
    case Option::Screenshot:
        line.screenshot = value;
        break;
    case Option::View: {
        bool ok = false;
        line.view.viewKind = reports::viewKindFromNumber(value.toInt(&ok));
        if (!ok || !line.view.viewKind)
            line.error = u"Unbekannte Ansicht: %1"_qs.arg(value);
        break;
    }
    case Option::From:
    case Option::To: {
        const std::optional<ledger::CNVKDatum> day = parseDay(value);
        if (!day)
            line.error = invalidDay(value);
        (option == Option::From ? line.view.from : line.view.to) = day;
        break;
    }
    case Option::Now:
        line.now = QDate::fromString(value, u"dd.MM.yyyy"_qs);
        if (!line.now.isValid())
            line.error = invalidDay(value);
        break;
    case Option::Help:
    case Option::Version:
        break;
    }
}

// The view kinds as "1 Konten, 2 Buchungen, ...", wrapped below the option's text.
QString viewKindList(const QString& indent) {
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
    return views;
}

} // namespace

CommandLine parseCommandLine(const QStringList& args) {
    CommandLine line;
    for (qsizetype i = 0; i < args.size() && line.ok(); ++i) {
        const QString& arg = args[i];
        if (const OptionInfo* info = findOption(arg)) {
            if (info->option == Option::Help)
                line.help = true;
            else if (info->option == Option::Version)
                line.version = true;
            else if (i + 1 == args.size())
                line.error = u"Zur Option %1 fehlt der Wert."_qs.arg(arg);
            else
                takeValue(line, info->option, args[++i]);
        } else if (arg.startsWith(u"--"_qs)) {
            line.error = u"Unbekannte Option: %1"_qs.arg(arg);
        } else {
            line.files.append(arg);
        }
    }
    if (!line.ok() || line.help || line.version)
        return line;
    if (line.view.from && line.view.to && *line.view.to < *line.view.from)
        line.error = u"Das Enddatum liegt vor dem Startdatum."_qs;
    else if (!line.screenshot.isEmpty() && line.files.size() > 1)
        line.error = u"--screenshot nimmt höchstens eine Talerwerk-Datei."_qs;
    return line;
}

QString usageText() {
    constexpr qsizetype kTextColumn = 25;
    const QString indent(kTextColumn, u' ');
    QString options;
    for (const OptionInfo& info : kOptions) {
        QString head = u"  "_qs + info.name.toString();
        if (!info.alias.isEmpty())
            head += u", "_qs + info.alias.toString();
        if (!info.value.isEmpty())
            head += u' ' + info.value.toString();
        head = head.leftJustified(kTextColumn - 1) + u' ';
        QString text = info.text.toString().replace(u'\n', u'\n' + indent);
        if (info.option == Option::View)
            text = text.arg(viewKindList(indent));
        options += head + text + u'\n';
    }
    return u"Aufruf: talerwerk [--view N] [--from TT.MM.JJJJ] [--to TT.MM.JJJJ] [DATEI.tlw]\n"
           u"        talerwerk --screenshot BILD.png [--view N] [--from TT.MM.JJJJ]\n"
           u"                  [--to TT.MM.JJJJ] [--now TT.MM.JJJJ] [DATEI.tlw]\n"
           u"\n"
           u"Talerwerk führt das Haushaltsbuch in Talerwerk-Dateien (.tlw).\n"
           u"\n"
           u"  DATEI.tlw              öffnet diese Datei; ohne sie beginnt Talerwerk mit\n"
           u"                         einer neuen Datei\n"_qs +
           options;
}

QString versionText() {
    return u"Talerwerk Version "_qs + QString::fromLatin1(platform::kProgramVersion) + u'\n';
}

} // namespace shell
