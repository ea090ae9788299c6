// The command line's side of the platform ports: texts to the terminal in UTF-8, messages
// on stderr, the password from --password or asked on the terminal without echo.
#pragma once

#include "platform/password_source.h"
#include "platform/prompter.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace cli {

// Writes a Windows-1252 text as UTF-8, followed by a line break.
void printLine(std::ostream& out, std::string_view cp1252);

// Shows messages on the error stream; questions are answered with No / Cancel, since a
// command never waits for a decision.
class TerminalPrompter final : public platform::Prompter {
public:
    explicit TerminalPrompter(std::ostream& err) : err_(err) {}
    void information(const std::string& text, const std::string& caption) override;
    void warning(const std::string& text, const std::string& caption) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    bool askOkCancel(const std::string& text, const std::string& caption) override;

private:
    std::ostream& err_;
};

// Shows messages on the error stream and asks each question there, reading the answer as a
// line from `in` ("j" or "ja" for Yes, anything else or no more input for No); with
// `answerYes` every question is shown and answered with Yes without reading.
class AskingPrompter final : public platform::Prompter {
public:
    AskingPrompter(std::ostream& err, std::istream* in, bool answerYes)
        : err_(err), in_(in), answerYes_(answerYes) {}
    void information(const std::string& text, const std::string& caption) override;
    void warning(const std::string& text, const std::string& caption) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    bool askOkCancel(const std::string& text, const std::string& caption) override;

private:
    bool ask(const std::string& text, const std::string& caption, std::string_view choices);

    std::ostream& err_;
    std::istream* in_;
    bool answerYes_;
};

// The password given with --password (UTF-8 on the command line), or else asked on the
// controlling terminal; nothing without a terminal.
class TerminalPasswordSource final : public platform::PasswordSource {
public:
    explicit TerminalPasswordSource(std::optional<std::string> given) : given_(std::move(given)) {}
    std::optional<std::string> askPassword(const std::string& path) override;

private:
    std::optional<std::string> given_;
};

} // namespace cli
