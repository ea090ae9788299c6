#include "accounts/euro_tool.h"
#include "chart_fixture.h"

#include <functional>

using namespace accounts;

namespace {

// Shows nothing: records the dialogs asked for, lets the test edit each form, and confirms
// a form only when its checks pass, as the dialogs do.
class ScriptedDialoge : public EuroToolDialoge {
public:
    explicit ScriptedDialoge(platform::Prompter& prompter) : prompter_(&prompter) {}

    bool doppelteWaehrung(CEuroToolForm& form) override {
        shown.push_back(1);
        if (onStep1)
            onStep1(form);
        return confirm(1) && !form.check(*prompter_);
    }
    bool kontowaehrung(CEuroKontenForm& form) override {
        shown.push_back(2);
        if (onStep2)
            onStep2(form);
        return confirm(2);
    }
    bool regelmaessigeBuchungen(CEuroRegelnForm& form) override {
        shown.push_back(3);
        if (onStep3)
            onStep3(form);
        return confirm(3);
    }
    bool ansichten(CEuroAnsichtenForm& form) override {
        shown.push_back(4);
        if (onStep4)
            onStep4(form);
        return confirm(4);
    }
    void documentChanged() override { ++changes; }

    std::vector<int> shown;
    int cancelAt = 0; // the step whose dialog is cancelled
    int changes = 0;
    std::function<void(CEuroToolForm&)> onStep1;
    std::function<void(CEuroKontenForm&)> onStep2;
    std::function<void(CEuroRegelnForm&)> onStep3;
    std::function<void(CEuroAnsichtenForm&)> onStep4;

private:
    bool confirm(int step) const { return step != cancelAt; }
    platform::Prompter* prompter_;
};

class EuroToolTest : public testsupport::ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        // A file kept in one currency ("B&uchführung in einer anderen Währung").
        doc.changeSettings([&](ledger::CTWEinstellungen& s) {
            s.euroOnly = 0;
            s.firstCurrencySymbol = "DM";
        });
        giro = konto(ledger::KontoArt::Bestandskonto, "Giro", 1);
        spar = konto(ledger::KontoArt::Bestandskonto, "Sparbuch", 2);
        miete = konto(ledger::KontoArt::Ausgabenkonto, "Miete", 3);
        ledger::CTWBuchung b;
        b.date = testsupport::date(3, 1, 2001);
        b.kind = ledger::Vorgang::Ausgabe;
        b.konto1Id = giro;
        b.konto2Id = miete;
        b.amount = 10000;
        doc.addBuchung(b);
        ledger::CTWBuchungRegel r;
        r.name = "Miete";
        r.konto1Id = giro;
        r.konto2Id = miete;
        r.amount = 10000;
        doc.addBuchungRegel(r);
        doc.setModified(false);
    }

    bool run() { return runEuroTool(doc, table, prompter, dialoge); }

    std::vector<ledger::CTWWaehrungsinfo> table = ledger::buildNationalCurrencyTable();
    ScriptedDialoge dialoge{prompter};
    int32_t giro = -1, spar = -1, miete = -1;
};

TEST_F(EuroToolTest, ConvertsASingleCurrencyLedgerInFourSteps) {
    dialoge.onStep1 = [](CEuroToolForm& form) {
        EXPECT_EQ(form.bisher(), "DM");
        EXPECT_EQ(form.wechselkurs, "1,95583");
        EXPECT_EQ(form.landesSymbol, "DM");
        form.selectLandeswaehrung(5);
        EXPECT_EQ(form.wechselkurs, "1.936,27");
        EXPECT_EQ(form.landesSymbol, "Lit");
        form.selectLandeswaehrung(0);
        form.wechselkurs = "1,955830";
        form.leaveWechselkurs();
        EXPECT_EQ(form.wechselkurs, "1,95583");
    };
    dialoge.onStep2 = [&](CEuroKontenForm& form) {
        ASSERT_EQ(form.zeilen.size(), 2u);
        EXPECT_EQ(form.zeilen[1].name, "Sparbuch");
        form.zeilen[1].ticked = false;
    };
    dialoge.onStep3 = [](CEuroRegelnForm& form) {
        ASSERT_EQ(form.zeilen.size(), 1u);
        EXPECT_EQ(form.cells(0), (std::vector<std::string>{"Miete", "100,00 DM", "51,13 EUR"}));
        form.selectRow(0);
        EXPECT_EQ(form.neuerBetrag, "51,13");
        form.betragChanged("51,1x");
        EXPECT_EQ(form.zeilen[0].newAmount, 5113);
        form.betragChanged("51");
        form.leaveBetrag();
        EXPECT_EQ(form.neuerBetrag, "51,00");
    };
    dialoge.onStep4 = [](CEuroAnsichtenForm& form) {
        EXPECT_FALSE(form.euroVoreingestelltEnabled);
        EXPECT_TRUE(form.keineLandeswaehrung);
        EXPECT_EQ(form.zeilen.size(), 7u);
        form.zeilen[2].ticked = false; // "Buchungen" keeps its columns
    };

    EXPECT_TRUE(run());
    EXPECT_EQ(dialoge.shown, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(dialoge.changes, 4);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(doc.isModified());

    EXPECT_EQ(doc.settings().dualCurrency, 1);
    EXPECT_EQ(doc.settings().nationalCurrencyIndex, 0);
    EXPECT_EQ(doc.settings().firstCurrencySymbol, "EUR");
    EXPECT_EQ(doc.settings().secondCurrencySymbol, "DM");
    EXPECT_EQ(doc.rate().numerator, 195583);
    EXPECT_EQ(doc.bookings()[0]->currencyIndex, ledger::WaehrungsIndex::Zweite);
    EXPECT_EQ(doc.findKonto(miete)->currencyIndex, ledger::WaehrungsIndex::Keine);
    EXPECT_EQ(doc.findKonto(giro)->switchDates, std::vector{testsupport::date(1, 1, 2002)});
    EXPECT_TRUE(doc.findKonto(spar)->switchDates.empty());
    EXPECT_EQ(doc.rules()[0]->amount, 5100);
    EXPECT_EQ(doc.rules()[0]->currencyIndex, ledger::WaehrungsIndex::Erste);
    EXPECT_EQ(doc.settings().noNationalAmountOfEuro, 1);
    EXPECT_EQ(doc.settings().accountsData, 0x3071f57u & ~0x20a00u);
    EXPECT_EQ(doc.settings().bookingsData, 0x63110924u);
    EXPECT_EQ(doc.settings().filteredBookingsData, 0x63110924u & ~0x2000000u);

    // Run again: only the account left in the old currency and the bookings view remain.
    dialoge = ScriptedDialoge(prompter);
    dialoge.onStep4 = [](CEuroAnsichtenForm& form) {
        ASSERT_EQ(form.zeilen.size(), 1u);
        EXPECT_EQ(form.zeilen[0].name, "Buchungen");
        EXPECT_FALSE(form.keineLandeswaehrungEnabled);
    };
    EXPECT_TRUE(run());
    EXPECT_EQ(dialoge.shown, (std::vector<int>{2, 4}));
    EXPECT_EQ(doc.findKonto(spar)->switchDates, std::vector{testsupport::date(1, 1, 2002)});

    dialoge = ScriptedDialoge(prompter);
    EXPECT_FALSE(run());
    EXPECT_TRUE(dialoge.shown.empty());
    EXPECT_EQ(
        prompter.texts(),
        std::vector<std::string>{"Diese Datei ist bereits vollständig auf den Euro umgestellt."});
    EXPECT_EQ(prompter.shown[0].caption, "Euro-Tool");
}

TEST_F(EuroToolTest, StepOneChecksTheSymbolsAndRefusesAZeroRate) {
    dialoge.onStep1 = [](CEuroToolForm& form) { form.landesSymbol.clear(); };
    EXPECT_FALSE(run());
    dialoge.onStep1 = [](CEuroToolForm& form) {
        form.eurSymbol.clear();
        form.landesSymbol.clear();
    };
    EXPECT_FALSE(run());
    dialoge.onStep1 = [](CEuroToolForm& form) { form.wechselkurs = "0,000"; };
    EXPECT_FALSE(run());
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Bitte geben Sie ein Währungssymbol ein!",
                                        "Bitte geben Sie ein Währungssymbol ein!",
                                        "Bitte geben Sie einen gültigen Wechselkurs ein!"}));
    // A refused or cancelled first step changes nothing and ends the tool.
    EXPECT_EQ(dialoge.shown, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(doc.settings().dualCurrency, 0);
    EXPECT_EQ(doc.rate().numerator, 1);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(EuroToolTest, CancellingLaterStepKeepsTheEarlierOnes) {
    dialoge.cancelAt = 3;
    EXPECT_TRUE(run());
    EXPECT_EQ(dialoge.shown, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(doc.findKonto(giro)->finalCurrencyIndex(), ledger::WaehrungsIndex::Erste);
    EXPECT_EQ(doc.rules()[0]->currencyIndex, ledger::WaehrungsIndex::Zweite);
}

TEST_F(EuroToolTest, DualCurrencyLedgerSkipsStepOneAndEuroOnlyIsRefused) {
    makeDual();
    ledger::CTWBuchung first = *doc.bookings()[0];
    first.currencyIndex = ledger::WaehrungsIndex::Zweite;
    doc.replaceBuchung(0, first);
    ledger::CTWKonto konto = *doc.findKonto(giro);
    konto.currencyIndex = ledger::WaehrungsIndex::Zweite;
    konto.switchDates = {testsupport::date(1, 7, 2001)};
    doc.changeKonto(konto);
    doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.presetCurrency = 1; });
    dialoge.onStep4 = [](CEuroAnsichtenForm& form) {
        EXPECT_TRUE(form.euroVoreingestelltEnabled);
        form.keineLandeswaehrung = false;
    };
    EXPECT_TRUE(run());
    // The account that already ends in the Euro is not offered; the rule is in Euro.
    EXPECT_EQ(dialoge.shown, (std::vector<int>{4}));
    EXPECT_EQ(doc.settings().presetCurrency, 0);
    EXPECT_EQ(doc.settings().noNationalAmountOfEuro, 0);

    doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.euroOnly = 1; });
    dialoge = ScriptedDialoge(prompter);
    EXPECT_FALSE(run());
    EXPECT_TRUE(dialoge.shown.empty());
    EXPECT_EQ(prompter.texts().back(),
              "Diese Datei wird nur in Euro geführt. Eine Umstellung auf den Euro ist daher "
              "weder notwendig noch möglich.");
}

} // namespace
