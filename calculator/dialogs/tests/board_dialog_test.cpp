// Driving the dialogs by control name, as the text tools do.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "dialogs/board_dialog.h"

namespace veltra::testing {
namespace {

std::vector<std::string> Lines(App& app, std::string_view name) {
    auto dialog = OpenBoardDialog(app, name);
    EXPECT_TRUE(dialog.has_value()) << name;
    return dialog ? PrintBoardDialog(*dialog) : std::vector<std::string>{};
}

TEST(BoardDialogByName, OpensTheFiveLineBoardDialogsOnly) {
    TestApp t;
    for (const char* name : {"DigExt", "AnExt", "AnTr", "BriTrunk", "E1Trunk"})
        EXPECT_TRUE(OpenBoardDialog(t.app, name).has_value()) << name;
    EXPECT_FALSE(OpenBoardDialog(t.app, "FecuForm").has_value());
    EXPECT_FALSE(OpenBoardDialog(t.app, "digext").has_value());
}

TEST(BoardDialogByName, HiddenDisabledAndUnknownControlsAreRefused) {
    TestApp t;
    auto dig = *OpenBoardDialog(t.app, "DigExt");
    EXPECT_EQ(ClickControl(t.app, dig, "Command1(30)"), ControlResult::Hidden);
    EXPECT_EQ(HoverControl(t.app, dig, "Command1(30)"), ControlResult::Hidden);
    EXPECT_EQ(ClickControl(t.app, dig, "Command1(43)"), ControlResult::Unknown);
    EXPECT_EQ(ClickControl(t.app, dig, "Command1(-1)"), ControlResult::Unknown);
    EXPECT_EQ(ClickControl(t.app, dig, "Command1"), ControlResult::Unknown);
    EXPECT_EQ(ClickControl(t.app, dig, "Command3"), ControlResult::Unknown);
    EXPECT_EQ(ClickControl(t.app, dig, "ARFlatBttn1(0)"), ControlResult::Unknown);
    EXPECT_FALSE(IsClosed(dig));

    auto tr = *OpenBoardDialog(t.app, "AnTr");
    EXPECT_EQ(ClickControl(t.app, tr, "ARFlatBttn2"), ControlResult::Unknown);
    EXPECT_EQ(ClickControl(t.app, tr, "Command3"), ControlResult::Done);
    EXPECT_TRUE(IsClosed(tr));

    t.app.state.config.AnalogTrunkBoards = 7;
    auto e1 = *OpenBoardDialog(t.app, "E1Trunk");
    EXPECT_EQ(ClickControl(t.app, e1, "E1(3)"), ControlResult::Disabled);
    EXPECT_EQ(ClickControl(t.app, e1, "eprom1(0)"), ControlResult::Hidden);
    EXPECT_EQ(ClickControl(t.app, e1, "E1(1)"), ControlResult::Done);
    EXPECT_EQ(ClickControl(t.app, e1, "eprom1(1)"), ControlResult::Done);
    EXPECT_EQ(ClickControl(t.app, e1, "eprom5(1)"), ControlResult::Unknown);
    EXPECT_EQ(ClickControl(t.app, e1, "eprom1(2)"), ControlResult::Unknown);
    EXPECT_EQ(ClickControl(t.app, e1, "Command1"), ControlResult::Done);
    EXPECT_EQ(t.app.state.config.E1CasLinks, 1);
}

TEST(BoardDialogByName, HoverAndClickReachTheVariantButtons) {
    TestApp t;
    auto an = *OpenBoardDialog(t.app, "AnExt");
    EXPECT_EQ(HoverControl(t.app, an, "Command1(3)"), ControlResult::Done);
    EXPECT_EQ(std::get<VariantDialog>(an).PreviewIndex, 3);
    EXPECT_EQ(ClickControl(t.app, an, "Command1(3)"), ControlResult::Done);
    EXPECT_TRUE(IsClosed(an));
    EXPECT_EQ(t.app.state.config.AnalogExt16Boards, 1);
    EXPECT_EQ(t.app.state.config.AnalogExt8Boards, 1);
}

TEST(BoardDialogPrint, VariantDialogLinesDescribeEveryControl) {
    TestApp t;
    t.app.state.config.DigitalExt16Boards = 1;
    const auto lines = Lines(t.app, "DigExt");
    ASSERT_EQ(lines.size(), 43u + 2 + 4 + 2);
    EXPECT_EQ(lines[0], "button Command1(0) | 0 | normal | visible | enabled");
    EXPECT_EQ(lines[2], "button Command1(2) | 16 | bold | visible | enabled");
    EXPECT_EQ(lines[42], "button Command1(42) |  | normal | hidden | enabled");
    EXPECT_EQ(lines[43], "button ARFlatBttn1 | Закрыть | normal | visible | enabled");
    EXPECT_EQ(lines[44], "button ARFlatBttn2 | Справка | normal | visible | enabled");
    EXPECT_EQ(lines[45], "label Label32 | 0");
    EXPECT_EQ(lines[46], "label Label16 | 1");
    EXPECT_EQ(lines[48], "label LabelMFU | 0");
    EXPECT_EQ(lines[49], "height " + std::to_string(kFullHeight - 600));
    EXPECT_EQ(lines[50], "slots " + SlotRow({{1, "404040"}, {1, "00C000"}}));
}

TEST(BoardDialogPrint, E1LinesShowOptionsFramesAndButtons) {
    TestApp t;
    t.app.state.config.E1Boards = 1;
    t.app.state.config.E1CasLinks = 1;
    const auto lines = Lines(t.app, "E1Trunk");
    ASSERT_EQ(lines.size(), 5u + 4 * 3 + 2 + 2);
    EXPECT_EQ(lines[0], "option E1(0) | off | enabled | visible");
    EXPECT_EQ(lines[1], "option E1(1) | on | enabled | visible");
    EXPECT_EQ(lines[5], "frame Frame2(1) | visible");
    EXPECT_EQ(lines[6], "option eprom1(0) | off | enabled | visible");
    EXPECT_EQ(lines[7], "option eprom1(1) | on | enabled | visible");
    EXPECT_EQ(lines[8], "frame Frame2(2) | hidden");
    EXPECT_EQ(lines[9], "option eprom2(0) | off | enabled | hidden");
    EXPECT_EQ(lines[17], "button Command1 | Ok | normal | visible | enabled");
    EXPECT_EQ(lines[18], "button ARFlatBttn2 | Справка | normal | visible | enabled");
    EXPECT_EQ(lines[20], "slots " + SlotRow({{1, "404040"}, {1, "008000"}}));
}

}  // namespace
}  // namespace veltra::testing
