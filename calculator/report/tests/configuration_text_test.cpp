#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "handling/main_window_inputs.h"
#include "mainwindow/main_form_pages.h"
#include "mainwindow/new_calculation.h"
#include "report/configuration_text.h"
#include "report/quotation.h"
#include "report/quotation_export.h"
#include "tests/test_app.h"
#include "tools/rich_configuration.h"

namespace veltra {
namespace {

// Every line of a carriage-return separated text, the empty ones included.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\r', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the last line ends with a carriage return";
    return lines;
}

struct AgreementCase {
    std::function<void(ConfigurationInputs&)> set;
    std::string line;
};

TEST(ConfigurationText, CountedLinesAgreeWithTheLastDigitOnly) {
    const AgreementCase cases[] = {
        {[](auto& in) { in.analogExtLines = 21; }, "• 21 аналоговых абонентских линия"},
        {[](auto& in) { in.analogExtLines = 11; }, "• 11 аналоговых абонентских линия"},
        {[](auto& in) { in.digitalExtLines = 24; }, "• 24 цифровых абонентских линии"},
        {[](auto& in) { in.analogTrunkLines = 8; },
         "• 8 аналоговых 2-х проводных соединительных линий"},
        {[](auto& in) { in.handsets = 1; }, "• 1 мобильный аппарат ZA-288"},
        {[](auto& in) { in.handsets = 22; }, "• 22 мобильных аппарата ZA-288"},
        {[](auto& in) { in.handsets = 10; }, "• 10 мобильных аппаратов ZA-288"},
        {[](auto& in) { in.handsets = 11; }, "• 11 мобильный аппарат ZA-288"},
        {[](auto& in) { in.e1PriLinks = 2; },
         "• 60 цифровых соединительных линий (2 x E1 PRI ISDN)"},
        {[](auto& in) { in.e1CasLinks = 1; }, "• 30 цифровых соединительных линий (1 x E1 CAS R2)"},
        {[](auto& in) { in.briChannels = 6; }, "• 6 цифровых соединительных линий (3 x BRI ISDN)"},
        {[](auto& in) { in.briChannels = 5; },
         "• 5 цифровых соединительных линий (2,5 x BRI ISDN)"},
        {[](auto& in) {
             in.briChannels = 5;
             in.decimalSeparator = '.';
         },
         "• 5 цифровых соединительных линий (2.5 x BRI ISDN)"},
        {[](auto& in) { in.ipu8 = in.ipu4 = 1; }, "• 12 линии IP-телефонии (VoIP)"},
        {[](auto& in) { in.ipu8 = 2; }, "• 16 линий IP-телефонии (VoIP)"},
        {[](auto& in) { in.baseStations = 3; }, "• 3 базовых станции DECT"},
        {[](auto& in) { in.baseStations = 1; }, "• 1 базовых станция DECT"},
    };
    for (const AgreementCase& c : cases) {
        ConfigurationInputs in;
        c.set(in);
        const auto screen = Lines(ConfigurationScreenText(in));
        ASSERT_GE(screen.size(), 3u);
        EXPECT_EQ(screen[2], c.line);
        EXPECT_EQ(ConfigurationSheetLines(in).front(), c.line);
    }
    EXPECT_EQ(CountEnding(5, 3), "");
    EXPECT_EQ(AdjectiveEnding("ой", 1), "");
    EXPECT_EQ(CountedLine(0, "лин", "", 1), "");
    EXPECT_EQ(CountedLine(-4, "лин", "", 1), "");
}

TEST(ConfigurationText, EmptyConfiguration) {
    testing::TestApp t;
    SelectOption(t.app, OptionGroupId::MDFBox, 2);
    ShowConfiguration(t.app);
    EXPECT_EQ(t.app.main.ReportTxtLabel,
              "Конфигурация:\r\r\r"
              "• интегрированный модем для удаленного программирования и диагностики\r"
              "• кроссовые кабели - комплект\r");

    SelectOption(t.app, OptionGroupId::MDFBox, 0);
    SetOnlyStationMDFCheck(t.app, false);
    ShowConfiguration(t.app);
    ShowConfiguration(t.app);  // rewritten, never appended
    EXPECT_EQ(Lines(t.app.main.ReportTxtLabel),
              (std::vector<std::string>{
                  "Конфигурация:", "", "",
                  "• интегрированный модем для удаленного программирования и диагностики",
                  "• кроссовые кабели - комплект",
                  "• кроссовое оборудование станционная и линейная стороны - комплект"}));
}

TEST(ConfigurationText, RichConfigurationOnScreenAndOnTheSheet) {
    testing::TestApp t;
    BuildRichConfiguration(t.app);
    MainFormModel form;
    TabStrip3_Click(t.app, form, 2);
    const std::vector<std::string> options = {
        "• аккумуляторное резервирование ~4 часа",
        "• интегрированный модем для удаленного программирования и диагностики",
        "• кроссовые кабели - комплект",
        "• кроссовое оборудование станционная сторона - комплект",
    };
    std::vector<std::string> counted = {
        "• 164 аналоговых абонентских линии",
        "• 56 цифровых абонентских линий",
        "• 16 аналоговых 2-х проводных соединительных линий",
        "• 30 цифровых соединительных линий (1 x E1 PRI ISDN)",
        "• 32 цифровых соединительных линии (16 x BRI ISDN)",
        "• 8 линий IP-телефонии (VoIP)",
        "• 4 базовых станции DECT",
        "• 12 мобильных аппарата ZA-288",
    };
    const std::string voice = "• поддержка речевых функций (16 Mb Flash - 1 ч 08 мин)";

    std::vector<std::string> screen = {"Конфигурация:", ""};
    screen.insert(screen.end(), counted.begin(), counted.end());
    screen.push_back(voice);
    screen.push_back("");
    screen.insert(screen.end(), options.begin(), options.end());
    EXPECT_EQ(Lines(t.app.main.ReportTxtLabel), screen);

    std::vector<std::string> sheet = counted;
    sheet.push_back(voice);
    sheet.insert(sheet.end(), options.begin(), options.end());
    sheet.push_back("• программное обеспечение для программирования и администрирования системы");
    sheet.push_back("• описание системы 1600 стр. (компакт-диск)");
    EXPECT_EQ(ConfigurationSheetLines(ReadConfiguration(t.app)), sheet);

    NewCalculation(t.app);
    EXPECT_EQ(Lines(t.app.main.ReportTxtLabel).size(), 6u);
}

// The text and the quotation read the boards, never the fields: with fields
// left behind by a state written without the calculation (as a dialog writes
// it before it recalculates), rendering and exporting change nothing.
TEST(ConfigurationText, RenderingAndExportWriteNothing) {
    testing::TestApp t;
    BuildRichConfiguration(t.app);
    t.app.state.config.AnalogExt16Boards = t.app.state.config.AnalogExt16Boards + 1;
    t.app.state.config.Bri8Boards = t.app.state.config.Bri8Boards + 1;
    const auto fields = t.app.main.fields;
    const ConfigState state = t.app.state;
    std::vector<Count> quantities;
    for (const CatalogueItem& item : t.app.catalogue) quantities.push_back(item.ItemCalcQty);

    ShowConfiguration(t.app);
    BuildQuotation(t.app);
    const auto path = std::filesystem::temp_directory_path() / "veltra-reading-writes-nothing.xlsx";
    ASSERT_TRUE(ExportQuotationTo(t.app, path, Publish::Replace));
    std::filesystem::remove(path);

    EXPECT_NE(t.app.main.ReportTxtLabel.find("• 180 аналоговых"), std::string::npos);
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(t.app.main.fields[i].text, fields[i].text) << fields[i].name;
        EXPECT_EQ(t.app.main.fields[i].background, fields[i].background) << fields[i].name;
    }
    EXPECT_TRUE(t.app.state == state);
    for (size_t i = 0; i < quantities.size(); ++i)
        EXPECT_EQ(t.app.catalogue[i].ItemCalcQty, quantities[i]) << t.app.catalogue[i].ItemCode;
    EXPECT_TRUE(t.platform.messages.empty());
}

}  // namespace
}  // namespace veltra
