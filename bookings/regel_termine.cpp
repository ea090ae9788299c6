#include "bookings/regel_termine.h"

#include <algorithm>

namespace bookings {

namespace {

constexpr std::array<const char*, 12> kMonateKurz = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                                     "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
constexpr std::array<const char*, 12> kMonate = {"Januar",    "Februar", "März",     "April",
                                                 "Mai",       "Juni",    "Juli",     "August",
                                                 "September", "Oktober", "November", "Dezember"};

// The value with leading zeros to at least the width ("%0*d" for values from 0).
std::string padded(int value, size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

} // namespace

std::optional<ledger::CNVKDatum> Termine::datum(int64_t k) const {
    using ledger::CNVKDatum;
    if (k == 0)
        return first;
    if (k < 0 || count < 1)
        return std::nullopt;
    int64_t day = 0;
    switch (unit) {
    case ledger::kTage:
    case ledger::kWochen:
        day = first.dayNumber() + (unit == ledger::kWochen ? 7 : 1) * int64_t{count} * k;
        break;
    case ledger::kMonate: {
        int d = 0, m = 0, y = 0;
        first.get(d, m, y);
        const int64_t months = int64_t{y} * 12 + (m - 1) + int64_t{count} * k;
        if (months / 12 > 2038)
            return std::nullopt;
        const int year = static_cast<int>(months / 12);
        const int month = static_cast<int>(months % 12) + 1;
        const auto date =
            CNVKDatum::fromCalendar(std::min(d, CNVKDatum::daysInMonth(month, year)), month, year);
        if (!date)
            return std::nullopt;
        return date;
    }
    default:
        return std::nullopt;
    }
    if (day < CNVKDatum::kFirstDay || day > CNVKDatum::kLastDay)
        return std::nullopt;
    return CNVKDatum(static_cast<uint32_t>(day));
}

std::string expandDatum(std::string_view text, const ledger::CNVKDatum& date) {
    if (text.find('<') == std::string_view::npos)
        return std::string(text);
    int d = 0, m = 0, y = 0;
    date.get(d, m, y);
    const int monthIndex = std::clamp(m, 1, 12) - 1;
    // Every placeholder ends with '>', so none is the beginning of another.
    const std::array<std::pair<std::string_view, std::string>, 8> replacements = {{
        {"<T>", std::to_string(d)},
        {"<TT>", padded(d, 2)},
        {"<M>", std::to_string(m)},
        {"<MM>", padded(m, 2)},
        {"<MMM>", kMonateKurz[monthIndex]},
        {"<MMMM>", kMonate[monthIndex]},
        {"<JJ>", padded(y % 100, 2)},
        {"<JJJJ>", padded(y, 4)},
    }};
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        bool replaced = false;
        if (text[i] == '<') {
            for (const auto& [placeholder, value] : replacements) {
                if (text.substr(i, placeholder.size()) == placeholder) {
                    out += value;
                    i += placeholder.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

std::string replaceAll(std::string_view text, std::string_view placeholder,
                       std::string_view value) {
    std::string out;
    size_t from = 0;
    for (size_t at = text.find(placeholder); at != std::string_view::npos;
         at = text.find(placeholder, from)) {
        out.append(text.substr(from, at - from));
        out.append(value);
        from = at + placeholder.size();
    }
    out.append(text.substr(from));
    return out;
}

bool isScheduleLocked(const ledger::CTWBuchungRegel& regel) {
    const auto& states = regel.occurrenceStates;
    const auto open = std::find(states.begin(), states.end(), ledger::kOffen);
    return std::any_of(open, states.end(), [](uint8_t s) { return s != ledger::kOffen; });
}

} // namespace bookings
