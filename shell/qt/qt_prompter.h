// The Prompter and PasswordSource ports as Qt message boxes and the "Kennwort" dialog.
#pragma once

#include "platform/password_source.h"
#include "platform/prompter.h"

class QWidget;

namespace shell {

class QtPrompter final : public platform::Prompter {
public:
    explicit QtPrompter(QWidget* parent) : parent_(parent) {}

    void information(const std::string& text, const std::string& caption) override;
    void warning(const std::string& text, const std::string& caption) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    bool askOkCancel(const std::string& text, const std::string& caption) override;

private:
    QWidget* parent_;
};

class QtPasswordSource final : public platform::PasswordSource {
public:
    explicit QtPasswordSource(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> askPassword(const std::string& path) override;

private:
    QWidget* parent_;
};

} // namespace shell
