// What the keys decide without a window: arrows in a grid, the page keys,
// F1's topics; and the interface scale that fits a screen.
#include <gtest/gtest.h>

#include "dialogs/dialog_help.h"
#include "mainwindow/help_entries.h"
#include "mainwindow/interface_scale.h"
#include "mainwindow/main_form_pages.h"
#include "state/key_navigation.h"
#include "tests/test_app.h"

namespace veltra {
namespace {

using testing::TestApp;

TEST(ArrowKeys, MoveInTheGridAndSkipWhatCannotTakeTheFocus) {
    // Two rows of three keys, the last row one short, then a wide key below.
    const std::vector<TwipsRect> boxes = {{0, 0, 300, 300},     {400, 0, 300, 300},
                                          {800, 0, 300, 300},   {0, 400, 300, 300},
                                          {400, 400, 300, 300}, {0, 800, 1100, 300}};
    std::vector<bool> usable(boxes.size(), true);
    EXPECT_EQ(ArrowTarget(boxes, usable, 0, Arrow::Right), 1u);
    EXPECT_EQ(ArrowTarget(boxes, usable, 1, Arrow::Down), 4u);
    EXPECT_EQ(ArrowTarget(boxes, usable, 4, Arrow::Up), 1u);
    EXPECT_EQ(ArrowTarget(boxes, usable, 3, Arrow::Left), 3u);  // nothing that way
    EXPECT_EQ(ArrowTarget(boxes, usable, 2, Arrow::Down), 5u);  // nothing below in its column
    EXPECT_EQ(ArrowTarget(boxes, usable, 5, Arrow::Up), 4u);    // straight above its middle
    usable[1] = false;
    EXPECT_EQ(ArrowTarget(boxes, usable, 0, Arrow::Right), 2u);
}

TEST(PageKeys, StepAroundThePagesAndF1OpensThePageShown) {
    TestApp t;
    StepPage(t.app, t.app.form, false);
    EXPECT_EQ(t.app.form.TabStrip1, kTabCount);
    EXPECT_TRUE(t.app.form.FrameTabs[kTabCount - 1].visible);
    EXPECT_FALSE(t.app.form.FrameTabs[0].visible);
    StepPage(t.app, t.app.form, true);
    StepPage(t.app, t.app.form, true);
    EXPECT_EQ(t.app.form.TabStrip1, 2);
    ShowPageHelp(t.app, t.app.form);
    TabStrip1_Click(t.app, t.app.form, 7);
    ShowPageHelp(t.app, t.app.form);
    EXPECT_EQ(t.platform.helpTargets,
              (std::vector<std::string>{"VeltraCalculator.chm::/source/an_trunk.htm",
                                        "VeltraCalculator.chm::/source/reports.htm"}));
    EXPECT_EQ(WindowHelpTopic(OpenVariantDialog(t.app, VariantDialogKind::BriTrunk)),
              "VeltraCalculator.chm::/source/bri_trunk.htm");
}

TEST(InterfaceScale, ReadsOnlyTheOfferedScales) {
    EXPECT_EQ(ParseInterfaceScale("150"), 150);
    EXPECT_EQ(ParseInterfaceScale("200%"), 200);
    for (const char* bad : {"", "%", "175", "150 ", "-100", "1e2", "100%%"})
        EXPECT_EQ(ParseInterfaceScale(bad), std::nullopt) << bad;
    EXPECT_EQ(ScaleChosenMessage(125, 125), std::nullopt);
    EXPECT_EQ(ScaleChosenMessage(100, 150),
              "Масштаб интерфейса 150 % будет применен при следующем запуске программы.");
}

TEST(InterfaceScale, TheLargestScaleThatFitsWindowAndDialogs) {
    TestApp t;
    const std::vector<TwipsRect> opened = FieldWindowsOf(t.app);
    ASSERT_EQ(opened.size(), 10u);  // the input calculator and nine dialogs
    const auto screen = [](int width, int height, int panel) {
        return ScreenArea{{0, 0, width, height}, {0, panel, width, height - panel}};
    };
    EXPECT_EQ(FittingScale(200, screen(1920, 1080, 0), opened), 200);
    EXPECT_EQ(FittingScale(150, screen(1920, 1080, 0), opened), 150);
    // 6375 twips of window are 850 pixels at 200 %: more than 800.
    EXPECT_EQ(FittingScale(200, screen(1280, 800, 0), opened), 150);
    EXPECT_EQ(FittingScale(200, screen(1280, 800, 100), opened), 125);  // a tall panel
    EXPECT_EQ(FittingScale(125, screen(1280, 800, 0), opened), 125);
    EXPECT_EQ(FittingScale(200, screen(640, 480, 0), opened), 100);  // the least there is
    // The biggest board dialog, 5050 x 4005 twips with its title bar, must fit too.
    EXPECT_EQ(FittingScale(200, screen(1280, 1100, 0), {{0, 0, 5050, 9000}}), 150);
    EXPECT_EQ(ScaleReducedMessage(200, 125, screen(1280, 800, 0)),
              "Масштаб интерфейса 200 % не помещается на экране 1280 × 800: окно программы "
              "и его диалоги показаны в масштабе 125 %.");
}

}  // namespace
}  // namespace veltra
