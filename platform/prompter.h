// The port through which the core shows messages and asks questions.
// Texts and captions are Windows-1252; the implementation converts them for display.
#pragma once

#include <string>

namespace platform {

class Prompter {
public:
    virtual ~Prompter() = default;

    // A message with an information icon and an OK button.
    virtual void information(const std::string& text, const std::string& caption) = 0;
    // A message with a warning icon and an OK button.
    virtual void warning(const std::string& text, const std::string& caption) = 0;
    // A question with Yes and No; true only for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
    // A message with OK and Cancel; true only for OK.
    virtual bool askOkCancel(const std::string& text, const std::string& caption) = 0;
};

} // namespace platform
