#include <gtest/gtest.h>

#include <tuple>

#include "handling/line_count_fields.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "test_app.h"

namespace veltra {
namespace {

using testing::TestApp;

TEST(TelephoneFields, AcceptZeroToThreeHundred) {
    TestApp t;
    SetFieldText(t.app, FieldId::BasicText, "300");
    EXPECT_EQ(t.Text(FieldId::BasicText), "300");
    EXPECT_EQ(t.app.main.field(FieldId::BasicText).background, Background::Window);
    EXPECT_EQ(int(t.Qty("DBC 210 01/01021")), 300);
    EXPECT_TRUE(t.platform.messages.empty());

    SetFieldText(t.app, FieldId::BasicText, "301");
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text, "Значение велико или мало для данного поля");
    EXPECT_EQ(t.platform.messages[0].title, "Диапазон значений 0...300");
    EXPECT_EQ(t.platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(t.Text(FieldId::BasicText), "0");
    EXPECT_EQ(t.app.main.field(FieldId::BasicText).background, Background::ButtonFace);
    EXPECT_EQ(int(t.Qty("DBC 210 01/01021")), 0);

    SetFieldText(t.app, FieldId::Dss2Text, "-1");
    EXPECT_EQ(t.platform.messages.size(), 2u);
    EXPECT_EQ(int(t.Qty("DBY 409 02/01003")), 0);
}

TEST(TelephoneFields, NonNumericTextBecomesZeroSilently) {
    TestApp t;
    SetFieldText(t.app, FieldId::OperatorText, "12");
    SetFieldText(t.app, FieldId::OperatorText, "двенадцать");
    EXPECT_EQ(t.Text(FieldId::OperatorText), "0");
    EXPECT_EQ(int(t.Qty("DBC 214 01/01021")), 0);
    SetFieldText(t.app, FieldId::OperatorText, "05");
    EXPECT_EQ(int(t.Qty("DBC 214 01/01021")), 5);
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST(TelephoneFields, AHugeCountIsRefusedEvenWhenItOverflowsThePowerEstimate) {
    TestApp t;
    RunEvent(t.app, [&] { SetFieldText(t.app, FieldId::ExecutiveText, "30000"); });
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].title, "Диапазон значений 0...300");
    EXPECT_EQ(t.Text(FieldId::ExecutiveText), "0");
    EXPECT_EQ(int(t.Qty("DBC 213 01/01021")), 0);
    EXPECT_EQ(int(t.app.state.results.PowerConsumption), 40);
    // The next calculation works again.
    RunEvent(t.app, [&] { SetFieldText(t.app, FieldId::BasicText, "10"); });
    EXPECT_EQ(int(t.app.state.results.PowerConsumption), 49);
    EXPECT_EQ(t.platform.messages.size(), 1u);
}

void ExpectScheme(int scheme, double d, AutoCount expected) {
    const AutoCount a = AutoCountScheme(scheme, d);
    EXPECT_EQ(std::tie(a.basic, a.standard, a.executive, a.dss1),
              std::tie(expected.basic, expected.standard, expected.executive, expected.dss1))
        << "scheme " << scheme << " at " << d;
}

TEST(AutoCount, SchemesAtSeventeenAndThreeHundredThirtyThree) {
    ExpectScheme(1, 17, {10, 5, 2, 1});
    ExpectScheme(2, 17, {7, 5, 5, 5});
    ExpectScheme(3, 17, {5, 6, 6, 7});
    ExpectScheme(1, 333, {199, 116, 18, 14});
    // Within the line limit no scheme asks for more than 300 of anything.
    for (int scheme = 1; scheme <= 3; ++scheme) {
        for (int d = 0; d <= 340; ++d) {
            const AutoCount a = AutoCountScheme(scheme, d);
            for (long long v : {a.basic, a.standard, a.executive, a.dss1}) {
                EXPECT_LE(v, 300);
                EXPECT_GE(v, 0);
            }
        }
    }
}

TEST(AutoCount, RunsOnEveryChangeOfTheDigitalExtensions) {
    TestApp t;
    SelectCombo1(t.app, 1);
    t.app.state.config.DigitalExt16Boards = 1;
    t.app.state.config.DigitalExt8Boards = 1;
    UpdateDigitalExtLines(t.app);  // writes DigitalExtText = 24
    EXPECT_EQ(t.Text(FieldId::DigitalExtText), "24");
    const AutoCount a = AutoCountScheme(1, 24);
    EXPECT_EQ(t.Text(FieldId::BasicText), std::to_string(a.basic));
    EXPECT_EQ(t.Text(FieldId::StandardText), std::to_string(a.standard));
    EXPECT_EQ(t.Text(FieldId::ExecutiveText), std::to_string(a.executive));
    EXPECT_EQ(t.Text(FieldId::Dss1Text), std::to_string(a.dss1));
    EXPECT_EQ(int(t.Qty("DBC 210 01/01021")), a.basic);
    // Economy, operator and the second console are never written.
    SetFieldText(t.app, FieldId::EconomyText, "3");
    SelectCombo1(t.app, 0);
    EXPECT_EQ(t.Text(FieldId::BasicText), "0");
    EXPECT_EQ(t.Text(FieldId::Dss1Text), "0");
    EXPECT_EQ(t.Text(FieldId::EconomyText), "3");
}

TEST(MultiFunctionBoard, IsRefusedOnAFullExchangeWithOneMessage) {
    TestApp t;
    t.app.state.config.AnalogExt8Boards = 26;
    RecalculateAll(t.app);
    SetMFUCheck(t.app, true);
    EXPECT_FALSE(t.app.main.MFUCheck.checked);
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text, "Предельная конфигурация");
    EXPECT_EQ(int(t.Qty("ROF 157 5132/1")), 0);
    EXPECT_EQ(int(t.Qty("LZY 203 2215/1")), 0);
    EXPECT_FALSE(t.app.main.MFU_Flash.visible);

    TestApp lines;
    lines.app.state.config.DigitalExt32Boards = 10;
    lines.app.state.config.AnalogExt8Boards = 1;  // 328 lines; the board's 20 exceed 340
    RecalculateAll(lines.app);
    SetMFUCheck(lines.app, true);
    EXPECT_FALSE(lines.app.main.MFUCheck.checked);
    EXPECT_EQ(lines.platform.messages.size(), 1u);

    TestApp trunks;
    trunks.app.state.config.E1Boards = 4;  // 120 trunk lines; the board's 8 would make 128
    RecalculateAll(trunks.app);
    SetMFUCheck(trunks.app, true);
    EXPECT_FALSE(trunks.app.main.MFUCheck.checked);
    EXPECT_EQ(trunks.platform.messages.size(), 1u);
}

TEST(MultiFunctionBoard, FlashListPricesOneVoiceModule) {
    TestApp t;
    SetMFUCheck(t.app, true);
    EXPECT_TRUE(t.app.main.MFU_Flash.visible);
    SelectMFUFlash(t.app, 3);
    EXPECT_EQ(int(t.Qty("KDUBS 130 08/3")), 1);
    EXPECT_EQ(int(t.Qty("KDUBS 130 08/1")), 0);
    EXPECT_EQ(t.app.main.MFU_Flash.background, Background::Window);
    SetMFUCheck(t.app, false);
    EXPECT_FALSE(t.app.main.MFU_Flash.visible);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(int(t.Qty("KDUBS 130 08/" + std::to_string(k))), 0);
    EXPECT_EQ(t.app.main.MFU_Flash.index, 0);
}

TEST(Options, FrameAndPowerChoicesEnableTheirDependents) {
    TestApp t;
    SelectOption(t.app, OptionGroupId::Arrestor, 1);
    SelectOption(t.app, OptionGroupId::MDFBox, 2);
    EXPECT_TRUE(t.app.main.Arrestor.IsSelected(2));
    EXPECT_FALSE(t.app.main.ArrestorsFrameEnabled);
    EXPECT_FALSE(t.app.main.OnlyStationMDFCheck.enabled);
    EXPECT_FALSE(t.app.main.Arrestor.at(1).enabled);
    SelectOption(t.app, OptionGroupId::MDFBox, 0);
    EXPECT_TRUE(t.app.main.ArrestorsFrameEnabled);
    EXPECT_TRUE(t.app.main.Arrestor.IsSelected(2));
    EXPECT_TRUE(t.app.main.OnlyStationMDFCheck.checked);

    SelectOption(t.app, OptionGroupId::PowerStandard, 1);
    EXPECT_TRUE(t.app.main.PowerAccFrameEnabled);
    SelectOption(t.app, OptionGroupId::PowerAcc, 1);
    SelectOption(t.app, OptionGroupId::PowerStandard, 0);
    EXPECT_FALSE(t.app.main.PowerAccFrameEnabled);
    EXPECT_FALSE(t.app.main.PowerAcc.at(1).enabled);
    EXPECT_TRUE(t.app.main.PowerAcc.IsSelected(1));
}

TEST(Events, AnOverflowIsReportedAndTheProgramGoesOn) {
    TestApp t;
    t.app.state.config.AnalogExt16Boards = 3000;  // 48000 lines do not fit 16 bits
    RunEvent(t.app, [&] { RecalculateAll(t.app); });
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text, "Переполнение");
    t.app.state.config.AnalogExt16Boards = 1;
    RunEvent(t.app, [&] { RecalculateAll(t.app); });
    EXPECT_EQ(t.Text(FieldId::AnalogExtText), "16");
    EXPECT_EQ(t.platform.messages.size(), 1u);
}

}  // namespace
}  // namespace veltra
