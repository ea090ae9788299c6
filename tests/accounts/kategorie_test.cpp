#include "accounts/kategorie_editor_form.h"
#include "accounts/kategorie_verwaltung.h"
#include "chart_fixture.h"

using namespace accounts;

namespace {

using Ebene = CBezeichnungForm::Ebene;
using Modus = CBezeichnungForm::Modus;

class KategorieTest : public testsupport::ChartTest {};

TEST_F(KategorieTest, NameEntryTitlesPromptsAndChecks) {
    CBezeichnungForm neu(Modus::Neu, Ebene::Unterkategorie, "", {"(keine)", "Miete"});
    EXPECT_EQ(neu.title(), "Neue Unterkategorie");
    EXPECT_EQ(neu.prompt(), "Bitte geben Sie eine &Bezeichnung für die Unterkategorie ein:");
    CBezeichnungForm rename(Modus::Umbenennen, Ebene::Kategorie, "Alt", {"(keine)"});
    EXPECT_EQ(rename.title(), "Kategorie bearbeiten");
    EXPECT_EQ(rename.prompt(), "Bitte geben Sie eine neue &Bezeichnung für die Kategorie ein:");
    EXPECT_EQ(rename.name, "Alt");

    EXPECT_TRUE(neu.check(prompter));
    neu.name = "MIETE";
    EXPECT_TRUE(neu.check(prompter));
    neu.name = "(Keine)";
    EXPECT_TRUE(neu.check(prompter));
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Sie haben keine Bezeichnung eingegeben!",
                                        "Diese Unterkategorie ist bereits vorhanden!",
                                        "Diese Unterkategorie ist bereits vorhanden!"}));
    EXPECT_EQ(prompter.shown[0].caption, "Bezeichnung eingeben");
}

TEST_F(KategorieTest, NamesAreUniquePerKindAndPerCategory) {
    const int32_t gehalt = kategorie(ledger::KontoArt::Einnahmenkonto, "Gehalt");
    auto sameKind = KategorieBenennung::neueKategorie(doc, ledger::KontoArt::Einnahmenkonto);
    sameKind.form.name = "GEHALT";
    EXPECT_TRUE(sameKind.form.check(prompter));
    EXPECT_EQ(prompter.texts().back(), "Diese Kategorie ist bereits vorhanden!");
    auto otherKind = KategorieBenennung::neueKategorie(doc, ledger::KontoArt::Ausgabenkonto);
    otherKind.form.name = "Gehalt";
    EXPECT_FALSE(otherKind.form.check(prompter));

    const int32_t bonus = kategorie(ledger::KontoArt::Einnahmenkonto, "Bonus");
    unterkategorie(ledger::KontoArt::Einnahmenkonto, gehalt, "Netto");
    auto sub = KategorieBenennung::neueUnterkategorie(doc, ledger::KontoArt::Einnahmenkonto, bonus);
    sub->form.name = "netto";
    EXPECT_FALSE(sub->form.check(prompter));

    // Renaming: its own name in other case passes, another category's name does not.
    auto rename =
        KategorieBenennung::kategorieBearbeiten(doc, ledger::KontoArt::Einnahmenkonto, gehalt);
    EXPECT_EQ(rename->form.taken(), (std::vector<std::string>{"(keine)", "Bonus"}));
    rename->form.name = "GEHALT";
    EXPECT_FALSE(rename->form.check(prompter));
    EXPECT_EQ(rename->apply(doc), gehalt);
    EXPECT_EQ(kat(ledger::KontoArt::Einnahmenkonto, gehalt).name, "GEHALT");
    rename->form.name = "bonus";
    EXPECT_TRUE(rename->form.check(prompter));

    EXPECT_FALSE(
        KategorieBenennung::kategorieBearbeiten(doc, ledger::KontoArt::Einnahmenkonto, 99));
    EXPECT_FALSE(KategorieBenennung::unterkategorieBearbeiten(doc, ledger::KontoArt::Einnahmenkonto,
                                                              gehalt, 99));
}

TEST_F(KategorieTest, IdsAreNeverReusedAndDeletingTakesSubcategories) {
    const int32_t a = kategorie(ledger::KontoArt::Ausgabenkonto, "A");
    unterkategorie(ledger::KontoArt::Ausgabenkonto, a, "A1");
    unterkategorie(ledger::KontoArt::Ausgabenkonto, a, "A2");
    prompter.answer({true});
    ASSERT_TRUE(deleteKategorie(doc, prompter, ledger::KontoArt::Ausgabenkonto, a,
                                LoeschMeldungen::Ansicht));
    EXPECT_EQ(prompter.texts().back(), "Möchten Sie die Kategorie 'A' wirklich löschen?");
    EXPECT_EQ(prompter.shown.back().caption, "Kategorie löschen");
    EXPECT_TRUE(doc.categories().tree(ledger::KontoArt::Ausgabenkonto).empty());
    const int32_t b = kategorie(ledger::KontoArt::Ausgabenkonto, "B");
    EXPECT_EQ(b, a + 1);

    const int32_t b1 = unterkategorie(ledger::KontoArt::Ausgabenkonto, b, "B1");
    EXPECT_FALSE(deleteUnterkategorie(doc, prompter, ledger::KontoArt::Ausgabenkonto, b, b1,
                                      LoeschMeldungen::Ansicht));
    EXPECT_EQ(prompter.texts().back(), "Möchten Sie die Unterkategorie 'B1' wirklich löschen?");
    EXPECT_EQ(prompter.shown.back().caption, "Unterkategorie löschen");
    EXPECT_EQ(kat(ledger::KontoArt::Ausgabenkonto, b).subcategories().size(), 1u);
    prompter.answer({true});
    ASSERT_TRUE(deleteUnterkategorie(doc, prompter, ledger::KontoArt::Ausgabenkonto, b, b1,
                                     LoeschMeldungen::Editor));
    EXPECT_EQ(prompter.texts().back(), "Möchten Sie die Unterkategorie wirklich löschen?");
    EXPECT_EQ(unterkategorie(ledger::KontoArt::Ausgabenkonto, b, "B2"), b1 + 1);
}

TEST_F(KategorieTest, EditorSelectionAndEnabledControls) {
    CKategorieEditorForm editor(doc);
    EXPECT_EQ(editor.kind(), ledger::KontoArt::Bestandskonto);
    EXPECT_FALSE(editor.kategorieListEnabled());
    EXPECT_FALSE(editor.kategorieBearbeitenEnabled());
    EXPECT_FALSE(editor.unterkategorieGroupEnabled());
    EXPECT_FALSE(editor.kategorieBearbeiten());

    auto neu = editor.neueKategorie();
    neu.form.name = "Zeta";
    ASSERT_TRUE(editor.apply(neu));
    neu.form.name = "Alpha";
    ASSERT_TRUE(editor.apply(neu));
    EXPECT_EQ(doc.findKategorie(ledger::KontoArt::Bestandskonto, editor.selectedKategorie())->name,
              "Alpha");
    EXPECT_TRUE(editor.kategorieLoeschenEnabled());
    EXPECT_TRUE(editor.unterkategorieGroupEnabled());
    EXPECT_FALSE(editor.unterkategorieListEnabled());

    auto sub = editor.neueUnterkategorie();
    sub->form.name = "Eins";
    ASSERT_TRUE(editor.apply(*sub));
    EXPECT_TRUE(editor.unterkategorieLoeschenEnabled());
    auto rename = editor.kategorieBearbeiten();
    rename->form.name = "Omega";
    ASSERT_TRUE(editor.apply(*rename));
    EXPECT_EQ(editor.kategorien()[0].name, "Omega");
    EXPECT_EQ(doc.findKategorie(ledger::KontoArt::Bestandskonto, editor.selectedKategorie())->name,
              "Omega");
    EXPECT_NE(editor.selectedUnterkategorie, -1);

    // After a deletion the first element is selected; after the last one nothing is left.
    prompter.answer({true, true});
    ASSERT_TRUE(editor.kategorieLoeschen(prompter));
    EXPECT_EQ(prompter.texts().back(), "Möchten Sie die Kategorie wirklich löschen?");
    EXPECT_EQ(doc.findKategorie(ledger::KontoArt::Bestandskonto, editor.selectedKategorie())->name,
              "Zeta");
    ASSERT_TRUE(editor.kategorieLoeschen(prompter));
    EXPECT_EQ(editor.selectedKategorie(), -1);
    EXPECT_FALSE(editor.kategorieLoeschenEnabled());
    EXPECT_FALSE(editor.unterkategorieGroupEnabled());
    EXPECT_TRUE(editor.changed());

    editor.setKind(ledger::KontoArt::Ausgabenkonto);
    EXPECT_TRUE(editor.kategorien().empty());
}

} // namespace
