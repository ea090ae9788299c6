#include "accounts/konto_kat_auswahl_form.h"
#include "accounts/konto_waehrung_form.h"
#include "chart_fixture.h"

using namespace accounts;

namespace {

// The tree as indented text, one item a line.
void render(const std::vector<CKontoKatAuswahlForm::Knoten>& nodes, std::string& out,
            int depth = 0) {
    for (const auto& node : nodes) {
        out += std::string(depth * 2, ' ') + node.text + "\n";
        render(node.children, out, depth + 1);
    }
}

class KontoKatAuswahlTest : public testsupport::ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        wohnen = kategorie(ledger::KontoArt::Ausgabenkonto, "Wohnen");
        miete = unterkategorie(ledger::KontoArt::Ausgabenkonto, wohnen, "Miete");
        leer = unterkategorie(ledger::KontoArt::Ausgabenkonto, wohnen, "Leer");
        freizeit = kategorie(ledger::KontoArt::Ausgabenkonto, "Freizeit");
        konto(ledger::KontoArt::Ausgabenkonto, "Strom", 1, "Wohnen");
        konto(ledger::KontoArt::Ausgabenkonto, "Kaltmiete", 2, "Wohnen", "Miete");
        konto(ledger::KontoArt::Ausgabenkonto, "Auto", 3);
        kino = konto(ledger::KontoArt::Ausgabenkonto, "Kino", 4, "Wohnen");
        ledger::CTWKonto k = *doc.findKonto(kino);
        k.alt1UseStandard = 0; // alternative 1: no category
        doc.changeKonto(k);
    }

    std::string tree(const CKontoKatAuswahlForm& form) const {
        std::string out;
        render(form.baum(), out);
        return out;
    }

    int32_t wohnen = -1, miete = -1, leer = -1, freizeit = -1, kino = -1;
};

TEST_F(KontoKatAuswahlTest, TreeShowsUsedElementsSortedUnderTheAssignment) {
    CKontoKatAuswahlForm form(doc, ledger::kStandard, Auswahl::konto(kino));
    EXPECT_EQ(form.kind(), ledger::KontoArt::Ausgabenkonto);
    EXPECT_EQ(tree(form), "Auto\n"
                          "Wohnen\n"
                          "  Kino\n"
                          "  Miete\n"
                          "    Kaltmiete\n"
                          "  Strom\n");
    CKontoKatAuswahlForm alt(doc, ledger::kAlternative1, Auswahl::konto(kino));
    EXPECT_EQ(tree(alt), "Auto\n"
                         "Kino\n"
                         "Wohnen\n"
                         "  Miete\n"
                         "    Kaltmiete\n"
                         "  Strom\n");
}

TEST_F(KontoKatAuswahlTest, UnusedElementsAppearOnlyAsTheCurrentSelection) {
    CKontoKatAuswahlForm sub(
        doc, ledger::kStandard,
        Auswahl::unterkategorie(ledger::KontoArt::Ausgabenkonto, wohnen, leer));
    EXPECT_NE(tree(sub).find("  Leer\n"), std::string::npos);
    EXPECT_EQ(tree(sub).find("Freizeit"), std::string::npos);
    CKontoKatAuswahlForm cat(doc, ledger::kStandard,
                             Auswahl::kategorie(ledger::KontoArt::Ausgabenkonto, freizeit));
    EXPECT_EQ(tree(cat).substr(0, 14), "Auto\nFreizeit\n");
    EXPECT_EQ(cat.selected, Auswahl::kategorie(ledger::KontoArt::Ausgabenkonto, freizeit));
    cat.setKind(ledger::KontoArt::Bestandskonto);
    EXPECT_EQ(tree(cat), "");
}

TEST_F(KontoKatAuswahlTest, SwitchDatesAreInsertedAndRemovedInOrder) {
    makeDual();
    const int32_t giro = konto(ledger::KontoArt::Bestandskonto, "Giro", 10);
    const ledger::CTWKonto& k = *doc.findKonto(giro);
    CKontoWaehrungForm form(doc, giro, ledger::WaehrungsIndex::Zweite,
                            testsupport::date(1, 6, 2002));
    EXPECT_EQ(form.originalSymbol(), "DM");
    EXPECT_EQ(form.umstellenAuf(), "EUR");

    prompter.answer({true, false, true});
    ASSERT_TRUE(form.umstellen(prompter)); // 01.06.2002
    form.datum = testsupport::date(1, 1, 2002);
    EXPECT_EQ(form.umstellenAuf(), "EUR");
    EXPECT_FALSE(form.umstellen(prompter)); // answered No
    ASSERT_TRUE(form.umstellen(prompter));
    form.datum = testsupport::date(1, 3, 2002);
    EXPECT_EQ(form.umstellenAuf(), "DM");
    form.datum = testsupport::date(1, 6, 2002);
    EXPECT_EQ(form.umstellenAuf(), "-");
    EXPECT_FALSE(form.umstellen(prompter));
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Kontowährung am 01.06.2002 umstellen?",
                                        "Kontowährung am 01.01.2002 umstellen?",
                                        "Kontowährung am 01.01.2002 umstellen?",
                                        "An diesem Datum wurde die Währung bereits umgestellt!"}));
    EXPECT_EQ(prompter.shown.back().caption, "Kontowährung umstellen");
    EXPECT_EQ(k.switchDates,
              (std::vector{testsupport::date(1, 1, 2002), testsupport::date(1, 6, 2002)}));
    ASSERT_EQ(form.zeilen().size(), 2u);
    EXPECT_EQ(form.zeilen()[0].datum, "01.01.2002");
    EXPECT_EQ(form.zeilen()[0].umstellungAuf, "EUR");
    EXPECT_EQ(form.zeilen()[1].umstellungAuf, "DM");

    EXPECT_FALSE(form.rueckgaengigEnabled());
    form.selectedRow = 0;
    prompter.clear();
    prompter.answer({true});
    ASSERT_TRUE(form.rueckgaengig(prompter));
    EXPECT_EQ(prompter.texts().back(), "Währungsumstellung am 01.01.2002 löschen?");
    EXPECT_EQ(k.switchDates, std::vector{testsupport::date(1, 6, 2002)});
    EXPECT_EQ(k.currencyIndex, ledger::WaehrungsIndex::Zweite);
    EXPECT_TRUE(form.changed());
    EXPECT_TRUE(doc.isModified());
}

} // namespace
