#pragma once
// The catalogue tree's items: one per catalogue entry, under its parent, with
// the entry's key, tree text and image.

#include <QTreeWidget>
#include <vector>

#include "catalogue/catalogue.h"

namespace veltra {

inline constexpr int kTreeKeyRole = Qt::UserRole;

struct CatalogueTreeItems {
    std::vector<QTreeWidgetItem*> byIndex;  // catalogue order
    std::vector<int> shownQty;              // the hand-added quantity each item shows
};

// Fills an empty tree. Items are built detached and added in bulk: inserting a
// 32 767-entry list item by item makes the view update after every one.
CatalogueTreeItems FillCatalogueTree(QTreeWidget& tree, const Catalogue& catalogue);

// Rewrites the text and image of entries whose hand-added quantity changed.
void RefreshCatalogueTree(CatalogueTreeItems& items, const Catalogue& catalogue);

}  // namespace veltra
