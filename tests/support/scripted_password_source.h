// A PasswordSource for tests: answers from a queue and records which paths it was asked for.
#pragma once

#include "platform/password_source.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

class ScriptedPasswordSource final : public platform::PasswordSource {
public:
    // Queues the next answers; nothing stands for a cancelled question.
    void answer(std::optional<std::string> password) { answers_.push_back(std::move(password)); }

    std::optional<std::string> askPassword(const std::string& path) override {
        asked.push_back(path);
        if (answers_.empty())
            return std::nullopt;
        auto a = answers_.front();
        answers_.pop_front();
        return a;
    }

    std::vector<std::string> asked;

private:
    std::deque<std::optional<std::string>> answers_;
};

} // namespace testsupport
