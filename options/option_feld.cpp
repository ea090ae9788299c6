#include "options/option_feld.h"

#include "options/laenge.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace options {

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// A whole number, decimal or with "0x" hexadecimal; nothing when the text is not one.
std::optional<int64_t> readNumber(std::string_view text) {
    int base = 10;
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::string hex(int64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

std::string withoutShortcut(std::string_view label) {
    std::string out;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size())
            ++i;
        out += label[i];
    }
    return out;
}

OptionFeld::OptionFeld(std::string name, std::string label, FeldArt art, Ziel ziel)
    : name_(std::move(name)), label_(std::move(label)), art_(art), ziel_(ziel) {}

OptionFeld& OptionFeld::range(int32_t minimum, int32_t maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    return *this;
}

OptionFeld& OptionFeld::entries(std::vector<Eintrag> entries) {
    entries_ = std::move(entries);
    return *this;
}

OptionFeld& OptionFeld::group(std::string group) {
    group_ = std::move(group);
    return *this;
}

int OptionFeld::chosenIndex() const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].wert == zahl)
            return static_cast<int>(i);
    return -1;
}

void OptionFeld::choose(int index) {
    if (index >= 0 && index < static_cast<int>(entries_.size()))
        zahl = entries_[index].wert;
}

bool OptionFeld::ticked(size_t row) const {
    return row < entries_.size() && (zahl & entries_[row].wert) != 0;
}

void OptionFeld::tick(size_t row, bool on) {
    if (row >= entries_.size())
        return;
    if (on)
        zahl |= entries_[row].wert;
    else
        zahl &= ~static_cast<int64_t>(entries_[row].wert);
}

void OptionFeld::leaveLaenge(std::string_view typed) {
    zahl = parseLaenge(typed, minimum_, maximum_);
}

void OptionFeld::leaveZahl(int64_t typed) {
    zahl = clampRange(typed, minimum_, maximum_);
}

uint32_t OptionFeld::offeredBits() const {
    uint32_t bits = 0;
    for (const Eintrag& e : entries_)
        bits |= e.wert;
    return bits;
}

std::string OptionFeld::display() const {
    switch (art_) {
    case FeldArt::Auswahl:
    case FeldArt::Optionen: {
        const int index = chosenIndex();
        return index >= 0 ? withoutShortcut(entries_[index].label) : std::to_string(zahl);
    }
    case FeldArt::Schalter:
        return zahl != 0 ? "ja" : "nein";
    case FeldArt::Text:
    case FeldArt::Schriftart:
        return text;
    case FeldArt::Laenge:
        return formatLaenge(static_cast<int32_t>(zahl));
    case FeldArt::Zahl:
        return std::to_string(zahl);
    case FeldArt::Farbe: {
        char rgb[48];
        std::snprintf(rgb, sizeof rgb, "RGB(%d, %d, %d)", static_cast<int>(zahl & 0xff),
                      static_cast<int>((zahl >> 8) & 0xff), static_cast<int>((zahl >> 16) & 0xff));
        return rgb;
    }
    case FeldArt::Liste: {
        std::string rows;
        for (size_t i = 0; i < entries_.size(); ++i)
            if (ticked(i))
                rows += (rows.empty() ? "" : ", ") + withoutShortcut(entries_[i].label);
        return hex(zahl) + " (" + (rows.empty() ? std::string("keine") : rows) + ")";
    }
    }
    return {};
}

std::optional<std::string> OptionFeld::set(std::string_view value) {
    if (art_ == FeldArt::Text || art_ == FeldArt::Schriftart) {
        text = value;
        return std::nullopt;
    }
    if (art_ == FeldArt::Laenge) {
        leaveLaenge(value);
        return std::nullopt;
    }
    const auto number = readNumber(value);
    switch (art_) {
    case FeldArt::Auswahl:
    case FeldArt::Optionen: {
        const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const Eintrag& e) { return number == e.wert; });
        if (entry != entries_.end()) {
            zahl = entry->wert;
            return std::nullopt;
        }
        std::string offered;
        for (const Eintrag& e : entries_)
            offered += (offered.empty() ? "" : ", ") + std::to_string(e.wert) + " (" +
                       withoutShortcut(e.label) + ")";
        return "erwartet einen der Werte " + offered;
    }
    case FeldArt::Schalter:
        if (number != 0 && number != 1)
            return std::string("erwartet 0 oder 1");
        zahl = *number;
        return std::nullopt;
    case FeldArt::Zahl:
        if (!number)
            return std::string("erwartet eine Zahl");
        leaveZahl(*number);
        return std::nullopt;
    case FeldArt::Farbe:
        if (!number || *number < 0 || *number > 0xffffff)
            return std::string("erwartet eine Farbe 0x00BBGGRR von 0 bis 0xffffff");
        zahl = *number;
        return std::nullopt;
    case FeldArt::Liste:
        if (!number || *number < 0 || *number > 0xffffffff)
            return std::string("erwartet einen Bitsatz wie 0x1f");
        zahl = *number & offeredBits();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void OptionFeld::load(const Dokumentoptionen& werte) {
    std::visit(Overloaded{
                   [&](int32_t ledger::CTWEinstellungen::*m) { zahl = werte.settings.*m; },
                   [&](uint32_t ledger::CTWEinstellungen::*m) { zahl = werte.settings.*m; },
                   [&](std::string ledger::CTWEinstellungen::*m) { text = werte.settings.*m; },
                   [&](int32_t Dokumentoptionen::*m) { zahl = werte.*m; },
               },
               ziel_);
}

void OptionFeld::store(Dokumentoptionen& werte) const {
    int64_t value = zahl;
    if (art_ == FeldArt::Laenge || art_ == FeldArt::Zahl)
        value = clampRange(zahl, minimum_, maximum_);
    else if (art_ == FeldArt::Schalter)
        value = zahl != 0;
    else if (art_ == FeldArt::Liste)
        value = zahl & offeredBits();
    std::visit(Overloaded{
                   [&](int32_t ledger::CTWEinstellungen::*m) {
                       werte.settings.*m = static_cast<int32_t>(value);
                   },
                   [&](uint32_t ledger::CTWEinstellungen::*m) {
                       werte.settings.*m = static_cast<uint32_t>(value);
                   },
                   [&](std::string ledger::CTWEinstellungen::*m) { werte.settings.*m = text; },
                   [&](int32_t Dokumentoptionen::*m) { werte.*m = static_cast<int32_t>(value); },
               },
               ziel_);
}

} // namespace options
