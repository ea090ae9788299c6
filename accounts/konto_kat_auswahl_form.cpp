#include "accounts/konto_kat_auswahl_form.h"

#include "accounts/namen.h"

#include <algorithm>

namespace accounts {

namespace {

using Knoten = CKontoKatAuswahlForm::Knoten;

void sortTree(std::vector<Knoten>& nodes) {
    std::stable_sort(nodes.begin(), nodes.end(), [](const Knoten& a, const Knoten& b) {
        return namensOrdnung(a.text, b.text);
    });
    for (Knoten& node : nodes)
        sortTree(node.children);
}

} // namespace

CKontoKatAuswahlForm::CKontoKatAuswahlForm(const ledger::CTalwerkDoc& doc, int assignment,
                                           const Auswahl& current)
    : selected(current), doc_(doc), assignment_(assignment), current_(current) {
    if (current.typ == Auswahl::kKonto) {
        if (const ledger::CTWKonto* konto = doc.findKonto(current.kontoId))
            kind_ = konto->kind;
    } else if (current.typ != Auswahl::kKeine) {
        kind_ = current.kind;
    }
}

void CKontoKatAuswahlForm::setKind(ledger::KontoArt kind) {
    kind_ = kind;
}

std::vector<Knoten> CKontoKatAuswahlForm::baum() const {
    // One node per category and sub-category of the tree, in list order, filled with the
    // accounts; afterwards the empty ones that are not the current selection are dropped.
    struct Zweig {
        Knoten node;
        std::vector<Knoten> subs;
    };
    std::vector<Zweig> branches;
    for (const auto& category : doc_.categories().tree(kind_)) {
        Zweig branch{{Auswahl::kategorie(kind_, category->id), category->name, {}}, {}};
        for (const auto& sub : category->subcategories())
            branch.subs.push_back(
                {Auswahl::unterkategorie(kind_, category->id, sub->id), sub->name, {}});
        branches.push_back(std::move(branch));
    }

    std::vector<Knoten> top;
    for (const auto& konto : doc_.accounts()) {
        if (konto->kind != kind_)
            continue;
        Knoten leaf{Auswahl::konto(konto->id), konto->name, {}};
        const int32_t categoryId = konto->effectiveCategory(assignment_);
        const int32_t subcategoryId = konto->effectiveSubcategory(assignment_);
        const auto branch = std::find_if(branches.begin(), branches.end(), [&](const Zweig& b) {
            return b.node.element.categoryId == categoryId;
        });
        if (branch == branches.end()) {
            top.push_back(std::move(leaf));
            continue;
        }
        const auto sub =
            std::find_if(branch->subs.begin(), branch->subs.end(),
                         [&](const Knoten& s) { return s.element.subcategoryId == subcategoryId; });
        (sub == branch->subs.end() ? branch->node.children : sub->children)
            .push_back(std::move(leaf));
    }

    for (Zweig& branch : branches) {
        for (Knoten& sub : branch.subs)
            if (!sub.children.empty() || sub.element == current_)
                branch.node.children.push_back(std::move(sub));
        if (!branch.node.children.empty() || branch.node.element == current_)
            top.push_back(std::move(branch.node));
    }
    sortTree(top);
    return top;
}

} // namespace accounts
