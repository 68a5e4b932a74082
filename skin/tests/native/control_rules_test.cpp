#include "format/control_rules.h"

#include <gtest/gtest.h>

namespace lumiq {
namespace {

TEST(ButtonFace, PushedAlwaysShowsThePressedFaceOtherwiseStateAndCheck) {
    struct Case {
        std::uint32_t state;
        bool enabled;
        int offset;
    } cases[] = {
        {kButtonPushed, true, 20},
        {kButtonPushed | kButtonChecked, true, 20},
        {kButtonPushed | kButtonChecked | kButtonFocused, false, 20},
        {0, true, 24},
        {kButtonFocused, true, 28},
        {kButtonFocused, false, 32},
        {0, false, 32},
        {kButtonChecked, true, 40},
        {kButtonChecked | kButtonFocused, true, 44},
        {kButtonChecked | kButtonFocused, false, 48},
        {kButtonChecked | 0x2, true, 40},  // indeterminate bit is ignored
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ButtonFaceOffset(c.state, c.enabled), c.offset)
            << "state " << c.state << " enabled " << c.enabled;
    }
}

TEST(ProgressFill, RoundsHalvesToEvenAndStaysWithinTheBar) {
    struct Case {
        std::int64_t position, low, high;
        int size, filled;
    } cases[] = {
        {0, 0, 0, 100, 0},        // empty range
        {5, 5, 5, 100, 0},        // empty range away from zero
        {0, 0, 100, 200, 0},      // empty bar
        {100, 0, 100, 200, 200},  // full bar
        {1, 0, 4, 2, 0},          // 0.5 -> 0
        {3, 0, 4, 2, 2},          // 1.5 -> 2
        {5, 0, 8, 1, 1},          // 0.625 -> 1
        {1, 0, 3, 1, 0},          // 0.333 -> 0
        {2, 0, 3, 1, 1},          // 0.667 -> 1
        {5, 0, 4, 2, 2},          // beyond the top: full
        {-3, 0, 10, 50, 0},       // below the bottom: empty
        {150, 50, 150, 80, 80},   // measured from the low end
        {100, 50, 150, 80, 40},
        {7, 0, 10, 0, 0},  // no bar
        {2147483647, -2147483647 - 1, 2147483647, 32767, 32767},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressFilled(c.position, c.low, c.high, c.size), c.filled)
            << c.position << " in " << c.low << ".." << c.high << " of " << c.size;
    }
}

TEST(FontFit, ScaledTo96DotsPerInchBitmapFontsGiveWay) {
    struct Case {
        int height;
        bool vector;
        int dpi;
        FontFit fit;
    } cases[] = {
        {16, true, 96, {16, false}},   {16, false, 96, {16, false}},
        {16, true, 144, {11, false}},                                 // 10.67
        {16, false, 144, {11, true}},  {13, false, 120, {10, true}},  // 10.4
        {13, false, 110, {11, false}},  // shrinks, but below 120 keeps its face
        {13, false, 72, {17, false}},   // grows: never "Small Fonts"
        {15, true, 120, {12, false}},   // 12.0
        {20, true, 0, {20, false}},     // no resolution known
    };
    for (const Case& c : cases) {
        FontFit fit = FitFont(c.height, c.vector, c.dpi);
        EXPECT_EQ(fit.height, c.fit.height) << c.height << " at " << c.dpi;
        EXPECT_EQ(fit.smallFonts, c.fit.smallFonts) << c.height << " at " << c.dpi;
    }
}

TEST(LabelFormat, AlignmentFromTheStyleBits) {
    EXPECT_EQ(LabelTextFormat(0), 0x10u);
    EXPECT_EQ(LabelTextFormat(1), 0x11u);
    EXPECT_EQ(LabelTextFormat(2), 0x12u);
    EXPECT_EQ(LabelTextFormat(3), 0x11u);  // centred wins
    EXPECT_EQ(LabelTextFormat(0x50000000), 0x10u);
}

}  // namespace
}  // namespace lumiq
