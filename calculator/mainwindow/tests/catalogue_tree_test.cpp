// The catalogue tree's model against the nodes the core describes.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "catalogue/price_list.h"
#include "mainwindow/qt/catalogue_tree.h"

namespace veltra {
namespace {

TEST(CatalogueTreeModel, MatchesTheTreeNodesAndRefreshesOnlyChangedEntries) {
    // An item before the first heading, skipped depths and a second root group.
    Catalogue c = ParsePriceList(
        "Loose,L0,1\n*G1,,\n**G2,,\nItem,I1,5\n****Deep,D,0\nItem,I2,2\n*H1,,\nItem,I3,1\n", ',',
        "p");
    BuildParentKeys(c);
    CatalogueTreeModel model(c);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    // Every node sits under the parent CatalogueTreeNodes names, in catalogue order.
    const auto nodes = CatalogueTreeNodes(c);
    std::vector<std::string> seenKeys;
    const auto Walk = [&](const auto& self, const QModelIndex& parent) -> void {
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            const std::string key = index.data(kTreeKeyRole).toString().toStdString();
            const TreeNodeData& node = nodes[size_t(ItemIndexFromKey(key))];
            EXPECT_EQ(node.parentKey,
                      parent.isValid() ? parent.data(kTreeKeyRole).toString().toStdString() : "");
            EXPECT_EQ(index.data().toString().toStdString(), node.text);
            EXPECT_EQ(model.parent(index), parent);
            seenKeys.push_back(key);
            self(self, index);
        }
    };
    Walk(Walk, {});
    ASSERT_EQ(seenKeys.size(), c.size());
    EXPECT_EQ(model.rowCount(), 3);  // "Loose", "G1", "H1"

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.Refresh();
    EXPECT_EQ(changed.count(), 0);
    c[5].ItemAddQty = 4;
    model.Refresh();
    ASSERT_EQ(changed.count(), 1);
    const QModelIndex item = changed[0][0].value<QModelIndex>();
    EXPECT_EQ(item.data().toString(), "[4]-Item");
    EXPECT_EQ(item.data(kTreeKeyRole).toString(), "a5");

    // A catalogue of another size rebuilds the whole tree.
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    c.resize(2);
    model.Refresh();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 2);
}

}  // namespace
}  // namespace veltra
