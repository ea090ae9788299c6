#include "ledger/settings_codec.h"

#include <array>
#include <stdexcept>
#include <variant>

namespace ledger {

namespace {

using S = CTWEinstellungen;
using Field = std::variant<char S::*, int32_t S::*, uint32_t S::*, std::string S::*>;

// Setting number n is entry n - 1.
const std::array<Field, 116> kFields = {
    &S::decimalSeparator,                        // 1
    &S::thousandsSeparator,                      // 2
    &S::noGrouping,                              // 3
    &S::dualCurrency,                            // 4
    &S::nationalCurrencyIndex,                   // 5
    &S::firstCurrencySymbol,                     // 6
    &S::secondCurrencySymbol,                    // 7
    &S::nextAccountId,                           // 8
    &S::nextBookingSerial,                       // 9
    &S::accountInputMode,                        // 10
    &S::tableFontName,                           // 11
    &S::fieldSpacing,                            // 12
    &S::columnSpacing,                           // 13
    &S::columnMargin,                            // 14
    &S::rowHeight,                               // 15
    &S::titleRowHeight,                          // 16
    &S::columnTitleRowHeight,                    // 17
    &S::printMarginLeft,                         // 18
    &S::printMarginTop,                          // 19
    &S::printMarginRight,                        // 20
    &S::printMarginBottom,                       // 21
    &S::repeatColumnTitles,                      // 22
    &S::repeatTitle,                             // 23
    &S::tableDisplayMode,                        // 24
    &S::printDisplayMode,                        // 25
    &S::percentDecimals,                         // 26
    &S::accountsData,                            // 27
    &S::accountsGroups,                          // 28
    &S::accountsSortKey,                         // 29
    &S::accountsSortDirection,                   // 30
    &S::accountsTitle,                           // 31
    &S::accountsHideZeroIncomeExpense,           // 32
    &S::accountsHideZeroAsset,                   // 33
    &S::accountsByCategoryData,                  // 34
    &S::accountsByCategoryGroups,                // 35
    &S::accountsByCategorySortKey,               // 36
    &S::accountsByCategorySortDirection,         // 37
    &S::accountsByCategoryTitle,                 // 38
    &S::accountsByCategoryHideZeroIncomeExpense, // 39
    &S::accountsByCategoryHideZeroAsset,         // 40
    &S::accountsByCategoryWithoutAccounts,       // 41
    &S::bookingsData,                            // 42
    &S::bookingsSortKey,                         // 43
    &S::bookingsSortDirection,                   // 44
    &S::bookingsTitle,                           // 45
    &S::filteredBookingsData,                    // 46
    &S::filteredBookingsSortKey,                 // 47
    &S::filteredBookingsSortDirection,           // 48
    &S::filteredBookingsTitle,                   // 49
    &S::accountBookingsData,                     // 50
    &S::accountBookingsTitle,                    // 51
    &S::totalValuesData,                         // 52
    &S::totalValuesTitle,                        // 53
    &S::totalValuesExtraColumn,                  // 54
    &S::accountValuesData,                       // 55
    &S::accountValuesTitle,                      // 56
    &S::accountValuesExtraColumn,                // 57
    &S::chartFontName,                           // 58
    &S::chartWidth,                              // 59
    &S::chartHeight,                             // 60
    &S::chartTextHeight,                         // 61
    &S::chartTitleHeight,                        // 62
    &S::chartMargin,                             // 63
    &S::chartTextSpacing,                        // 64
    &S::chartLineWidth,                          // 65
    &S::chartColour,                             // 66
    &S::totalChartTitle,                         // 67
    &S::accountChartTitle,                       // 68
    &S::chartPrintMarginLeft,                    // 69
    &S::chartPrintMarginTop,                     // 70
    &S::noNationalAmountOfEuro,                  // 71
    &S::euroOnly,                                // 72
    &S::saveCounter,                             // 73
    &S::bookingNumberSource,                     // 74
    &S::reserved75,                              // 75
    &S::presetCurrency,                          // 76
    &S::markNewDueBookings,                      // 77
    &S::confirmDueBookings,                      // 78
    &S::preselectMostUsedAccounts,               // 79
    &S::reserved80,                              // 80
    &S::reserved81,                              // 81
    &S::reserved82,                              // 82
    &S::reserved83,                              // 83
    &S::bookingsShowSums,                        // 84
    &S::filteredBookingsShowSums,                // 85
    &S::periodComparisonData,                    // 86
    &S::periodComparisonGroups,                  // 87
    &S::periodComparisonSortKey,                 // 88
    &S::periodComparisonSortDirection,           // 89
    &S::periodComparisonTitle,                   // 90
    &S::periodComparisonHideZeroIncomeExpense,   // 91
    &S::periodComparisonHideZeroAsset,           // 92
    &S::periodComparisonWithoutAccounts,         // 93
    &S::comparisonLayout,                        // 94
    &S::comparisonPeriodType,                    // 95
    &S::comparisonAssetValue,                    // 96
    &S::comparisonCurrency,                      // 97
    &S::monthWindowStartDay,                     // 98
    &S::monthWindowStartMonth,                   // 99
    &S::monthWindowEndDay,                       // 100
    &S::monthWindowEndMonth,                     // 101
    &S::quarterWindowStartDay,                   // 102
    &S::quarterWindowStartMonth,                 // 103
    &S::quarterWindowEndDay,                     // 104
    &S::quarterWindowEndMonth,                   // 105
    &S::yearWindowStartDay,                      // 106
    &S::yearWindowStartMonth,                    // 107
    &S::yearWindowEndDay,                        // 108
    &S::yearWindowEndMonth,                      // 109
    &S::changeFromPeriod,                        // 110
    &S::changeToPeriod,                          // 111
    &S::noAskMissingNumber,                      // 112
    &S::noAskMissingText,                        // 113
    &S::disableNumberField,                      // 114
    &S::disableCurrencyField,                    // 115
    &S::disableNotesField,                       // 116
};

const Field& field(int number) {
    if (number < 1 || number > static_cast<int>(kFields.size()))
        throw std::out_of_range("no such setting");
    return kFields[static_cast<std::size_t>(number - 1)];
}

struct Writer {
    ByteWriter& w;
    const S& s;
    void operator()(char S::*m) const { w.byte(static_cast<std::uint8_t>(s.*m)); }
    void operator()(int32_t S::*m) const { w.int32(s.*m); }
    void operator()(uint32_t S::*m) const { w.dword(s.*m); }
    void operator()(std::string S::*m) const { w.text(s.*m); }
};

struct Reader {
    ByteReader& r;
    S& s;
    void operator()(char S::*m) const { s.*m = static_cast<char>(r.byte()); }
    void operator()(int32_t S::*m) const { s.*m = r.int32(); }
    void operator()(uint32_t S::*m) const { s.*m = r.dword(); }
    void operator()(std::string S::*m) const { s.*m = r.text(); }
};

} // namespace

void writeSettings(ByteWriter& w, const CTWEinstellungen& settings, int first, int last) {
    for (int n = first; n <= last; ++n)
        std::visit(Writer{w, settings}, field(n));
}

void readSettings(ByteReader& r, CTWEinstellungen& settings, int first, int last) {
    for (int n = first; n <= last; ++n)
        std::visit(Reader{r, settings}, field(n));
}

} // namespace ledger
