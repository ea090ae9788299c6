#include "setting_table.h"

#include <array>
#include <stdexcept>
#include <type_traits>

namespace testsupport {

namespace {

const std::array<SettingSpec, 116> kSpecs = {{
    {1, 'c', &S::decimalSeparator, {','}},
    {2, 'c', &S::thousandsSeparator, {'.'}},
    {3, 'd', &S::noGrouping, {0}},
    {4, 'd', &S::dualCurrency, {}},
    {5, 'd', &S::nationalCurrencyIndex, {}},
    {6, 't', &S::firstCurrencySymbol, {}},
    {7, 't', &S::secondCurrencySymbol, {}},
    {8, 'd', &S::nextAccountId, {0}},
    {9, 'd', &S::nextBookingSerial, {0}},
    {10, 'd', &S::accountInputMode, {0}},
    {11, 't', &S::tableFontName, {"Arial"}},
    {12, 'd', &S::fieldSpacing, {10}},
    {13, 'd', &S::columnSpacing, {30}},
    {14, 'd', &S::columnMargin, {10}},
    {15, 'd', &S::rowHeight, {40}},
    {16, 'd', &S::titleRowHeight, {60}},
    {17, 'd', &S::columnTitleRowHeight, {40}},
    {18, 'd', &S::printMarginLeft, {150}},
    {19, 'd', &S::printMarginTop, {150}},
    {20, 'd', &S::printMarginRight, {150}},
    {21, 'd', &S::printMarginBottom, {150}},
    {22, 'd', &S::repeatColumnTitles, {1}},
    {23, 'd', &S::repeatTitle, {0}},
    {24, 'd', &S::tableDisplayMode, {3}},
    {25, 'd', &S::printDisplayMode, {1}},
    {26, 'd', &S::percentDecimals, {1}},
    {27, 'd', &S::accountsData, {0x3071f57}},
    {28, 'd', &S::accountsGroups, {31}},
    {29, 'd', &S::accountsSortKey, {0}},
    {30, 'd', &S::accountsSortDirection, {0}},
    {31, 't', &S::accountsTitle, {"Konten (<STARTDATUM> bis <ENDDATUM>)"}},
    {32, 'd', &S::accountsHideZeroIncomeExpense, {0}},
    {33, 'd', &S::accountsHideZeroAsset, {0}},
    {34, 'd', &S::accountsByCategoryData, {0x1f41}},
    {35, 'd', &S::accountsByCategoryGroups, {31}},
    {36, 'd', &S::accountsByCategorySortKey, {0}},
    {37, 'd', &S::accountsByCategorySortDirection, {0}},
    {38,
     't',
     &S::accountsByCategoryTitle,
     {"Konten nach Kategorien (<STARTDATUM> bis <ENDDATUM>)"}},
    {39, 'd', &S::accountsByCategoryHideZeroIncomeExpense, {1}},
    {40, 'd', &S::accountsByCategoryHideZeroAsset, {1}},
    {41, 'd', &S::accountsByCategoryWithoutAccounts, {0}},
    {42, 'd', &S::bookingsData, {0x63110924}},
    {43, 'd', &S::bookingsSortKey, {0}},
    {44, 'd', &S::bookingsSortDirection, {0}},
    {45, 't', &S::bookingsTitle, {"Buchungen (<STARTDATUM> bis <ENDDATUM>)"}},
    {46, 'd', &S::filteredBookingsData, {0x63110924}},
    {47, 'd', &S::filteredBookingsSortKey, {0}},
    {48, 'd', &S::filteredBookingsSortDirection, {0}},
    {49, 't', &S::filteredBookingsTitle, {"Buchungen gefiltert (<STARTDATUM> bis <ENDDATUM>)"}},
    {50, 'd', &S::accountBookingsData, {0x4b3110aa}},
    {51,
     't',
     &S::accountBookingsTitle,
     {"Buchungen für <TYP> <BEZEICHNUNG> (<STARTDATUM> bis <ENDDATUM>)"}},
    {52, 'd', &S::totalValuesData, {0x15555551}},
    {53, 't', &S::totalValuesTitle, {"Wertetabelle - Gesamt (<STARTDATUM> bis <ENDDATUM>)"}},
    {54, 'd', &S::totalValuesExtraColumn, {0}},
    {55, 'd', &S::accountValuesData, {81}},
    {56,
     't',
     &S::accountValuesTitle,
     {"Wertetabelle für <TYP> <BEZEICHNUNG> (<STARTDATUM> bis <ENDDATUM>)"}},
    {57, 'd', &S::accountValuesExtraColumn, {1}},
    {58, 't', &S::chartFontName, {"Arial"}},
    {59, 'd', &S::chartWidth, {1500}},
    {60, 'd', &S::chartHeight, {1000}},
    {61, 'd', &S::chartTextHeight, {40}},
    {62, 'd', &S::chartTitleHeight, {60}},
    {63, 'd', &S::chartMargin, {10}},
    {64, 'd', &S::chartTextSpacing, {10}},
    {65, 'd', &S::chartLineWidth, {5}},
    {66, 'd', &S::chartColour, {255}},
    {67, 't', &S::totalChartTitle, {"<STANDARDTITEL> (<STARTDATUM> bis <ENDDATUM>)"}},
    {68, 't', &S::accountChartTitle, {"<TYP> <BEZEICHNUNG> (<STARTDATUM> bis <ENDDATUM>)"}},
    {69, 'd', &S::chartPrintMarginLeft, {150}},
    {70, 'd', &S::chartPrintMarginTop, {150}},
    {71, 'd', &S::noNationalAmountOfEuro, {0}},
    {72, 'd', &S::euroOnly, {}},
    {73, 'd', &S::saveCounter, {0}},
    {74, 'd', &S::bookingNumberSource, {1}},
    {75, 'd', &S::reserved75, {4}},
    {76, 'd', &S::presetCurrency, {0}},
    {77, 'd', &S::markNewDueBookings, {1}},
    {78, 'd', &S::confirmDueBookings, {1}},
    {79, 'd', &S::preselectMostUsedAccounts, {1}},
    {80, 'd', &S::reserved80, {0}},
    {81, 'd', &S::reserved81, {0}},
    {82, 'd', &S::reserved82, {0}},
    {83, 'd', &S::reserved83, {0}},
    {84, 'd', &S::bookingsShowSums, {1}},
    {85, 'd', &S::filteredBookingsShowSums, {1}},
    {86, 'd', &S::periodComparisonData, {0xd0101}},
    {87, 'd', &S::periodComparisonGroups, {305}},
    {88, 'd', &S::periodComparisonSortKey, {0}},
    {89, 'd', &S::periodComparisonSortDirection, {0}},
    {90, 't', &S::periodComparisonTitle, {"Periodenvergleich (<STARTDATUM> bis <ENDDATUM>)"}},
    {91, 'd', &S::periodComparisonHideZeroIncomeExpense, {1}},
    {92, 'd', &S::periodComparisonHideZeroAsset, {1}},
    {93, 'd', &S::periodComparisonWithoutAccounts, {0}},
    {94, 'd', &S::comparisonLayout, {1}},
    {95, 'd', &S::comparisonPeriodType, {0}},
    {96, 'd', &S::comparisonAssetValue, {0}},
    {97, 'd', &S::comparisonCurrency, {0}},
    {98, 'd', &S::monthWindowStartDay, {1}},
    {99, 'd', &S::monthWindowStartMonth, {1}},
    {100, 'd', &S::monthWindowEndDay, {31}},
    {101, 'd', &S::monthWindowEndMonth, {1}},
    {102, 'd', &S::quarterWindowStartDay, {1}},
    {103, 'd', &S::quarterWindowStartMonth, {1}},
    {104, 'd', &S::quarterWindowEndDay, {31}},
    {105, 'd', &S::quarterWindowEndMonth, {3}},
    {106, 'd', &S::yearWindowStartDay, {1}},
    {107, 'd', &S::yearWindowStartMonth, {1}},
    {108, 'd', &S::yearWindowEndDay, {31}},
    {109, 'd', &S::yearWindowEndMonth, {12}},
    {110, 'd', &S::changeFromPeriod, {1}},
    {111, 'd', &S::changeToPeriod, {2}},
    {112, 'd', &S::noAskMissingNumber, {0}},
    {113, 'd', &S::noAskMissingText, {0}},
    {114, 'd', &S::disableNumberField, {0}},
    {115, 'd', &S::disableCurrencyField, {0}},
    {116, 'd', &S::disableNotesField, {0}},
}};

// The member must hold what the file's type can carry: one byte, a 32-bit number or a text.
template <class T> bool fits(char type) {
    if constexpr (std::is_same_v<T, char>)
        return type == 'c';
    else if constexpr (std::is_same_v<T, std::string>)
        return type == 't';
    else
        return type == 'd';
}

} // namespace

std::span<const SettingSpec> settingSpecs() {
    return kSpecs;
}

std::uint32_t settingSince(int n) {
    if (n <= 3)
        return 10301001;
    if (n <= 70)
        return 0;
    if (n == 71)
        return 10301002;
    if (n == 72)
        return 10401002; // files above 10401001
    if (n == 73)
        return 10503000;
    if (n <= 76)
        return 10101002;
    if (n == 79)
        return 11001002;
    if (n <= 80)
        return 10201003;
    if (n <= 83)
        return 10201004;
    if (n <= 85)
        return 11001003;
    if (n <= 109)
        return 11001004;
    if (n <= 111)
        return 20201002;
    return 20501002;
}

SettingValue settingValue(const S& settings, const SettingSpec& row) {
    return std::visit(
        [&](auto S::*member) -> SettingValue {
            using T = std::remove_cvref_t<decltype(settings.*member)>;
            if (!fits<T>(row.type))
                throw std::logic_error("setting " + std::to_string(row.number) +
                                       " has the wrong type");
            if constexpr (std::is_same_v<T, std::string>)
                return settings.*member;
            else
                return static_cast<std::int64_t>(settings.*member);
        },
        row.member);
}

void setSetting(S& settings, const SettingSpec& row, const SettingValue& value) {
    std::visit(
        [&](auto S::*member) {
            using T = std::remove_cvref_t<decltype(settings.*member)>;
            if (!fits<T>(row.type))
                throw std::logic_error("setting " + std::to_string(row.number) +
                                       " has the wrong type");
            if constexpr (std::is_same_v<T, std::string>)
                settings.*member = std::get<std::string>(value);
            else
                settings.*member = static_cast<T>(std::get<std::int64_t>(value));
        },
        row.member);
}

} // namespace testsupport
