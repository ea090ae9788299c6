#include "options/sicherungen_form.h"

#include <charconv>
#include <cstdio>

namespace options {

namespace {

constexpr const char* kMeldungAnzahl =
    "Bitte geben Sie als Anzahl der Sicherungen eine Zahl von 1 bis 999 ein!";
constexpr const char* kMeldungMinuten =
    "Bitte geben Sie für die Wiederherstellungsdaten eine Zahl von 0 bis 60 Minuten ein!";

std::string datumText(const ledger::Sicherung& s) {
    const platform::LocalTime& t = s.time;
    char text[48];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", t.day, t.month, t.year,
                  t.hour, t.minute, t.second);
    std::string result = text;
    if (s.counter > 1)
        result += " (" + std::to_string(s.counter) + ")";
    return result;
}

// Kilobytes, rounded up, with the thousands grouped by '.'.
std::string groesseText(std::uintmax_t bytes) {
    const std::string digits = std::to_string((bytes + 1023) / 1024);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += '.';
        grouped += digits[i];
    }
    return grouped + " KB";
}

// A whole number in [low, high] and nothing else (blanks around it allowed).
std::optional<int> zahl(std::string_view text, int low, int high) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

} // namespace

CSicherungenForm::CSicherungenForm(const std::filesystem::path& ledgerPath,
                                   const ledger::SicherungsRegel& rule, int recoveryMinutes)
    : enabled(rule.enabled), anzahl(std::to_string(rule.keep)),
      minuten(std::to_string(recoveryMinutes)), rule_(rule), recoveryMinutes_(recoveryMinutes) {
    if (ledgerPath.empty()) {
        hinweis_ = "Die Datei wurde noch nicht gespeichert und hat daher keine Sicherungen.";
        return;
    }
    for (const ledger::Sicherung& s : ledger::listSicherungen(ledgerPath))
        zeilen_.push_back({datumText(s), groesseText(s.size), s.path});
    hinweis_ = zeilen_.empty() ? "Von dieser Datei gibt es noch keine Sicherungen."
                               : "Sicherungen dieser Datei, die neueste zuerst:";
    if (!zeilen_.empty())
        selected = 0;
}

bool CSicherungenForm::oeffnenEnabled() const {
    return selected >= 0 && static_cast<std::size_t>(selected) < zeilen_.size();
}

std::filesystem::path CSicherungenForm::selectedPath() const {
    return oeffnenEnabled() ? zeilen_[static_cast<std::size_t>(selected)].path
                            : std::filesystem::path();
}

std::optional<CSicherungenForm::Feld> CSicherungenForm::ok(platform::Prompter& prompter) {
    std::optional<int> keep = zahl(anzahl, 1, ledger::kMaxAnzahlSicherungen);
    // With backups off the count is not used; a count it cannot use keeps the stored one.
    if (!keep && enabled) {
        prompter.warning(kMeldungAnzahl, kCaption);
        return Feld::Anzahl;
    }
    const std::optional<int> minutes = zahl(minuten, 0, kMaxWiederherstellungsMinuten);
    if (!minutes) {
        prompter.warning(kMeldungMinuten, kCaption);
        return Feld::Minuten;
    }
    rule_ = {enabled, keep.value_or(rule_.keep)};
    recoveryMinutes_ = *minutes;
    return std::nullopt;
}

} // namespace options
