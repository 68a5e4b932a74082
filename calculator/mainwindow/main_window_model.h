#pragma once
// What the main window shows: the count fields, option groups, check boxes,
// drop-downs and status-bar panels. The Qt view renders this record and
// forwards events to the handlers in main_window_inputs.h.

#include <array>
#include <string>
#include <vector>

#include "catalogue/platform.h"
#include "report/cabinet_picture.h"

namespace veltra {

enum class Background { ButtonFace, Window };

enum class FieldId {
    AnalogExtText,
    DigitalExtText,
    BasicText,
    EconomyText,
    StandardText,
    ExecutiveText,
    OperatorText,
    Dss1Text,
    Dss2Text,
    AnTrunkText,
    E1TrunkText,
    BRITrunkText,
    FecuText,
    IPUText,
    BSText,
    MobileText,
};
inline constexpr int kFieldCount = 16;

struct FieldInfo {
    FieldId id;
    const char* name;       // control name
    const char* page;       // tab caption
    const char* label;      // caption beside the field
    const char* phoneCode;  // telephone fields: the item the count prices; else nullptr
};

// In the order of the window's field table.
extern const std::array<FieldInfo, kFieldCount> kFields;

const FieldInfo& InfoOf(FieldId id);
// nullptr when no field has that name.
const FieldInfo* FindField(std::string_view name);
bool IsTelephoneField(FieldId id);

struct TextField {
    std::string text = "0";
    Background background = Background::ButtonFace;
};

struct OptionButton {
    std::string caption;
    bool selected = false;
    bool enabled = true;
};

// An option group addressed by element index; `Arrestor` starts at index 1.
struct OptionGroup {
    std::string name;
    int firstIndex = 0;
    std::vector<OptionButton> buttons;

    bool Has(int index) const {
        return index >= firstIndex && index < firstIndex + int(buttons.size());
    }
    OptionButton& at(int index) { return buttons.at(index - firstIndex); }
    const OptionButton& at(int index) const { return buttons.at(index - firstIndex); }
    bool IsSelected(int index) const { return Has(index) && at(index).selected; }
    int Selected() const;  // -1 when none is selected
    int lastIndex() const { return firstIndex + int(buttons.size()) - 1; }
};

struct CheckBox {
    std::string caption;
    bool checked = false;
    bool enabled = true;
};

struct ComboBox {
    std::vector<std::string> entries;
    int index = 0;
    bool visible = true;
    Background background = Background::ButtonFace;
};

struct StatusBarModel {
    std::string panel1;          // cost line
    bool panel3Visible = false;  // overload indicator
    std::string panel4;          // power line
    std::string panel6;          // line summary
};

struct MainWindowModel {
    MainWindowModel();

    std::array<TextField, kFieldCount> fields;
    TextField& field(FieldId id) { return fields[size_t(id)]; }
    const TextField& field(FieldId id) const { return fields[size_t(id)]; }

    CheckBox MFUCheck;
    ComboBox MFU_Flash;
    ComboBox Combo1;
    OptionGroup PowerStandard;
    OptionGroup PowerAcc;
    bool PowerAccFrameEnabled = false;
    CheckBox OnlyStationMDFCheck;
    OptionGroup Arrestor;
    bool ArrestorsFrameEnabled = true;
    OptionGroup MDFBox;
    OptionGroup MDFOpenCable;

    StatusBarModel status;

    // Reports page: the configuration text (lines joined by carriage returns)
    // and the cabinet picture.
    std::string ReportTxtLabel;
    CabinetPicture cabinet;
};

inline constexpr const char* kMainWindowTitle = " Dorvesk Veltra Calculator";

}  // namespace veltra
