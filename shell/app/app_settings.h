// The per-user settings of the program: main window placement, default view kind, the
// recent file list, the print scaling, the backups of saved ledgers and the interval of the
// recovery files, with their defaults, the first-start demo files and the placement rule.
#pragma once

#include "ledger/sicherungen.h"
#include "options/sicherungen_form.h"
#include "platform/settings_store.h"
#include "reports/view_kind.h"

#include <string>
#include <vector>

namespace shell {

// The main window's placement as stored: edges in pixels.
struct WindowPlacement {
    bool maximized = true;
    int left = 50;
    int right = 0;
    int top = 50;
    int bottom = 0;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Where the main window goes on a screen of the given size: the stored rectangle moved
// back onto the screen, and narrowed to the screen where it is larger.
PixelRect placeWindow(const WindowPlacement& placement, int screenWidth, int screenHeight);

class AppSettings {
public:
    static constexpr int kRecentFileCount = 4;

    // Reads every setting with its default. On a first start (no recent file yet) the two
    // demo files in programDir become the first two recent files.
    void load(platform::SettingsStore& store, const std::string& programDir, int screenWidth,
              int screenHeight);
    // Writes the placement and the default view kind (done at exit).
    void savePlacement(platform::SettingsStore& store) const;
    // Writes the recent file list ("File1" is the newest).
    void saveRecentFiles(platform::SettingsStore& store) const;

    // Puts path at the front of the recent file list, removing an older entry of it.
    void addRecentFile(const std::string& path);
    void removeRecentFile(const std::string& path);

    const std::vector<std::string>& recentFiles() const { return recentFiles_; }
    reports::ViewKind defaultViewKind() const { return defaultViewKind_; }
    void setDefaultViewKind(reports::ViewKind kind) { defaultViewKind_ = kind; }

    // "An Seitenbreite anpassen" of printing and the print preview; off unless the user
    // turned it on.
    bool printFitsPageWidth() const { return printFitsPageWidth_; }
    // Remembers the choice at once.
    void setPrintFitsPageWidth(platform::SettingsStore& store, bool fits);

    // Whether a save keeps the replaced file as a dated backup, and how many backups of a
    // ledger stay (1 to ledger::kMaxAnzahlSicherungen); on, 10 unless the user changed it.
    const ledger::SicherungsRegel& backupRule() const { return backupRule_; }
    // Remembers the choice at once; a count outside the range is brought into it.
    void setBackupRule(platform::SettingsStore& store, ledger::SicherungsRegel rule);

    // Every how many minutes unsaved changes go to a recovery file (1 to
    // options::kMaxWiederherstellungsMinuten); 0: never. 2 unless the user changed it.
    int recoveryMinutes() const { return recoveryMinutes_; }
    void setRecoveryMinutes(platform::SettingsStore& store, int minutes);

    WindowPlacement placement;

private:
    reports::ViewKind defaultViewKind_ = reports::ViewKind::Konten;
    bool printFitsPageWidth_ = false;
    ledger::SicherungsRegel backupRule_;
    int recoveryMinutes_ = options::kStandardWiederherstellungsMinuten;
    std::vector<std::string> recentFiles_;
};

} // namespace shell
