#include "accounts/konten_editor_form.h"
#include "accounts/konto_ersetzen_form.h"
#include "chart_fixture.h"

using namespace accounts;

namespace {

class KontenEditorTest : public testsupport::ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        const int32_t wohnen = kategorie(ledger::KontoArt::Ausgabenkonto, "Wohnen");
        unterkategorie(ledger::KontoArt::Ausgabenkonto, wohnen, "Miete");
        unterkategorie(ledger::KontoArt::Ausgabenkonto, wohnen, "Energie");
        kategorie(ledger::KontoArt::Ausgabenkonto, "auto");
        konto(ledger::KontoArt::Ausgabenkonto, "Strom", 40, "Wohnen", "Energie");
        konto(ledger::KontoArt::Bestandskonto, "Giro", 10);
        konto(ledger::KontoArt::Ausgabenkonto, "Kaltmiete", 41, "Wohnen", "Miete");
        konto(ledger::KontoArt::Ausgabenkonto, "Benzin", 42, "auto");
        konto(ledger::KontoArt::Ausgabenkonto, "Gas", 43, "Wohnen", "Energie");
        konto(ledger::KontoArt::Einnahmenkonto, "gehalt", 30);
    }

    std::vector<std::string> names(const CKontenEditorForm& editor) const {
        std::vector<std::string> out;
        for (const auto& row : editor.zeilen())
            out.push_back(doc.findKonto(row.kontoId)->name);
        return out;
    }
};

TEST_F(KontenEditorTest, ColumnsFollowTheFilter) {
    CKontenEditorForm editor(doc);
    std::vector<std::string> titles;
    for (const auto& column : editor.spalten())
        titles.push_back(column.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Bezeichnung", "Nr.", "Abk.", "Kontenart",
                                                "Kategorie", "Unterkategorie"}));
    EXPECT_EQ(editor.anzahl(), "6");
    editor.setFilter(CKontenEditorForm::kAusgabenkonten);
    EXPECT_EQ(editor.spalten().size(), 5u);
    EXPECT_EQ(editor.anzahl(), "4");
    EXPECT_EQ(editor.zeilen()[0].cells,
              (std::vector<std::string>{"Benzin", "42", "Ben42", "auto", "(keine)"}));
}

TEST_F(KontenEditorTest, SortsByColumnWithFallThroughAndReverses) {
    CKontenEditorForm editor(doc);
    EXPECT_EQ(names(editor),
              (std::vector<std::string>{"Benzin", "Gas", "gehalt", "Giro", "Kaltmiete", "Strom"}));
    editor.clickSpalte(CKontenEditorForm::Spalte::Bezeichnung);
    EXPECT_FALSE(editor.ascending());
    EXPECT_EQ(names(editor).front(), "Strom");

    // Kontenart, then category (none first), sub-category (none first), then name.
    editor.clickSpalte(CKontenEditorForm::Spalte::Kontenart);
    EXPECT_TRUE(editor.ascending());
    EXPECT_EQ(names(editor),
              (std::vector<std::string>{"Giro", "gehalt", "Benzin", "Gas", "Strom", "Kaltmiete"}));
    editor.clickSpalte(CKontenEditorForm::Spalte::Kontenart);
    EXPECT_EQ(names(editor),
              (std::vector<std::string>{"Kaltmiete", "Strom", "Gas", "Benzin", "gehalt", "Giro"}));
    editor.clickSpalte(CKontenEditorForm::Spalte::Nr);
    EXPECT_EQ(names(editor),
              (std::vector<std::string>{"Giro", "gehalt", "Strom", "Kaltmiete", "Benzin", "Gas"}));

    // Accounts without a category or sub-category first, then by their names.
    using S = CKontenEditorForm::Spalte;
    const std::pair<S, std::vector<std::string>> orders[] = {
        {S::Abk, {"Benzin", "Gas", "gehalt", "Giro", "Kaltmiete", "Strom"}},
        {S::Kategorie, {"gehalt", "Giro", "Benzin", "Gas", "Strom", "Kaltmiete"}},
        {S::Unterkategorie, {"Benzin", "gehalt", "Giro", "Gas", "Strom", "Kaltmiete"}},
    };
    for (const auto& [spalte, order] : orders) {
        editor.clickSpalte(spalte);
        EXPECT_TRUE(editor.ascending());
        EXPECT_EQ(names(editor), order) << static_cast<int>(spalte);
    }
    // A filter outside the list is ignored.
    for (const int filter : {-1, 4}) {
        editor.setFilter(filter);
        EXPECT_EQ(editor.anzahl(), "6") << filter;
    }
}

TEST_F(KontenEditorTest, SelectionSurvivesChangesAndFilters) {
    CKontenEditorForm editor(doc);
    EXPECT_FALSE(editor.bearbeitenEnabled());
    editor.selectedId = doc.findKontoByText("Gas", true)->id;
    EXPECT_EQ(editor.selectedRow(), 1);
    editor.clickSpalte(CKontenEditorForm::Spalte::Nr);
    EXPECT_EQ(editor.selectedRow(), 5);

    auto edit = editor.bearbeitenForm();
    edit.name = "Erdgas";
    ASSERT_FALSE(edit.check(prompter));
    edit.apply();
    editor.bearbeitenClosed(edit, true);
    EXPECT_TRUE(editor.changed());
    EXPECT_EQ(doc.findKonto(editor.selectedId)->name, "Erdgas");

    editor.setFilter(CKontenEditorForm::kBestandskonten);
    EXPECT_EQ(editor.selectedId, -1);
    CKontoNeuForm neu(doc, editor.neuKind());
    EXPECT_FALSE(neu.kindSelectable());
    EXPECT_EQ(neu.kind(), ledger::KontoArt::Bestandskonto);
    neu.name = "Sparbuch";
    neu.abbreviation = "SB";
    ASSERT_FALSE(neu.check(prompter));
    editor.neuClosed(neu, true, neu.apply());
    EXPECT_EQ(editor.zeilen()[editor.selectedRow()].cells[0], "Sparbuch");

    prompter.answer({true});
    ASSERT_TRUE(editor.loeschen(prompter));
    EXPECT_EQ(editor.selectedId, -1);
    EXPECT_EQ(editor.anzahl(), "1");
    expectUsageCountsExact();
}

TEST_F(KontenEditorTest, ReplaceAccountListsSpinsAndChecks) {
    using E = CKontoErsetzenForm;
    E form(doc, ledger::KontoArt::Ausgabenkonto, E::Beschriftung::Bezeichnung,
           E::Beschriftung::Kontonummer);
    std::vector<std::string> labels;
    for (const auto& e : form.eintraege(E::kSuchen))
        labels.push_back(e.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Benzin", "Gas", "Kaltmiete", "Strom"}));
    EXPECT_EQ(form.eintraege(E::kErsetzen)[0].label, "40");

    EXPECT_EQ(form.check(prompter), E::Field::Suchen);
    form.spin(E::kSuchen, +1); // starts at the first
    form.spin(E::kSuchen, +1);
    form.spin(E::kErsetzen, -1);
    form.spin(E::kErsetzen, +1); // 41: Kaltmiete
    form.spin(E::kErsetzen, -1);
    EXPECT_EQ(form.selectedIds[E::kSuchen], doc.findKontoByText("Gas", true)->id);
    EXPECT_EQ(form.selectedIds[E::kErsetzen], doc.findKontoByText("Strom", true)->id);
    form.selectedIds[E::kErsetzen] = form.selectedIds[E::kSuchen];
    EXPECT_EQ(form.check(prompter), E::Field::Ersetzen);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Bitte wählen Sie in beiden Feldern ein Konto aus!",
                                        "Bitte wählen Sie zwei verschiedene Konten aus!"}));
    EXPECT_EQ(prompter.shown[0].caption, "Konto ersetzen");

    form.setKind(ledger::KontoArt::Einnahmenkonto);
    EXPECT_EQ(form.selectedIds, (std::array<int32_t, 2>{-1, -1}));
    EXPECT_EQ(form.eintraege(E::kSuchen).size(), 1u);
}

} // namespace
