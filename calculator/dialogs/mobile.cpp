#include "mobile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "catalogue/capacity.h"
#include "catalogue/number_text.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"

namespace veltra {

namespace {

constexpr int kMargin = 120;

void LayOut(MobileDialog& d) {
    d.title = "Мобильные аппараты DECT";
    d.widthTwips = 4440;
    const int inner = d.widthTwips - 2 * kMargin;
    d.captions.push_back({"", "ZA-288", {kMargin, 180, 900, 285}});
    d.dt288 = {"dt288", "", Background::ButtonFace, {1080, 150, 900, 315}};
    d.Command16 = {"Command16", "", false, true, true, 0, {2040, 150, 345, 315}};
    d.frame = {"Frame1", "Модуль FECU (абонентов)", true, {kMargin, 660, inner, 1530}};
    for (int k = 0; k < kFecuModules; ++k) {
        const int column = k / 4, row = k % 4;
        d.FecuMobile[size_t(k)] = {"FecuMobile(" + std::to_string(k) + ")",
                                   kFecuModuleOptions[size_t(k)].caption,
                                   false,
                                   true,
                                   {120 + column * 2280, 300 + row * 285, 2040, 255}};
    }
    d.MaErl = {"MaErl", "Нагрузка на абонента:", {kMargin, 2340, inner, 255}};
    d.heightTwips = LayOutButtonRow(d.widthTwips - kMargin, 2760, 1200,
                                    {{&d.Command1, "Command1", "Ok"},
                                     {&d.Command3, "Command3", "Закрыть"},
                                     {&d.Command2, "Command2", "Справка"}}) +
                    kMargin;
}

void Select(MobileDialog& dialog, int k) {
    for (int i = 0; i < kFecuModules; ++i) dialog.FecuMobile[size_t(i)].selected = i == k;
}

int SelectedModule(const MobileDialog& dialog) {
    for (int i = 0; i < kFecuModules; ++i)
        if (dialog.FecuMobile[size_t(i)].selected) return i;
    return 0;
}

// Clicking another control moves the focus out of the box, which validates
// it first; a refused entry keeps the focus and the click does not happen.
bool LeaveBox(App& app, MobileDialog& dialog) {
    return !dialog.dt288Focused || dt288_Validate(app, dialog);
}

// A handset count as typed: digits only once blanks at both ends are gone, so
// the box, the count and the module can only ever read one number. Fractions,
// exponents and signs are no count. Saturates far above any bound.
std::optional<int> WholeCount(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 100000);
    }
    return value;
}

}  // namespace

std::string TrafficFigure(double load, char separator) {
    const double scaled = RoundHalfEven(load * Money::kScale);
    // Beyond the money range (no exchange has such a load) the plain number.
    if (!(std::fabs(scaled) < 9e18)) return NumberToText(load, separator).substr(0, 4);
    return Money::FromRaw(int64_t(scaled)).RegionalText(separator).substr(0, 4);
}

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool point = false, digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    return std::strtod(number.c_str(), nullptr);
}

MobileDialog OpenMobile(const App& app) {
    MobileDialog d;
    LayOut(d);
    const Colour face = app.platform.GetSystemColour(SystemColour::ButtonFace);
    for (FlatButton* b : {&d.Command1, &d.Command2, &d.Command3, &d.Command16})
        b->background = face;
    dt288_Type(app, d, std::to_string(int(app.state.config.HandsetCount)));
    Select(d, std::clamp<int>(app.state.config.FecuModule, 0, kFecuModules - 1));
    ErlCalc(app, d);
    return d;
}

void dt288_Type(const App& app, MobileDialog& dialog, const std::string& text) {
    dialog.dt288Focused = true;
    if (dialog.dt288.text == text) return;
    dialog.dt288.text = text;
    dt288_Change(app, dialog);
}

void dt288_Change(const App&, MobileDialog& dialog) {
    const double h = LeadingNumber(dialog.dt288.text);
    dialog.dt288.background = h > 0 ? Background::Window : Background::ButtonFace;
    // Fractions between two ranges, negatives and more than 210 leave the
    // choice as it is.
    for (int k = 0; k < kFecuModules; ++k) {
        const FecuModuleOption& option = kFecuModuleOptions[size_t(k)];
        if (h >= option.firstHandset && h <= option.lastHandset) {
            Select(dialog, k);
            return;
        }
    }
}

Count HandsetMaximum(const App& app) {
    const ConfigState& s = app.state;
    return std::min<int>(s.limits.MaxLines - CountAllLines(app) + s.config.HandsetCount,
                         kMaxHandsets);
}

bool dt288_Validate(App& app, MobileDialog& dialog) {
    const auto count = WholeCount(dialog.dt288.text);
    // The lines still free bound a typed count as they bound the calculator's.
    if (count && *count <= HandsetMaximum(app)) {
        dialog.lastAccepted = Count(*count);
        dialog.dt288Focused = false;
        return true;
    }
    app.platform.ShowMessage(kHandsetRangeMessage, "Ошибка", MessageIcon::Critical);
    dt288_Type(app, dialog, std::to_string(int(dialog.lastAccepted)));
    return false;
}

void FecuMobile_Click(App& app, MobileDialog& dialog, int k) {
    if (k < 0 || k >= kFecuModules || !LeaveBox(app, dialog)) return;
    Select(dialog, k);
}

void Command16_Click(App& app, MobileDialog& dialog) {
    if (!LeaveBox(app, dialog)) return;
    app.state.window.InputCalcMax = HandsetMaximum(app);
    app.state.window.InputCalcTarget = dialog.dt288.name;
    dialog.inputCalc = InputCalcRequest{20};
}

void InputCalcClosed(const App& app, MobileDialog& dialog) {
    dialog.inputCalc.reset();
    ErlCalc(app, dialog);
}

void ErlCalc(const App& app, MobileDialog& dialog) {
    const double h = LeadingNumber(dialog.dt288.text);
    if (h <= 0) {
        dialog.MaErl.caption = "";
        return;
    }
    const int channels = 8 * (app.state.config.IccuBoards + app.state.config.IcluBoards);
    dialog.MaErl.caption =
        "Нагрузка на абонента: " + TrafficFigure(channels / h, app.decimalSeparator) + " Эрл";
}

void Command1_Click(App& app, MobileDialog& dialog) {
    if (!LeaveBox(app, dialog)) return;
    ConfigState& s = app.state;
    // The box was just validated: its count is the last accepted value.
    const Count handsets = dialog.lastAccepted;
    SetFieldText(app, FieldId::MobileText, std::to_string(int(handsets)));
    PaintField(app, FieldId::MobileText,
               handsets <= 0 ? Background::ButtonFace : Background::Window);
    s.config.FecuModule = SelectedModule(dialog);
    s.config.HandsetCount = handsets;
    app.SetItemQty("NTM/DPANB 301 04/1", s.config.HandsetCount);
    for (int k = 1; k < kFecuModules; ++k) app.SetItemQty(kFecuModuleOptions[size_t(k)].item, 0);
    if (s.config.FecuModule >= 1)
        app.SetItemQty(kFecuModuleOptions[size_t(int(s.config.FecuModule))].item, 1);
    RecalculateAll(app);
    dialog.closed = true;
}

void Command3_Click(MobileDialog& dialog) {
    dialog.closed = true;
}

void Command2_Click(App& app, const MobileDialog&) {
    ShowHelp(app, "v4_overview.chm::/applications\\applications_8.htm");
}

}  // namespace veltra
