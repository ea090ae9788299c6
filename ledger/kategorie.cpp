#include "ledger/kategorie.h"

namespace ledger {

namespace {

bool validKind(KontoArt kind) {
    return kontoArtAt(kontoArtIndex(kind)).has_value();
}

} // namespace

CTWKategorie::CTWKategorie(const CTWKategorie& other)
    : id(other.id), name(other.name), nextSubcategoryId(other.nextSubcategoryId),
      usageCount(other.usageCount) {
    subcategories_.reserve(other.subcategories_.size());
    for (const auto& sub : other.subcategories_)
        subcategories_.push_back(std::make_unique<CTWUnterkategorie>(*sub));
}

CTWKategorie& CTWKategorie::operator=(const CTWKategorie& other) {
    if (this != &other)
        *this = CTWKategorie(other);
    return *this;
}

const CTWUnterkategorie* CTWKategorie::findUnterkategorie(int32_t subcategoryId) const {
    const int index = indexOfUnterkategorie(subcategoryId);
    return index < 0 ? nullptr : subcategories_[index].get();
}

CTWUnterkategorie* CTWKategorie::findUnterkategorie(int32_t subcategoryId) {
    const int index = indexOfUnterkategorie(subcategoryId);
    return index < 0 ? nullptr : subcategories_[index].get();
}

int CTWKategorie::indexOfUnterkategorie(int32_t subcategoryId) const {
    if (subcategoryId == -1)
        return -1;
    for (size_t i = 0; i < subcategories_.size(); ++i)
        if (subcategories_[i]->id == subcategoryId)
            return static_cast<int>(i);
    return -1;
}

int CTWKategorie::indexOfUnterkategorie(std::string_view subcategoryName) const {
    for (size_t i = 0; i < subcategories_.size(); ++i)
        if (subcategories_[i]->name == subcategoryName)
            return static_cast<int>(i);
    return -1;
}

const CTWUnterkategorie* CTWKategorie::findUnterkategorie(std::string_view subcategoryName) const {
    const int index = indexOfUnterkategorie(subcategoryName);
    return index < 0 ? nullptr : subcategories_[index].get();
}

CTWUnterkategorie& CTWKategorie::addUnterkategorie(std::string subcategoryName) {
    auto sub = std::make_unique<CTWUnterkategorie>();
    sub->id = nextSubcategoryId++;
    sub->name = std::move(subcategoryName);
    subcategories_.push_back(std::move(sub));
    return *subcategories_.back();
}

int CTWKategorien::indexOfKategorie(KontoArt kind, int32_t categoryId) const {
    if (categoryId == -1 || !validKind(kind))
        return -1;
    const Tree& tree = trees_[kontoArtIndex(kind)];
    for (size_t i = 0; i < tree.size(); ++i)
        if (tree[i]->id == categoryId)
            return static_cast<int>(i);
    return -1;
}

const CTWKategorie* CTWKategorien::findKategorie(KontoArt kind, int32_t categoryId) const {
    const int index = indexOfKategorie(kind, categoryId);
    return index < 0 ? nullptr : trees_[kontoArtIndex(kind)][index].get();
}

CTWKategorie* CTWKategorien::findKategorie(KontoArt kind, int32_t categoryId) {
    const int index = indexOfKategorie(kind, categoryId);
    return index < 0 ? nullptr : trees_[kontoArtIndex(kind)][index].get();
}

const CTWUnterkategorie* CTWKategorien::findUnterkategorie(KontoArt kind, int32_t categoryId,
                                                           int32_t subcategoryId) const {
    if (subcategoryId == -1)
        return nullptr;
    const CTWKategorie* category = findKategorie(kind, categoryId);
    return category ? category->findUnterkategorie(subcategoryId) : nullptr;
}

int CTWKategorien::indexOfKategorie(KontoArt kind, std::string_view categoryName) const {
    if (!validKind(kind))
        return -1;
    const Tree& tree = trees_[kontoArtIndex(kind)];
    for (size_t i = 0; i < tree.size(); ++i)
        if (tree[i]->name == categoryName)
            return static_cast<int>(i);
    return -1;
}

const CTWKategorie* CTWKategorien::findKategorie(KontoArt kind,
                                                 std::string_view categoryName) const {
    const int index = indexOfKategorie(kind, categoryName);
    return index < 0 ? nullptr : trees_[kontoArtIndex(kind)][index].get();
}

void CTWKategorien::clear() {
    for (Tree& tree : trees_)
        tree.clear();
    nextCategoryId.fill(0);
}

void CTWKategorien::rebuildUsageCounts(RecordView<CTWKonto> accounts) {
    for (Tree& tree : trees_) {
        for (auto& category : tree) {
            category->usageCount = 0;
            for (auto& sub : category->subcategoryList())
                sub->usageCount = 0;
        }
    }
    for (const CTWKonto* account : accounts) {
        CTWKategorie* category = findKategorie(account->kind, account->category);
        if (!category)
            continue;
        ++category->usageCount;
        if (CTWUnterkategorie* sub = category->findUnterkategorie(account->subcategory))
            ++sub->usageCount;
    }
}

} // namespace ledger
