// The terminal side of talerwerk-cli: control characters shown visibly, and the password
// prompt giving the terminal its echo back however it ends.
#include "cli/terminal.h"
#include "cli/terminal_output.h"

#include <csignal>
#include <gtest/gtest.h>
#include <pty.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

TEST(TerminalOutput, ControlCharactersAreShownVisibly) {
    const struct {
        std::string in;
        std::string shown;
    } cases[] = {
        {"Miete\tJuni\n", "Miete\tJuni\n"},
        {"\x1B[31mROT\x1B[0m", "^[[31mROT^[[0m"},
        {std::string("A\0B\aC\rD\x7F", 8), "A^@B^GC^MD^?"},
        // UTF-8 text passes; the C1 controls (U+009B is a one-byte escape) do not.
        {"\xC3\xA4\xE2\x82\xAC", "\xC3\xA4\xE2\x82\xAC"},
        {"x\xC2\x9B"
         "31m\xC2\xA0y",
         "x<U+009B>31m\xC2\xA0y"},
    };
    for (const auto& c : cases) {
        // Whole, and byte by byte (a C1 control may be split between two writes).
        std::ostringstream whole, bytes;
        {
            cli::ControlEscapingBuffer filter(whole.rdbuf());
            std::ostream(&filter) << c.in;
        }
        {
            cli::ControlEscapingBuffer filter(bytes.rdbuf());
            std::ostream out(&filter);
            for (const char ch : c.in)
                out.put(ch).flush();
        }
        EXPECT_EQ(whole.str(), c.shown);
        EXPECT_EQ(bytes.str(), c.shown);
    }
}

namespace {

// Runs the password prompt on a new pseudo terminal, sends signal once the prompt is shown
// and reports whether echo was off during the prompt and on again afterwards.
struct PromptRun {
    bool hiddenWhileAsking = false;
    bool echoAfterwards = false;
    int endedBy = 0;
};

PromptRun interruptPrompt(int signal) {
    PromptRun result;
    int master = -1;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (child < 0)
        return result;
    if (child == 0) {
        cli::TerminalPasswordSource passwords(std::nullopt);
        (void)passwords.askPassword("geheim.tlw");
        ::_exit(0);
    }
    std::string shown;
    char buffer[256];
    while (shown.find("geheim.tlw: ") == std::string::npos) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        shown.append(buffer, static_cast<std::size_t>(n));
    }
    termios settings{};
    // The prompt is written before echo goes off; wait until it is.
    for (int i = 0; i < 200; ++i) {
        ::tcgetattr(master, &settings);
        if (!(settings.c_lflag & ECHO))
            break;
        ::usleep(5000);
    }
    result.hiddenWhileAsking = !(settings.c_lflag & ECHO);
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.endedBy = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    ::tcgetattr(master, &settings);
    result.echoAfterwards = (settings.c_lflag & ECHO) != 0;
    ::close(master);
    return result;
}

} // namespace

TEST(TerminalPassword, ASignalDuringThePromptLeavesEchoOn) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(signal);
        const PromptRun run = interruptPrompt(signal);
        EXPECT_TRUE(run.hiddenWhileAsking);
        EXPECT_EQ(run.endedBy, signal) << "the signal still ends the program";
        EXPECT_TRUE(run.echoAfterwards);
    }
}
