// A Prompter for tests: records every message and answers questions from a queue.
#pragma once

#include "platform/prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace testsupport {

class ScriptedPrompter final : public platform::Prompter {
public:
    enum class Kind { Information, Warning, YesNo, OkCancel };
    struct Shown {
        Kind kind;
        std::string text;
        std::string caption;
    };

    // Queues the answers to the next questions (true = Yes / OK).
    void answer(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }

    void information(const std::string& text, const std::string& caption) override {
        shown.push_back({Kind::Information, text, caption});
    }
    void warning(const std::string& text, const std::string& caption) override {
        shown.push_back({Kind::Warning, text, caption});
    }
    bool askYesNo(const std::string& text, const std::string& caption) override {
        shown.push_back({Kind::YesNo, text, caption});
        return next();
    }
    bool askOkCancel(const std::string& text, const std::string& caption) override {
        shown.push_back({Kind::OkCancel, text, caption});
        return next();
    }

    // The texts shown so far, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& s : shown)
            out.push_back(s.text);
        return out;
    }
    void clear() { shown.clear(); }
    size_t unansweredCount() const { return answers_.size(); }

    std::vector<Shown> shown;

private:
    // An unscripted question is answered with No / Cancel.
    bool next() {
        if (answers_.empty())
            return false;
        const bool a = answers_.front();
        answers_.pop_front();
        return a;
    }
    std::deque<bool> answers_;
};

} // namespace testsupport
