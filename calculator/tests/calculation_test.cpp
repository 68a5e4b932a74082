#include <gtest/gtest.h>

#include "handling/line_count_fields.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "mainwindow/new_calculation.h"
#include "test_app.h"

namespace veltra {
namespace {

using testing::TestApp;

TEST(Frame, ModulesFollowTheFirstDigitOfTheCableCount) {
    EXPECT_EQ(int(FrameModulesFor(0)), 0);
    EXPECT_EQ(int(FrameModulesFor(1)), 1);
    EXPECT_EQ(int(FrameModulesFor(10)), 1);
    EXPECT_EQ(int(FrameModulesFor(11)), 2);
    EXPECT_EQ(int(FrameModulesFor(19)), 2);
    EXPECT_EQ(int(FrameModulesFor(20)), 3);
    EXPECT_EQ(int(FrameModulesFor(39)), 4);
}

TEST(Frame, SizesCablesModulesStripsAndArrestors) {
    TestApp t;
    t.app.state.config.AnalogExt16Boards = 1;
    SelectOption(t.app, OptionGroupId::MDFBox, 0);
    EXPECT_EQ(int(t.Qty("TSR 901 0472/3")), 2);
    EXPECT_EQ(int(t.Qty("MDF_OPEN_10")), 1);
    EXPECT_EQ(int(t.Qty("MDF_PLINT_1")), 10);
    SetOnlyStationMDFCheck(t.app, false);
    EXPECT_EQ(int(t.Qty("MDF_OPEN_10")), 2);
    EXPECT_EQ(int(t.Qty("MDF_PLINT_1")), 20);
    EXPECT_EQ(int(t.Qty("MDF_BOX_10")), 0);

    SelectOption(t.app, OptionGroupId::MDFOpenCable, 1);
    EXPECT_EQ(int(t.Qty("TSR 901 0472/3")), 0);
    EXPECT_EQ(int(t.Qty("TSR 901 0472/2")), 2);

    t.app.state.config.AnalogTrunkBoards = 3;
    SelectOption(t.app, OptionGroupId::Arrestor, 1);
    EXPECT_EQ(int(t.Qty("MDF_CASSETE_1")), 3);
    EXPECT_EQ(int(t.Qty("MDF_ARRESTORS")), 24);

    // No frame: cables are still counted, frame items and arrestors are not.
    SelectOption(t.app, OptionGroupId::MDFBox, 2);
    EXPECT_EQ(int(t.Qty("TSR 901 0472/2")), 2 + 3);
    EXPECT_EQ(int(t.Qty("MDF_OPEN_10")), 0);
    EXPECT_EQ(int(t.Qty("MDF_PLINT_1")), 0);
    EXPECT_EQ(int(t.Qty("MDF_ARRESTORS")), 0);
}

TEST(Cabinets, NineBoardsPerCabinet) {
    TestApp t;
    t.app.state.config.AnalogExt8Boards = 8;  // 9 boards with the fixed one
    RecalculateAll(t.app);
    EXPECT_EQ(int(t.app.state.results.CabinetCount), 1);
    EXPECT_EQ(int(t.Qty("591685/2")), 0);
    t.app.state.config.AnalogExt8Boards = 9;
    RecalculateAll(t.app);
    EXPECT_EQ(int(t.app.state.results.CabinetCount), 2);
    EXPECT_EQ(int(t.Qty("BDV 113 08")), 2);
    EXPECT_EQ(int(t.Qty("591685/2")), 1);
    EXPECT_EQ(int(t.Qty("NTM 144 60")), 1);
    t.app.state.config.AnalogExt8Boards = 26;
    RecalculateAll(t.app);
    EXPECT_EQ(int(t.app.state.results.CabinetCount), 3);
    EXPECT_EQ(int(t.Qty("SXA 112 4404/1")), 3);
    // Totals beyond the limit leave the cabinets as they were.
    t.app.state.config.AnalogExt8Boards = 30;
    RecalculateAll(t.app);
    EXPECT_EQ(int(t.app.state.results.CabinetCount), 3);
}

TEST(Power, TransformerWhileItCarriesTheLoad) {
    TestApp t;
    SetFieldText(t.app, FieldId::BasicText, "100");
    EXPECT_EQ(int(t.app.state.results.PowerConsumption), 130);
    EXPECT_EQ(t.app.main.status.powerLine, "P = 130 / 180 Вт (Тр)");
    EXPECT_EQ(int(t.Qty("RES 147 051/1")), 1);
    EXPECT_EQ(int(t.app.state.results.PowerUnitCount), 0);
}

TEST(Power, SwitchedModeIsForcedByLoadOrBaseStations) {
    TestApp t;
    SetFieldText(t.app, FieldId::Dss1Text, "141");
    EXPECT_TRUE(t.app.state.results.PowerTypeForced);
    EXPECT_EQ(t.app.main.status.powerLine, "P = 181 / 240 Вт (Имп)");
    EXPECT_EQ(t.platform.powerMessages, 0);
    EXPECT_EQ(int(t.Qty("RES 147 051/1")), 0);
    EXPECT_EQ(int(t.Qty("BML 351 048")), 1);

    TestApp stations;
    stations.app.state.config.BaseStationCount = 13;
    stations.app.state.config.IccuBoards = 1;
    stations.app.state.config.IcluBoards = 2;
    RecalculateAll(stations.app);
    EXPECT_TRUE(stations.app.state.results.PowerTypeForced);
    EXPECT_EQ(int(stations.app.state.results.PowerConsumption), 40 + 78);
    EXPECT_EQ(int(stations.Qty("TSRBS 101 12/1500")), 1);
    stations.app.state.config.BaseStationCount = 12;
    RecalculateAll(stations.app);
    EXPECT_FALSE(stations.app.state.results.PowerTypeForced);
}

TEST(Power, UnitsAddCabinetsAndBatteries) {
    TestApp t;
    SelectOption(t.app, OptionGroupId::PowerStandard, 1);
    SelectOption(t.app, OptionGroupId::PowerAcc, 1);
    SetFieldText(t.app, FieldId::Dss1Text, "210");  // P = 250
    EXPECT_EQ(int(t.app.state.results.PowerUnitCount), 2);
    EXPECT_EQ(int(t.app.state.results.CabinetCount), 2);
    EXPECT_EQ(int(t.Qty("BDV 113 08")), 2);
    EXPECT_EQ(int(t.Qty("NTM 144 60")), 1);
    EXPECT_EQ(int(t.Qty("BKB 201 002")), 2);
    EXPECT_EQ(int(t.Qty("BKC 851 003")), 8);
    EXPECT_FALSE(t.app.state.results.PowerTypeForced);
}

TEST(Power, AboveSevenHundredTwentyWattsOrdersThreeUnitsAndWarnsOnce) {
    TestApp t;
    SetFieldText(t.app, FieldId::BasicText, "300");
    SetFieldText(t.app, FieldId::ExecutiveText, "300");  // P = 910
    EXPECT_EQ(t.platform.powerMessages, 1);
    EXPECT_TRUE(t.app.main.status.overloadVisible);
    EXPECT_EQ(int(t.app.state.results.PowerUnitCount), 3);
    EXPECT_EQ(int(t.Qty("BML 351 048")), 3);
    EXPECT_EQ(int(t.app.state.results.CabinetCount), 3);

    // The same result whatever the previous calculation left behind.
    TestApp direct;
    SetFieldText(direct.app, FieldId::ExecutiveText, "300");
    SetFieldText(direct.app, FieldId::BasicText, "300");
    EXPECT_EQ(int(direct.Qty("BML 351 048")), 3);

    SetFieldText(t.app, FieldId::OperatorText, "5");
    EXPECT_EQ(t.platform.powerMessages, 1);
    SetFieldText(t.app, FieldId::ExecutiveText, "0");
    EXPECT_FALSE(t.app.main.status.overloadVisible);
    SetFieldText(t.app, FieldId::ExecutiveText, "300");
    EXPECT_EQ(t.platform.powerMessages, 2);

    NewCalculation(t.app);
    EXPECT_FALSE(t.app.main.status.overloadVisible);
    EXPECT_FALSE(t.app.state.config.PowerWarningShown);
}

TEST(Power, ExternalFeedOrdersFeedCablesOnly) {
    TestApp t;
    SelectOption(t.app, OptionGroupId::PowerStandard, 1);
    EXPECT_EQ(int(t.app.state.results.PowerUnitCount), 1);
    SelectOption(t.app, OptionGroupId::PowerStandard, 2);
    EXPECT_EQ(int(t.app.state.results.PowerUnitCount), 0);
    EXPECT_EQ(t.app.main.status.powerLine, "P = 40 Вт");
    EXPECT_EQ(int(t.Qty("TRE 990 113/850")), 1);
    EXPECT_EQ(int(t.Qty("RPM 945 323")), 0);
    EXPECT_EQ(int(t.Qty("RES 147 051/1")), 0);
}

TEST(Power, TelephoneBoxesThatAreNotNumbersCountAsZero) {
    TestApp t;
    t.app.main.field(FieldId::BasicText).text = "abc";
    t.app.main.field(FieldId::EconomyText).text = "";
    EXPECT_NO_THROW(RecalculateAll(t.app));
    EXPECT_EQ(int(t.app.state.results.PowerConsumption), 40);
    t.app.main.field(FieldId::StandardText).text = "2,5";  // 3.75 rounds to 4
    RecalculateAll(t.app);
    EXPECT_EQ(int(t.app.state.results.PowerConsumption), 44);
}

TEST(IpUnitAndNetworking, RequiredLevelWinsOverALowerChoice) {
    TestApp t;
    EXPECT_EQ(t.Text(FieldId::FecuText), "Нет");
    for (int level = 1; level <= 10; ++level) EXPECT_EQ(int(t.Qty(FecuPackageCode(level))), 0);

    t.app.state.config.BaseStationCount = 1;
    RecalculateAll(t.app);
    EXPECT_EQ(int(t.Qty("KDUBS 130 12/1")), 1);
    EXPECT_EQ(t.Text(FieldId::FecuText), "V5 Basic Full networking for max 2 int");

    t.app.state.config.Ipu8Present = 1;
    t.app.state.config.FecuChosenLevel = 2;
    RecalculateAll(t.app);
    EXPECT_EQ(int(t.Qty("KDUBS 130 12/4")), 1);
    EXPECT_EQ(int(t.Qty("KDUBS 130 12/2")), 0);
    EXPECT_EQ(int(t.Qty("KDUBS 130 12/1")), 0);
    EXPECT_EQ(t.Text(FieldId::IPUText), "8");
    EXPECT_EQ(t.app.main.field(FieldId::IPUText).background, Background::Window);
    EXPECT_EQ(int(t.Qty("LZYBS 203 13/8")), 1);
    EXPECT_EQ(int(t.Qty("ROF 157 5133/1")), 1);

    t.app.state.config.FecuChosenLevel = 7;
    RecalculateAll(t.app);
    EXPECT_EQ(int(t.Qty("KDUBS 130 12/7")), 1);
    EXPECT_EQ(int(t.Qty("KDUBS 130 12/4")), 0);
    EXPECT_EQ(t.Text(FieldId::FecuText), "Standard Networking for max 32 int + CTI");

    t.app.state.config.Ipu8Present = 0;
    t.app.state.config.FecuChosenLevel = 0;
    t.app.state.config.BaseStationCount = 0;
    t.app.state.config.E1CasLinks = 2;  // channel-associated signalling needs no package
    RecalculateAll(t.app);
    EXPECT_EQ(int(t.app.state.results.FecuRequiredLevel), 0);
    EXPECT_EQ(t.Text(FieldId::IPUText), "0");
    EXPECT_EQ(int(t.Qty("ROF 157 5133/1")), 0);
}

TEST(CostLine, TotalsAndCapacitySummary) {
    TestApp t;
    for (auto& item : t.app.catalogue) item.ItemPrice = Money();
    auto& item = t.app.catalogue[size_t(FindItem(t.app.catalogue, "NTM 144 60"))];
    item.ItemPrice = Money::FromUnits(100);
    item.ItemAddQty = 1;
    t.app.state.config.DigitalExt16Boards = 2;
    t.app.state.config.AnalogTrunkBoards = 1;
    t.app.state.config.E1Boards = 1;
    t.app.state.config.AnalogExt8Boards = 9;  // two cabinets: NTM 144 60 = 1 calculated
    RecalculateAll(t.app);
    EXPECT_EQ(t.app.main.status.costLine, "Стоимость: 100 / 100 USD");
    EXPECT_EQ(t.app.main.status.lineSummary, "P/T/E=142/38/104");
}

TEST(LineCounts, WriteTheirFieldsWithTheMultiFunctionBoard) {
    TestApp t;
    EXPECT_EQ(t.Text(FieldId::BRITrunkText), "0 (0 BRI)");
    t.app.state.config.Bri16Boards = 1;
    EXPECT_EQ(int(UpdateBriChannels(t.app)), 16);
    EXPECT_EQ(t.Text(FieldId::BRITrunkText), "16 (8 BRI)");
    EXPECT_EQ(t.app.main.field(FieldId::BRITrunkText).background, Background::Window);
    t.app.state.config.Bri16Boards = 0;
    SetMFUCheck(t.app, true);
    EXPECT_EQ(t.Text(FieldId::AnalogExtText), "4");
    EXPECT_EQ(t.Text(FieldId::DigitalExtText), "8");
    EXPECT_EQ(t.Text(FieldId::BRITrunkText), "8 (4 BRI)");
}

TEST(NewCalculation, LeavesExactlyTheSevenStartItems) {
    TestApp t;
    SelectCombo1(t.app, 3);
    SetMFUCheck(t.app, true);
    SelectMFUFlash(t.app, 4);
    t.app.state.config.DigitalExt32Boards = 3;
    t.app.state.config.BaseStationCount = 20;
    t.app.state.config.IccuBoards = 1;
    t.app.state.config.IcluBoards = 2;
    t.app.state.config.HandsetCount = 30;
    t.app.state.config.FecuModule = 3;
    t.app.state.config.Ipu4Present = 1;
    SelectOption(t.app, OptionGroupId::PowerStandard, 1);
    SelectOption(t.app, OptionGroupId::PowerAcc, 1);
    SelectOption(t.app, OptionGroupId::MDFBox, 2);
    SetFieldText(t.app, FieldId::Dss2Text, "7");
    t.app.catalogue[5].ItemAddQty = 4;
    RecalculateAll(t.app);

    NewCalculation(t.app);
    std::vector<std::string> listed;
    for (const auto& item : t.app.catalogue) {
        EXPECT_EQ(int(item.ItemAddQty), 0);
        if (item.ItemCalcQty != 0) {
            EXPECT_EQ(int(item.ItemCalcQty), 1) << item.ItemCode;
            listed.push_back(item.ItemCode);
        }
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"BDV 113 08", "LZY 203 2232/1", "RES 147 051/1",
                                                "ROF 157 5124/1", "RPM 945 323", "SXA 112 4404/1",
                                                "SXK 106 4147/2"}));
    // Goes with the handsets: kept, the next base stations would bring it
    // back chosen but not ordered.
    EXPECT_EQ(int(t.app.state.config.FecuModule), 0);
    EXPECT_TRUE(t.app.main.OnlyStationMDFCheck.checked);
    EXPECT_TRUE(t.app.main.MDFBox.IsSelected(1));
    EXPECT_TRUE(t.app.main.Arrestor.IsSelected(2));
    EXPECT_FALSE(t.app.main.PowerAccFrameEnabled);
    EXPECT_EQ(t.Text(FieldId::FecuText), "Нет");
    EXPECT_EQ(t.Text(FieldId::Dss2Text), "0");

    // The window and the configuration as at start-up; the auto-count scheme
    // stays the user's, the reports page shows the new calculation.
    TestApp fresh;
    MainWindowModel expected = fresh.app.main;
    expected.Combo1 = t.app.main.Combo1;
    expected.ReportTxtLabel = t.app.main.ReportTxtLabel;
    expected.cabinet = t.app.main.cabinet;
    EXPECT_TRUE(t.app.main == expected);
    EXPECT_TRUE(t.app.state == fresh.app.state);
}

}  // namespace
}  // namespace veltra
