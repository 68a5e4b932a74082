#pragma once
// The catalogue tree's model: one node per catalogue entry, under its parent,
// with the entry's key, tree text and image. Texts and images are made only
// for the rows the view asks about, so a 32 767-entry list opens at once.

#include <QAbstractItemModel>
#include <vector>

#include "catalogue/catalogue.h"

namespace veltra {

inline constexpr int kTreeKeyRole = Qt::UserRole;

class CatalogueTreeModel : public QAbstractItemModel {
  public:
    explicit CatalogueTreeModel(const Catalogue& catalogue, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Tells the view about entries whose hand-added quantity changed since.
    void Refresh();

  private:
    void BuildShape();
    // The children of an entry, or of the invisible root when `entry` is -1:
    // their group in childList_ is Slot(entry), the roots' group last.
    size_t Slot(int entry) const;
    const int* ChildrenBegin(int entry) const;
    int ChildCount(int entry) const;

    const Catalogue& catalogue_;
    std::vector<int> parent_;      // per entry, -1 for a root
    std::vector<int> row_;         // per entry, its row under its parent
    std::vector<int> childStart_;  // where each group starts in childList_, one more at the end
    std::vector<int> childList_;
    std::vector<int> shownQty_;  // the hand-added quantity each node shows
};

}  // namespace veltra
