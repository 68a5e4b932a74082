#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "dialogs/e1_trunk.h"
#include "handling/main_window_inputs.h"

namespace veltra::testing {
namespace {

std::vector<bool> Enabled(const E1TrunkDialog& d) {
    std::vector<bool> enabled;
    for (const OptionButton& option : d.E1) enabled.push_back(option.enabled);
    return enabled;
}

std::vector<bool> FramesShown(const E1TrunkDialog& d) {
    std::vector<bool> shown;
    for (int k = 1; k <= kMaxE1Boards; ++k) shown.push_back(d.Frame2[size_t(k)].visible);
    return shown;
}

// Per board 1..4: 'I' for ISDN, 'C' for CAS R2, '-' for neither.
std::string Firmware(const E1TrunkDialog& d) {
    std::string text;
    for (int k = 1; k <= kMaxE1Boards; ++k) {
        const auto& pair = d.eprom[size_t(k)];
        text += pair[kIsdn].selected ? 'I' : pair[kCasR2].selected ? 'C' : '-';
    }
    return text;
}

void StoreE1(App& app, int boards, int isdn, int cas) {
    app.state.config.E1Boards = boards;
    app.state.config.E1PriLinks = isdn;
    app.state.config.E1CasLinks = cas;
}

TEST(E1TrunkOpening, FreshExchangeOffersEveryCountAndSelectsNone) {
    TestApp t;
    const E1TrunkDialog d = OpenE1Trunk(t.app);
    EXPECT_EQ(Enabled(d), std::vector<bool>(5, true));
    EXPECT_TRUE(d.E1[0].selected);
    EXPECT_EQ(FramesShown(d), std::vector<bool>(4, false));
    EXPECT_EQ(Firmware(d), "----");
    EXPECT_EQ(Slots(d.picture), SlotRow({{1, "404040"}}));
}

TEST(E1TrunkOpening, CountsBeyondTheTrunkCapacityStayDisabled) {
    TestApp t;
    t.app.state.config.AnalogTrunkBoards = 7;  // 56 trunk lines: room for two E1 boards
    const E1TrunkDialog d = OpenE1Trunk(t.app);
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, true, true, false, false}));

    TestApp boards;
    boards.app.state.config.AnalogExt8Boards = 24;  // 25 boards: room for two
    EXPECT_EQ(Enabled(OpenE1Trunk(boards.app)),
              (std::vector<bool>{true, true, true, false, false}));
}

TEST(E1TrunkOpening, StoredFirmwareIsRestoredIsdnFirst) {
    TestApp t;
    StoreE1(t.app, 3, 1, 2);
    const E1TrunkDialog d = OpenE1Trunk(t.app);
    EXPECT_TRUE(d.E1[3].selected);
    EXPECT_EQ(Firmware(d), "ICC-");
    EXPECT_EQ(FramesShown(d), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(Slots(d.picture), SlotRow({{1, "404040"}, {3, "008000"}}));
}

TEST(E1TrunkOpening, StoredFirmwareOnlyGoesOntoFittingBoards) {
    TestApp t;
    StoreE1(t.app, 2, 2, 1);
    t.app.state.config.AnalogTrunkBoards = 7;  // 56 + 60: board 3 does not fit
    const E1TrunkDialog d = OpenE1Trunk(t.app);
    EXPECT_EQ(Firmware(d), "II--");
}

TEST(E1TrunkOptions, ClickShowsTheFramesOfTheChosenBoards) {
    TestApp t;
    SetMFUCheck(t.app, true);
    E1TrunkDialog d = OpenE1Trunk(t.app);
    E1_Click(t.app, d, 2);
    EXPECT_TRUE(d.E1[2].selected);
    EXPECT_FALSE(d.E1[0].selected);
    EXPECT_EQ(FramesShown(d), (std::vector<bool>{true, true, false, false}));
    // The MFU is one of the other boards here.
    EXPECT_EQ(Slots(d.picture), SlotRow({{2, "404040"}, {2, "008000"}}));
}

TEST(E1TrunkOptions, FindCasIsdnSelectsOneMemberOfThePair) {
    TestApp t;
    E1TrunkDialog d = OpenE1Trunk(t.app);
    FindCasIsdn(d, 2, kIsdn);
    FindCasIsdn(d, 2, kCasR2);
    FindCasIsdn(d, 5, kIsdn);
    FindCasIsdn(d, 1, 2);
    EXPECT_EQ(Firmware(d), "-C--");
}

TEST(E1TrunkOk, StoresBoardsFirmwareItemsAndTheField) {
    TestApp t;
    E1TrunkDialog d = OpenE1Trunk(t.app);
    E1_Click(t.app, d, 2);
    FindCasIsdn(d, 1, kIsdn);
    FindCasIsdn(d, 2, kCasR2);
    Command1_Click(t.app, d);
    EXPECT_TRUE(d.closed);
    EXPECT_EQ(t.app.state.config.E1Boards, 2);
    EXPECT_EQ(t.app.state.config.E1PriLinks, 1);
    EXPECT_EQ(t.app.state.config.E1CasLinks, 1);
    EXPECT_EQ(t.Qty("ROF 157 5112/1"), 2);
    EXPECT_EQ(t.Qty("LZY 203 2212/1"), 1);
    EXPECT_EQ(t.Qty("LZY 203 2213/1"), 1);
    EXPECT_EQ(t.Text(FieldId::E1TrunkText), "2 (60)");
    EXPECT_EQ(t.app.main.field(FieldId::E1TrunkText).background, Background::Window);
}

TEST(E1TrunkOk, RaisingTheCountWithoutChoosingLeavesTheNewBoardWithoutFirmware) {
    TestApp t;
    StoreE1(t.app, 2, 1, 1);
    E1TrunkDialog d = OpenE1Trunk(t.app);
    E1_Click(t.app, d, 3);
    Command1_Click(t.app, d);
    EXPECT_EQ(t.app.state.config.E1Boards, 3);
    EXPECT_EQ(t.Qty("ROF 157 5112/1"), 3);
    EXPECT_EQ(t.Qty("LZY 203 2212/1") + t.Qty("LZY 203 2213/1"), 2);
}

TEST(E1TrunkOk, LoweringTheCountDropsTheOtherBoardsChoices) {
    TestApp t;
    StoreE1(t.app, 3, 1, 2);
    E1TrunkDialog d = OpenE1Trunk(t.app);
    E1_Click(t.app, d, 1);
    Command1_Click(t.app, d);
    EXPECT_EQ(t.app.state.config.E1PriLinks, 1);
    EXPECT_EQ(t.app.state.config.E1CasLinks, 0);
    EXPECT_EQ(t.Text(FieldId::E1TrunkText), "1 (30)");
}

TEST(E1TrunkOk, NoBoardsGivesZeroItemsAndAButtonFaceField) {
    TestApp t;
    E1TrunkDialog two = OpenE1Trunk(t.app);
    E1_Click(t.app, two, 2);
    FindCasIsdn(two, 1, kIsdn);
    Command1_Click(t.app, two);

    E1TrunkDialog d = OpenE1Trunk(t.app);
    E1_Click(t.app, d, 0);
    Command1_Click(t.app, d);
    EXPECT_EQ(t.Text(FieldId::E1TrunkText), "0");
    EXPECT_EQ(t.app.main.field(FieldId::E1TrunkText).background, Background::ButtonFace);
    for (const char* code : {"ROF 157 5112/1", "LZY 203 2212/1", "LZY 203 2213/1"})
        EXPECT_EQ(t.Qty(code), 0) << code;
    EXPECT_EQ(t.app.state.config.E1PriLinks, 0);
}

TEST(E1TrunkOk, ItemsAreSetBoardThenCasThenIsdn) {
    TestApp t;
    for (const char* code : {"ROF 157 5112/1", "LZY 203 2212/1", "LZY 203 2213/1"})
        RemoveItem(t.app, code);
    E1TrunkDialog d = OpenE1Trunk(t.app);
    E1_Click(t.app, d, 1);
    Command1_Click(t.app, d);
    EXPECT_EQ(MessageTexts(t.platform),
              (std::vector<std::string>{"Несоответствие кода товара 'ROF 157 5112/1'",
                                        "Несоответствие кода товара 'LZY 203 2212/1'",
                                        "Несоответствие кода товара 'LZY 203 2213/1'"}));
    EXPECT_EQ(t.app.state.config.E1Boards, 1);
    EXPECT_TRUE(d.closed);
}

TEST(E1TrunkClose, ClosingWithoutOkChangesNothing) {
    TestApp t;
    StoreE1(t.app, 1, 1, 0);
    E1TrunkDialog d = OpenE1Trunk(t.app);
    E1_Click(t.app, d, 4);
    FindCasIsdn(d, 1, kCasR2);
    ARFlatBttn2_Click(t.app);
    CloseWindow(d);
    EXPECT_TRUE(d.closed);
    EXPECT_EQ(t.app.state.config.E1Boards, 1);
    EXPECT_EQ(t.app.state.config.E1PriLinks, 1);
    EXPECT_EQ(t.Text(FieldId::E1TrunkText), "0");
    EXPECT_EQ(t.platform.helpTargets,
              std::vector<std::string>{"VeltraCalculator.chm::/source/e1_trunk.htm"});
}

}  // namespace
}  // namespace veltra::testing
