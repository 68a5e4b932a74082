#pragma once
// What the main window shows: the count fields, option groups, check boxes,
// drop-downs and status-bar panels. The Qt view renders this record and
// forwards events to the handlers in main_window_inputs.h.

#include <array>
#include <string>
#include <vector>

#include "cabinet_picture.h"
#include "calculation/results.h"
#include "controls.h"

namespace veltra {

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
// The telephone a telephone field counts: the fields stand in the sets' order.
inline Telephone TelephoneOf(FieldId id) {
    return Telephone(int(id) - int(FieldId::BasicText));
}

struct StatusBarModel {
    // The panels that change; the others are spacers.
    std::string costLine;          // panel 1
    bool overloadVisible = false;  // panel 3, the overload indicator
    std::string powerLine;         // panel 4
    std::string lineSummary;       // panel 6
    friend bool operator==(const StatusBarModel&, const StatusBarModel&) = default;
};

struct MainWindowModel {
    MainWindowModel();

    std::array<TextBox, kFieldCount> fields;
    TextBox& field(FieldId id) { return fields[size_t(id)]; }
    const TextBox& field(FieldId id) const { return fields[size_t(id)]; }

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
    friend bool operator==(const MainWindowModel&, const MainWindowModel&) = default;
};

inline constexpr const char* kMainWindowTitle = " Dorvesk Veltra Calculator";

}  // namespace veltra
