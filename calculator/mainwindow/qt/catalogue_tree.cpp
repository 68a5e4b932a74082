#include "catalogue_tree.h"

#include "widgets/icons.h"

namespace veltra {

CatalogueTreeModel::CatalogueTreeModel(const Catalogue& catalogue, QObject* parent)
    : QAbstractItemModel(parent), catalogue_(catalogue) {
    BuildShape();
}

void CatalogueTreeModel::BuildShape() {
    const size_t n = catalogue_.size();
    parent_ = CatalogueTreeParents(catalogue_);
    // Children grouped by parent in catalogue order.
    childStart_.assign(n + 2, 0);
    for (const int parent : parent_) ++childStart_[Slot(parent) + 1];
    for (size_t slot = 1; slot < childStart_.size(); ++slot)
        childStart_[slot] += childStart_[slot - 1];
    std::vector<int> filled(childStart_.begin(), childStart_.end() - 1);
    childList_.resize(n);
    row_.resize(n);
    for (size_t entry = 0; entry < n; ++entry) {
        const size_t slot = Slot(parent_[entry]);
        row_[entry] = filled[slot] - childStart_[slot];
        childList_[size_t(filled[slot]++)] = int(entry);
    }
    shownQty_.resize(n);
    for (size_t entry = 0; entry < n; ++entry) shownQty_[entry] = catalogue_[entry].ItemAddQty;
}

size_t CatalogueTreeModel::Slot(int entry) const {
    return entry < 0 ? parent_.size() : size_t(entry);
}

const int* CatalogueTreeModel::ChildrenBegin(int entry) const {
    return childList_.data() + childStart_[Slot(entry)];
}

int CatalogueTreeModel::ChildCount(int entry) const {
    return childStart_[Slot(entry) + 1] - childStart_[Slot(entry)];
}

QModelIndex CatalogueTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const int entry = parent.isValid() ? int(parent.internalId()) : -1;
    if (column != 0 || row < 0 || row >= ChildCount(entry)) return {};
    return createIndex(row, 0, quintptr(ChildrenBegin(entry)[row]));
}

QModelIndex CatalogueTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    const int parent = parent_[size_t(child.internalId())];
    if (parent < 0) return {};
    return createIndex(row_[size_t(parent)], 0, quintptr(parent));
}

int CatalogueTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return ChildCount(parent.isValid() ? int(parent.internalId()) : -1);
}

int CatalogueTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant CatalogueTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.internalId() >= catalogue_.size()) return {};
    const int entry = int(index.internalId());
    const CatalogueItem& item = catalogue_[size_t(entry)];
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(TreeNodeText(item));
        case Qt::DecorationRole:
            return TreeImage(TreeNodeImage(item));
        case kTreeKeyRole:
            return QString::fromStdString(ItemKey(entry));
        default:
            return {};
    }
}

void CatalogueTreeModel::Refresh() {
    if (catalogue_.size() != parent_.size()) {
        beginResetModel();
        BuildShape();
        endResetModel();
        return;
    }
    for (size_t entry = 0; entry < catalogue_.size(); ++entry) {
        const int qty = catalogue_[entry].ItemAddQty;
        if (shownQty_[entry] == qty) continue;
        shownQty_[entry] = qty;
        const QModelIndex changed = createIndex(row_[entry], 0, quintptr(entry));
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::DecorationRole});
    }
}

}  // namespace veltra
