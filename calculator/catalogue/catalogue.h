#pragma once
// The catalogue: one entry per record of the price list, in file order. The
// calculation addresses entries by part number; the tree and the lists by key.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "count.h"
#include "money.h"
#include "platform.h"

namespace veltra {

struct CatalogueItem {
    Count ItemLevel;       // 0 = orderable item, 1..4 = group heading of that depth
    std::string ItemName;  // without its leading asterisks
    std::string ItemCode;  // the maker's part number, compared exactly
    Money ItemPrice;       // 0 when the price field is not a number
    std::string ItemParentKey;
    Count ItemCalcQty;  // set by the calculation
    Count ItemAddQty;   // added by the user by hand
};

// The entries in file order, with a lookup of part numbers built on first use:
// the calculation sets some seventy items by code on every change. Codes never
// change once loaded; the lookup is rebuilt when the entries are replaced,
// added or removed.
class Catalogue : public std::vector<CatalogueItem> {
  public:
    using std::vector<CatalogueItem>::vector;
    Catalogue() = default;
    Catalogue(const Catalogue& other) : std::vector<CatalogueItem>(other) {}
    Catalogue(Catalogue&& other) noexcept : std::vector<CatalogueItem>(std::move(other)) {
        other.indexedData_ = nullptr;
    }
    Catalogue& operator=(const Catalogue& other);
    Catalogue& operator=(Catalogue&& other) noexcept;

    // Index of the first entry with this exact code, or -1.
    int Find(std::string_view code) const;

  private:
    mutable std::unordered_map<std::string_view, int> codes_;  // views into the entries
    mutable const CatalogueItem* indexedData_ = nullptr;
    mutable size_t indexedSize_ = 0;
};

inline constexpr int kMaxCatalogueEntries = 32767;

// Number of leading asterisks, at most four.
int ItemLevelOf(std::string_view text);
std::string ItemKey(int index);
// The number after the first character of a key; 0 when there is none.
int ItemIndexFromKey(std::string_view key);

// Sets the calculated quantity of the first entry with this exact code, or
// reports the mismatch.
void SetItemQty(Catalogue& catalogue, Platform& platform, std::string_view code, Count qty);

// Index of the first entry with this exact code, or -1.
int FindItem(const Catalogue& catalogue, std::string_view code);

void BuildParentKeys(Catalogue& catalogue);

struct TreeNodeData {
    std::string key;
    std::string parentKey;  // "" for a root node
    std::string text;
    int image;  // 1: has a hand-added quantity, 2: priced item, 3: group or unpriced
};

// The nodes of the catalogue tree in index order, each after its parent.
std::vector<TreeNodeData> CatalogueTreeNodes(const Catalogue& catalogue);

// The parent entry of each node of the catalogue tree, -1 for a root: what
// CatalogueTreeNodes gives as parent keys, without building the nodes.
std::vector<int> CatalogueTreeParents(const Catalogue& catalogue);

// Whether the keypads take a hand-added quantity for the entry: only for a
// priced one.
inline bool TakesAddedQuantity(const CatalogueItem& item) {
    return item.ItemPrice > Money();
}

// The tree image of an entry (see TreeNodeData::image).
int TreeNodeImage(const CatalogueItem& item);

// The tree text of an entry: "[qty]-name" while it carries a hand-added quantity.
std::string TreeNodeText(const CatalogueItem& item);

}  // namespace veltra
