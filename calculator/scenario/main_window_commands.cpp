// Scenario commands for the main window's inputs and what it shows.
#include <filesystem>
#include <ostream>

#include "handling/main_window_inputs.h"
#include "mainwindow/file_menu.h"
#include "report/configuration_text.h"
#include "report/quotation_export.h"
#include "report/show_cabinet.h"
#include "scenario_runner.h"

namespace veltra {

namespace {

struct GroupName {
    const char* name;
    OptionGroupId id;
};
constexpr GroupName kGroups[] = {
    {"PowerStandard", OptionGroupId::PowerStandard},
    {"PowerAcc", OptionGroupId::PowerAcc},
    {"MDFBox", OptionGroupId::MDFBox},
    {"MDFOpenCable", OptionGroupId::MDFOpenCable},
    {"Arrestor", OptionGroupId::Arrestor},
};

const GroupName* FindGroup(const std::string& name) {
    for (const GroupName& g : kGroups) {
        if (name == g.name) return &g;
    }
    return nullptr;
}

bool IsCheckBoxName(const std::string& name) {
    return name == "MFUCheck" || name == "OnlyStationMDFCheck";
}

CheckBox* FindCheckBox(App& app, const std::string& name) {
    if (name == "MFUCheck") return &app.main.MFUCheck;
    if (name == "OnlyStationMDFCheck") return &app.main.OnlyStationMDFCheck;
    return nullptr;
}

void ClickCheckBox(App& app, const std::string& name) {
    if (name == "MFUCheck") {
        SetMFUCheck(app, !app.main.MFUCheck.checked);
    } else {
        SetOnlyStationMDFCheck(app, !app.main.OnlyStationMDFCheck.checked);
    }
}

bool ParseIndex(const std::string& text, int& index) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    index = std::stoi(text);
    return true;
}

void Set(ScenarioRunner& r, const std::string& arguments) {
    const size_t blank = arguments.find(' ');
    const std::string name = arguments.substr(0, blank);
    const std::string text = blank == std::string::npos ? "" : arguments.substr(blank + 1);
    const FieldInfo* field = FindField(name);
    if (name.empty()) return r.Error("wrong arguments: set FIELD TEXT");
    if (!field) return r.Error("unknown name " + name);
    r.Event([&] { SetFieldText(r.app(), field->id, text); });
}

void Check(ScenarioRunner& r, const std::string& arguments) {
    const auto words = SplitWords(arguments);
    if (words.size() != 2 || (words[1] != "0" && words[1] != "1"))
        return r.Error("wrong arguments: check NAME 0|1");
    CheckBox* box = FindCheckBox(r.app(), words[0]);
    if (!box) return r.Error("unknown name " + words[0]);
    if (!box->enabled) return r.Error("disabled " + words[0]);
    if (box->checked == (words[1] == "1")) return;
    r.Event([&] { ClickCheckBox(r.app(), words[0]); });
}

void Click(ScenarioRunner& r, const std::string& arguments) {
    const auto words = SplitWords(arguments);
    if (words.size() != 1) return r.Error("wrong arguments: click NAME");
    CheckBox* box = FindCheckBox(r.app(), words[0]);
    if (!box) return r.Error("unknown name " + words[0]);
    if (!box->enabled) return r.Error("disabled " + words[0]);
    r.Event([&] { ClickCheckBox(r.app(), words[0]); });
}

void Select(ScenarioRunner& r, const std::string& arguments) {
    const auto words = SplitWords(arguments);
    int index = 0;
    if (words.size() != 2 || !ParseIndex(words[1], index))
        return r.Error("wrong arguments: select NAME INDEX");
    const std::string& name = words[0];
    App& app = r.app();
    if (const GroupName* group = FindGroup(name)) {
        OptionGroup& options = OptionGroupOf(app, group->id);
        if (!options.Has(index)) return r.Error("no element " + name + "(" + words[1] + ")");
        if (!options.at(index).enabled) return r.Error("disabled " + name + "(" + words[1] + ")");
        if (group->id == OptionGroupId::PowerAcc && !app.main.PowerAccFrameEnabled)
            return r.Error("disabled " + name + "(" + words[1] + ")");
        if (group->id == OptionGroupId::Arrestor && !app.main.ArrestorsFrameEnabled)
            return r.Error("disabled " + name + "(" + words[1] + ")");
        return r.Event([&] { SelectOption(app, group->id, index); });
    }
    if (name == "Combo1" || name == "MFU_Flash") {
        ComboBox& combo = name == "Combo1" ? app.main.Combo1 : app.main.MFU_Flash;
        if (index >= int(combo.entries.size()))
            return r.Error("no element " + name + "(" + words[1] + ")");
        if (!combo.visible) return r.Error("hidden " + name);
        if (name == "Combo1") return r.Event([&] { SelectCombo1(app, index); });
        return r.Event([&] { SelectMFUFlash(app, index); });
    }
    r.Error("unknown name " + name);
}

const char* OnOff(bool on) {
    return on ? "on" : "off";
}
const char* Enabled(bool on) {
    return on ? "enabled" : "disabled";
}

void PrintStatus(ScenarioRunner& r) {
    const StatusBarModel& s = r.app().main.status;
    r.out() << "panel1 " << s.costLine << '\n'
            << "panel3 " << (s.overloadVisible ? "shown" : "hidden") << '\n'
            << "panel4 " << s.powerLine << '\n'
            << "panel6 " << s.lineSummary << '\n';
}

void PrintFields(ScenarioRunner& r) {
    for (const FieldInfo& info : kFields) {
        const TextBox& f = r.app().main.field(info.id);
        r.out() << "field " << info.name << " | " << f.text << " | "
                << (f.background == Background::Window ? "window" : "face") << '\n';
    }
}

void PrintQty(ScenarioRunner& r) {
    for (const CatalogueItem& item : r.app().catalogue) {
        if (item.ItemCalcQty == 0 && item.ItemAddQty == 0) continue;
        r.out() << "qty " << item.ItemCode << " | " << int(item.ItemCalcQty) << " | "
                << int(item.ItemAddQty) << '\n';
    }
}

void PrintState(ScenarioRunner& r) {
    const ConfigState& s = r.app().state;
    const std::pair<const char*, int> values[] = {
        {"AnalogExt8Boards", s.config.AnalogExt8Boards},
        {"AnalogExt16Boards", s.config.AnalogExt16Boards},
        {"DigitalExt8Boards", s.config.DigitalExt8Boards},
        {"DigitalExt16Boards", s.config.DigitalExt16Boards},
        {"DigitalExt32Boards", s.config.DigitalExt32Boards},
        {"IccuBoards", s.config.IccuBoards},
        {"IcluBoards", s.config.IcluBoards},
        {"BaseStationCount", s.config.BaseStationCount},
        {"HandsetCount", s.config.HandsetCount},
        {"AnalogTrunkBoards", s.config.AnalogTrunkBoards},
        {"E1Boards", s.config.E1Boards},
        {"E1PriLinks", s.config.E1PriLinks},
        {"E1CasLinks", s.config.E1CasLinks},
        {"Bri8Boards", s.config.Bri8Boards},
        {"Bri16Boards", s.config.Bri16Boards},
        {"Ipu4Present", s.config.Ipu4Present},
        {"Ipu8Present", s.config.Ipu8Present},
        {"FecuRequiredLevel", s.results.FecuRequiredLevel},
        {"FecuChosenLevel", s.config.FecuChosenLevel},
        {"FecuModule", s.config.FecuModule},
        {"CabinetCount", s.results.CabinetCount},
        {"PowerConsumption", s.results.PowerConsumption},
        {"PowerUnitCount", s.results.PowerUnitCount},
        {"PowerTypeForced", s.results.PowerTypeForced},
        {"PowerWarningShown", s.config.PowerWarningShown},
    };
    for (const auto& [name, value] : values) r.out() << "state " << name << ' ' << value << '\n';
}

void PrintControls(ScenarioRunner& r) {
    const MainWindowModel& w = r.app().main;
    for (const GroupName& g : kGroups) {
        const OptionGroup& group = OptionGroupOf(r.app(), g.id);
        for (int i = group.firstIndex; i <= group.lastIndex(); ++i) {
            r.out() << "control " << g.name << '(' << i << ") | " << OnOff(group.at(i).selected)
                    << " | " << Enabled(group.at(i).enabled) << '\n';
        }
    }
    r.out() << "control MFUCheck | " << OnOff(w.MFUCheck.checked) << " | "
            << Enabled(w.MFUCheck.enabled) << '\n'
            << "control OnlyStationMDFCheck | " << OnOff(w.OnlyStationMDFCheck.checked) << " | "
            << Enabled(w.OnlyStationMDFCheck.enabled) << '\n'
            << "control PowerAccFrame | - | " << Enabled(w.PowerAccFrameEnabled) << '\n'
            << "control ArrestorsFrame | - | " << Enabled(w.ArrestorsFrameEnabled) << '\n'
            << "control Combo1 | " << w.Combo1.index << " | "
            << (w.Combo1.visible ? "shown" : "hidden") << '\n'
            << "control MFU_Flash | " << w.MFU_Flash.index << " | "
            << (w.MFU_Flash.visible ? "shown" : "hidden") << '\n';
}

void PrintConfig(ScenarioRunner& r) {
    r.Event([&] { ShowConfiguration(r.app()); });
    const std::string& text = r.app().main.ReportTxtLabel;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\r', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        r.out() << "config" << (line.empty() ? "" : " ") << line << '\n';
        start = end + 1;
    }
}

void PrintCabinet(ScenarioRunner& r) {
    r.Event([&] { ShowCabinet(r.app()); });
    for (const std::string& line : PrintCabinet(r.app().main.cabinet)) r.out() << line << '\n';
}

void Export(ScenarioRunner& r, const std::string& arguments) {
    if (arguments.empty()) return r.Error("wrong arguments: export PATH");
    r.Event([&] { ExportQuotationTo(r.app(), std::filesystem::path(arguments)); });
}

void Print(ScenarioRunner& r, const std::string& arguments) {
    if (arguments == "status") return PrintStatus(r);
    if (arguments == "fields") return PrintFields(r);
    if (arguments == "qty") return PrintQty(r);
    if (arguments == "state") return PrintState(r);
    if (arguments == "controls") return PrintControls(r);
    if (arguments == "config") return PrintConfig(r);
    if (arguments == "cabinet") return PrintCabinet(r);
    if (arguments.empty()) return r.Error("wrong arguments: print WHAT");
    r.Error("unknown name " + arguments);
}

}  // namespace

void RegisterMainWindowCommands(ScenarioRunner& runner) {
    runner.RegisterCommand("set", Set);
    runner.RegisterCommand("check", Check);
    runner.RegisterCommand("click", Click);
    runner.RegisterCommand("select", Select);
    runner.RegisterCommand("newcalc", [](ScenarioRunner& r, const std::string& arguments) {
        if (!arguments.empty()) return r.Error("wrong arguments: newcalc");
        r.Event([&] { NewCalcMenu_Click(r.app(), r.app().form); });
    });
    runner.RegisterCommand("print", Print);
    runner.RegisterCommand("export", Export);

    // What only the main window takes: refused while a modal window is open.
    // The other print lines only read, and set stands for the program
    // writing a field, so both stay allowed.
    for (const char* command : {"check", "select", "newcalc", "export"})
        runner.MainWindowLine(command);
    runner.MainWindowLine("click", [](const std::string& arguments) {
        const auto words = SplitWords(arguments);
        return words.size() == 1 && IsCheckBoxName(words[0]);
    });
    runner.MainWindowLine("print", [](const std::string& arguments) {
        return arguments == "config" || arguments == "cabinet";  // they select a page
    });
}

}  // namespace veltra
