#include "shell/app/app_settings.h"

#include "reports/view_kinds.h"

#include <algorithm>

namespace shell {

namespace {

const std::string kSettings = "Settings";
const std::string kRecent = "Recent File List";
const std::string kPrintFitsPageWidth = "PrintFitWidth";
const std::string kBackups = "Backups";
const std::string kBackupCount = "BackupCount";
const std::string kRecoveryMinutes = "RecoveryMinutes";

std::string recentKey(int i) {
    return "File" + std::to_string(i + 1);
}

// One axis of the placement rule: start and length on a screen of the given extent.
void fitAxis(int& start, int& length, int screen) {
    if (start + length - 1 > screen) {
        start = screen + 1 - length;
        if (start < 0) {
            start = 0;
            length = screen;
        }
    }
}

} // namespace

PixelRect placeWindow(const WindowPlacement& placement, int screenWidth, int screenHeight) {
    PixelRect r{std::max(0, placement.left), std::max(0, placement.top),
                placement.right - placement.left, placement.bottom - placement.top};
    fitAxis(r.x, r.width, screenWidth);
    fitAxis(r.y, r.height, screenHeight);
    return r;
}

void AppSettings::load(platform::SettingsStore& store, const std::string& programDir,
                       int screenWidth, int screenHeight) {
    if (store.readText(kRecent, recentKey(0)).empty()) {
        store.writeText(kRecent, recentKey(0), programDir + "/DemoKontenplan.tlw");
        store.writeText(kRecent, recentKey(1), programDir + "/DemoDatei1.tlw");
    }
    recentFiles_.clear();
    for (int i = 0; i < kRecentFileCount; ++i) {
        std::string path = store.readText(kRecent, recentKey(i));
        if (!path.empty())
            recentFiles_.push_back(std::move(path));
    }
    placement.maximized = store.readInt(kSettings, "WMax", 1) == 1;
    placement.left = store.readInt(kSettings, "WLeft", 50);
    placement.right = store.readInt(kSettings, "WRight", screenWidth - 50);
    placement.top = store.readInt(kSettings, "WTop", 50);
    placement.bottom = store.readInt(kSettings, "WBottom", screenHeight - 50);
    // The default view kind is stored by its number; an unknown number gives the accounts.
    setDefaultViewKind(
        reports::viewKindFromNumber(
            store.readInt(kSettings, "StdAns", reports::viewKindNumber(reports::ViewKind::Konten)))
            .value_or(reports::ViewKind::Konten));
    printFitsPageWidth_ = store.readInt(kSettings, kPrintFitsPageWidth, 0) == 1;
    backupRule_.enabled = store.readInt(kSettings, kBackups, 1) != 0;
    backupRule_.keep =
        std::clamp(store.readInt(kSettings, kBackupCount, ledger::kStandardAnzahlSicherungen), 1,
                   ledger::kMaxAnzahlSicherungen);
    recoveryMinutes_ = std::clamp(
        store.readInt(kSettings, kRecoveryMinutes, options::kStandardWiederherstellungsMinuten), 0,
        options::kMaxWiederherstellungsMinuten);
}

void AppSettings::setBackupRule(platform::SettingsStore& store, ledger::SicherungsRegel rule) {
    rule.keep = std::clamp(rule.keep, 1, ledger::kMaxAnzahlSicherungen);
    backupRule_ = rule;
    store.writeInt(kSettings, kBackups, rule.enabled ? 1 : 0);
    store.writeInt(kSettings, kBackupCount, rule.keep);
}

void AppSettings::setRecoveryMinutes(platform::SettingsStore& store, int minutes) {
    recoveryMinutes_ = std::clamp(minutes, 0, options::kMaxWiederherstellungsMinuten);
    store.writeInt(kSettings, kRecoveryMinutes, recoveryMinutes_);
}

void AppSettings::setPrintFitsPageWidth(platform::SettingsStore& store, bool fits) {
    printFitsPageWidth_ = fits;
    store.writeInt(kSettings, kPrintFitsPageWidth, fits ? 1 : 0);
}

void AppSettings::savePlacement(platform::SettingsStore& store) const {
    store.writeInt(kSettings, "WMax", placement.maximized ? 1 : 0);
    store.writeInt(kSettings, "WLeft", placement.left);
    store.writeInt(kSettings, "WRight", placement.right);
    store.writeInt(kSettings, "WTop", placement.top);
    store.writeInt(kSettings, "WBottom", placement.bottom);
    store.writeInt(kSettings, "StdAns", reports::viewKindNumber(defaultViewKind_));
}

void AppSettings::saveRecentFiles(platform::SettingsStore& store) const {
    for (int i = 0; i < kRecentFileCount; ++i) {
        const auto index = static_cast<size_t>(i);
        store.writeText(kRecent, recentKey(i),
                        index < recentFiles_.size() ? recentFiles_[index] : std::string());
    }
}

void AppSettings::addRecentFile(const std::string& path) {
    removeRecentFile(path);
    recentFiles_.insert(recentFiles_.begin(), path);
    if (recentFiles_.size() > kRecentFileCount)
        recentFiles_.resize(kRecentFileCount);
}

void AppSettings::removeRecentFile(const std::string& path) {
    std::erase(recentFiles_, path);
}

} // namespace shell
