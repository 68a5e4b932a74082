#include "catalogue.h"

#include <charconv>

namespace veltra {

int ItemLevelOf(std::string_view text) {
    int level = 0;
    while (level < 4 && level < int(text.size()) && text[level] == '*') ++level;
    return level;
}

std::string ItemKey(int index) {
    return "a" + std::to_string(index);
}

int ItemIndexFromKey(std::string_view key) {
    if (key.empty()) return 0;
    key.remove_prefix(1);
    int value = 0;
    std::from_chars(key.data(), key.data() + key.size(), value);
    return value;
}

Catalogue& Catalogue::operator=(const Catalogue& other) {
    std::vector<CatalogueItem>::operator=(other);
    indexedData_ = nullptr;
    return *this;
}

Catalogue& Catalogue::operator=(Catalogue&& other) noexcept {
    std::vector<CatalogueItem>::operator=(std::move(other));
    indexedData_ = nullptr;
    other.indexedData_ = nullptr;
    return *this;
}

int Catalogue::Find(std::string_view code) const {
    if (indexedData_ != data() || indexedSize_ != size() || data() == nullptr) {
        codes_.clear();
        codes_.reserve(size());
        for (size_t i = 0; i < size(); ++i) codes_.try_emplace((*this)[i].ItemCode, int(i));
        indexedData_ = data();
        indexedSize_ = size();
    }
    const auto found = codes_.find(code);
    return found == codes_.end() ? -1 : found->second;
}

int FindItem(const Catalogue& catalogue, std::string_view code) {
    return catalogue.Find(code);
}

void SetItemQty(Catalogue& catalogue, Platform& platform, std::string_view code, Count qty) {
    const int index = FindItem(catalogue, code);
    if (index < 0) {
        platform.ShowMessage("Несоответствие кода товара '" + std::string(code) + "'", kAppTitle,
                             MessageIcon::None);
        return;
    }
    catalogue[index].ItemCalcQty = qty;
}

void BuildParentKeys(Catalogue& catalogue) {
    int lastHeading = 0, last1 = 0, last2 = 0, last3 = 0;
    for (size_t i = 0; i < catalogue.size(); ++i) {
        CatalogueItem& item = catalogue[i];
        switch (int(item.ItemLevel)) {
            case 0:
                item.ItemParentKey = ItemKey(lastHeading);
                break;
            case 1:
                item.ItemParentKey = "";
                last1 = int(i);
                break;
            case 2:
                item.ItemParentKey = ItemKey(last1);
                last2 = int(i);
                break;
            case 3:
                item.ItemParentKey = ItemKey(last2);
                last3 = int(i);
                break;
            default:
                item.ItemParentKey = ItemKey(last3);
                break;
        }
        if (item.ItemLevel >= 1) lastHeading = int(i);
    }
}

std::string TreeNodeText(const CatalogueItem& item) {
    if (item.ItemAddQty > 0)
        return "[" + std::to_string(int(item.ItemAddQty)) + "]-" + item.ItemName;
    return item.ItemName;
}

int TreeNodeImage(const CatalogueItem& item) {
    if (item.ItemLevel == 1) return 3;
    if (item.ItemAddQty > 0) return 1;
    if (item.ItemPrice > Money()) return 2;
    return 3;
}

namespace {

// The entry a key written by ItemKey names, or -1 for any other text.
int EntryOfKey(std::string_view key) {
    if (key.size() < 2 || key[0] != 'a' || (key[1] == '0' && key.size() > 2)) return -1;
    int value = -1;
    const auto [end, error] = std::from_chars(key.data() + 1, key.data() + key.size(), value);
    if (error != std::errc() || end != key.data() + key.size()) return -1;
    return value;
}

}  // namespace

std::vector<int> CatalogueTreeParents(const Catalogue& catalogue) {
    std::vector<int> parents(catalogue.size(), -1);
    for (size_t i = 0; i < catalogue.size(); ++i) {
        const CatalogueItem& item = catalogue[i];
        if (item.ItemLevel == 1) continue;
        // Entries before the first heading would hang under themselves or under
        // a node not yet in the tree; they become roots instead.
        const int parent = EntryOfKey(item.ItemParentKey);
        if (parent >= 0 && size_t(parent) < i) parents[i] = parent;
    }
    return parents;
}

std::vector<TreeNodeData> CatalogueTreeNodes(const Catalogue& catalogue) {
    const std::vector<int> parents = CatalogueTreeParents(catalogue);
    std::vector<TreeNodeData> nodes;
    nodes.reserve(catalogue.size());
    for (size_t i = 0; i < catalogue.size(); ++i) {
        const CatalogueItem& item = catalogue[i];
        nodes.push_back({ItemKey(int(i)), parents[i] < 0 ? std::string() : item.ItemParentKey,
                         TreeNodeText(item), TreeNodeImage(item)});
    }
    return nodes;
}

}  // namespace veltra
