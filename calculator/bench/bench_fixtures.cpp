#include "bench_fixtures.h"

#include <fstream>
#include <string>

#include "app/startup.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"

namespace veltra::bench {

StartedApp::StartedApp() {
    StartUp(app, VELTRA_PRICE_LIST);
}

void MakeFullConfiguration(App& app, int addedItems) {
    SetMFUCheck(app, true);
    SelectCombo1(app, 2);
    ConfigState& s = app.state;
    // 1 fixed + MFU + 25 = 27 boards; 328 of 340 lines, 100 of 120 trunk lines.
    s.config.DigitalExt8Boards = 10;
    s.config.AnalogExt8Boards = 6;
    s.config.DigitalExt32Boards = 1;
    s.config.AnalogExt16Boards = 1;
    s.config.E1Boards = 2;
    s.config.E1PriLinks = 1;
    s.config.E1CasLinks = 1;
    s.config.AnalogTrunkBoards = 1;
    s.config.IccuBoards = 1;
    s.config.IcluBoards = 1;
    s.config.Bri8Boards = 1;
    s.config.Ipu4Present = 1;
    s.config.BaseStationCount = 12;
    s.config.HandsetCount = 40;
    s.config.FecuModule = 3;
    s.config.FecuChosenLevel = 5;
    SetFieldText(app, FieldId::BasicText, "60");
    SetFieldText(app, FieldId::StandardText, "40");
    SetFieldText(app, FieldId::OperatorText, "2");
    SelectOption(app, OptionGroupId::PowerStandard, 1);
    SelectOption(app, OptionGroupId::PowerAcc, 1);
    SelectOption(app, OptionGroupId::MDFBox, 1);
    SelectOption(app, OptionGroupId::Arrestor, 1);
    SetOnlyStationMDFCheck(app, true);
    int added = 0;
    for (CatalogueItem& item : app.catalogue) {
        if (added == addedItems) break;
        if (item.ItemLevel != 0 || item.ItemPrice <= Money()) continue;
        item.ItemAddQty = Count(1 + added % 7);
        ++added;
    }
    RecalculateAll(app);
}

std::string SessionScript() {
    const char* fields[] = {"BasicText",    "EconomyText", "StandardText", "ExecutiveText",
                            "OperatorText", "Dss1Text",    "Dss2Text"};
    std::string s;
    for (int i = 0; i < 100; ++i)
        s += std::string("set ") + fields[i % 7] + ' ' + std::to_string((i * 37) % 31) + '\n';
    s += "select Combo1 2\n"
         "open DigExt\nhover Command1(2)\nhover Command1(3)\nclick Command1(3)\n"
         "open AnExt\nhover Command1(1)\nclick Command1(1)\n"
         "open AnTr\nclick Command1(1)\n"
         "open E1Trunk\nprint dialog\nclose\n"
         "open BaseStation\nslider 12\nclick Command2\n"
         "open Mobile\ntype 20\nleave\nclick Command1\n"
         "open FecuForm\nclick Option1(3)\nclick Command1\n"
         "open IPUForm\nclick IPUInterface(1)\nclick Command1\n"
         "open AddQty a17\nkey 1\nkey 2\nclick Command1\n"
         "open AddListQty a17\nclick Command3(3)\nclick Command1\n"
         "open InputCalc BasicText\nclick Command1(1)\nclick Command2\n"
         "print fields\nprint status\nprint config\nprint cabinet\nprint list\n"
         "newcalc\nprint status\n";
    return s;
}

const std::filesystem::path& LargestPriceListFile() {
    static const std::filesystem::path path = [] {
        const auto file = std::filesystem::temp_directory_path() / "veltra-bench-32767.txt";
        // Cyrillic words written directly in Windows-1251.
        const std::string group = "\xC3\xF0\xF3\xEF\xEF\xE0";     // Группа
        const std::string item = "\xC8\xE7\xE4\xE5\xEB\xE8\xE5";  // Изделие
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < kMaxCatalogueEntries; ++i) {
            const std::string n = std::to_string(i);
            if (i % 1000 == 0) {
                out << '*' << group << ' ' << n << ",,\r\n";
            } else if (i % 100 == 0) {
                out << "**" << group << ' ' << n << ",,\r\n";
            } else if (i % 10 == 0) {
                out << "***" << group << ' ' << n << ",,\r\n";
            } else {
                out << item << ' ' << n << ",CODE " << n << ",\"" << (i % 997) << ',' << (i % 100)
                    << "\"\r\n";
            }
        }
        return file;
    }();
    return path;
}

}  // namespace veltra::bench
