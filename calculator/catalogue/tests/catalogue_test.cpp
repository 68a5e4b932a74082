#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/price_list.h"
#include "catalogue/recording_platform.h"

namespace veltra {
namespace {

TEST(Catalogue, LevelCountsAtMostFourAsterisks) {
    EXPECT_EQ(ItemLevelOf("Плата"), 0);
    EXPECT_EQ(ItemLevelOf("*Группа"), 1);
    EXPECT_EQ(ItemLevelOf("***Слово"), 3);
    EXPECT_EQ(ItemLevelOf("*****Слово"), 4);
    EXPECT_EQ(ItemLevelOf(""), 0);
}

TEST(Catalogue, KeysRoundTrip) {
    EXPECT_EQ(ItemKey(17), "a17");
    EXPECT_EQ(ItemIndexFromKey(ItemKey(105)), 105);
    EXPECT_EQ(ItemIndexFromKey("a"), 0);
    EXPECT_EQ(ItemIndexFromKey(""), 0);
}

TEST(Catalogue, SetItemQtyChangesTheFirstEntryWithTheExactCode) {
    Catalogue c = ParsePriceList("*G,,\nA,X 1,1\nB,X 1,2\nC,x 1,3\n", ',', "p");
    RecordingPlatform platform;
    SetItemQty(c, platform, "X 1", 4);
    EXPECT_EQ(int(c[1].ItemCalcQty), 4);
    EXPECT_EQ(int(c[2].ItemCalcQty), 0);
    EXPECT_EQ(int(c[3].ItemCalcQty), 0);
    SetItemQty(c, platform, "X 1", 0);
    EXPECT_EQ(int(c[1].ItemCalcQty), 0);
    EXPECT_TRUE(platform.messages.empty());

    SetItemQty(c, platform, "X  1", 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Несоответствие кода товара 'X  1'");
    EXPECT_EQ(platform.messages[0].title, "Veltra Calculator");
    for (const auto& item : c) EXPECT_EQ(int(item.ItemAddQty), 0);
}

TEST(Catalogue, CodeLookupFollowsEveryChangeOfTheEntries) {
    Catalogue c = ParsePriceList("A,X 1,1\nB,X 2,2\nC,X 3,3\n", ',', "p");
    EXPECT_EQ(FindItem(c, "X 2"), 1);
    Catalogue copy = c;
    copy[1].ItemCode = "changed before its first lookup";
    EXPECT_EQ(FindItem(copy, "X 2"), -1);
    EXPECT_EQ(FindItem(c, "X 2"), 1);
    c.erase(c.begin());
    EXPECT_EQ(FindItem(c, "X 2"), 0);
    EXPECT_EQ(FindItem(c, "X 1"), -1);
    c.push_back(c[0]);
    EXPECT_EQ(FindItem(c, "X 2"), 0);  // still the first entry with the code
    Catalogue moved = std::move(c);
    EXPECT_EQ(FindItem(moved, "X 3"), 1);
    c = ParsePriceList("D,X 9,1\n", ',', "p");
    EXPECT_EQ(FindItem(c, "X 9"), 0);
    EXPECT_EQ(FindItem(c, "X 3"), -1);
}

TEST(Catalogue, ParentKeysFollowTheNearestHeadings) {
    Catalogue c = ParsePriceList(
        "*G1,,\n"      // a0
        "Item,I0,1\n"  // a1 -> a0
        "**G2,,\n"     // a2 -> a0
        "***G3,,\n"    // a3 -> a2
        "Item,I1,0\n"  // a4 -> a3
        "****G4,,\n"   // a5 -> a3
        "Item,I2,1\n"  // a6 -> a5
        "**G2b,,\n"    // a7 -> a0
        "Item,I3,1\n"  // a8 -> a7
        "*H1,,\n",     // a9
        ',', "p");
    BuildParentKeys(c);
    const char* expected[] = {"", "a0", "a0", "a2", "a3", "a3", "a5", "a0", "a7", ""};
    for (size_t i = 0; i < c.size(); ++i) EXPECT_EQ(c[i].ItemParentKey, expected[i]) << i;

    c[8].ItemAddQty = 12;
    const auto nodes = CatalogueTreeNodes(c);
    EXPECT_EQ(nodes[0].image, 3);
    EXPECT_EQ(nodes[1].image, 2);
    EXPECT_EQ(nodes[4].image, 3);  // unpriced item
    EXPECT_EQ(nodes[2].image, 3);
    EXPECT_EQ(nodes[8].image, 1);
    EXPECT_EQ(nodes[8].text, "[12]-Item");
    EXPECT_EQ(nodes[6].parentKey, "a5");
}

TEST(Catalogue, ItemsBeforeTheFirstHeadingBecomeRoots) {
    Catalogue c = ParsePriceList("Item,I0,1\n*G,,\nItem,I1,1\n", ',', "p");
    BuildParentKeys(c);
    const auto nodes = CatalogueTreeNodes(c);
    EXPECT_EQ(nodes[0].parentKey, "");
    EXPECT_EQ(nodes[2].parentKey, "a1");
    EXPECT_EQ(CatalogueTreeParents(c), (std::vector<int>{-1, -1, 1}));

    // Only a key naming an earlier entry makes a parent.
    for (const char* key : {"a01", "b1", "a1x", "a-1", "a2", "a99999999999"}) {
        c[2].ItemParentKey = key;
        EXPECT_EQ(CatalogueTreeParents(c)[2], -1) << key;
        EXPECT_EQ(CatalogueTreeNodes(c)[2].parentKey, "") << key;
    }
}

}  // namespace
}  // namespace veltra
