#include "bookings/textdatei_form.h"
#include "support/scripted_prompter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

using bookings::CTextdateiForm;
using testsupport::ScriptedPrompter;

// Two columns of character widths 8 and 5: a title over both, a gap, a left and a right
// aligned cell with a Windows-1252 umlaut.
reports::ReportTable smallTable() {
    reports::ReportTable t({}, 2);
    t.setColumnAlignment(1, reports::kAlignRight);
    t.setCell(t.addRow({}), 0, "Konten", 2);
    reports::RowFormat gap;
    gap.gapAbove = 10;
    const int r = t.addRow(gap);
    t.setCell(r, 0, "Vermögen");
    t.setCell(r, 1, "12,50");
    t.layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
    return t;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(TextdateiForm, WritesWindows1252WithCrLfAndReplacesTheFile) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "talerwerk_textdatei_test.txt";
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(500, 'x');
    }
    CTextdateiForm form;
    form.fileName = path.string();
    ScriptedPrompter prompter;
    ASSERT_TRUE(form.check(prompter));
    ASSERT_TRUE(form.write(smallTable(), prompter));
    EXPECT_EQ(readFile(path), "Konten           \r\n"
                              "\r\n"
                              "Verm\xF6gen  12,50  \r\n");

    form.format = reports::TextFormat::Tabs;
    ASSERT_TRUE(form.write(smallTable(), prompter));
    EXPECT_EQ(readFile(path), "Konten\t\r\n\r\nVerm\xF6gen\t12,50\t\r\n");

    // UTF-8 on request: the same columns, the umlaut in two bytes.
    form.format = reports::TextFormat::FixedWidths;
    form.zeichensatz = CTextdateiForm::Zeichensatz::Utf8;
    ASSERT_TRUE(form.write(smallTable(), prompter));
    EXPECT_EQ(readFile(path), "Konten           \r\n"
                              "\r\n"
                              "Verm\xC3\xB6gen  12,50  \r\n");
    EXPECT_TRUE(prompter.shown.empty());
    std::filesystem::remove(path);
}

TEST(TextdateiForm, RefusesAnEmptyNameAndReportsAFileThatCannotBeCreated) {
    CTextdateiForm form;
    ScriptedPrompter prompter;
    EXPECT_FALSE(form.check(prompter));
    form.fileName = "/nonexistent-directory/x.txt";
    EXPECT_TRUE(form.check(prompter));
    EXPECT_FALSE(form.write(smallTable(), prompter));
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Bitte geben Sie einen Dateinamen ein!",
                                                          "Datei kann nicht geöffnet werden"}));
    for (const auto& shown : prompter.shown) {
        EXPECT_EQ(shown.caption, "Kopieren in Textdatei");
        EXPECT_EQ(shown.kind, ScriptedPrompter::Kind::Information);
    }
}

} // namespace
