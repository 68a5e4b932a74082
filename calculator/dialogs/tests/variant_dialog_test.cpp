#include <gtest/gtest.h>

#include "catalogue/capacity.h"
#include "dialog_test_support.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"

namespace veltra::testing {
namespace {

constexpr Colour kHighlight = 0xB0B0B0;  // button face and shadow of the recording platform, 3 : 1
constexpr Colour kFace = 0xC0C0C0;

TEST(VariantDialogOpening, FreshDigExtOffersVariantsWhileTheLinesFit) {
    TestApp t;
    const VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    // 16·(i−1) ≤ 340 up to i = 22; 23 would need 352 lines.
    ASSERT_EQ(d.shownVariants, 23);
    const auto captions = VisibleCaptions(d);
    ASSERT_EQ(captions.size(), 23u);
    EXPECT_EQ(captions[0], "0");
    EXPECT_EQ(captions[1], "8");
    EXPECT_EQ(captions[2], "16");
    EXPECT_EQ(captions[3], "32");
    EXPECT_EQ(captions[22], "336");
    EXPECT_EQ(BoldButtons(d), std::vector<int>{0});
    EXPECT_EQ(d.Command1[0].background, kHighlight);
    EXPECT_EQ(d.Command1[23].background, kFace);
    EXPECT_FALSE(d.Command1[23].visible);
    // Rows 4 to 6 hold buttons 22–42; rows 5 and 6 stay empty.
    EXPECT_EQ(d.heightTwips, kFullHeight - 2 * 300);
    EXPECT_EQ(Label(d, "Label32"), "0");
    EXPECT_EQ(Label(d, "LabelMFU"), "0");
    EXPECT_EQ(Slots(d.picture), SlotRow({{1, "404040"}}));
}

TEST(VariantDialogOpening, VariantRowsFollowEachFamilysRule) {
    TestApp t;
    const VariantDialog dig = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    EXPECT_EQ(dig.variants[1], (BoardCounts{0, 0, 1}));
    EXPECT_EQ(dig.variants[2], (BoardCounts{0, 1, 0}));
    EXPECT_EQ(dig.variants[3], (BoardCounts{1, 0, 0}));
    EXPECT_EQ(dig.variants[8], (BoardCounts{3, 1, 0}));
    const VariantDialog an = OpenVariantDialog(t.app, VariantDialogKind::AnExt);
    EXPECT_EQ(an.variants[5], (BoardCounts{2, 1, 0}));
    const VariantDialog bri = OpenVariantDialog(t.app, VariantDialogKind::BriTrunk);
    EXPECT_EQ(bri.variants[4], (BoardCounts{2, 0, 0}));
    EXPECT_EQ(bri.Command1[5].caption, "40");
}

TEST(VariantDialogOpening, AllFortyThreeAnalogVariantsFitAFreshExchange) {
    TestApp t;
    const VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::AnExt);
    EXPECT_EQ(d.shownVariants, kVariantCount);
    EXPECT_EQ(d.Command1[42].caption, "336");
    EXPECT_EQ(d.heightTwips, kFullHeight);

    TestApp trunk;
    const VariantDialog tr = OpenVariantDialog(trunk.app, VariantDialogKind::AnTr);
    EXPECT_EQ(tr.shownVariants, 16);  // 15 boards reach the 120 trunk lines
    EXPECT_EQ(tr.heightTwips, kFullHeight - 3 * 300);
}

TEST(VariantDialogOpening, MfuLinesAreAddedToTheCaptionsButNotToTheBoldTest) {
    TestApp t;
    SetMFUCheck(t.app, true);
    const VariantDialog dig = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    EXPECT_EQ(dig.Command1[0].caption, "8");
    EXPECT_EQ(dig.Command1[3].caption, "40");
    EXPECT_EQ(BoldButtons(dig), std::vector<int>{0});
    EXPECT_EQ(Label(dig, "LabelMFU"), "1");
    EXPECT_EQ(Slots(dig.picture), SlotRow({{1, "404040"}, {1, "0000FF"}}));

    EXPECT_EQ(OpenVariantDialog(t.app, VariantDialogKind::AnExt).Command1[1].caption, "12");
    EXPECT_EQ(OpenVariantDialog(t.app, VariantDialogKind::BriTrunk).Command1[1].caption, "16");
    const VariantDialog tr = OpenVariantDialog(t.app, VariantDialogKind::AnTr);
    EXPECT_EQ(tr.Command1[1].caption, "8");
    // The analog trunk dialog paints the MFU as one of the other boards.
    EXPECT_EQ(Slots(tr.picture), SlotRow({{2, "404040"}}));
}

TEST(VariantDialogOpening, AFullExchangeLeavesOnlyABareButtonZero) {
    TestApp t;
    t.app.state.config.AnalogTrunkBoards = 27;  // with the fixed board, one over the limit
    const VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    EXPECT_EQ(d.shownVariants, 0);
    EXPECT_TRUE(d.Command1[0].visible);
    EXPECT_EQ(d.Command1[0].caption, "");
    EXPECT_FALSE(d.Command1[0].bold);
    EXPECT_EQ(d.Command1[0].background, kFace);
    EXPECT_FALSE(d.Command1[1].visible);
    EXPECT_EQ(d.heightTwips, kFullHeight - 6 * 300);
}

TEST(VariantDialogOpening, ListIsCutAtTheFirstMisfit) {
    TestApp t;
    // 30 lines free: 8 fits, 16 fits, 32 does not, so nothing beyond 16 shows.
    t.app.state.config.AnalogExt16Boards = 19;  // 304 lines
    t.app.state.config.HandsetCount = 6;        // 310
    const VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    EXPECT_EQ(VisibleCaptions(d), (std::vector<std::string>{"0", "8", "16"}));
    EXPECT_EQ(d.heightTwips, kFullHeight - 5 * 300);
}

TEST(VariantDialogOpening, BoldMarksTheVariantWithTheCurrentLinesEvenForOtherBoards) {
    TestApp t;
    t.app.state.config.DigitalExt16Boards = 2;
    const VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    EXPECT_EQ(BoldButtons(d), std::vector<int>{3});
    EXPECT_EQ(d.Command1[3].caption, "32");
    EXPECT_EQ(Label(d, "Label16"), "2");
    // The own boards do not count against the offer.
    EXPECT_EQ(d.shownVariants, 23);
}

TEST(VariantDialogPreview, FirstPointerOverButtonZeroDoesNothing) {
    TestApp t;
    t.app.state.config.DigitalExt32Boards = 2;
    VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    const std::string opened = Slots(d.picture);
    EXPECT_EQ(opened, SlotRow({{1, "404040"}, {2, "008000"}}));

    Command1_MouseMove(t.app, d, 0);
    EXPECT_EQ(Slots(d.picture), opened);
    EXPECT_EQ(Label(d, "Label32"), "2");

    Command1_MouseMove(t.app, d, 4);  // one 32-line and one 16-line board
    EXPECT_EQ(d.PreviewIndex, 4);
    EXPECT_EQ(Label(d, "Label32"), "1");
    EXPECT_EQ(Label(d, "Label16"), "1");
    EXPECT_EQ(Slots(d.picture), SlotRow({{1, "404040"}, {1, "008000"}, {1, "00C000"}}));

    Command1_MouseMove(t.app, d, 0);
    EXPECT_EQ(Label(d, "Label32"), "0");
    EXPECT_EQ(Slots(d.picture), SlotRow({{1, "404040"}}));
    // Only accepting changes the state.
    EXPECT_EQ(t.app.state.config.DigitalExt32Boards, 2);
}

TEST(VariantDialogPreview, PreviewKeepsTheMfuLabelAndPlacesBoardsAfterTheOthers) {
    TestApp t;
    SetMFUCheck(t.app, true);
    t.app.state.config.AnalogTrunkBoards = 2;
    t.app.state.config.AnalogExt8Boards = 1;
    VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::AnExt);
    EXPECT_EQ(Slots(d.picture), SlotRow({{3, "404040"}, {1, "0000FF"}, {1, "00FF00"}}));
    Command1_MouseMove(t.app, d, 5);  // two 16-line boards, one 8-line board
    EXPECT_EQ(Label(d, "LabelMfu"), "1");
    EXPECT_EQ(Slots(d.picture),
              SlotRow({{3, "404040"}, {1, "0000FF"}, {2, "008000"}, {1, "00FF00"}}));
}

TEST(VariantDialogPreview, BoardsBeyondTheTwentySeventhSlotAreNotDrawn) {
    TestApp t;
    VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    t.app.state.config.AnalogTrunkBoards = 24;  // 25 other boards once the state changes
    SlotCalculate(t.app, d, {3, 1, 1});
    EXPECT_EQ(Slots(d.picture), SlotRow({{25, "404040"}, {2, "008000"}}));
}

TEST(VariantDialogAccept, DigitalVariantStoresBoardsAndRunsTheAutoCountScheme) {
    TestApp t;
    SelectCombo1(t.app, 2);
    VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    Command1_Click(t.app, d, 4);
    EXPECT_TRUE(d.closed);
    EXPECT_EQ(t.app.state.config.DigitalExt32Boards, 1);
    EXPECT_EQ(t.app.state.config.DigitalExt16Boards, 1);
    EXPECT_EQ(t.app.state.config.DigitalExt8Boards, 0);
    EXPECT_EQ(t.Qty("ROF 157 5130/1"), 1);
    EXPECT_EQ(t.Qty("ROF 157 5130/2"), 1);
    EXPECT_EQ(t.Qty("ROF 157 5130/3"), 0);
    EXPECT_EQ(t.Text(FieldId::DigitalExtText), "48");
    EXPECT_EQ(t.app.main.field(FieldId::DigitalExtText).background, Background::Window);
    EXPECT_EQ(t.Text(FieldId::BasicText), "21");  // ⌊48 × 0.45⌋ of the optimal scheme
}

TEST(VariantDialogAccept, ItemsAreSetLargestBoardFirstAndTheCountsStoredEvenWhenMissing) {
    TestApp t;
    for (const char* code : {"ROF 157 5130/1", "ROF 157 5130/2", "ROF 157 5130/3"})
        RemoveItem(t.app, code);
    VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    Command1_Click(t.app, d, 1);
    EXPECT_EQ(MessageTexts(t.platform),
              (std::vector<std::string>{"Несоответствие кода товара 'ROF 157 5130/1'",
                                        "Несоответствие кода товара 'ROF 157 5130/2'",
                                        "Несоответствие кода товара 'ROF 157 5130/3'"}));
    EXPECT_EQ(t.app.state.config.DigitalExt8Boards, 1);
    EXPECT_TRUE(d.closed);

    TestApp b;
    for (const char* code : {"ROF 157 5121/4", "ROF 157 5121/5"}) RemoveItem(b.app, code);
    VariantDialog bri = OpenVariantDialog(b.app, VariantDialogKind::BriTrunk);
    Command1_Click(b.app, bri, 3);
    EXPECT_EQ(MessageTexts(b.platform),
              (std::vector<std::string>{"Несоответствие кода товара 'ROF 157 5121/4'",
                                        "Несоответствие кода товара 'ROF 157 5121/5'"}));
}

TEST(VariantDialogAccept, TrunkFamiliesUpdateTheirFieldAndRecalculate) {
    TestApp t;
    VariantDialog tr = OpenVariantDialog(t.app, VariantDialogKind::AnTr);
    Command1_Click(t.app, tr, 3);
    EXPECT_EQ(t.app.state.config.AnalogTrunkBoards, 3);
    EXPECT_EQ(t.Qty("ROF 157 5110/1"), 3);
    EXPECT_EQ(t.Text(FieldId::AnTrunkText), "24");

    VariantDialog bri = OpenVariantDialog(t.app, VariantDialogKind::BriTrunk);
    Command1_Click(t.app, bri, 3);
    EXPECT_EQ(t.app.state.config.Bri16Boards, 1);
    EXPECT_EQ(t.app.state.config.Bri8Boards, 1);
    EXPECT_EQ(t.Text(FieldId::BRITrunkText), "24 (12 BRI)");

    // The status bar reflects the new boards: the same as a fresh calculation.
    const std::string panel = t.app.main.status.costLine;
    RecalculateAll(t.app);
    EXPECT_EQ(t.app.main.status.costLine, panel);
}

TEST(VariantDialogAccept, AcceptingTheCurrentVariantRewritesTheQuantities) {
    TestApp t;
    VariantDialog first = OpenVariantDialog(t.app, VariantDialogKind::AnTr);
    Command1_Click(t.app, first, 2);
    const int index = FindItem(t.app.catalogue, "ROF 157 5110/1");
    t.app.catalogue[size_t(index)].ItemCalcQty = 9;
    VariantDialog again = OpenVariantDialog(t.app, VariantDialogKind::AnTr);
    EXPECT_EQ(BoldButtons(again), std::vector<int>{2});
    Command1_Click(t.app, again, 2);
    EXPECT_EQ(t.Qty("ROF 157 5110/1"), 2);
}

TEST(VariantDialogAccept, ButtonZeroOfAFullExchangeStillRemovesTheFamily) {
    TestApp t;
    t.app.state.config.DigitalExt8Boards = 1;
    t.app.state.config.AnalogTrunkBoards = 27;
    VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    Command1_Click(t.app, d, 0);
    EXPECT_EQ(t.app.state.config.DigitalExt8Boards, 0);
}

TEST(VariantDialogButtons, CloseAndHelpChangeNothing) {
    TestApp t;
    VariantDialog dig = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    ASSERT_TRUE(dig.helpButton.has_value());
    EXPECT_EQ(dig.closeButton.name, "ARFlatBttn1");
    HelpButton_Click(t.app, dig);
    VariantDialog an = OpenVariantDialog(t.app, VariantDialogKind::AnExt);
    HelpButton_Click(t.app, an);
    EXPECT_EQ(t.platform.helpTargets,
              (std::vector<std::string>{"VeltraCalculator.chm::/source/dig_ext.htm",
                                        "VeltraCalculator.chm::/source/an_ext.htm"}));
    EXPECT_EQ(t.platform.helpContexts[0], std::nullopt);

    VariantDialog tr = OpenVariantDialog(t.app, VariantDialogKind::AnTr);
    EXPECT_FALSE(tr.helpButton.has_value());
    EXPECT_EQ(tr.closeButton.name, "Command3");
    Command1_MouseMove(t.app, tr, 5);
    CloseButton_Click(tr);
    EXPECT_TRUE(tr.closed);
    EXPECT_EQ(t.app.state.config.AnalogTrunkBoards, 0);
    EXPECT_EQ(t.Text(FieldId::AnTrunkText), "0");
}

}  // namespace
}  // namespace veltra::testing
