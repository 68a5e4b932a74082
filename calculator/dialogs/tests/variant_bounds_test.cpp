// The offered variants must keep the configuration within its limits as the
// capacity sums count it, whatever the other boards are.
#include <gtest/gtest.h>

#include <random>

#include "catalogue/capacity.h"
#include "dialog_test_support.h"
#include "handling/main_window_inputs.h"
#include "handling/variant_accept.h"

namespace veltra::testing {
namespace {

bool WithinLimits(const App& app) {
    const ConfigState& s = app.state;
    return CountBoards(app) <= s.limits.MaxBoards && CountAllLines(app) <= s.limits.MaxLines &&
           CountTrunkLines(app) <= s.limits.MaxTrunkLines &&
           s.config.Bri16Boards + s.config.Bri8Boards <= kMaxBriBoards;
}

void SetFamily(App& app, const VariantFamily& family, const BoardCounts& counts) {
    for (int k = 0; k < family.kindCount; ++k)
        app.state.config.*(family.kinds[size_t(k)].count) = counts[size_t(k)];
}

// Every shown variant keeps the limits once accepted; the first hidden one breaks one.
void ExpectOfferMatchesLimits(App& app, VariantDialogKind kind) {
    const VariantFamily& family = FamilyOf(kind);
    const BoardCounts current = CurrentCounts(app, family);
    const VariantDialog d = OpenVariantDialog(app, kind);
    for (int i = 0; i <= d.shownVariants && i < kVariantCount; ++i) {
        SetFamily(app, family, family.variant(i));
        EXPECT_EQ(WithinLimits(app), i < d.shownVariants) << family.name << " variant " << i;
    }
    SetFamily(app, family, current);
}

TEST(VariantBounds, BriBoundIsOnTheVariantWhateverTheCurrentMix) {
    for (auto [bri16, bri8] : {std::pair{0, 0}, {3, 0}, {0, 3}, {2, 1}}) {
        TestApp t;
        t.app.state.config.Bri16Boards = bri16;
        t.app.state.config.Bri8Boards = bri8;
        const VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::BriTrunk);
        // Variants 0..6 have at most three boards; 7 would be four.
        EXPECT_EQ(d.shownVariants, 7) << bri16 << "+" << bri8;
        EXPECT_EQ(d.Command1[6].caption, "48");
    }
}

TEST(VariantBounds, SmallBriBoardCountsItsFourTrunkLines) {
    // 3 E1 boards (90), the MFU (8) and one analog trunk board (8): 106 trunk lines.
    TestApp t;
    SetMFUCheck(t.app, true);
    t.app.state.config.E1Boards = 3;
    t.app.state.config.AnalogTrunkBoards = 1;
    t.app.state.config.Bri8Boards = 1;  // 110
    VariantDialog d = OpenVariantDialog(t.app, VariantDialogKind::BriTrunk);
    // A 16-channel board would make 122.
    EXPECT_EQ(d.shownVariants, 2);

    // 114 trunk lines: one small board still fits at 118.
    TestApp u;
    SetMFUCheck(u.app, true);
    u.app.state.config.E1Boards = 3;
    u.app.state.config.AnalogTrunkBoards = 2;
    EXPECT_EQ(OpenVariantDialog(u.app, VariantDialogKind::BriTrunk).shownVariants, 2);
}

TEST(VariantBounds, RandomConfigurationsOfferExactlyWhatFits) {
    std::mt19937 random(20240607);
    auto pick = [&](int high) {
        return Count(std::uniform_int_distribution<int>(0, high)(random));
    };
    TestApp t;
    ConfigState& s = t.app.state;
    int checked = 0;
    while (checked < 300) {
        // The bounds read the check box only; its click handling is not needed here.
        t.app.main.MFUCheck.checked = pick(3) == 0;
        s.config.AnalogExt8Boards = pick(2);
        s.config.AnalogExt16Boards = pick(8);
        s.config.DigitalExt8Boards = pick(1);
        s.config.DigitalExt16Boards = pick(2);
        s.config.DigitalExt32Boards = pick(5);
        s.config.AnalogTrunkBoards = pick(6);
        s.config.E1Boards = pick(3);
        s.config.Bri16Boards = pick(2);
        s.config.Bri8Boards = pick(1);
        s.config.IccuBoards = pick(1);
        s.config.IcluBoards = s.config.IccuBoards * pick(3);
        s.config.Ipu4Present = pick(1);
        s.config.HandsetCount = pick(40);
        if (!WithinLimits(t.app)) continue;
        for (VariantDialogKind kind : {VariantDialogKind::DigExt, VariantDialogKind::AnExt,
                                       VariantDialogKind::AnTr, VariantDialogKind::BriTrunk})
            ExpectOfferMatchesLimits(t.app, kind);
        if (::testing::Test::HasFailure()) break;
        ++checked;
    }
}

}  // namespace
}  // namespace veltra::testing
