#include "cli/terminal.h"

#include "ledger/win1252.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <istream>
#include <termios.h>
#include <unistd.h>

namespace cli {

namespace {

// Echo is switched off while the password is typed. Every way out gives the terminal its
// settings back: the normal end, and the signals that end or stop the program meanwhile
// (Ctrl+C, Ctrl+\, Ctrl+Z, a closed terminal, kill). A stopped program hides the input again
// when it continues.
class HiddenInput {
public:
    explicit HiddenInput(int fd) {
        if (::tcgetattr(fd, &saved_) != 0)
            return;
        fd_ = fd;
        hidden_ = saved_;
        hidden_.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            struct sigaction action {};
            action.sa_handler = onSignal;
            action.sa_flags = SA_RESTART;
            sigemptyset(&action.sa_mask);
            // A signal the program ignores stays ignored.
            if (::sigaction(kSignals[i], nullptr, &previous_[i]) == 0 &&
                previous_[i].sa_handler == SIG_DFL)
                installed_[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
        }
        ::tcsetattr(fd_, TCSANOW, &hidden_);
    }
    ~HiddenInput() {
        if (fd_ < 0)
            return;
        ::tcsetattr(fd_, TCSANOW, &saved_);
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            if (installed_[i])
                ::sigaction(kSignals[i], &previous_[i], nullptr);
        fd_ = -1;
    }
    HiddenInput(const HiddenInput&) = delete;
    HiddenInput& operator=(const HiddenInput&) = delete;

private:
    static constexpr std::array kSignals = {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGTSTP};

    // Only async-signal-safe calls: the settings are restored, the signal is delivered with
    // its default action, and after a stop the input is hidden again.
    static void onSignal(int signal) {
        const int savedErrno = errno;
        ::tcsetattr(fd_, TCSANOW, &saved_);
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        struct sigaction mine {};
        ::sigaction(signal, &fallback, &mine);
        sigset_t unblock;
        sigemptyset(&unblock);
        sigaddset(&unblock, signal);
        ::sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
        ::raise(signal);
        // Only a stop comes back here.
        ::sigaction(signal, &mine, nullptr);
        ::tcsetattr(fd_, TCSANOW, &hidden_);
        errno = savedErrno;
    }

    // One prompt at a time: the signal handler needs them without an object.
    static inline int fd_ = -1;
    static inline termios saved_{};
    static inline termios hidden_{};
    std::array<struct sigaction, kSignals.size()> previous_{};
    std::array<bool, kSignals.size()> installed_{};
};

} // namespace

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
    std::string line;
    bool complete = false;
    {
        const HiddenInput hidden(fileno(tty));
        for (int c; (c = std::fgetc(tty)) != EOF;) {
            if (c == '\n') {
                complete = true;
                break;
            }
            line += static_cast<char>(c);
        }
    }
    std::fputs("\n", tty);
    std::fclose(tty);
    if (!complete && line.empty())
        return std::nullopt;
    return ledger::fromUtf8(line);
}

} // namespace cli
