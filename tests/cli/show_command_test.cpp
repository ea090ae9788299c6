// talerwerk-cli show, end to end on the demo ledgers.
#include "cli_run.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::contains;
using testsupport::Outcome;
using testsupport::run;

namespace {

class ShowCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = fs::temp_directory_path() / ("talerwerk-show-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        ASSERT_EQ(run({"demo", dir.string(), "--now", "15.06.2026"}).code, 0);
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }

    static Outcome show(std::vector<std::string> extra, const char* file = "DemoDatei1.tlw") {
        std::vector<std::string> args{"show", (dir / file).string(), "--now", "15.06.2026"};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    }

    static inline fs::path dir;
};

TEST_F(ShowCommand, PrintsTheViewInTheChosenFormatAndEncoding) {
    const Outcome utf8 = show({"--view", "1", "--from", "01.01.2025", "--to", "31.12.2025"});
    ASSERT_EQ(utf8.code, 0) << utf8.err;
    EXPECT_TRUE(utf8.out.starts_with("Konten (01.01.2025 bis 31.12.2025)"));
    EXPECT_TRUE(contains(utf8.out, "\nVerm\xc3\xb6gen ")) << "UTF-8 on the terminal";
    EXPECT_FALSE(contains(utf8.out, "\r"));

    const Outcome raw =
        show({"--view", "1", "--from", "01.01.2025", "--to", "31.12.2025", "--encoding", "cp1252"});
    EXPECT_TRUE(contains(raw.out, "\nVerm\xf6gen "));

    const Outcome tabs = show({"--view", "3", "--format", "tabs", "--grouping", "1"});
    ASSERT_EQ(tabs.code, 0) << tabs.err;
    EXPECT_TRUE(contains(tabs.out, "\t\n"));
    EXPECT_FALSE(contains(tabs.out, "  \n"));

    const Outcome categories = show({"--view", "8"}, "DemoKontenplan.tlw");
    ASSERT_EQ(categories.code, 0) << categories.err;
    EXPECT_TRUE(categories.out.starts_with("Kategorien "));
}

TEST_F(ShowCommand, RangeFollowsTheInitialPeriodUnlessGiven) {
    // The demo ledger starts its windows on the first of the month and ends them today.
    EXPECT_TRUE(show({"--view", "1"}).out.starts_with("Konten (01.06.2026 bis 15.06.2026)"));
    EXPECT_TRUE(show({"--view", "1", "--from", "01.01.2026"})
                    .out.starts_with("Konten (01.01.2026 bis 15.06.2026)"));
    EXPECT_TRUE(show({"--view", "1", "--to", "31.03.2026"})
                    .out.starts_with("Konten (31.03.2026 bis 31.03.2026)"));
    // Leaving provisional bookings out changes the figures of the demo ledger.
    const std::vector<std::string> all{"--view", "1", "--from", "01.01.2025", "--to", "15.06.2026"};
    std::vector<std::string> without = all;
    without.push_back("--without-provisional");
    EXPECT_NE(show(all).out, show(without).out);
}

TEST_F(ShowCommand, ValueTablesAndPeriodComparison) {
    const Outcome months =
        show({"--view", "5", "--periods", "1", "--from", "01.01.2025", "--to", "31.03.2025"});
    ASSERT_EQ(months.code, 0) << months.err;
    EXPECT_TRUE(months.out.starts_with("Wertetabelle - Gesamt (01.01.2025 bis 31.03.2025)"));
    EXPECT_TRUE(contains(months.out, "\n03/2025 "));
    EXPECT_TRUE(contains(months.out, "\nSumme "));

    const Outcome years = show({"--view", "9", "--compare", "2", "--from", "01.01.2024"});
    ASSERT_EQ(years.code, 0) << years.err;
    EXPECT_TRUE(years.out.starts_with("Periodenvergleich (01.01.2024 bis 15.06.2026)"));
    EXPECT_TRUE(contains(years.out, "01.01.2026"));
    EXPECT_FALSE(contains(years.out, "01.02.2026")) << "years, not months";
}

TEST_F(ShowCommand, ChartsPrintOneLinePerDayAndWriteSvg) {
    const fs::path svg = dir / "diagramm.svg";
    const Outcome chart = show({"--view", "101", "--value", "3", "--from", "01.01.2025", "--to",
                                "03.01.2025", "--format", "tabs", "--svg", svg.string()});
    ASSERT_EQ(chart.code, 0) << chart.err;
    EXPECT_TRUE(chart.out.starts_with("Verm\xc3\xb6gen (01.01.2025 bis 03.01.2025)\n01.01.2025\t"));
    EXPECT_EQ(std::count(chart.out.begin(), chart.out.end(), '\n'), 4);
    std::ifstream in(svg);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_TRUE(written.str().starts_with("<?xml"));
    EXPECT_TRUE(contains(written.str(), "</svg>"));

    // One day still draws two points.
    const Outcome oneDay = show(
        {"--view", "102", "--select", "account:0", "--from", "05.01.2025", "--to", "05.01.2025"});
    ASSERT_EQ(oneDay.code, 0) << oneDay.err;
    EXPECT_TRUE(contains(oneDay.out, "(04.01.2025 bis 05.01.2025)\n04.01.2025\t"));
    EXPECT_EQ(std::count(oneDay.out.begin(), oneDay.out.end(), '\n'), 3);

    const Outcome unwritable = show({"--view", "101", "--svg", (dir / "fehlt" / "x.svg").string()});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_TRUE(contains(unwritable.err, "konnte nicht geschrieben werden"));
}

TEST_F(ShowCommand, RefusesWhatItCannotShow) {
    const Outcome unknown = show({"--view", "42"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(contains(unknown.err, "Eine Ansicht 42 gibt es nicht."));
    const Outcome svgOfTable = show({"--view", "1", "--svg", (dir / "x.svg").string()});
    EXPECT_EQ(svgOfTable.code, 2);
    EXPECT_TRUE(contains(svgOfTable.err, "--svg gibt es nur"));
    EXPECT_FALSE(fs::exists(dir / "x.svg"));
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{},
          {"--view", "eins"},
          {"--view", "1", "--from", "31.02.2025"},
          {"--view", "1", "--grouping", "3"},
          {"--view", "1", "--format", "csv"},
          {"--view", "5", "--periods", "4"},
          {"--view", "101", "--value", "7"},
          {"--view", "102", "--currency", "2"},
          {"--view", "9", "--compare", "3"},
          {"--view", "1", "--encoding", "latin1"},
          {"--view", "1", "--farbe", "rot"},
          {"--view", "1", "--from", "02.01.2025", "--to", "01.01.2025"}})
        EXPECT_EQ(show(bad).code, 2) << bad.size();

    const Outcome missing = run({"show", (dir / "fehlt.tlw").string(), "--view", "1"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_TRUE(missing.out.empty());
}

} // namespace
