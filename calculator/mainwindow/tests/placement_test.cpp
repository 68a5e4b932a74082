#include <gtest/gtest.h>

#include <numeric>

#include "handling/main_window_inputs.h"
#include "mainwindow/field_buttons.h"
#include "mainwindow/placement.h"
#include "mainwindow/status_panels.h"
#include "tests/test_app.h"

namespace veltra {
namespace {

using testing::TestApp;

TEST(Placement, BelowAboveAndCentredPositions) {
    EXPECT_EQ(TitleBarHeightTwips(425, 378), 47 * 15);
    const TwipsRect page{0, 420, 7095, 4995}, field{1800, 450, 720, 300};
    const TwipsPoint below = DialogBelowField({1500, 3000}, 705, page, field);
    EXPECT_FLOAT_EQ(below.left, 1500 + 0 + 1800);
    EXPECT_FLOAT_EQ(below.top, 3000 + 705 + 420 + 450 + 300);
    const TwipsPoint above = DialogAboveField({1500, 3000}, 705, page, field, 2000);
    EXPECT_FLOAT_EQ(above.left, below.left);
    EXPECT_FLOAT_EQ(above.top, 3000 + 705 + 420 + 450 - 2000 - 90);

    const TwipsPoint centred = CentreOnScreen(19200, 15360, 7165, 6375);
    EXPECT_FLOAT_EQ(centred.left, 9600 - 3582.5f);
    EXPECT_FLOAT_EQ(centred.top, 7680 - 3187.5f);
    const TwipsPoint over = CentreOver({1000, 2000, 7165, 6375}, 5400, 3600);
    EXPECT_FLOAT_EQ(over.left, 1000 + 882.5f);
    EXPECT_FLOAT_EQ(over.top, 2000 + 1387.5f);
}

TEST(FieldButtons, DialogsOpenBelowTheirFieldsAndTheNetworkingDialogAbove) {
    TestApp t;
    MainFormModel form;
    t.app.state.window.TitleBarHeight = 600;
    const TwipsPoint window{3000, 1500};
    int dialogs = 0;
    for (const FieldButton& button : FieldButtons()) {
        if (button.kind != ButtonKind::Dialog || std::string(button.name) == "Command17") continue;
        ++dialogs;
        const TwipsRect& f = PlaceOf(button.field).rect;
        // These fields sit straight on their page, so the page is their only container.
        ASSERT_EQ(ContainersOf(button.field).size(), 1u) << button.field;
        const auto at = DialogButton_Click(t.app, form, button, window, 2400);
        ASSERT_TRUE(at);
        EXPECT_FLOAT_EQ(at->left, 3000 + f.left);
        const float expected = button.above ? 1500 + 600 + 420 + f.top - 2400 - 90
                                            : 1500 + 600 + 420 + f.top + f.height;
        EXPECT_FLOAT_EQ(at->top, expected) << button.name;
        EXPECT_EQ(button.above, std::string(button.dialog) == "FecuForm");
    }
    EXPECT_EQ(dialogs, 8);
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST(FieldButtons, HandsetDialogNeedsBaseStationsFirst) {
    TestApp t;
    MainFormModel form;
    const FieldButton& mobile = *FindButton("Command17");
    EXPECT_FALSE(DialogButton_Click(t.app, form, mobile, {0, 0}, 0));
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text,
              "Введите сначала необходимое количество базовых станций");
    EXPECT_EQ(t.platform.messages[0].title, "Veltra Calculator");

    ShowCount(t.app, FieldId::BSText, "2", 2);
    EXPECT_TRUE(DialogButton_Click(t.app, form, mobile, {0, 0}, 0));
    EXPECT_EQ(t.platform.messages.size(), 1u);
}

TEST(FieldButtons, CalculatorButtonsAimAtTheirTelephoneFieldWithMaximum300) {
    TestApp t;
    t.app.state.window.TitleBarHeight = 690;
    int calculators = 0;
    for (const FieldButton& button : FieldButtons()) {
        if (button.kind != ButtonKind::InputCalc) continue;
        ++calculators;
        t.app.state.window.InputCalcMax = 0;
        const TwipsPoint at = InputCalcButton_Click(t.app, button, {100, 200});
        EXPECT_EQ(int(t.app.state.window.InputCalcMax), 300);
        EXPECT_EQ(t.app.state.window.InputCalcTarget, button.field);
        const FieldInfo* info = FindField(button.field);
        ASSERT_NE(info, nullptr);
        EXPECT_TRUE(IsTelephoneField(info->id));
        // Inside Frame1 on page 1: both containers add their offsets.
        const TwipsRect& f = PlaceOf(button.field).rect;
        const TwipsRect& frame1 = PlaceOf("Frame1").rect;
        EXPECT_FLOAT_EQ(at.left, 100 + f.left + frame1.left + 0);
        EXPECT_FLOAT_EQ(at.top, 200 + 690 + f.top + frame1.top + 420 + f.height);
    }
    EXPECT_EQ(calculators, 7);
}

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool Inside(const TwipsRect& inner, const TwipsRect& outer) {
    return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= outer.width &&
           inner.top + inner.height <= outer.height;
}

// Frames that take turns at one place are the only controls that may overlap.
bool TakeTurns(std::string_view a, std::string_view b) {
    auto family = [](std::string_view n) { return n.substr(0, n.find('(')); };
    if (family(a) == family(b) && a.find('(') != std::string_view::npos) return true;
    return (a == "Frame2" && b == "Frame3") || (a == "Frame3" && b == "Frame2");
}

TEST(Layout, ControlsFitTheirContainersWithoutOverlapping) {
    const auto& layout = MainFormLayout();
    const TwipsRect window{0, 0, 7095, 420 + 4995};
    for (const ControlPlace& c : layout) {
        const TwipsRect& outer = *c.container ? PlaceOf(c.container).rect : window;
        EXPECT_TRUE(Inside(c.rect, outer)) << c.name << " in " << c.container;
        for (const ControlPlace& other : layout) {
            if (&other >= &c || std::string_view(other.container) != c.container) continue;
            if (TakeTurns(c.name, other.name)) continue;
            EXPECT_FALSE(Overlap(c.rect, other.rect)) << c.name << " / " << other.name;
        }
    }
    for (const FieldInfo& field : kFields) EXPECT_NO_THROW(PlaceOf(field.name));
    for (const FieldButton& button : FieldButtons()) EXPECT_NO_THROW(PlaceOf(button.name));
}

TEST(StatusBar, PanelsKeepTheirDesignWidthsWhenTheyFitAndFitTheirTextsOtherwise) {
    const std::array<int, 3> texts{150, 120, 100};
    EXPECT_EQ(StatusPanelPixels(1000, texts), (std::array<int, 6>{335, 6, 29, 223, 6, 271}));

    // 470 - 41 = 429 for the texts: 370 needed, 59 spare shared 5028 : 3352 : 4058.
    const auto narrow = StatusPanelPixels(470, texts);
    EXPECT_EQ(std::accumulate(narrow.begin(), narrow.end(), 0), 470);
    EXPECT_EQ(narrow[1], 6);
    EXPECT_EQ(narrow[2], 29);
    EXPECT_EQ(narrow[4], 6);
    EXPECT_EQ(narrow[0], 150 + 59 * 5028 / 12438);
    EXPECT_EQ(narrow[3], 120 + 59 * 3352 / 12438);
    EXPECT_GE(narrow[5], 100);

    // Texts wider than the bar shrink in proportion, and nothing goes negative.
    const auto crowded = StatusPanelPixels(241, {300, 100, 0});
    EXPECT_EQ(crowded[0], 150);
    EXPECT_EQ(crowded[3], 50);
    EXPECT_EQ(crowded[5], 0);
    const auto none = StatusPanelPixels(10, {0, 0, 0});
    EXPECT_EQ(none[0] + none[3] + none[5], 0);
}

}  // namespace
}  // namespace veltra
