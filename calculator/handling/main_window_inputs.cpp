#include "main_window_inputs.h"

#include <cmath>

#include "catalogue/capacity.h"
#include "catalogue/number_text.h"
#include "line_count_fields.h"
#include "recalculate.h"

namespace veltra {

namespace {

void TelephoneChanged(App& app, FieldId id) {
    const Count count = CountFromText(app.main.field(id).text, app.decimalSeparator);
    app.SetItemQty(InfoOf(id).phoneCode, count);
    try {
        RecalculateAll(app);
    } catch (const OverflowError&) {
        // A count far beyond the range can overflow the power estimate; the
        // range check must still put "0" back, or every later calculation
        // would overflow too. Its message then explains the refusal.
        const std::string refused = app.main.field(id).text;
        CheckCountField(app, id);
        if (app.main.field(id).text == refused) throw;
        return;
    }
    CheckCountField(app, id);
}

void FieldChanged(App& app, FieldId id) {
    switch (id) {
        case FieldId::AnalogExtText:
        case FieldId::BSText:
            RecalculateAll(app);
            break;
        case FieldId::DigitalExtText:
            Combo1_Click(app);
            RecalculateAll(app);
            break;
        default:
            if (IsTelephoneField(id)) TelephoneChanged(app, id);
            break;
    }
}

double FieldValue(const App& app, FieldId id) {
    return ParseNumber(app.main.field(id).text, app.decimalSeparator).value_or(0.0);
}

std::string WholeText(double value) {
    return std::to_string(WholeNumber(value));
}

void MFUCheckClicked(App& app) {
    MainWindowModel& w = app.main;
    // The board's 8 trunk lines count against the trunk limit as well.
    if (w.MFUCheck.checked && (CountBoards(app) > app.state.limits.MaxBoards ||
                               CountAllLines(app) > app.state.limits.MaxLines ||
                               CountTrunkLines(app) > app.state.limits.MaxTrunkLines)) {
        SetMFUCheck(app, false);
        app.platform.ShowMessage("Предельная конфигурация", kAppTitle, MessageIcon::None);
        return;
    }
    const ShownLineCounts before = LineCountsShown(w);
    const Count m = Count(w.MFUCheck.checked);
    app.SetItemQty("ROF 157 5132/1", m);
    app.SetItemQty("LZY 203 2215/1", m);
    w.MFU_Flash.visible = m == 1;
    // Its calculation shows the board's lines; their fields' handling follows.
    SelectMFUFlash(app, 0);
    LineCountsChanged(app, before);
    RecalculateAll(app);
}

void MDFBoxSelected(App& app, int index) {
    MainWindowModel& w = app.main;
    const bool frame = index != 2;
    if (!frame) SelectOption(app, OptionGroupId::Arrestor, 2);
    w.Arrestor.at(1).enabled = frame;
    w.Arrestor.at(2).enabled = frame;
    w.ArrestorsFrameEnabled = frame;
    w.OnlyStationMDFCheck.enabled = frame;
    RecalculateAll(app);
}

void PowerStandardSelected(App& app, int index) {
    MainWindowModel& w = app.main;
    const bool switched = index == 1;
    w.PowerAccFrameEnabled = switched;
    w.PowerAcc.at(0).enabled = switched;
    w.PowerAcc.at(1).enabled = switched;
    RecalculateAll(app);
}

}  // namespace

void SetFieldText(App& app, FieldId id, const std::string& text) {
    TextBox& field = app.main.field(id);
    if (field.text == text) return;
    field.text = text;
    FieldChanged(app, id);
}

void ShowText(MainWindowModel& w, FieldId id, const std::string& text, Background background) {
    TextBox& field = w.field(id);
    field.text = text;
    field.background = background;
}

void ShowCountText(MainWindowModel& w, FieldId id, const std::string& text, int value) {
    ShowText(w, id, text, value < 1 ? Background::ButtonFace : Background::Window);
}

ShownLineCounts LineCountsShown(const MainWindowModel& w) {
    return {w.field(FieldId::DigitalExtText).text, w.field(FieldId::AnalogExtText).text};
}

void LineCountsChanged(App& app, const ShownLineCounts& before) {
    if (app.main.field(FieldId::DigitalExtText).text != before.digital)
        FieldChanged(app, FieldId::DigitalExtText);
    if (app.main.field(FieldId::AnalogExtText).text != before.analog)
        FieldChanged(app, FieldId::AnalogExtText);
}

void PaintField(App& app, FieldId id, Background background) {
    app.main.field(id).background = background;
}

void ShowCount(App& app, FieldId id, const std::string& text, int value) {
    SetFieldText(app, id, text);
    PaintField(app, id, value < 1 ? Background::ButtonFace : Background::Window);
}

Count CheckCountField(App& app, FieldId id) {
    const auto value = ParseNumber(app.main.field(id).text, app.decimalSeparator);
    if (!value) {
        SetFieldText(app, id, "0");
        return 0;
    }
    if (*value == 0) {
        PaintField(app, id, Background::ButtonFace);
        return 0;
    }
    PaintField(app, id, Background::Window);
    if (*value < 0 || *value > 300) {
        app.platform.ShowMessage("Значение велико или мало для данного поля",
                                 "Диапазон значений 0...300", MessageIcon::Critical);
        SetFieldText(app, id, "0");
        return 0;
    }
    return Count((long long)RoundHalfEven(*value));
}

namespace {

constexpr double kBasicShare[] = {0, 0.6, 0.45, 0.35};
constexpr double kStandardShare[] = {0, 0.35, 0.35, 0.4};

long long Dss1For(int scheme, double executive) {
    if (scheme == 2) return WholeNumber(executive);
    return WholeNumber(std::floor(executive * (scheme == 1 ? 0.8 : 1.3)));
}

}  // namespace

AutoCount AutoCountScheme(int scheme, double d) {
    AutoCount a;
    a.basic = WholeNumber(std::floor(d * kBasicShare[scheme]));
    a.standard = WholeNumber(std::floor(d * kStandardShare[scheme]));
    a.executive = WholeNumber(d - double(a.basic) - double(a.standard));
    a.dss1 = Dss1For(scheme, double(a.executive));
    return a;
}

void Combo1_Click(App& app) {
    const int scheme = app.main.Combo1.index;
    if (scheme < 1 || scheme > 3) {
        for (FieldId id : {FieldId::BasicText, FieldId::StandardText, FieldId::ExecutiveText,
                           FieldId::Dss1Text}) {
            SetFieldText(app, id, "0");
        }
        return;
    }
    // Each write runs that field's handling; later columns read back what the
    // earlier fields show after it, so a refused value counts as 0.
    const double d = FieldValue(app, FieldId::DigitalExtText);
    SetFieldText(app, FieldId::BasicText, WholeText(std::floor(d * kBasicShare[scheme])));
    SetFieldText(app, FieldId::StandardText, WholeText(std::floor(d * kStandardShare[scheme])));
    const double executive =
        d - FieldValue(app, FieldId::BasicText) - FieldValue(app, FieldId::StandardText);
    SetFieldText(app, FieldId::ExecutiveText, WholeText(executive));
    if (scheme == 2) {
        SetFieldText(app, FieldId::Dss1Text, app.main.field(FieldId::ExecutiveText).text);
    } else {
        SetFieldText(app, FieldId::Dss1Text,
                     std::to_string(Dss1For(scheme, FieldValue(app, FieldId::ExecutiveText))));
    }
}

void SelectCombo1(App& app, int index) {
    app.main.Combo1.index = index;
    Combo1_Click(app);
}

void SetMFUCheck(App& app, bool checked) {
    if (app.main.MFUCheck.checked == checked) return;
    app.main.MFUCheck.checked = checked;
    MFUCheckClicked(app);
}

void SetOnlyStationMDFCheck(App& app, bool checked) {
    if (app.main.OnlyStationMDFCheck.checked == checked) return;
    app.main.OnlyStationMDFCheck.checked = checked;
    RecalculateAll(app);
}

void SelectMFUFlash(App& app, int index) {
    ComboBox& flash = app.main.MFU_Flash;
    flash.index = index;
    for (int k = 1; k <= 4; ++k) {
        app.SetItemQty("KDUBS 130 08/" + std::to_string(k), k == index ? 1 : 0);
    }
    flash.background = index >= 1 ? Background::Window : Background::ButtonFace;
    RecalculateAll(app);
}

OptionGroup& OptionGroupOf(App& app, OptionGroupId id) {
    MainWindowModel& w = app.main;
    switch (id) {
        case OptionGroupId::PowerStandard:
            return w.PowerStandard;
        case OptionGroupId::PowerAcc:
            return w.PowerAcc;
        case OptionGroupId::MDFBox:
            return w.MDFBox;
        case OptionGroupId::MDFOpenCable:
            return w.MDFOpenCable;
        case OptionGroupId::Arrestor:
            return w.Arrestor;
    }
    return w.PowerStandard;
}

void SelectOption(App& app, OptionGroupId id, int index) {
    OptionGroup& group = OptionGroupOf(app, id);
    for (int i = group.firstIndex; i <= group.lastIndex(); ++i) group.at(i).selected = i == index;
    switch (id) {
        case OptionGroupId::MDFBox:
            MDFBoxSelected(app, index);
            break;
        case OptionGroupId::PowerStandard:
            PowerStandardSelected(app, index);
            break;
        default:
            RecalculateAll(app);
            break;
    }
}

}  // namespace veltra
