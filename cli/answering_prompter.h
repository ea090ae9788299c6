// A Prompter for commands whose questions are decided on the command line: every message goes
// to the error stream (with or without its caption), every question gets the same answer.
#pragma once

#include "platform/prompter.h"

#include <ostream>
#include <string>

namespace cli {

class AnsweringPrompter final : public platform::Prompter {
public:
    AnsweringPrompter(std::ostream& err, bool answer, bool withCaption)
        : err_(err), answer_(answer), withCaption_(withCaption) {}

    void information(const std::string& text, const std::string& caption) override;
    void warning(const std::string& text, const std::string& caption) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    bool askOkCancel(const std::string& text, const std::string& caption) override;

    // How many messages and questions were shown.
    int shownCount() const { return shown_; }

private:
    void show(const std::string& text, const std::string& caption);

    std::ostream& err_;
    bool answer_;
    bool withCaption_;
    int shown_ = 0;
};

} // namespace cli
