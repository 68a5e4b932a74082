#include <gtest/gtest.h>

#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "mainwindow/main_form_pages.h"
#include "mainwindow/new_calculation.h"
#include "report/show_cabinet.h"
#include "state/cabinet_picture.h"
#include "tests/test_app.h"
#include "tools/rich_configuration.h"

namespace veltra {
namespace {

// "COLOUR@HEIGHT" for every shape, as print cabinet shows them.
std::vector<std::string> Shapes(const CabinetPicture& picture) {
    std::vector<std::string> shapes;
    for (const SlotShape& s : picture.Shape1)
        shapes.push_back(SlotToken(s) + "@" + HeightText(s.height));
    return shapes;
}

std::vector<std::string> Power(const CabinetPicture& picture) {
    const auto lines = PrintCabinet(picture);
    return {lines.end() - 3, lines.end()};
}

TEST(CabinetPicture, BoardsTakeTheirSlotsInOrderWithTheirHeights) {
    testing::TestApp t;
    ConfigState& s = t.app.state;
    s.config.AnalogExt16Boards = 2;
    s.config.AnalogExt8Boards = 1;
    ShowCabinet(t.app);
    std::vector<std::string> expected(27, "-@1455");
    expected[0] = "404040@1455";
    expected[1] = expected[2] = "00C000@1455";
    expected[3] = "00C000@727.5";
    EXPECT_EQ(Shapes(t.app.main.cabinet), expected);

    // One board of every run, in the table's order.
    SetMFUCheck(t.app, true);
    s.config.DigitalExt32Boards = s.config.DigitalExt16Boards = s.config.DigitalExt8Boards = 1;
    s.config.AnalogTrunkBoards = s.config.Bri16Boards = s.config.Bri8Boards = s.config.E1Boards = 1;
    s.config.Ipu8Present = s.config.Ipu4Present = s.config.IccuBoards = s.config.IcluBoards = 1;
    MainFormModel form;
    TabStrip3_Click(t.app, form, 1);
    const std::vector<std::string> runs = {
        "404040@1455", "00C000@1455",  "00C000@1455",   "00C000@727.5",
        "C0C000@1455", "C0C000@727.5", "C0C000@363.75", "0000FF@1455",
        "FF8080@1455", "C04000@1455",  "C04000@727.5",  "8080FF@1455",
        "DDDDFF@1455", "DDDDFF@727.5", "FF80FF@1455",   "C000C0@1455"};
    const auto shapes = Shapes(t.app.main.cabinet);
    EXPECT_EQ(std::vector<std::string>(shapes.begin(), shapes.begin() + 16), runs);
    EXPECT_EQ(shapes[16], "-@1455");
}

TEST(CabinetPicture, PaintAndClear) {
    CabinetPicture picture;
    EXPECT_EQ(PaintSlots(picture.Shape1, 0x123456, 3, 0, 1), 3);
    EXPECT_EQ(PaintSlots(picture.Shape1, 0x123456, 3, -2, 1), 3);
    EXPECT_EQ(Shapes(picture), std::vector<std::string>(27, "-@1455"));
    EXPECT_EQ(PaintSlots(picture.Shape1, 0x0000FF, 0, 27, 4), 27);
    EXPECT_EQ(PaintSlots(picture.Shape1, 0x0000FF, 26, 3, 1),
              29);  // beyond the last shape: not drawn
    ClearShapes(picture.Shape1, 1);
    const auto shapes = Shapes(picture);
    EXPECT_EQ(shapes[0], "FF0000@363.75");  // shape 0 is left alone
    EXPECT_EQ(std::vector<std::string>(shapes.begin() + 1, shapes.end()),
              std::vector<std::string>(26, "-@1455"));
}

TEST(CabinetPicture, PowerOfEachSupply) {
    testing::TestApp t;
    ConfigState& s = t.app.state;
    SelectOption(t.app, OptionGroupId::PowerStandard, 1);
    SelectOption(t.app, OptionGroupId::PowerAcc, 1);
    s.results.CabinetCount = 2;
    ShowPower(t.app);
    EXPECT_EQ(Power(t.app.main.cabinet),
              (std::vector<std::string>{
                  "power 0 | ~220V | =48V | BML | image visible | nopower hidden | noakk hidden",
                  "power 1 | ~220V | =48V | BML | image visible | nopower hidden | noakk hidden",
                  "power 2 |  |  | RES | image hidden | nopower visible | noakk hidden"}));

    SelectOption(t.app, OptionGroupId::PowerAcc, 0);
    s.results.CabinetCount = 3;
    ShowPower(t.app);
    EXPECT_EQ(Power(t.app.main.cabinet)[2],
              "power 2 | ~220V | =48V | BML | image visible | nopower hidden | noakk visible");

    SelectOption(t.app, OptionGroupId::PowerStandard, 2);
    s.results.CabinetCount = 1;
    ShowPower(t.app);
    EXPECT_EQ(Power(t.app.main.cabinet),
              (std::vector<std::string>{
                  "power 0 |  | =48V | BML | image visible | nopower visible | noakk visible",
                  "power 1 |  |  | BML | image hidden | nopower visible | noakk visible",
                  "power 2 |  |  | BML | image hidden | nopower visible | noakk visible"}));

    SelectOption(t.app, OptionGroupId::PowerStandard, 0);
    s.results.CabinetCount = 2;
    s.results.PowerTypeForced = false;
    ShowPower(t.app);
    EXPECT_EQ(Power(t.app.main.cabinet),
              (std::vector<std::string>{
                  "power 0 | ~220V | ~36V | RES | image visible | nopower hidden | noakk visible",
                  "power 1 | ~220V | ~36V | RES | image visible | nopower hidden | noakk visible",
                  "power 2 |  |  | BML | image hidden | nopower visible | noakk visible"}));

    s.results.PowerTypeForced = true;  // the load needs the switched-mode supply
    ShowPower(t.app);
    EXPECT_EQ(Power(t.app.main.cabinet)[0],
              "power 0 | ~220V | =48V | BML | image visible | nopower hidden | noakk visible");

    // No supply chosen and none forced: nothing changes.
    const auto before = PrintCabinet(t.app.main.cabinet);
    for (auto& option : t.app.main.PowerStandard.buttons) option.selected = false;
    s.results.PowerTypeForced = false;
    s.results.CabinetCount = 1;
    ShowPower(t.app);
    EXPECT_EQ(PrintCabinet(t.app.main.cabinet), before);
}

TEST(CabinetPicture, RichConfigurationAndNewCalculation) {
    testing::TestApp t;
    BuildRichConfiguration(t.app);
    ASSERT_EQ(t.app.state.results.CabinetCount, 3);
    ShowCabinet(t.app);
    const auto shapes = Shapes(t.app.main.cabinet);
    EXPECT_EQ(shapes[26], "-@1455");
    EXPECT_EQ(shapes[21], "-@1455");
    EXPECT_EQ(shapes[20], "FF80FF@1455");  // the last board, IC-CU: four stations need no IC-LU
    for (const std::string& line : Power(t.app.main.cabinet))
        EXPECT_NE(line.find("| ~220V | =48V | BML | image visible | nopower hidden | noakk hidden"),
                  std::string::npos)
            << line;

    NewCalculation(t.app);
    const auto cleared = Shapes(t.app.main.cabinet);
    EXPECT_EQ(cleared[0], "404040@1455");
    EXPECT_EQ(std::vector<std::string>(cleared.begin() + 1, cleared.end()),
              std::vector<std::string>(26, "-@1455"));
    EXPECT_EQ(Power(t.app.main.cabinet)[0],
              "power 0 | ~220V | ~36V | RES | image visible | nopower hidden | noakk visible");
}

}  // namespace
}  // namespace veltra
