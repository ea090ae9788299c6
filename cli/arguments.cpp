#include "cli/arguments.h"

#include <algorithm>

namespace cli {

namespace {

// "--name VALUE" and "--name=VALUE" both name the option; the second carries its value.
bool namesOption(const std::string& arg, const std::string& key) {
    return arg.starts_with(key) && (arg.size() == key.size() || arg[key.size()] == '=');
}

} // namespace

std::optional<std::string> Arguments::option(std::string_view name) {
    const std::string key = "--" + std::string(name);
    const auto it = std::find_if(args_.begin(), args_.end(),
                                 [&](const std::string& arg) { return namesOption(arg, key); });
    if (it == args_.end())
        return std::nullopt;
    if (it->size() > key.size()) {
        std::string value = it->substr(key.size() + 1);
        args_.erase(it);
        return value;
    }
    if (it + 1 == args_.end())
        throw UsageError("Option " + key + " ohne Wert");
    std::string value = *(it + 1);
    args_.erase(it, it + 2);
    return value;
}

std::optional<std::vector<std::string>> Arguments::options(std::string_view name,
                                                           std::size_t count) {
    const std::string key = "--" + std::string(name);
    const auto it = std::find_if(args_.begin(), args_.end(),
                                 [&](const std::string& arg) { return namesOption(arg, key); });
    if (it == args_.end())
        return std::nullopt;
    std::vector<std::string> values;
    auto next = it + 1;
    if (it->size() > key.size())
        values.push_back(it->substr(key.size() + 1));
    while (values.size() < count) {
        if (next == args_.end() || next->starts_with("--"))
            throw UsageError("Option " + key + " erwartet " + std::to_string(count) + " Werte");
        values.push_back(*next++);
    }
    args_.erase(it, next);
    return values;
}

bool Arguments::flag(std::string_view name) {
    const std::string key = "--" + std::string(name);
    const auto it = std::find_if(args_.begin(), args_.end(),
                                 [&](const std::string& arg) { return namesOption(arg, key); });
    if (it == args_.end())
        return false;
    if (it->size() > key.size())
        throw UsageError("Option " + key + " erwartet keinen Wert");
    args_.erase(it);
    return true;
}

std::optional<std::string> Arguments::first() {
    if (args_.empty() || args_.front().starts_with("--"))
        return std::nullopt;
    std::string value = std::move(args_.front());
    args_.erase(args_.begin());
    return value;
}

std::vector<std::string> Arguments::positionals(std::size_t count) const {
    for (const auto& a : args_)
        if (a.size() > 2 && a.starts_with("--"))
            throw UsageError("Unbekannte Option " + a);
    if (args_.size() != count)
        throw UsageError("Falsche Anzahl von Argumenten");
    return args_;
}

} // namespace cli
