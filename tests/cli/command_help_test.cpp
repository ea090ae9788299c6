// --help, --version, "--option=value", and the texts the manual page and the completion are
// written from.
#include "cli/arguments.h"
#include "cli/command_help.h"
#include "cli/manual_page.h"
#include "cli_run.h"
#include "ledger/win1252.h"
#include "platform/version.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <unistd.h>

using testsupport::contains;
using testsupport::Outcome;
using testsupport::run;

namespace {

// Every option a usage names has a description, every command a summary, and no description
// is left over from an option that is gone: the manual page and --help cannot miss one.
TEST(CommandHelp, EveryCommandAndOptionIsDescribedAndNothingElse) {
    std::vector<std::pair<std::string, std::string>> named; // command, option
    for (const cli::Command& c : cli::commands()) {
        EXPECT_FALSE(cli::commandSummary(c.name).empty())
            << "cli/command_help.cpp: no summary of the command " << c.name;
        for (const cli::UsageOption& o : cli::parseUsage(c.usage).options) {
            EXPECT_FALSE(cli::optionDescription(c.name, o.name).empty())
                << "cli/command_help.cpp: no description of --" << o.name << " of " << c.name;
            named.emplace_back(c.name, o.name);
        }
    }
    for (const cli::OptionText& t : cli::optionTexts()) {
        const bool used = std::any_of(named.begin(), named.end(), [&](const auto& n) {
            return n.second == t.option && (t.command.empty() || n.first == t.command);
        });
        EXPECT_TRUE(used) << "cli/command_help.cpp describes --" << t.option << " of '" << t.command
                          << "', which no usage names";
    }
}

TEST(CommandHelp, UsageTextsAreTakenApart) {
    struct Case {
        std::string usage;
        std::vector<std::string> subcommands, arguments;
        std::vector<cli::UsageOption> options;
    };
    const Case cases[] = {
        {"new DATEI | edit DATEI NR | delete DATEI NR [--yes]  [--kind 0|1|2] [--name TEXT]",
         {"new", "edit", "delete"},
         {"DATEI", "NR"},
         {{"yes", ""}, {"kind", "0|1|2"}, {"name", "TEXT"}}},
        {"new|rename|delete DATEI --kind 0|1|2 [--category KAT]",
         {"new", "rename", "delete"},
         {"DATEI"},
         {{"kind", "0|1|2"}, {"category", "KAT"}}},
        {"DATEI TEXTDATEI [--notes] [--stop-on-error] [--now TT.MM.JJJJ]",
         {},
         {"DATEI", "TEXTDATEI"},
         {{"notes", ""}, {"stop-on-error", ""}, {"now", "TT.MM.JJJJ"}}},
        // Groups, alternatives, repeatable options and nested brackets.
        {"DATEI (--euro-only SYMBOL | --dual CODE [--rate KURS] | --other SYMBOL) "
         "[--keep-account NR]... [--alt1 KAT [--alt1-sub UKAT] | --alt1-standard] "
         "[--currency DEM|ATS|...] [--keep-preset] [--rate KURS]",
         {},
         {"DATEI"},
         {{"euro-only", "SYMBOL"},
          {"dual", "CODE"},
          {"rate", "KURS"},
          {"other", "SYMBOL"},
          {"keep-account", "NR"},
          {"alt1", "KAT"},
          {"alt1-sub", "UKAT"},
          {"alt1-standard", ""},
          {"currency", "DEM|ATS|..."},
          {"keep-preset", ""}}},
        {"VERZEICHNIS", {}, {"VERZEICHNIS"}, {}},
    };
    for (const Case& c : cases) {
        const cli::UsageParts parts = cli::parseUsage(c.usage);
        EXPECT_EQ(parts.subcommands, c.subcommands) << c.usage;
        EXPECT_EQ(parts.arguments, c.arguments) << c.usage;
        EXPECT_EQ(parts.options, c.options) << c.usage;
    }
}

TEST(CommandHelp, OnlyListsOfPlainWordsAreChoices) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"0|1|2", {"0", "1", "2"}},
        {"fixed|tabs", {"fixed", "tabs"}},
        {"utf-8|cp1252", {"utf-8", "cp1252"}},
        {"TT.MM.JJJJ", {}},
        {"DEM|ATS|...", {}},
        {"account:ID|category:ART:ID", {}},
        {"0..9", {}},
        {"cp1252", {}},
        {"0||1", {}},
    };
    for (const auto& [placeholder, choices] : cases)
        EXPECT_EQ(cli::valueChoices(placeholder), choices) << placeholder;
}

TEST(CommandHelp, HelpAndVersionGoToStandardOutputAndSucceed) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.err.empty());
    EXPECT_TRUE(contains(help.out, ledger::toUtf8("Haushaltsbücher"))) << "UTF-8 on the terminal";
    for (const cli::Command& c : cli::commands()) {
        EXPECT_TRUE(contains(help.out, "\n  " + std::string(c.name) + " ")) << c.name;
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{std::string(c.name), "--help"},
              {std::string(c.name), "x.tlw", "--now", "01.01.2020", "-h"}}) {
            const Outcome one = run(args);
            EXPECT_EQ(one.code, 0) << c.name;
            EXPECT_TRUE(one.err.empty()) << c.name;
            EXPECT_TRUE(contains(one.out, "Aufruf: talerwerk-cli " + std::string(c.name)));
            for (const cli::UsageOption& o : cli::parseUsage(c.usage).options)
                EXPECT_TRUE(contains(one.out, "  --" + o.name + ' ') ||
                            contains(one.out, "  --" + o.name + '\n'))
                    << c.name << " --" << o.name;
        }
    }
    EXPECT_TRUE(
        contains(run({"show", "--help"}).out, ledger::toUtf8("Lässt vorläufige Buchungen weg.")));

    const Outcome version = run({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "talerwerk-cli " + std::string(platform::kProgramVersion) + "\n");
    EXPECT_TRUE(std::regex_match(platform::kProgramVersion, std::regex(R"(\d+\.\d+\.\d+)")));

    // Without a command, or with help among other arguments, it stays a wrong command line.
    EXPECT_EQ(run({"--help", "check"}).code, 2);
    EXPECT_EQ(run({"--hilfe"}).code, 2);
    EXPECT_EQ(run({"--version", "x"}).code, 2);
}

TEST(Arguments, OptionValuesFollowTheNameOrAnEqualsSign) {
    struct Case {
        std::vector<std::string> args;
        std::optional<std::string> value;
        std::vector<std::string> rest; // what stays after taking --name out
    };
    const Case cases[] = {
        {{"--name", "Giro", "a.tlw"}, "Giro", {"a.tlw"}},
        {{"a.tlw", "--name=Giro"}, "Giro", {"a.tlw"}},
        {{"--name="}, "", {}},
        {{"--name=a=b"}, "a=b", {}},
        {{"--name=--yes", "--yes"}, "--yes", {"--yes"}},
        {{"--names=x", "a.tlw"}, std::nullopt, {"--names=x", "a.tlw"}},
        {{"--namex", "y"}, std::nullopt, {"--namex", "y"}},
    };
    for (const Case& c : cases) {
        cli::Arguments args(c.args);
        EXPECT_EQ(args.option("name"), c.value) << c.args.front();
        if (c.rest.empty() || !c.rest.front().starts_with("--")) {
            EXPECT_EQ(args.positionals(c.rest.size()), c.rest) << c.args.front();
        }
    }
    cli::Arguments missing({"--name"});
    EXPECT_THROW(missing.option("name"), cli::UsageError);

    cli::Arguments flags({"--yes", "--notes=1"});
    EXPECT_TRUE(flags.flag("yes"));
    EXPECT_THROW(flags.flag("notes"), cli::UsageError);
    EXPECT_FALSE(flags.flag("yes"));
}

TEST(Arguments, CommandsAcceptTheEqualsForm) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("talerwerk-cli-help-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    ASSERT_EQ(run({"demo", dir.string(), "--now=15.06.2026"}).code, 0);
    const std::string file = (dir / "DemoDatei1.tlw").string();
    const Outcome spaced = run({"show", file, "--view", "1", "--now", "15.06.2026", "--format",
                                "tabs", "--from", "01.01.2026"});
    const Outcome equals =
        run({"show", file, "--view=1", "--now=15.06.2026", "--format=tabs", "--from=01.01.2026"});
    EXPECT_EQ(spaced.code, 0) << spaced.err;
    EXPECT_EQ(equals.code, 0) << equals.err;
    EXPECT_EQ(equals.out, spaced.out);
    EXPECT_EQ(run({"show", file, "--view=1", "--without-provisional=ja"}).code, 2);
    std::filesystem::remove_all(dir);
}

TEST(ManualPage, TextsBecomeRoffWithoutRequestsOrEscapes) {
    const std::pair<std::string, std::string> cases[] = {
        {"[--kind 0|1|2] [--name TEXT]", "[\\-\\-kind 0|1|2] [\\-\\-name TEXT]"},
        {"Euro-Werkzeug, --keep-account", "Euro-Werkzeug, \\-\\-keep\\-account"},
        {"(--other SYMBOL | --dual CODE)", "(\\-\\-other SYMBOL | \\-\\-dual CODE)"},
        {"C:\\Daten", "C:\\eDaten"},
        {".tlw-Datei", "\\&.tlw-Datei"},
        {"'Zitat'", "\\&'Zitat'"},
        {"a.b 'c'", "a.b 'c'"},
    };
    for (const auto& [text, roff] : cases)
        EXPECT_EQ(cli::roffText(text), roff) << text;
}

TEST(ManualPage, TemplateGetsVersionDateAndEveryCommand) {
    const std::string page =
        cli::manualPage(".TH X 1 \"@DATUM@\" \"Talerwerk @VERSION@\"\n.SH BEFEHLE\n@BEFEHLE@\n"
                        ".SH ENDE\n@VERSION@\n",
                        "2026-12-07");
    const std::string version = platform::kProgramVersion;
    EXPECT_TRUE(page.starts_with(".TH X 1 \"2026-12-07\" \"Talerwerk " + version + "\"\n"));
    EXPECT_TRUE(page.ends_with(".SH ENDE\n" + version + "\n"));
    EXPECT_FALSE(contains(page, "@"));
    std::size_t at = 0;
    for (const cli::Command& c : cli::commands()) {
        at = page.find("\n.SS " + std::string(c.name) + "\n", at);
        ASSERT_NE(at, std::string::npos) << c.name << " in the order of the table";
    }
    EXPECT_TRUE(contains(page, ".BI \\-\\-view \" N\"\n"));
    EXPECT_TRUE(contains(page, ledger::toUtf8(".B \\-\\-without\\-provisional\nLässt")));
}

} // namespace
