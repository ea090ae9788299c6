// A ledger for the account and category tests: a dual- or single-currency document, helpers
// that create categories and accounts through the forms, and the usage count invariant.
#pragma once

#include "accounts/kategorie_verwaltung.h"
#include "accounts/konto_neu_form.h"
#include "ledger/dokument.h"
#include "support/scripted_prompter.h"
#include "support/test_ledger.h"

#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace testsupport {

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override { doc.newDocument(ledger::NeueDateiWaehrung{}, date(15, 6, 2024)); }

    void makeDual() {
        doc.changeSettings([&](ledger::CTWEinstellungen& s) {
            s.dualCurrency = 1;
            s.euroOnly = 0;
            s.nationalCurrencyIndex = 0;
            s.firstCurrencySymbol = "EUR";
            s.secondCurrencySymbol = "DM";
        });
        doc.setRate({195583, 100000});
    }

    int32_t kategorie(ledger::KontoArt kind, const std::string& name) {
        auto op = accounts::KategorieBenennung::neueKategorie(doc, kind);
        op.form.name = name;
        return op.apply(doc);
    }
    int32_t unterkategorie(ledger::KontoArt kind, int32_t categoryId, const std::string& name) {
        auto op = accounts::KategorieBenennung::neueUnterkategorie(doc, kind, categoryId);
        op->form.name = name;
        return op->apply(doc);
    }

    // Creates an account through the new-account form; returns its id.
    int32_t konto(ledger::KontoArt kind, const std::string& name, int number,
                  const std::string& cat = "", const std::string& sub = "") {
        accounts::CKontoNeuForm form(doc, kind);
        form.name = name;
        form.number = number;
        form.abbreviation = name.substr(0, 3) + std::to_string(number);
        if (!cat.empty())
            form.standard.selectKategorie(cat);
        if (!sub.empty())
            form.standard.selectUnterkategorie(sub);
        EXPECT_FALSE(form.check(prompter)) << prompter.texts().back();
        return doc.accounts()[form.apply()]->id;
    }

    const ledger::CTWKategorie& kat(ledger::KontoArt kind, int32_t id) {
        return *doc.findKategorie(kind, id);
    }

    // Every usage count equals the assignments that point at it, and every assignment
    // points at an element that exists.
    void expectUsageCountsExact() const {
        constexpr int32_t kWhole = -2; // the key of a category itself
        std::map<std::tuple<ledger::KontoArt, int32_t, int32_t>, int> counted;
        for (const auto& konto : doc.accounts()) {
            auto add = [&](int32_t category, int32_t sub) {
                if (category == -1)
                    return;
                EXPECT_NE(doc.findKategorie(konto->kind, category), nullptr) << konto->name;
                ++counted[{konto->kind, category, kWhole}];
                if (sub != -1) {
                    EXPECT_NE(doc.findUnterkategorie(konto->kind, category, sub), nullptr);
                    ++counted[{konto->kind, category, sub}];
                }
            };
            add(konto->category, konto->subcategory);
            if (!konto->alt1UseStandard)
                add(konto->alt1Category, konto->alt1Subcategory);
            if (!konto->alt2UseStandard)
                add(konto->alt2Category, konto->alt2Subcategory);
        }
        for (const ledger::KontoArt kind : ledger::kAlleKontoArten) {
            for (const auto& category : doc.categories().tree(kind)) {
                EXPECT_EQ(category->usageCount, (counted[{kind, category->id, kWhole}]))
                    << category->name;
                for (const auto& sub : category->subcategories())
                    EXPECT_EQ(sub->usageCount, (counted[{kind, category->id, sub->id}]))
                        << sub->name;
            }
        }
    }

    ledger::CTalwerkDoc doc;
    ScriptedPrompter prompter;
};

} // namespace testsupport
