// The program's command line: an optional ledger file, the options of the screenshot mode
// "--screenshot OUT.png [--view N] [--now DD.MM.YYYY] FILE", and "--help" and "--version",
// which are answered before anything needs a display.
#pragma once

#include "reports/view_kind.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace shell {

struct CommandLine {
    QStringList files;
    QString screenshot;                        // the picture to write; empty for the normal program
    std::optional<reports::ViewKind> viewKind; // none: the default view kind
    QDate now;                                 // invalid: the system clock
    bool help = false;                         // "--help": print usageText() and end
    bool version = false;                      // "--version": print the program's version and end
    QString error;                             // a German message when the command line is unusable

    bool ok() const { return error.isEmpty(); }
};

// args without the program name.
CommandLine parseCommandLine(const QStringList& args);

// The answer to "--help": how to call the program and what each option does.
QString usageText();
// The answer to "--version".
QString versionText();

} // namespace shell
