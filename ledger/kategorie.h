// The category trees: CTWUnterkategorie, CTWKategorie and the set of the three trees
// CTWKategorien (one tree per account kind). The document hands the trees out const only;
// the mutable lookups and lists serve the document's operations and the file reader.
#pragma once

#include "ledger/konto.h"
#include "ledger/record_view.h"

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
    int32_t nextSubcategoryId = 0;
    int32_t usageCount = 0; // account assignments that refer to it

    CTWKategorie() = default;
    // A deep copy, sub-categories included.
    CTWKategorie(const CTWKategorie& other);
    CTWKategorie& operator=(const CTWKategorie& other);
    CTWKategorie(CTWKategorie&&) = default;
    CTWKategorie& operator=(CTWKategorie&&) = default;

    RecordView<CTWUnterkategorie> subcategories() const { return RecordView(subcategories_); }
    std::vector<std::unique_ptr<CTWUnterkategorie>>& subcategoryList() { return subcategories_; }

    // -1 gives none without searching.
    const CTWUnterkategorie* findUnterkategorie(int32_t subcategoryId) const;
    CTWUnterkategorie* findUnterkategorie(int32_t subcategoryId);
    // Exact, case-sensitive name comparison; -1 / none when nothing matches.
    int indexOfUnterkategorie(std::string_view subcategoryName) const;
    int indexOfUnterkategorie(int32_t subcategoryId) const;
    const CTWUnterkategorie* findUnterkategorie(std::string_view subcategoryName) const;
    // Appends a sub-category with the next id and returns it.
    CTWUnterkategorie& addUnterkategorie(std::string subcategoryName);

private:
    std::vector<std::unique_ptr<CTWUnterkategorie>> subcategories_;
};

class CTWKategorien {
public:
    using Tree = std::vector<std::unique_ptr<CTWKategorie>>;

    std::array<int32_t, kKontoArten> nextCategoryId{}; // per tree

    // The tree of an account kind.
    RecordView<CTWKategorie> tree(KontoArt kind) const {
        return RecordView(trees_[kontoArtIndex(kind)]);
    }
    Tree& treeList(KontoArt kind) { return trees_[kontoArtIndex(kind)]; }

    // Lookups in the tree of the kind; -1 gives none; a kind outside the three (a damaged
    // file) gives none.
    const CTWKategorie* findKategorie(KontoArt kind, int32_t categoryId) const;
    CTWKategorie* findKategorie(KontoArt kind, int32_t categoryId);
    const CTWUnterkategorie* findUnterkategorie(KontoArt kind, int32_t categoryId,
                                                int32_t subcategoryId) const;
    // Position in the tree, or -1.
    int indexOfKategorie(KontoArt kind, int32_t categoryId) const;
    // Exact, case-sensitive name comparison; -1 / none when nothing matches.
    int indexOfKategorie(KontoArt kind, std::string_view categoryName) const;
    const CTWKategorie* findKategorie(KontoArt kind, std::string_view categoryName) const;

    // Empties the three trees and resets their counters.
    void clear();
    // Recounts the usage of every category and sub-category from the standard assignments.
    void rebuildUsageCounts(RecordView<CTWKonto> accounts);

private:
    std::array<Tree, kKontoArten> trees_; // index = account kind
};

} // namespace ledger
