// The category trees: CTWUnterkategorie, CTWKategorie and the set of the three trees
// CTWKategorien (one tree per account kind).
#pragma once

#include "ledger/konto.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

class CTWUnterkategorie {
public:
    int32_t id = 0; // unique within its category, never reused
    std::string name;
    int32_t usageCount = 0; // account assignments that refer to it
};

class CTWKategorie {
public:
    int32_t id = 0; // unique within its tree, never reused
    std::string name;
    std::vector<std::unique_ptr<CTWUnterkategorie>> subcategories;
    int32_t nextSubcategoryId = 0;
    int32_t usageCount = 0; // account assignments that refer to it

    // -1 gives none without searching.
    CTWUnterkategorie* findUnterkategorie(int32_t subcategoryId) const;
    // Exact, case-sensitive name comparison; -1 / none when nothing matches.
    int indexOfUnterkategorie(std::string_view subcategoryName) const;
    CTWUnterkategorie* findUnterkategorie(std::string_view subcategoryName) const;
    // Appends a sub-category with the next id and returns it.
    CTWUnterkategorie& addUnterkategorie(std::string subcategoryName);
};

class CTWKategorien {
public:
    using Tree = std::vector<std::unique_ptr<CTWKategorie>>;

    std::array<Tree, kKontoArten> trees;               // index = account kind
    std::array<int32_t, kKontoArten> nextCategoryId{}; // per tree

    // Lookups in the tree of the kind; -1 gives none; a kind outside 0..2 gives none.
    CTWKategorie* findKategorie(int kind, int32_t categoryId) const;
    CTWUnterkategorie* findUnterkategorie(int kind, int32_t categoryId,
                                          int32_t subcategoryId) const;
    // Exact, case-sensitive name comparison; -1 / none when nothing matches.
    int indexOfKategorie(int kind, std::string_view categoryName) const;
    CTWKategorie* findKategorie(int kind, std::string_view categoryName) const;
    // Appends a category with the tree's next id and returns it.
    CTWKategorie& addKategorie(int kind, std::string categoryName);

    // Empties the three trees and resets their counters.
    void clear();
    // Recounts the usage of every category and sub-category from the standard assignments.
    void rebuildUsageCounts(const std::vector<std::unique_ptr<CTWKonto>>& accounts);
};

} // namespace ledger
