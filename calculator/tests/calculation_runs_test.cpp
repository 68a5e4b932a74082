// The calculation runs one way: each input runs it as often as its handler
// asks, one run after the other, never one inside another.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "dialogs/variant_dialog.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "test_app.h"

namespace veltra {
namespace {

using testing::TestApp;

long Runs(App& app, const std::function<void()>& input) {
    const long before = app.calculations.count;
    input();
    EXPECT_FALSE(app.calculations.running);
    EXPECT_EQ(app.calculations.reentered, 0);
    return app.calculations.count - before;
}

TEST(CalculationRuns, AStartFromInsideACalculationIsCaught) {
    TestApp t;
    // The overload warning's box is shown while presenting; a calculation
    // started from it is a calculation inside another.
    t.platform.onMessage = [&](const std::string& text) {
        if (text == "PowerMsg") RecalculateAll(t.app);
    };
    SetFieldText(t.app, FieldId::ExecutiveText, "300");
    EXPECT_THROW(SetFieldText(t.app, FieldId::StandardText, "300"), std::logic_error);
    EXPECT_FALSE(t.app.calculations.running);

    TestApp lenient;
    lenient.app.calculations.reentryFatal = false;
    lenient.platform.onMessage = [&](const std::string& text) {
        if (text == "PowerMsg") RecalculateAll(lenient.app);
    };
    SetFieldText(lenient.app, FieldId::ExecutiveText, "300");
    SetFieldText(lenient.app, FieldId::StandardText, "300");
    EXPECT_EQ(lenient.app.calculations.reentered, 1);
    EXPECT_FALSE(lenient.app.calculations.running);
}

TEST(CalculationRuns, EachInputAsksForItsOwn) {
    TestApp t;
    App& app = t.app;
    EXPECT_EQ(Runs(app, [&] { SetFieldText(app, FieldId::BasicText, "10"); }), 1);
    // Priced once, then the message, then "0" priced again.
    EXPECT_EQ(Runs(app, [&] { SetFieldText(app, FieldId::BasicText, "301"); }), 2);
    EXPECT_EQ(t.Text(FieldId::BasicText), "0");
    EXPECT_EQ(Runs(app, [&] { SetFieldText(app, FieldId::BasicText, "0"); }), 0);
    EXPECT_EQ(Runs(app, [&] { SelectOption(app, OptionGroupId::PowerAcc, 1); }), 1);

    // The board's lines change the digital count: the scheme fills the four
    // fields (one calculation each), then one for the count, one for the
    // analog lines and the handler's own two.
    SelectCombo1(app, 1);
    EXPECT_EQ(Runs(app, [&] { SetMFUCheck(app, true); }), 8);
    EXPECT_EQ(t.Text(FieldId::DigitalExtText), "8");
    EXPECT_EQ(t.Text(FieldId::BasicText), "4");
    EXPECT_EQ(t.Text(FieldId::StandardText), "2");
    EXPECT_EQ(t.Text(FieldId::ExecutiveText), "2");
    EXPECT_EQ(t.Text(FieldId::Dss1Text), "1");
}

TEST(CalculationRuns, AcceptedDigitalBoardsRunTheSchemeOnTheNewCount) {
    TestApp t;
    App& app = t.app;
    SelectCombo1(app, 1);
    // Hand-made counts that the scheme for the old count would not give.
    SetFieldText(app, FieldId::BasicText, "38");
    SetFieldText(app, FieldId::StandardText, "11");
    VariantDialog dialog = OpenVariantDialog(app, VariantDialogKind::DigExt);
    // Two 32-line boards: 64 lines.
    int two = -1;
    for (int i = 0; i < kVariantCount && two < 0; ++i)
        if (dialog.variants[size_t(i)] == BoardCounts{2, 0, 0}) two = i;
    ASSERT_GE(two, 0);
    t.platform.messages.clear();
    const long runs = Runs(app, [&] { Command1_Click(app, dialog, two); });
    EXPECT_EQ(t.Text(FieldId::DigitalExtText), "64");
    EXPECT_EQ(t.Text(FieldId::BasicText), "38");
    EXPECT_EQ(t.Text(FieldId::StandardText), "22");
    EXPECT_EQ(t.Text(FieldId::ExecutiveText), "4");
    EXPECT_EQ(t.Text(FieldId::Dss1Text), "3");
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(runs, 4);
}

}  // namespace
}  // namespace veltra
