#include <gtest/gtest.h>

#include "catalogue/added_items.h"
#include "catalogue/capacity.h"
#include "catalogue/colour.h"
#include "catalogue/help_target.h"
#include "mainwindow/placement.h"
#include "test_app.h"

namespace veltra {
namespace {

using testing::TestApp;

TEST(CapacitySums, CountTheMultiFunctionBoardWhenTicked) {
    TestApp t;
    EXPECT_EQ(int(CountBoards(t.app)), 1);
    EXPECT_EQ(int(CountAllLines(t.app)), 0);
    t.app.main.MFUCheck.checked = true;
    EXPECT_EQ(int(CountBoards(t.app)), 2);
    EXPECT_EQ(int(CountExtensionLines(t.app)), 12);
    EXPECT_EQ(int(CountTrunkLines(t.app)), 8);
    EXPECT_EQ(int(CountAllLines(t.app)), 20);
}

TEST(CapacitySums, WeighEveryBoardKind) {
    TestApp t;
    ConfigState& s = t.app.state;
    s.config.AnalogExt8Boards = 1;
    s.config.AnalogExt16Boards = 1;
    s.config.DigitalExt32Boards = 2;
    s.config.HandsetCount = 5;
    s.config.Bri8Boards = 1;
    s.config.Bri16Boards = 1;
    s.config.E1Boards = 1;
    s.config.Ipu4Present = 1;
    s.config.IccuBoards = 1;
    s.config.IcluBoards = 2;
    EXPECT_EQ(int(CountBoards(t.app)), 1 + 1 + 1 + 2 + 1 + 1 + 1 + 1 + 1 + 2);
    EXPECT_EQ(int(CountExtensionLines(t.app)), 8 + 16 + 64 + 5);
    // The smaller BRI board counts 4 trunk lines here.
    EXPECT_EQ(int(CountTrunkLines(t.app)), 16 + 8 + 4 + 30 + 16 + 4);
}

TEST(BlendColour, MixesByWeightWithHalvesToEven) {
    EXPECT_EQ(BlendColour(Rgb(192, 192, 192), Rgb(128, 128, 128), 3, 1), Rgb(176, 176, 176));
    EXPECT_EQ(BlendColour(Rgb(1, 3, 0), Rgb(0, 0, 1), 1, 1), Rgb(0, 2, 0));
    EXPECT_EQ(BlendColour(Rgb(255, 0, 10), Rgb(0, 255, 20), 1, 0), Rgb(255, 0, 10));
}

TEST(AddedItemsList, ListsHandAddedItemsInCatalogueOrder) {
    TestApp t;
    EXPECT_TRUE(RefreshAddedItemsList(t.app).rows.empty());
    EXPECT_EQ(RefreshAddedItemsList(t.app).total, "0");

    auto& items = t.app.catalogue;
    const int late = int(items.size()) - 1;
    int early = -1;
    for (int i = 0; i < late; ++i) {
        if (items[i].ItemLevel == 0) {
            early = i;
            break;
        }
    }
    items[late].ItemPrice = *Money::Parse("10,50", ',');
    items[late].ItemAddQty = 3;
    items[early].ItemPrice = Money::FromUnits(2);
    items[early].ItemAddQty = 1;
    items[early].ItemCalcQty = 7;  // calculated quantities are not listed
    const auto list = RefreshAddedItemsList(t.app);
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[0].key, ItemKey(early));
    EXPECT_EQ(list.rows[1].price, "10,5");
    EXPECT_EQ(list.rows[1].sum, "31,5");
    EXPECT_EQ(list.total, "33,5");
}

TEST(ShowHelp, JoinsTrimmedFileAndWindow) {
    EXPECT_EQ(HelpTarget("v4_overview.chm::/a.htm", ""), "v4_overview.chm::/a.htm");
    EXPECT_EQ(HelpTarget(" 366.chm ", " main "), "366.chm>main");
    TestApp t;
    ShowHelp(t.app, "366.chm");
    EXPECT_EQ(t.platform.helpTargets.back(), "366.chm");
    EXPECT_FALSE(t.platform.helpContexts.back().has_value());
}

TEST(InputCalcPosition, OpensJustBelowTheBox) {
    const TwipsPoint p = InputCalcPosition(
        {1200, 300, 600, 285}, {{120, 240, 0, 0}, {0, 420, 0, 0}}, {1000, 2000}, 0, 705);
    EXPECT_FLOAT_EQ(p.left, 1200 + 120 + 0 + 1000);
    EXPECT_FLOAT_EQ(p.top, 300 + 240 + 420 + 2000 + 285 + 705);
}

TEST(StartUp, LeavesOneCabinetAndTheAlwaysPresentItems) {
    TestApp t;
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(int(t.app.state.limits.MaxBoards), 27);
    EXPECT_EQ(int(t.app.state.limits.MaxLines), 340);
    EXPECT_EQ(int(t.app.state.limits.MaxTrunkLines), 120);
    EXPECT_EQ(int(t.app.state.results.CabinetCount), 1);
    EXPECT_EQ(t.app.state.window.DialogHighlightColour, Rgb(176, 176, 176));
    EXPECT_EQ(int(t.Qty("ROF 157 5124/1")), 1);
    EXPECT_EQ(int(t.Qty("LZY 203 2232/1")), 1);
    EXPECT_EQ(t.app.main.status.powerLine, "P = 40 / 180 Вт (Тр)");
    EXPECT_EQ(t.app.main.status.costLine.rfind("Стоимость: ", 0), 0u);
}

}  // namespace
}  // namespace veltra
