// CSicherungenForm: the rules of the dialog "Sicherungen" (Datei > Sicherungen...): the dated
// backups of the active ledger with their time and size, the one to open, and the user's
// settings of backups and recovery files with their checks.
#pragma once

#include "ledger/sicherungen.h"
#include "platform/prompter.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace options {

inline constexpr int kStandardWiederherstellungsMinuten = 2;
inline constexpr int kMaxWiederherstellungsMinuten = 60;

class CSicherungenForm {
public:
    static constexpr const char* kCaption = "Sicherungen";

    // One row of the list.
    struct Zeile {
        std::string datum;   // "15.04.2024 09:05:07", with " (2)" for a second of the same time
        std::string groesse; // "6.348 KB"
        std::filesystem::path path;
    };

    enum class Feld { Anzahl, Minuten };

    // The backups of the ledger at ledgerPath (none for a ledger never saved) and the current
    // settings.
    CSicherungenForm(const std::filesystem::path& ledgerPath, const ledger::SicherungsRegel& rule,
                     int recoveryMinutes);

    const std::vector<Zeile>& zeilen() const { return zeilen_; }
    // The text above the list.
    const std::string& hinweis() const { return hinweis_; }
    // "Öffnen" needs a row chosen.
    bool oeffnenEnabled() const;
    int selected = -1;
    // The row's backup, or an empty path.
    std::filesystem::path selectedPath() const;

    // The settings as the dialog shows them.
    bool enabled = true;
    std::string anzahl;
    std::string minuten;
    // The count field is only for saves that keep backups.
    bool anzahlEnabled() const { return enabled; }

    // OK: the count from 1 to 999 (only when backups are on), the minutes from 0 to 60. On a
    // refusal the message is shown and the field returned.
    std::optional<Feld> ok(platform::Prompter& prompter);
    // After ok(): the settings to keep.
    ledger::SicherungsRegel rule() const { return rule_; }
    int recoveryMinutes() const { return recoveryMinutes_; }

private:
    std::vector<Zeile> zeilen_;
    std::string hinweis_;
    ledger::SicherungsRegel rule_;
    int recoveryMinutes_;
};

} // namespace options
