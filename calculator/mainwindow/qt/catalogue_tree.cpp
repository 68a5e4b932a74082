#include "catalogue_tree.h"

#include "icons.h"

namespace veltra {

namespace {

void Show(QTreeWidgetItem& item, const std::string& text, int image) {
    item.setText(0, QString::fromStdString(text));
    item.setIcon(0, TreeImage(image));
}

}  // namespace

CatalogueTreeItems FillCatalogueTree(QTreeWidget& tree, const Catalogue& catalogue) {
    CatalogueTreeItems items;
    items.byIndex.resize(catalogue.size());
    items.shownQty.resize(catalogue.size());
    QList<QTreeWidgetItem*> roots;
    std::vector<QList<QTreeWidgetItem*>> children(catalogue.size());
    for (const TreeNodeData& node : CatalogueTreeNodes(catalogue)) {
        const int index = ItemIndexFromKey(node.key);
        auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(node.text)});
        item->setIcon(0, TreeImage(node.image));
        item->setData(0, kTreeKeyRole, QString::fromStdString(node.key));
        items.byIndex[size_t(index)] = item;
        items.shownQty[size_t(index)] = catalogue[size_t(index)].ItemAddQty;
        if (node.parentKey.empty()) {
            roots.append(item);
        } else {
            children[size_t(ItemIndexFromKey(node.parentKey))].append(item);
        }
    }
    // Children join their parents before the parents join the tree.
    for (size_t i = 0; i < children.size(); ++i) {
        if (!children[i].isEmpty()) items.byIndex[i]->addChildren(children[i]);
    }
    tree.addTopLevelItems(roots);
    return items;
}

void RefreshCatalogueTree(CatalogueTreeItems& items, const Catalogue& catalogue) {
    if (items.byIndex.size() != catalogue.size()) return;
    for (size_t i = 0; i < catalogue.size(); ++i) {
        const CatalogueItem& entry = catalogue[i];
        if (items.shownQty[i] == entry.ItemAddQty) continue;
        items.shownQty[i] = entry.ItemAddQty;
        Show(*items.byIndex[i], TreeNodeText(entry), TreeNodeImage(entry));
    }
}

}  // namespace veltra
