#include <gtest/gtest.h>

#include <functional>

#include "catalogue/capacity.h"
#include "dialog_test_support.h"
#include "dialogs/base_station.h"
#include "dialogs/mobile.h"
#include "handling/main_window_inputs.h"

namespace veltra::testing {
namespace {

std::pair<std::string, std::string> Boards(const BaseStationDialog& d) {
    return {d.Label_ICCU.caption, d.Label_ICLU.caption};
}

// Opens the base station dialog, moves the slider and presses OK.
void StoreStations(App& app, int stations) {
    BaseStationDialog d = OpenBaseStation(app);
    Slider1_Change(app, d, stations);
    Command2_Click(app, d);
}

int SelectedModule(const MobileDialog& d) {
    for (int k = 0; k < kFecuModules; ++k)
        if (d.FecuMobile[size_t(k)].selected) return k;
    return -1;
}

TEST(BaseStationOpening, EmptyExchangeRunsToSixtyAndMapsCountsToBoards) {
    TestApp t;
    BaseStationDialog d = OpenBaseStation(t.app);
    EXPECT_TRUE(d.Slider1.enabled);
    EXPECT_EQ(d.Slider1.min, 0);
    EXPECT_EQ(d.Slider1.max, 60);
    EXPECT_EQ(d.MaxBSLabel.caption, "60");
    EXPECT_EQ(d.BSLabel.caption, "0");
    const std::pair<int, std::pair<const char*, const char*>> kCases[] = {
        {4, {"1", "0"}},  {5, {"1", "1"}}, {12, {"1", "1"}}, {13, {"1", "2"}},
        {60, {"1", "7"}}, {0, {"0", "0"}}, {1, {"1", "0"}},  {53, {"1", "7"}},
    };
    for (const auto& [stations, boards] : kCases) {
        Slider1_Change(t.app, d, stations);
        EXPECT_EQ(d.BSLabel.caption, std::to_string(stations));
        EXPECT_EQ(Boards(d), (std::pair<std::string, std::string>(boards.first, boards.second)))
            << stations;
    }
    Slider1_Change(t.app, d, 20);
    EXPECT_EQ(Slots(d.picture), SlotRow({{1, "404040"}, {1, "00FF00"}, {2, "008000"}}));
}

TEST(BaseStationOpening, MaximumIsTheLastRowThatFits) {
    struct Case {
        const char* what;
        std::function<void(App&)> setUp;
        int max;
        bool enabled;
    };
    const Case kCases[] = {
        // 25 boards: two slots free, so IC-CU + one IC-LU serve at most 12.
        {"two free slots", [](App& a) { a.state.config.AnalogExt8Boards = 24; }, 12, true},
        {"one free slot", [](App& a) { a.state.config.AnalogExt8Boards = 25; }, 4, true},
        {"no free slot", [](App& a) { a.state.config.AnalogExt8Boards = 26; }, 0, false},
        // 112 trunk lines: one 8-line board still fits.
        {"trunk lines", [](App& a) { a.state.config.AnalogTrunkBoards = 14; }, 4, true},
        // 312 of 340 lines: three boards fit.
        {"all lines",
         [](App& a) {
             a.state.config.DigitalExt32Boards = 9;
             a.state.config.AnalogExt16Boards = 1;
             a.state.config.AnalogExt8Boards = 1;
         },
         20, true},
        // The fitted boards are taken out first, so a full cordless set keeps 60.
        {"own boards",
         [](App& a) {
             a.state.config.AnalogExt8Boards = 18;
             a.state.config.IccuBoards = 1;
             a.state.config.IcluBoards = 7;
             a.state.config.BaseStationCount = 60;
             ShowCount(a, FieldId::BSText, "60", 60);
         },
         60, true},
    };
    for (const Case& c : kCases) {
        TestApp t;
        c.setUp(t.app);
        const BaseStationDialog d = OpenBaseStation(t.app);
        EXPECT_EQ(d.Slider1.max, c.max) << c.what;
        EXPECT_EQ(d.MaxBSLabel.caption, std::to_string(c.max)) << c.what;
        EXPECT_EQ(d.Slider1.enabled, c.enabled) << c.what;
    }
}

TEST(BaseStationOpening, ShowsTheStoredCountAndBoards) {
    TestApp t;
    StoreStations(t.app, 13);
    const BaseStationDialog d = OpenBaseStation(t.app);
    EXPECT_EQ(d.Slider1.value, 13);
    EXPECT_EQ(d.BSLabel.caption, "13");
    EXPECT_EQ(Boards(d), (std::pair<std::string, std::string>("1", "2")));
    // The cordless boards come after every other board.
    EXPECT_EQ(Slots(d.picture), SlotRow({{1, "404040"}, {1, "00FF00"}, {2, "008000"}}));
}

TEST(BaseStationOk, StoresBoardsItemsAndField) {
    TestApp t;
    StoreStations(t.app, 13);
    const ConfigState& s = t.app.state;
    EXPECT_EQ(s.config.IccuBoards, 1);
    EXPECT_EQ(s.config.IcluBoards, 2);
    EXPECT_EQ(s.config.BaseStationCount, 13);
    EXPECT_EQ(t.Qty("ROF 157 5131/1"), 1);
    EXPECT_EQ(t.Qty("ROF 157 5129/1"), 2);
    EXPECT_EQ(t.Qty("NTM/KRCNB 301 03/1"), 13);
    EXPECT_EQ(t.Qty("EN/LZTNB 101 52/1"), 1);
    EXPECT_EQ(t.Text(FieldId::BSText), "13");
    EXPECT_EQ(t.app.main.field(FieldId::BSText).background, Background::Window);
    // The field's change handling recalculated: the base stations need package 1.
    EXPECT_EQ(s.results.FecuRequiredLevel, 1);
    EXPECT_EQ(t.Qty("KDUBS 130 12/1"), 1);
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST(BaseStationOk, NoBaseStationsClearHandsetsAndFecuModule) {
    TestApp t;
    StoreStations(t.app, 20);
    MobileDialog m = OpenMobile(t.app);
    dt288_Type(t.app, m, "30");
    Command1_Click(t.app, m);
    ASSERT_EQ(t.app.state.config.HandsetCount, 30);
    ASSERT_EQ(t.Qty("KDU 130 05/3"), 1);

    StoreStations(t.app, 0);
    const ConfigState& s = t.app.state;
    EXPECT_EQ(s.config.HandsetCount, 0);
    EXPECT_EQ(s.config.FecuModule, 0);
    EXPECT_EQ(s.config.IccuBoards + s.config.IcluBoards, 0);
    EXPECT_EQ(t.Text(FieldId::MobileText), "0");
    EXPECT_EQ(t.app.main.field(FieldId::MobileText).background, Background::ButtonFace);
    EXPECT_EQ(t.app.main.field(FieldId::BSText).background, Background::ButtonFace);
    EXPECT_EQ(t.Qty("NTM/DPANB 301 04/1"), 0);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(t.Qty("KDU 130 05/" + std::to_string(k)), 0) << k;
    EXPECT_EQ(t.Qty("ROF 157 5131/1"), 0);
    EXPECT_EQ(s.results.FecuRequiredLevel, 0);  // recalculated without handsets or stations
    EXPECT_TRUE(OpenMobile(t.app).FecuMobile[0].selected);
}

TEST(BaseStationClose, ChangesNothingAndHelpOpensTheTopic) {
    TestApp t;
    BaseStationDialog d = OpenBaseStation(t.app);
    Slider1_Change(t.app, d, 30);
    Command1_Click(t.app, d);
    Command3_Click(d);
    EXPECT_TRUE(d.closed);
    EXPECT_EQ(t.app.state.config.BaseStationCount, 0);
    EXPECT_EQ(t.Text(FieldId::BSText), "0");
    EXPECT_EQ(t.platform.helpTargets,
              std::vector<std::string>{"v4_overview.chm::/applications\\applications_8.htm"});
}

TEST(MobileEntry, TypingPicksTheFecuModuleByClosedRanges) {
    TestApp t;
    StoreStations(t.app, 4);
    MobileDialog d = OpenMobile(t.app);
    EXPECT_EQ(d.dt288.text, "0");
    EXPECT_EQ(d.dt288.background, Background::ButtonFace);
    const std::pair<const char*, int> kSteps[] = {
        {"8", 0},  {"9", 1},  {"108", 6},   {"109", 7}, {"8.5", 7},  // a fraction between ranges
        {"16", 1}, {"17", 2}, {"12abc", 1}, {"-3", 1},  {"211", 1}, {"", 0},
    };
    for (const auto& [text, module] : kSteps) {
        dt288_Type(t.app, d, text);
        EXPECT_EQ(SelectedModule(d), module) << text;
    }
    dt288_Type(t.app, d, "5");
    EXPECT_EQ(d.dt288.background, Background::Window);
    // A hand choice stays until the next change of the box.
    FecuMobile_Click(t.app, d, 5);
    EXPECT_EQ(SelectedModule(d), 5);
}

TEST(MobileEntry, RefusedEntriesRestoreTheLastAcceptedValue) {
    TestApp t;
    StoreStations(t.app, 4);
    MobileDialog first = OpenMobile(t.app);
    dt288_Type(t.app, first, "12");
    Command1_Click(t.app, first);

    MobileDialog d = OpenMobile(t.app);
    EXPECT_EQ(d.dt288.text, "12");
    dt288_Type(t.app, d, "211");
    EXPECT_FALSE(dt288_Validate(t.app, d));
    // Right after opening the last accepted value is 0, not the stored 12.
    EXPECT_EQ(d.dt288.text, "0");
    EXPECT_TRUE(d.dt288Focused);
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].title, "Ошибка");
    EXPECT_EQ(t.platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(t.platform.messages[0].text,
              "Диапазон значений от 0 до - 210 минус количество VO-368\r"
              "Будет возвращено старое значение");

    dt288_Type(t.app, d, "20");
    EXPECT_TRUE(dt288_Validate(t.app, d));
    for (const char* refused : {"abc", "-1", "210,5", "20.5", ""}) {
        dt288_Type(t.app, d, refused);
        EXPECT_FALSE(dt288_Validate(t.app, d)) << refused;
        EXPECT_EQ(d.dt288.text, "20") << refused;
    }
    dt288_Type(t.app, d, " 2 ");  // blanks at both ends aside
    EXPECT_TRUE(dt288_Validate(t.app, d));
    dt288_Type(t.app, d, "x");
    EXPECT_FALSE(dt288_Validate(t.app, d));
    EXPECT_EQ(d.dt288.text, "2");

    // OK validates the box first and stays open on a refusal.
    dt288_Type(t.app, d, "300");
    Command1_Click(t.app, d);
    EXPECT_FALSE(d.closed);
    EXPECT_EQ(t.app.state.config.HandsetCount, 12);
}

TEST(MobileEntry, OnlyAWholeNumberIsACountAndOkWritesItEverywhere) {
    TestApp t;
    StoreStations(t.app, 12);
    MobileDialog d = OpenMobile(t.app);
    dt288_Type(t.app, d, "20");
    ASSERT_TRUE(dt288_Validate(t.app, d));
    for (const char* refused : {"1e2", "0,6", "9,5", "8.5", "+5", "-0", "12abc", "1 0"}) {
        dt288_Type(t.app, d, refused);
        Command1_Click(t.app, d);
        EXPECT_FALSE(d.closed) << refused;
        EXPECT_EQ(d.dt288.text, "20") << refused;
        EXPECT_EQ(SelectedModule(d), 2) << refused;
    }
    EXPECT_EQ(t.platform.messages.size(), 8u);
    EXPECT_EQ(t.app.state.config.HandsetCount, 0);

    dt288_Type(t.app, d, " 0100 ");
    Command1_Click(t.app, d);
    ASSERT_TRUE(d.closed);
    EXPECT_EQ(t.Text(FieldId::MobileText), "100");
    EXPECT_EQ(t.app.state.config.HandsetCount, 100);
    EXPECT_EQ(t.app.state.config.FecuModule, 6);
    EXPECT_EQ(t.Qty("NTM/DPANB 301 04/1"), 100);
    EXPECT_EQ(t.Qty("KDU 130 05/6"), 1);
}

TEST(MobileEntry, TypedCountsAreBoundByTheFreeLines) {
    TestApp t;
    StoreStations(t.app, 4);                     // 8 trunk lines
    t.app.state.config.DigitalExt32Boards = 10;  // 320 lines: 12 of 340 free
    MobileDialog d = OpenMobile(t.app);
    dt288_Type(t.app, d, "13");
    EXPECT_FALSE(dt288_Validate(t.app, d));
    dt288_Type(t.app, d, "12");
    EXPECT_TRUE(dt288_Validate(t.app, d));
    Command16_Click(t.app, d);
    EXPECT_EQ(t.app.state.window.InputCalcMax, 12);
}

TEST(MobileCalculator, AsksForTheCalculatorWithinTheFreeLines) {
    TestApp t;
    StoreStations(t.app, 4);
    MobileDialog d = OpenMobile(t.app);
    Command16_Click(t.app, d);
    EXPECT_EQ(t.app.state.window.InputCalcMax, 210);
    EXPECT_EQ(t.app.state.window.InputCalcTarget, "dt288");
    ASSERT_TRUE(d.inputCalc.has_value());
    EXPECT_EQ(d.inputCalc->below, 20);

    // The calculator wrote 10; its closing refreshes the traffic line.
    dt288_Type(t.app, d, "10");
    EXPECT_EQ(d.MaErl.caption, "");
    InputCalcClosed(t.app, d);
    EXPECT_FALSE(d.inputCalc.has_value());
    EXPECT_EQ(d.MaErl.caption, "Нагрузка на абонента: 0,8 Эрл");

    // 300 of 340 lines taken with 10 handsets: 50 may be built.
    Command1_Click(t.app, d);
    t.app.state.config.DigitalExt32Boards = 9;  // 288 + 8 + 10 = 306
    t.app.state.config.AnalogExt8Boards = 1;    // 314
    MobileDialog again = OpenMobile(t.app);
    Command16_Click(t.app, again);
    EXPECT_EQ(t.app.state.window.InputCalcMax, 340 - 314 + 10);
}

TEST(MobileTraffic, ErlCalcTruncatesToFourCharacters) {
    struct Case {
        int stations;
        const char* handsets;
        char separator;
        const char* caption;
    };
    const Case kCases[] = {
        {12, "10", ',', "Нагрузка на абонента: 1,6 Эрл"},  // 16 channels
        {12, "10", '.', "Нагрузка на абонента: 1.6 Эрл"},
        {4, "3", ',', "Нагрузка на абонента: 2,66 Эрл"},  // 8 ÷ 3
        {4, "10", ',', "Нагрузка на абонента: 0,8 Эрл"},
        {12, "1", ',', "Нагрузка на абонента: 16 Эрл"},
        {60, "7", ',', "Нагрузка на абонента: 9,14 Эрл"},  // 64 ÷ 7
        {12, "0", ',', ""},
        {0, "5", ',', "Нагрузка на абонента: 0 Эрл"},
    };
    for (const Case& c : kCases) {
        TestApp t(c.separator);
        if (c.stations > 0) StoreStations(t.app, c.stations);
        MobileDialog d = OpenMobile(t.app);
        dt288_Type(t.app, d, c.handsets);
        ErlCalc(t.app, d);
        EXPECT_EQ(d.MaErl.caption, c.caption) << c.stations << " " << c.handsets;
    }
}

TEST(MobileOk, StoresHandsetsModuleAndItems) {
    TestApp t;
    StoreStations(t.app, 12);
    MobileDialog d = OpenMobile(t.app);
    dt288_Type(t.app, d, "20");
    Command1_Click(t.app, d);
    EXPECT_TRUE(d.closed);
    const ConfigState& s = t.app.state;
    EXPECT_EQ(s.config.HandsetCount, 20);
    EXPECT_EQ(s.config.FecuModule, 2);
    EXPECT_EQ(t.Text(FieldId::MobileText), "20");
    EXPECT_EQ(t.app.main.field(FieldId::MobileText).background, Background::Window);
    EXPECT_EQ(t.Qty("NTM/DPANB 301 04/1"), 20);
    EXPECT_EQ(t.Qty("KDU 130 05/2"), 1);
    EXPECT_EQ(CountExtensionLines(t.app), 20);

    // The stored module is selected again, and "без FECU" clears all seven.
    MobileDialog again = OpenMobile(t.app);
    EXPECT_EQ(SelectedModule(again), 2);
    EXPECT_EQ(again.MaErl.caption, "Нагрузка на абонента: 0,8 Эрл");
    FecuMobile_Click(t.app, again, 0);
    Command1_Click(t.app, again);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(t.Qty("KDU 130 05/" + std::to_string(k)), 0) << k;
    EXPECT_EQ(s.config.HandsetCount, 20);

    MobileDialog closed = OpenMobile(t.app);
    dt288_Type(t.app, closed, "40");
    Command3_Click(closed);
    Command2_Click(t.app, closed);
    EXPECT_EQ(s.config.HandsetCount, 20);
    EXPECT_EQ(t.platform.helpTargets.size(), 1u);
}

}  // namespace
}  // namespace veltra::testing
