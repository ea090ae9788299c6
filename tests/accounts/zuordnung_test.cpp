#include "accounts/konto_alt_kat_form.h"
#include "accounts/konto_bearbeiten_form.h"
#include "accounts/konto_loeschen.h"
#include "chart_fixture.h"

using namespace accounts;

namespace {

class ZuordnungTest : public testsupport::ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        wohnen = kategorie(ledger::KontoArt::Ausgabenkonto, "Wohnen");
        miete = unterkategorie(ledger::KontoArt::Ausgabenkonto, wohnen, "Miete");
        nebenkosten = unterkategorie(ledger::KontoArt::Ausgabenkonto, wohnen, "Nebenkosten");
        leben = kategorie(ledger::KontoArt::Ausgabenkonto, "Leben");
        fest = kategorie(ledger::KontoArt::Ausgabenkonto, "Fixkosten");
    }

    // Opens the alternative assignments of the form, chooses them by name and takes them.
    void chooseAlternatives(KontoForm& form, bool use1, const std::string& cat1,
                            const std::string& sub1, bool use2, const std::string& cat2) {
        CKontoAltKatForm alt = form.altKatForm();
        alt.gruppen[0].useStandard = use1;
        alt.gruppen[0].auswahl.selectKategorie(cat1);
        alt.gruppen[0].auswahl.selectUnterkategorie(sub1);
        alt.gruppen[1].useStandard = use2;
        alt.gruppen[1].auswahl.selectKategorie(cat2);
        form.altKatClosed(alt, true);
    }

    int32_t wohnen = -1, miete = -1, nebenkosten = -1, leben = -1, fest = -1;
};

TEST_F(ZuordnungTest, CountsFollowCreateEditAndDelete) {
    const int32_t a = konto(ledger::KontoArt::Ausgabenkonto, "Wohnung", 1, "Wohnen", "Miete");
    const int32_t b = konto(ledger::KontoArt::Ausgabenkonto, "Strom", 2, "Wohnen", "Nebenkosten");
    konto(ledger::KontoArt::Ausgabenkonto, "Essen", 3, "Leben");
    EXPECT_EQ(kat(ledger::KontoArt::Ausgabenkonto, wohnen).usageCount, 2);
    expectUsageCountsExact();

    // Edit: the standard assignment moves, alternative 1 leaves the standard one.
    CKontoBearbeitenForm edit(doc, doc.indexOfKonto(a));
    EXPECT_EQ(edit.standard.kategorie(), "Wohnen");
    EXPECT_EQ(edit.standard.unterkategorie(), "Miete");
    edit.standard.selectKategorie("Leben");
    chooseAlternatives(edit, false, "Fixkosten", "(keine)", false, "Wohnen");
    ASSERT_FALSE(edit.check(prompter));
    edit.apply();
    EXPECT_EQ(kat(ledger::KontoArt::Ausgabenkonto, fest).usageCount, 1);
    expectUsageCountsExact();

    // Back to the standard assignment: the alternative no longer counts.
    CKontoBearbeitenForm back(doc, doc.indexOfKonto(a));
    chooseAlternatives(back, true, "Fixkosten", "(keine)", false, "Wohnen");
    back.apply();
    EXPECT_EQ(kat(ledger::KontoArt::Ausgabenkonto, fest).usageCount, 0);
    EXPECT_EQ(doc.findKonto(a)->alt1Category, -1);
    expectUsageCountsExact();

    prompter.answer({true, true});
    ASSERT_TRUE(deleteKonto(doc, prompter, a, LoeschMeldungen::Editor));
    ASSERT_TRUE(deleteKonto(doc, prompter, b, LoeschMeldungen::Editor));
    EXPECT_EQ(kat(ledger::KontoArt::Ausgabenkonto, wohnen).usageCount, 0);
    expectUsageCountsExact();
}

TEST_F(ZuordnungTest, AlternativeFollowingTheStandardIsCountedOnce) {
    CKontoNeuForm form(doc, ledger::KontoArt::Ausgabenkonto);
    form.name = "Miete";
    form.number = 5;
    form.abbreviation = "MI";
    form.standard.selectKategorie("Wohnen");
    // The stored alternative ids are ignored while the flag is set.
    form.alt1 = {true, leben, -1};
    form.alt2 = {false, wohnen, miete};
    ASSERT_FALSE(form.check(prompter));
    const int32_t id = doc.accounts()[form.apply()]->id;
    EXPECT_EQ(doc.findKonto(id)->alt1Category, -1);
    EXPECT_EQ(kat(ledger::KontoArt::Ausgabenkonto, wohnen).usageCount, 2);
    EXPECT_EQ(kat(ledger::KontoArt::Ausgabenkonto, leben).usageCount, 0);
    expectUsageCountsExact();

    // A category used only by a clear alternative cannot be deleted until it follows the
    // standard assignment again.
    EXPECT_FALSE(deleteUnterkategorie(doc, prompter, ledger::KontoArt::Ausgabenkonto, wohnen, miete,
                                      LoeschMeldungen::Editor));
    CKontoBearbeitenForm edit(doc, doc.indexOfKonto(id));
    edit.alt2 = {true, -1, -1};
    edit.apply();
    prompter.answer({true});
    EXPECT_TRUE(deleteUnterkategorie(doc, prompter, ledger::KontoArt::Ausgabenkonto, wohnen, miete,
                                     LoeschMeldungen::Editor));
    prompter.answer({true});
    EXPECT_FALSE(deleteKategorie(doc, prompter, ledger::KontoArt::Ausgabenkonto, wohnen,
                                 LoeschMeldungen::Editor));
    EXPECT_EQ(prompter.texts().back(),
              "Diese Kategorie kann nicht gelöscht werden, da ihr Konten zugeordnet sind!");
    expectUsageCountsExact();
}

TEST_F(ZuordnungTest, AlternativeDialogEnablesAndReturnsByName) {
    const int32_t id = konto(ledger::KontoArt::Ausgabenkonto, "Miete", 5, "Wohnen");
    CKontoBearbeitenForm edit(doc, doc.indexOfKonto(id));
    CKontoAltKatForm alt = edit.altKatForm();
    EXPECT_TRUE(alt.gruppen[0].useStandard);
    EXPECT_FALSE(alt.gruppen[0].kategorieEnabled());
    EXPECT_FALSE(alt.gruppen[1].useStandard);
    EXPECT_TRUE(alt.gruppen[1].kategorieEnabled());
    EXPECT_FALSE(alt.gruppen[1].unterkategorieEnabled());
    alt.gruppen[1].auswahl.selectKategorie("Wohnen");
    EXPECT_TRUE(alt.gruppen[1].unterkategorieEnabled());
    alt.gruppen[1].auswahl.selectUnterkategorie("Nebenkosten");

    // A category made in the dialog is chosen there and counts as a change.
    auto neu = alt.gruppen[0].auswahl.neueKategorie();
    neu.form.name = "Extra";
    EXPECT_TRUE(alt.create(0, neu));
    EXPECT_TRUE(alt.changed());
    const auto result = alt.result();
    EXPECT_EQ(
        result[0],
        (AltZuordnung{true, doc.findKategorieByName(ledger::KontoArt::Ausgabenkonto, "Extra")->id,
                      -1}));
    EXPECT_EQ(result[1], (AltZuordnung{false, wohnen, nebenkosten}));
    // The dialog itself counts nothing.
    expectUsageCountsExact();
    edit.altKatClosed(alt, true);
    EXPECT_TRUE(edit.changed());
    edit.apply();
    EXPECT_EQ(kat(ledger::KontoArt::Ausgabenkonto, wohnen).usageCount, 2);
    expectUsageCountsExact();
}

TEST_F(ZuordnungTest, DeletingAnAccountRefusesAndAsksWithEitherMessageSet) {
    const int32_t giro = konto(ledger::KontoArt::Bestandskonto, "Giro", 1);
    const int32_t miete = konto(ledger::KontoArt::Ausgabenkonto, "Miete", 2, "Wohnen");
    const int32_t strom = konto(ledger::KontoArt::Ausgabenkonto, "Strom", 3);
    ledger::CTWBuchung buchung;
    buchung.date = testsupport::date(1, 2, 2024);
    buchung.kind = ledger::Vorgang::Ausgabe;
    buchung.konto1Id = giro;
    buchung.konto2Id = miete;
    doc.addBuchung(buchung);
    ledger::CTWBuchungRegel regel;
    regel.konto1Id = giro;
    regel.konto2Id = strom;
    doc.addBuchungRegel(regel);

    using M = LoeschMeldungen;
    EXPECT_FALSE(deleteKonto(doc, prompter, miete, M::Editor));
    EXPECT_FALSE(deleteKonto(doc, prompter, strom, M::Editor));
    EXPECT_FALSE(deleteKonto(doc, prompter, miete, M::Ansicht));
    EXPECT_FALSE(deleteKonto(doc, prompter, strom, M::Ansicht));
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Dieses Konto kann nicht gelöscht werden, da Buchungen auf diesem Konto "
                  "vorhanden sind!",
                  "Dieses Konto kann nicht gelöscht werden, da regelmäßige Buchungen auf diesem "
                  "Konto ausgeführt werden!",
                  "Das Konto \"Miete\" (2/Mie2) kann nicht gelöscht werden, da Buchungen auf "
                  "diesem Konto vorhanden sind!",
                  "Das Konto \"Strom\" (3/Str3) kann nicht gelöscht werden, da regelmäßige "
                  "Buchungen auf diesem Konto ausgeführt werden!"}));

    while (!doc.rules().empty())
        doc.removeBuchungRegel(0);
    prompter.clear();
    EXPECT_FALSE(deleteKonto(doc, prompter, strom, M::Ansicht)); // answered No
    prompter.answer({true});
    EXPECT_TRUE(deleteKonto(doc, prompter, strom, M::Editor));
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{
                                    "Möchten Sie das Konto \"Strom\" (3/Str3) wirklich löschen?",
                                    "Möchten Sie das Konto wirklich löschen?"}));
    for (const auto& shown : prompter.shown) {
        EXPECT_EQ(shown.kind, testsupport::ScriptedPrompter::Kind::YesNo);
        EXPECT_EQ(shown.caption, "Konto löschen");
    }
    EXPECT_EQ(doc.findKonto(strom), nullptr);
    EXPECT_TRUE(doc.isModified());
}

} // namespace
