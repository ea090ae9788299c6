// The program's command line: an optional ledger file, the view it opens with ("--view N",
// "--from TT.MM.JJJJ", "--to TT.MM.JJJJ"), the screenshot mode "--screenshot OUT.png", a fixed
// today ("--now"), and "--help" and "--version", which are answered before anything needs a
// display. One table of options gives the parser its options and "--help" its text.
#pragma once

#include "ledger/datum.h"
#include "reports/view_kind.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace shell {

// What the window of the file named on the command line shows first; every part not given
// is the file's own.
struct StartView {
    std::optional<reports::ViewKind> viewKind;
    std::optional<ledger::CNVKDatum> from;
    std::optional<ledger::CNVKDatum> to;
};

struct CommandLine {
    QStringList files;
    QString screenshot; // the picture to write; empty for the normal program
    StartView view;
    QDate now;            // invalid: the system clock
    bool help = false;    // "--help": print usageText() and end
    bool version = false; // "--version": print the program's version and end
    QString error;        // a German message when the command line is unusable

    bool ok() const { return error.isEmpty(); }
};

// args without the program name.
CommandLine parseCommandLine(const QStringList& args);

// The answer to "--help": how to call the program and what each option does.
QString usageText();
// The answer to "--version".
QString versionText();

} // namespace shell
