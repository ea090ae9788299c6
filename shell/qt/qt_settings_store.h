// The settings store port over QSettings: one group per section.
#pragma once

#include "platform/settings_store.h"

#include <QSettings>
#include <memory>

namespace shell {

class QtSettingsStore final : public platform::SettingsStore {
public:
    // The user's settings of the program.
    QtSettingsStore();
    // The settings kept in an INI file at path (for tests and for portable use).
    explicit QtSettingsStore(const QString& iniPath);

    int readInt(const std::string& section, const std::string& key, int fallback) override;
    void writeInt(const std::string& section, const std::string& key, int value) override;
    std::string readText(const std::string& section, const std::string& key) override;
    void writeText(const std::string& section, const std::string& key,
                   const std::string& value) override;

    void sync() { settings_->sync(); }

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace shell
