// CTWEinstellungen: the 116 numbered settings of a ledger document, in the order in which the
// ledger file carries them; each member is initialised with its new-document value. The
// comment in front of each member is its setting number.
#pragma once

#include <cstdint>
#include <string>

namespace ledger {

struct CTWEinstellungen {
    // Amount text form.
    /* 1 */ char decimalSeparator = ',';
    /* 2 */ char thousandsSeparator = '.';
    /* 3 */ int32_t noGrouping = 0;

    // Currencies (taken from the new-file currency choice).
    /* 4 */ int32_t dualCurrency = 0;
    /* 5 */ int32_t nationalCurrencyIndex = -1;
    /* 6 */ std::string firstCurrencySymbol = "EUR";
    /* 7 */ std::string secondCurrencySymbol;

    // Counters.
    /* 8 */ int32_t nextAccountId = 0;
    /* 9 */ int32_t nextBookingSerial = 0;

    // Booking entry: account input by 0 name, 1 account number, 2 abbreviation.
    /* 10 */ int32_t accountInputMode = 0;

    // Tables (lengths in tenths of a millimetre).
    /* 11 */ std::string tableFontName = "Arial";
    /* 12 */ int32_t fieldSpacing = 10;
    /* 13 */ int32_t columnSpacing = 30;
    /* 14 */ int32_t columnMargin = 10;
    /* 15 */ int32_t rowHeight = 40;
    /* 16 */ int32_t titleRowHeight = 60;
    /* 17 */ int32_t columnTitleRowHeight = 40;
    /* 18 */ int32_t printMarginLeft = 150;
    /* 19 */ int32_t printMarginTop = 150;
    /* 20 */ int32_t printMarginRight = 150;
    /* 21 */ int32_t printMarginBottom = 150;
    /* 22 */ int32_t repeatColumnTitles = 1;
    /* 23 */ int32_t repeatTitle = 0;
    /* 24 */ int32_t tableDisplayMode = 3;
    /* 25 */ int32_t printDisplayMode = 1;
    /* 26 */ int32_t percentDecimals = 1;

    // Accounts view.
    /* 27 */ uint32_t accountsData = 0x3071f57;
    /* 28 */ uint32_t accountsGroups = 31;
    /* 29 */ int32_t accountsSortKey = 0;
    /* 30 */ int32_t accountsSortDirection = 0;
    /* 31 */ std::string accountsTitle = "Konten (<STARTDATUM> bis <ENDDATUM>)";
    /* 32 */ int32_t accountsHideZeroIncomeExpense = 0;
    /* 33 */ int32_t accountsHideZeroAsset = 0;

    // Accounts-by-categories view.
    /* 34 */ uint32_t accountsByCategoryData = 0x1f41;
    /* 35 */ uint32_t accountsByCategoryGroups = 31;
    /* 36 */ int32_t accountsByCategorySortKey = 0;
    /* 37 */ int32_t accountsByCategorySortDirection = 0;
    /* 38 */ std::string accountsByCategoryTitle =
        "Konten nach Kategorien (<STARTDATUM> bis <ENDDATUM>)";
    /* 39 */ int32_t accountsByCategoryHideZeroIncomeExpense = 1;
    /* 40 */ int32_t accountsByCategoryHideZeroAsset = 1;
    /* 41 */ int32_t accountsByCategoryWithoutAccounts = 0;

    // Bookings view.
    /* 42 */ uint32_t bookingsData = 0x63110924;
    /* 43 */ int32_t bookingsSortKey = 0;
    /* 44 */ int32_t bookingsSortDirection = 0;
    /* 45 */ std::string bookingsTitle = "Buchungen (<STARTDATUM> bis <ENDDATUM>)";

    // Filtered bookings view.
    /* 46 */ uint32_t filteredBookingsData = 0x63110924;
    /* 47 */ int32_t filteredBookingsSortKey = 0;
    /* 48 */ int32_t filteredBookingsSortDirection = 0;
    /* 49 */ std::string filteredBookingsTitle =
        "Buchungen gefiltert (<STARTDATUM> bis <ENDDATUM>)";

    // Account bookings view.
    /* 50 */ uint32_t accountBookingsData = 0x4b3110aa;
    /* 51 */ std::string accountBookingsTitle =
        "Buchungen für <TYP> <BEZEICHNUNG> (<STARTDATUM> bis <ENDDATUM>)";

    // Total value table view.
    /* 52 */ uint32_t totalValuesData = 0x15555551;
    /* 53 */ std::string totalValuesTitle = "Wertetabelle - Gesamt (<STARTDATUM> bis <ENDDATUM>)";
    /* 54 */ int32_t totalValuesExtraColumn = 0;

    // Account value table view.
    /* 55 */ uint32_t accountValuesData = 81;
    /* 56 */ std::string accountValuesTitle =
        "Wertetabelle für <TYP> <BEZEICHNUNG> (<STARTDATUM> bis <ENDDATUM>)";
    /* 57 */ int32_t accountValuesExtraColumn = 1;

    // Charts (lengths in tenths of a millimetre).
    /* 58 */ std::string chartFontName = "Arial";
    /* 59 */ int32_t chartWidth = 1500;
    /* 60 */ int32_t chartHeight = 1000;
    /* 61 */ int32_t chartTextHeight = 40;
    /* 62 */ int32_t chartTitleHeight = 60;
    /* 63 */ int32_t chartMargin = 10;
    /* 64 */ int32_t chartTextSpacing = 10;
    /* 65 */ int32_t chartLineWidth = 5;
    /* 66 */ int32_t chartColour = 255;
    /* 67 */ std::string totalChartTitle = "<STANDARDTITEL> (<STARTDATUM> bis <ENDDATUM>)";
    /* 68 */ std::string accountChartTitle = "<TYP> <BEZEICHNUNG> (<STARTDATUM> bis <ENDDATUM>)";
    /* 69 */ int32_t chartPrintMarginLeft = 150;
    /* 70 */ int32_t chartPrintMarginTop = 150;

    // Booking entry: "keine Anzeige von Euro-Beträgen in der Landeswährung".
    /* 71 */ int32_t noNationalAmountOfEuro = 0;
    // Currencies (taken from the new-file currency choice).
    /* 72 */ int32_t euroOnly = 1;
    // Incremented by one before every save.
    /* 73 */ int32_t saveCounter = 0;

    // Booking entry.
    /* 74 */ int32_t bookingNumberSource = 1; // 0 newest date, 1 last entered booking
    /* 75 */ int32_t reserved75 = 4;          // stored and restored unchanged
    /* 76 */ int32_t presetCurrency = 0;      // currency index of a new booking
    /* 77 */ int32_t markNewDueBookings = 1;
    /* 78 */ int32_t confirmDueBookings = 1;
    /* 79 */ int32_t preselectMostUsedAccounts = 1;
    /* 80 */ int32_t reserved80 = 0; // stored and restored unchanged
    /* 81 */ int32_t reserved81 = 0; // stored and restored unchanged
    /* 82 */ int32_t reserved82 = 0; // stored and restored unchanged
    /* 83 */ int32_t reserved83 = 0; // stored and restored unchanged

    // "Summen anzeigen" of the bookings and the filtered bookings view.
    /* 84 */ int32_t bookingsShowSums = 1;
    /* 85 */ int32_t filteredBookingsShowSums = 1;

    // Period comparison view.
    /* 86 */ uint32_t periodComparisonData = 0xd0101;
    /* 87 */ uint32_t periodComparisonGroups = 305;
    /* 88 */ int32_t periodComparisonSortKey = 0;
    /* 89 */ int32_t periodComparisonSortDirection = 0;
    /* 90 */ std::string periodComparisonTitle = "Periodenvergleich (<STARTDATUM> bis <ENDDATUM>)";
    /* 91 */ int32_t periodComparisonHideZeroIncomeExpense = 1;
    /* 92 */ int32_t periodComparisonHideZeroAsset = 1;
    /* 93 */ int32_t periodComparisonWithoutAccounts = 0;

    // Comparison periods: layout, period type, asset account value, display currency, then
    // the period window (start day, start month, end day, end month) of months, quarters and
    // years, then the two periods whose change is shown.
    /* 94 */ int32_t comparisonLayout = 1;
    /* 95 */ int32_t comparisonPeriodType = 0;
    /* 96 */ int32_t comparisonAssetValue = 0;
    /* 97 */ int32_t comparisonCurrency = 0;
    /* 98 */ int32_t monthWindowStartDay = 1;
    /* 99 */ int32_t monthWindowStartMonth = 1;
    /* 100 */ int32_t monthWindowEndDay = 31;
    /* 101 */ int32_t monthWindowEndMonth = 1;
    /* 102 */ int32_t quarterWindowStartDay = 1;
    /* 103 */ int32_t quarterWindowStartMonth = 1;
    /* 104 */ int32_t quarterWindowEndDay = 31;
    /* 105 */ int32_t quarterWindowEndMonth = 3;
    /* 106 */ int32_t yearWindowStartDay = 1;
    /* 107 */ int32_t yearWindowStartMonth = 1;
    /* 108 */ int32_t yearWindowEndDay = 31;
    /* 109 */ int32_t yearWindowEndMonth = 12;
    /* 110 */ int32_t changeFromPeriod = 1;
    /* 111 */ int32_t changeToPeriod = 2;

    // Booking entry.
    /* 112 */ int32_t noAskMissingNumber = 0;
    /* 113 */ int32_t noAskMissingText = 0;
    /* 114 */ int32_t disableNumberField = 0;
    /* 115 */ int32_t disableCurrencyField = 0;
    /* 116 */ int32_t disableNotesField = 0;
};

} // namespace ledger
