#include "shell/qt/qt_settings_store.h"

namespace shell {

namespace {

QString keyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + u'/' + QString::fromStdString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(
          std::make_unique<QSettings>(QStringLiteral("Talerwerk"), QStringLiteral("Talerwerk"))) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

int QtSettingsStore::readInt(const std::string& section, const std::string& key, int fallback) {
    bool ok = false;
    const int value = settings_->value(keyPath(section, key)).toInt(&ok);
    return ok ? value : fallback;
}

void QtSettingsStore::writeInt(const std::string& section, const std::string& key, int value) {
    settings_->setValue(keyPath(section, key), value);
}

std::string QtSettingsStore::readText(const std::string& section, const std::string& key) {
    return settings_->value(keyPath(section, key)).toString().toStdString();
}

void QtSettingsStore::writeText(const std::string& section, const std::string& key,
                                const std::string& value) {
    settings_->setValue(keyPath(section, key), QString::fromStdString(value));
}

} // namespace shell
