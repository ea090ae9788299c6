#include "reports/report_texts.h"
#include "reports/report_title.h"
#include "support/test_ledger.h"

#include <gtest/gtest.h>

namespace {

using reports::changeText;
using reports::shareText;

TEST(ReportTexts, SharesUseADecimalCommaAndDashForNoWhole) {
    EXPECT_EQ(shareText(1, 3, 1), "33,3%");
    EXPECT_EQ(shareText(-250, 1000, 2), "-25,00%");
    EXPECT_EQ(shareText(2, 3, 0), "67%");
    EXPECT_EQ(shareText(5, 0, 1), "-");
    EXPECT_EQ(shareText(1, 8, 9), "12,500%"); // decimals are held at 3
}

TEST(ReportTexts, ChangesAreSignedAndGuardAZeroBase) {
    EXPECT_EQ(changeText(150, 100, 1), "+50,0%");
    EXPECT_EQ(changeText(100, 100, 1), "+0,0%");
    EXPECT_EQ(changeText(50, 100, 1), "-50,0%");
    EXPECT_EQ(changeText(0, 0, 1), "+0,0%");
    EXPECT_EQ(changeText(0, 0, 0), "+0%");
    EXPECT_EQ(changeText(7, 0, 1), "-");
    // A negative base: the ratio decides the sign, as the percentage formula gives it.
    EXPECT_EQ(changeText(-50, -100, 1), "-50,0%");
}

TEST(ReportTexts, TitleTemplatesReplaceEveryPlaceholder) {
    reports::TitleValues v;
    v.typ = "Konto";
    v.bezeichnung = "Girokonto";
    v.startDatum = "01.01.2024";
    v.endDatum = "31.12.2024";
    EXPECT_EQ(reports::fillTitleTemplate("Buchungen für <TYP> <BEZEICHNUNG> (<STARTDATUM> bis "
                                         "<ENDDATUM>) <ENDDATUM>",
                                         v),
              "Buchungen für Konto Girokonto (01.01.2024 bis 31.12.2024) 31.12.2024");
    EXPECT_EQ(reports::fillTitleTemplate("Ohne Platzhalter <X>", v), "Ohne Platzhalter <X>");
    EXPECT_EQ(reports::fillTitleTemplate("<STANDARDTITEL> <TYP>", {}), "<STANDARDTITEL> <TYP>");
    v.typ = "<TYP>"; // a replacement is not replaced again by the same placeholder
    EXPECT_EQ(reports::fillTitleTemplate("<TYP><TYP>", v), "<TYP><TYP>");
}

} // namespace

namespace {

TEST(ReportTitle, SelectionAndValueKindFillTheTemplates) {
    testsupport::TestLedger l;
    const int32_t wohnen = l.category(ledger::KontoArt::Ausgabenkonto, "Wohnen");
    const int32_t miete = l.subcategory(ledger::KontoArt::Ausgabenkonto, wohnen, "Miete");
    const int32_t giro = l.asset("Girokonto", 1);
    reports::ReportParams p;
    p.start = testsupport::date("01.01.2024");
    p.end = testsupport::date("31.12.2024");
    p.valueKind = reports::kVermoegen;
    const std::string account = l.doc.settings().accountBookingsTitle;

    p.selection = {reports::Selection::kKonto, giro};
    EXPECT_EQ(reports::reportTitle(account, l.doc, p),
              "Buchungen für Konto Girokonto (01.01.2024 bis 31.12.2024)");
    p.selection = {reports::Selection::kUnterkategorie, -1, ledger::KontoArt::Ausgabenkonto, wohnen,
                   miete};
    EXPECT_EQ(reports::reportTitle(account, l.doc, p),
              "Buchungen für Unterkategorie Miete (01.01.2024 bis 31.12.2024)");
    // A selection that no longer exists asks for one.
    p.selection = {reports::Selection::kKategorie, -1, ledger::KontoArt::Einnahmenkonto, wohnen};
    EXPECT_EQ(reports::reportTitle(account, l.doc, p),
              "Buchungen für <bitte Konto/Kategorie auswählen>  (01.01.2024 bis 31.12.2024)");
    EXPECT_EQ(reports::reportTitle(l.doc.settings().totalChartTitle, l.doc, p),
              "Vermögen (01.01.2024 bis 31.12.2024)");
}

} // namespace
