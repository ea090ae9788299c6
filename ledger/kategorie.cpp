#include "ledger/kategorie.h"

namespace ledger {

namespace {

bool validKind(int kind) {
    return kind >= 0 && kind < kKontoArten;
}

} // namespace

CTWUnterkategorie* CTWKategorie::findUnterkategorie(int32_t subcategoryId) const {
    if (subcategoryId == -1)
        return nullptr;
    for (const auto& sub : subcategories)
        if (sub->id == subcategoryId)
            return sub.get();
    return nullptr;
}

int CTWKategorie::indexOfUnterkategorie(std::string_view subcategoryName) const {
    for (size_t i = 0; i < subcategories.size(); ++i)
        if (subcategories[i]->name == subcategoryName)
            return static_cast<int>(i);
    return -1;
}

CTWUnterkategorie* CTWKategorie::findUnterkategorie(std::string_view subcategoryName) const {
    const int index = indexOfUnterkategorie(subcategoryName);
    return index < 0 ? nullptr : subcategories[index].get();
}

CTWUnterkategorie& CTWKategorie::addUnterkategorie(std::string subcategoryName) {
    auto sub = std::make_unique<CTWUnterkategorie>();
    sub->id = nextSubcategoryId++;
    sub->name = std::move(subcategoryName);
    subcategories.push_back(std::move(sub));
    return *subcategories.back();
}

CTWKategorie* CTWKategorien::findKategorie(int kind, int32_t categoryId) const {
    if (categoryId == -1 || !validKind(kind))
        return nullptr;
    for (const auto& category : trees[kind])
        if (category->id == categoryId)
            return category.get();
    return nullptr;
}

CTWUnterkategorie* CTWKategorien::findUnterkategorie(int kind, int32_t categoryId,
                                                     int32_t subcategoryId) const {
    if (subcategoryId == -1)
        return nullptr;
    const CTWKategorie* category = findKategorie(kind, categoryId);
    return category ? category->findUnterkategorie(subcategoryId) : nullptr;
}

int CTWKategorien::indexOfKategorie(int kind, std::string_view categoryName) const {
    if (!validKind(kind))
        return -1;
    const Tree& tree = trees[kind];
    for (size_t i = 0; i < tree.size(); ++i)
        if (tree[i]->name == categoryName)
            return static_cast<int>(i);
    return -1;
}

CTWKategorie* CTWKategorien::findKategorie(int kind, std::string_view categoryName) const {
    const int index = indexOfKategorie(kind, categoryName);
    return index < 0 ? nullptr : trees[kind][index].get();
}

CTWKategorie& CTWKategorien::addKategorie(int kind, std::string categoryName) {
    auto category = std::make_unique<CTWKategorie>();
    category->id = nextCategoryId[kind]++;
    category->name = std::move(categoryName);
    trees[kind].push_back(std::move(category));
    return *trees[kind].back();
}

void CTWKategorien::clear() {
    for (Tree& tree : trees)
        tree.clear();
    nextCategoryId.fill(0);
}

void CTWKategorien::rebuildUsageCounts(const std::vector<std::unique_ptr<CTWKonto>>& accounts) {
    for (Tree& tree : trees) {
        for (auto& category : tree) {
            category->usageCount = 0;
            for (auto& sub : category->subcategories)
                sub->usageCount = 0;
        }
    }
    for (const auto& account : accounts) {
        CTWKategorie* category = findKategorie(account->kind, account->category);
        if (!category)
            continue;
        ++category->usageCount;
        if (CTWUnterkategorie* sub = category->findUnterkategorie(account->subcategory))
            ++sub->usageCount;
    }
}

} // namespace ledger
