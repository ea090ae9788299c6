#include "cli/answering_prompter.h"

#include "cli/terminal.h"

namespace cli {

void AnsweringPrompter::show(const std::string& text, const std::string& caption) {
    ++shown_;
    printLine(err_, withCaption_ ? caption + ": " + text : text);
}

void AnsweringPrompter::information(const std::string& text, const std::string& caption) {
    show(text, caption);
}

void AnsweringPrompter::warning(const std::string& text, const std::string& caption) {
    show(text, caption);
}

bool AnsweringPrompter::askYesNo(const std::string& text, const std::string& caption) {
    show(text, caption);
    return answer_;
}

bool AnsweringPrompter::askOkCancel(const std::string& text, const std::string& caption) {
    show(text, caption);
    return answer_;
}

} // namespace cli
