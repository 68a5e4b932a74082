#include <gtest/gtest.h>

#include <functional>

#include "dialog_test_support.h"
#include "dialogs/fecu_form.h"
#include "dialogs/ipu_form.h"
#include "handling/main_window_inputs.h"

namespace veltra::testing {
namespace {

std::vector<int> ShownChecks(const FecuFormDialog& d) {
    std::vector<int> shown;
    for (int i = 0; i <= kFecuLevels; ++i)
        if (d.ImageCheck[size_t(i)].visible) shown.push_back(i);
    return shown;
}

// "E" enabled or "-" disabled per option, "*" after the selected one.
std::string Options(const IpuFormDialog& d) {
    std::string text;
    for (const OptionButton& o : d.IPUInterface)
        text += std::string(o.enabled ? "E" : "-") + (o.selected ? "*" : "");
    return text;
}

void StoreIpu(App& app, int choice) {
    IpuFormDialog d = OpenIpuForm(app);
    IPUInterface_Click(d, choice);
    Command1_Click(app, d);
}

TEST(FecuForm, SelectsTheChoiceAndMarksTheRequiredLevel) {
    TestApp t;
    FecuFormDialog d = OpenFecuForm(t.app);
    EXPECT_TRUE(d.Option1[0].selected);
    EXPECT_EQ(d.Option1[0].caption, "Нет");
    EXPECT_EQ(d.Option1[8].caption, "Standard Networking unlimitedt + CTI");
    EXPECT_TRUE(ShownChecks(d).empty());

    StoreIpu(t.app, 1);  // an IP unit requires level 4
    d = OpenFecuForm(t.app);
    EXPECT_TRUE(d.Option1[0].selected);
    EXPECT_EQ(ShownChecks(d), std::vector<int>{4});
}

TEST(FecuForm, OkStoresTheChoiceAndTheHigherLevelWins) {
    TestApp t;
    StoreIpu(t.app, 2);
    FecuFormDialog d = OpenFecuForm(t.app);
    Option1_Click(d, 2);
    Command1_Click(t.app, d);
    EXPECT_TRUE(d.closed);
    EXPECT_EQ(t.app.state.config.FecuChosenLevel, 2);
    EXPECT_EQ(t.Qty("KDUBS 130 12/4"), 1);
    EXPECT_EQ(t.Qty("KDUBS 130 12/2"), 0);
    EXPECT_EQ(t.Text(FieldId::FecuText), "Full Networking for max. 32 interfaces");

    d = OpenFecuForm(t.app);
    EXPECT_TRUE(d.Option1[2].selected);
    Option1_Click(d, 9);
    Command1_Click(t.app, d);
    EXPECT_EQ(t.Qty("KDUBS 130 12/9"), 1);
    EXPECT_EQ(t.Qty("KDUBS 130 12/4"), 0);
    EXPECT_EQ(t.Text(FieldId::FecuText), "Full Networking for max 32 int + CTI");

    d = OpenFecuForm(t.app);
    Option1_Click(d, 0);
    Command3_Click(d);
    EXPECT_EQ(t.app.state.config.FecuChosenLevel, 9);
}

TEST(IpuForm, OptionsFollowTheThreeBounds) {
    struct Case {
        const char* what;
        std::function<void(App&)> setUp;
        const char* options;
    };
    const Case kCases[] = {
        {"empty exchange", [](App&) {}, "E*EE"},
        {"no free slot", [](App& a) { a.state.config.AnalogExt8Boards = 26; }, "E*--"},
        {"4 trunk lines free", [](App& a) { a.state.limits.MaxTrunkLines = 4; }, "E*E-"},
        // With an 8-call unit and three trunk lines free the 4-call unit is
        // tested on top of it, so it stays disabled.
        {"8-call unit, 3 free",
         [](App& a) {
             StoreIpu(a, 2);
             a.state.config.AnalogTrunkBoards = 13;
             a.state.limits.MaxTrunkLines = 115;
         },
         "E-E*"},
        {"4-call unit, 4 free",
         [](App& a) {
             StoreIpu(a, 1);
             a.state.limits.MaxTrunkLines = 8;
         },
         "EE*-"},
        {"all lines",
         [](App& a) {
             a.state.config.DigitalExt32Boards = 10;
             a.state.config.AnalogExt8Boards = 2;  // 336 of 340
         },
         "E*E-"},
        {"unit in the last slot",
         [](App& a) {
             StoreIpu(a, 1);
             a.state.config.AnalogExt8Boards = 25;
         },
         "EE*E"},
    };
    for (const Case& c : kCases) {
        TestApp t;
        c.setUp(t.app);
        EXPECT_EQ(Options(OpenIpuForm(t.app)), c.options) << c.what;
    }
}

TEST(IpuForm, OkStoresTheChoiceAndPricesTheUnit) {
    TestApp t;
    StoreIpu(t.app, 2);
    EXPECT_EQ(t.app.state.config.Ipu8Present, 1);
    EXPECT_EQ(t.app.state.config.Ipu4Present, 0);
    EXPECT_EQ(t.Text(FieldId::IPUText), "8");
    EXPECT_EQ(t.Qty("LZYBS 203 13/8"), 1);

    StoreIpu(t.app, 1);
    EXPECT_EQ(t.app.state.config.Ipu8Present, 0);
    EXPECT_EQ(t.app.state.config.Ipu4Present, 1);
    EXPECT_EQ(t.Text(FieldId::IPUText), "4");

    IpuFormDialog d = OpenIpuForm(t.app);
    IPUInterface_Click(d, 0);
    Command2_Click(t.app, d);
    Command3_Click(d);
    EXPECT_EQ(t.app.state.config.Ipu4Present, 1);
    EXPECT_EQ(t.platform.helpTargets, std::vector<std::string>{"366.chm"});

    StoreIpu(t.app, 0);
    EXPECT_EQ(t.app.state.config.Ipu4Present + t.app.state.config.Ipu8Present, 0);
    EXPECT_EQ(t.Text(FieldId::IPUText), "0");
    EXPECT_EQ(t.Qty("ROF 157 5133/1"), 0);
}

}  // namespace
}  // namespace veltra::testing
