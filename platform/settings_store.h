// The port to the per-user settings store: sections holding integer and text values.
// Texts are kept as given; the desktop program stores file names in them.
#pragma once

#include <string>

namespace platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored integer, or fallback when the key is missing or not a number.
    virtual int readInt(const std::string& section, const std::string& key, int fallback) = 0;
    virtual void writeInt(const std::string& section, const std::string& key, int value) = 0;
    // The stored text, or the empty text when the key is missing.
    virtual std::string readText(const std::string& section, const std::string& key) = 0;
    virtual void writeText(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

} // namespace platform
