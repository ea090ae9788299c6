#include "reports/report_texts.h"

#include <algorithm>
#include <cstdio>

namespace reports {
namespace {

// Formats a percentage with printf's "%.<n>f%" (with "+" when signed) and a decimal comma.
std::string percentText(double percent, int decimals, bool withSign) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, withSign ? "%+01.*f%%" : "%01.*f%%",
                  std::clamp(decimals, 0, 3), percent);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void replaceAll(std::string& text, std::string_view placeholder,
                const std::optional<std::string>& replacement) {
    if (!replacement)
        return;
    const std::string& value = *replacement;
    for (std::size_t pos = text.find(placeholder); pos != std::string::npos;
         pos = text.find(placeholder, pos + value.size()))
        text.replace(pos, placeholder.size(), value);
}

} // namespace

std::string shareText(std::int64_t part, std::int64_t whole, int decimals) {
    if (whole == 0)
        return "-";
    return percentText(static_cast<double>(part) / static_cast<double>(whole) * 100.0, decimals,
                       false);
}

std::string changeText(std::int64_t newValue, std::int64_t oldValue, int decimals) {
    if (oldValue == 0)
        return newValue != 0 ? "-" : percentText(0.0, decimals, true);
    return percentText(static_cast<double>(newValue) * 100.0 / static_cast<double>(oldValue) -
                           100.0,
                       decimals, true);
}

std::string countText(long count) {
    return std::to_string(count);
}

std::string fillTitleTemplate(std::string_view titleTemplate, const TitleValues& values) {
    std::string title(titleTemplate);
    replaceAll(title, "<TYP>", values.typ);
    replaceAll(title, "<BEZEICHNUNG>", values.bezeichnung);
    replaceAll(title, "<STANDARDTITEL>", values.standardTitel);
    replaceAll(title, "<STARTDATUM>", values.startDatum);
    replaceAll(title, "<ENDDATUM>", values.endDatum);
    return title;
}

std::string rangeTitle(std::string_view titleTemplate, const ledger::CNVKDatum& start,
                       const ledger::CNVKDatum& end) {
    TitleValues values;
    values.startDatum = start.text();
    values.endDatum = end.text();
    return fillTitleTemplate(titleTemplate, values);
}

} // namespace reports
