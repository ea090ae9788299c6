#include "cli/terminal.h"

#include "ledger/win1252.h"

#include <cstdio>
#include <istream>
#include <termios.h>
#include <unistd.h>

namespace cli {

void printLine(std::ostream& out, std::string_view cp1252) {
    out << ledger::toUtf8(cp1252) << '\n';
}

void TerminalPrompter::information(const std::string& text, const std::string& caption) {
    printLine(err_, caption + ": " + text);
}

void TerminalPrompter::warning(const std::string& text, const std::string& caption) {
    printLine(err_, caption + ": " + text);
}

bool TerminalPrompter::askYesNo(const std::string& text, const std::string& caption) {
    information(text, caption);
    return false;
}

bool TerminalPrompter::askOkCancel(const std::string& text, const std::string& caption) {
    information(text, caption);
    return false;
}

void AskingPrompter::information(const std::string& text, const std::string& caption) {
    printLine(err_, caption + ": " + text);
}

void AskingPrompter::warning(const std::string& text, const std::string& caption) {
    printLine(err_, caption + ": " + text);
}

bool AskingPrompter::askYesNo(const std::string& text, const std::string& caption) {
    return ask(text, caption, "(j/n)");
}

bool AskingPrompter::askOkCancel(const std::string& text, const std::string& caption) {
    return ask(text, caption, "(j = OK, n = Abbrechen)");
}

bool AskingPrompter::ask(const std::string& text, const std::string& caption,
                         std::string_view choices) {
    err_ << ledger::toUtf8(caption + ": " + text) << ' ' << choices << ' ';
    if (answerYes_) {
        err_ << "j\n";
        return true;
    }
    err_.flush();
    std::string line;
    if (!in_ || !std::getline(*in_, line)) {
        err_ << "n\n";
        return false;
    }
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line == "j" || line == "J" || line == "ja" || line == "Ja";
}

std::optional<std::string> TerminalPasswordSource::askPassword(const std::string& path) {
    if (given_)
        return ledger::fromUtf8(*given_);
    FILE* tty = std::fopen("/dev/tty", "r+");
    if (!tty)
        return std::nullopt;
    const std::string prompt = ledger::toUtf8("Kennwort für ") + path + ": ";
    std::fputs(prompt.c_str(), tty);
    std::fflush(tty);
    termios saved{};
    const bool canHide = ::tcgetattr(fileno(tty), &saved) == 0;
    if (canHide) {
        termios hidden = saved;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(fileno(tty), TCSANOW, &hidden);
    }
    std::string line;
    bool complete = false;
    for (int c; (c = std::fgetc(tty)) != EOF;) {
        if (c == '\n') {
            complete = true;
            break;
        }
        line += static_cast<char>(c);
    }
    if (canHide)
        ::tcsetattr(fileno(tty), TCSANOW, &saved);
    std::fputs("\n", tty);
    std::fclose(tty);
    if (!complete && line.empty())
        return std::nullopt;
    return ledger::fromUtf8(line);
}

} // namespace cli
