// The program's command line: an optional ledger file, and the options of the screenshot
// mode "--screenshot OUT.png [--view N] [--now DD.MM.YYYY] FILE".
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace shell {

struct CommandLine {
    QStringList files;
    QString screenshot; // the picture to write; empty for the normal program
    int viewKind = 0;   // 0: the default view kind
    QDate now;          // invalid: the system clock
    QString error;      // a German message when the command line is unusable

    bool ok() const { return error.isEmpty(); }
};

// args without the program name.
CommandLine parseCommandLine(const QStringList& args);

} // namespace shell
