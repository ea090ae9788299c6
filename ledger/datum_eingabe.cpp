#include "ledger/datum_eingabe.h"

#include <array>
#include <cstdio>

namespace ledger {

namespace {

constexpr const char* kFormMessage =
    "Bitte geben Sie das Datum in der Form TT.MM.JJJJ ein, zum Beispiel 15.04.2025!";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool allDigits(std::string_view text) {
    for (const char ch : text)
        if (ch < '0' || ch > '9')
            return false;
    return !text.empty();
}

int number(std::string_view digits) {
    int value = 0;
    for (const char ch : digits)
        value = value * 10 + (ch - '0');
    return value;
}

// The parts day, month and year as typed: with dots each part has one or two digits (the
// year none, two or four); without dots the digits are ddmm, ddmmyy or ddmmyyyy. The year
// is empty when it was left out.
bool splitParts(std::string_view text, std::array<std::string_view, 3>& parts) {
    if (text.find('.') == std::string_view::npos) {
        if (!allDigits(text) || (text.size() != 4 && text.size() != 6 && text.size() != 8))
            return false;
        parts = {text.substr(0, 2), text.substr(2, 2), text.substr(4)};
        return true;
    }
    std::size_t count = 0;
    while (count < 3) {
        const std::size_t dot = text.find('.');
        parts[count++] = text.substr(0, dot);
        if (dot == std::string_view::npos) {
            text = {};
            break;
        }
        text.remove_prefix(dot + 1);
    }
    // "15.4", "15.4." and "15.4.2025" are whole; "15.4.2025.1" has a part more.
    if (count < 2 || !text.empty())
        return false;
    if (count == 2)
        parts[2] = {};
    const auto dayOrMonth = [](std::string_view p) { return allDigits(p) && p.size() <= 2; };
    const std::string_view year = parts[2];
    return dayOrMonth(parts[0]) && dayOrMonth(parts[1]) &&
           (year.empty() || (allDigits(year) && (year.size() == 2 || year.size() == 4)));
}

} // namespace

DatumEingabe parseDatumEingabe(std::string_view text, int defaultYear) {
    std::array<std::string_view, 3> parts;
    if (!splitParts(trimmed(text), parts))
        return {std::nullopt, kFormMessage};
    const int day = number(parts[0]);
    const int month = number(parts[1]);
    int year = parts[2].empty() ? defaultYear : number(parts[2]);
    if (parts[2].size() == 2)
        year += year < 50 ? 2000 : 1900;

    char shown[32];
    std::snprintf(shown, sizeof shown, "%02d.%02d.%04d", day, month, year);
    if (month < 1 || month > 12 || day < 1 || day > CNVKDatum::daysInMonth(month, year))
        return {std::nullopt, std::string("Den ") + shown + " gibt es nicht!"};
    const std::optional<CNVKDatum> date = CNVKDatum::fromCalendar(day, month, year);
    if (!date)
        return {std::nullopt, "Bitte geben Sie ein Datum vom " +
                                  CNVKDatum(CNVKDatum::kFirstDay).text() + " bis zum " +
                                  CNVKDatum(CNVKDatum::kLastDay).text() + " ein!"};
    return {date, {}};
}

} // namespace ledger
