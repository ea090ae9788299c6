#include "bookings/buchungsoptionen_form.h"
#include "bookings/buchungstext_form.h"
#include "buchungs_ledger.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace bookings;
using testsupport::date;

namespace {

std::vector<std::string> texts(const CBuchungstextForm& form) {
    std::vector<std::string> out;
    for (const auto& e : form.entries())
        out.push_back(e.text);
    return out;
}

TEST(BuchungstextForm, DistinctTextsOfTheNewestBookingsWithoutHiddenOnes) {
    testsupport::Buchungsledger ledger;
    for (int i = 0; i < 12; ++i)
        ledger.book(date(1 + i, 1, 2024), ledger::Vorgang::Ausgabe, ledger.giro, ledger.miete,
                    100 + i, "",
                    i == 0 ? "Alt" : (i % 3 == 0 ? "miete" : (i % 3 == 1 ? "Miete" : "")));
    ledger.book(date(1, 2, 2024), ledger::Vorgang::Ausgabe, ledger.giro, ledger.miete, 1, "",
                "Zeitung");
    ledger.doc.setHiddenBookingTexts({"Zeitung"});
    CBuchungstextForm form(ledger.doc);
    // The last ten bookings: "Alt" is too old, "Zeitung" hidden; the newest of "Miete" and
    // "miete" wins.
    ASSERT_EQ(texts(form), std::vector<std::string>{"Miete"});
    EXPECT_EQ(form.entries()[0].bookingIndex, 10);

    form.setCountIndex(1); // 20 bookings
    EXPECT_EQ(texts(form), (std::vector<std::string>{"Alt", "Miete"}));
    EXPECT_EQ(ledger.doc.settings().reserved80, 1);
    EXPECT_TRUE(ledger.doc.isModified());

    testsupport::ScriptedPrompter prompter;
    form.hideSelected(prompter);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Sie haben keinen Buchungstext ausgewählt!"});
    form.selected = 1;
    form.hideSelected(prompter);
    EXPECT_EQ(texts(form), std::vector<std::string>{"Alt"});
    EXPECT_EQ(form.selected, 0);
    EXPECT_EQ(ledger.doc.hiddenBookingTexts(), (std::vector<std::string>{"Miete", "Zeitung"}));
    EXPECT_EQ(form.chosenBooking()->text, "Alt");
}

TEST(BuchungsoptionenForm, ShowTextAgainAndWriteBack) {
    testsupport::Buchungsledger ledger;
    ledger.doc.setHiddenBookingTexts({"a", "b", "c"});
    CBuchungsoptionenForm form(ledger.doc);
    EXPECT_FALSE(form.dualCurrency());
    testsupport::ScriptedPrompter prompter;
    form.showTextAgain(prompter);
    EXPECT_EQ(prompter.shown.at(0).caption, "Buchungsoptionen");
    form.selectedHiddenText = 2;
    form.showTextAgain(prompter);
    EXPECT_EQ(form.selectedHiddenText, 1);
    form.hiddenTexts.push_back("");
    form.bookingNumberSource = 0;
    form.disableNotesField = true;
    EXPECT_TRUE(form.apply(ledger.doc));
    EXPECT_EQ(ledger.doc.hiddenBookingTexts(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ledger.doc.settings().disableNotesField, 1);
    EXPECT_FALSE(CBuchungsoptionenForm(ledger.doc).apply(ledger.doc));
}

} // namespace
