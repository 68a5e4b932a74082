#include "input_calc.h"

#include <optional>

#include "catalogue/number_text.h"
#include "handling/main_window_inputs.h"

namespace veltra {

namespace {

constexpr int kLabelTop = 90;
constexpr int kDisplayTop = 375;
constexpr int kKeysTop = 915;

// The display followed by one more digit as a 16-bit count; nothing when that
// is no number or lies beyond the 16-bit range.
std::optional<Count> Trial(const std::string& text, char decimalSeparator) {
    const auto value = ParseNumber(text, decimalSeparator);
    if (!value) return std::nullopt;
    const double rounded = RoundHalfEven(*value);
    if (!(rounded >= -32768 && rounded <= 32767)) return std::nullopt;
    return Count((long long)rounded);
}

// On close the box shows whether it holds a count.
void PaintOnClose(InputCalc& calc, InputCalcBox& box) {
    calc.closed = true;
    const double value = ParseNumber(box.Text(), calc.decimalSeparator).value_or(0);
    box.Paint(value == 0 ? Background::ButtonFace : Background::Window);
}

}  // namespace

std::string MainFieldBox::Name() const {
    return InfoOf(id_).name;
}

std::string MainFieldBox::Text() const {
    return app_.main.field(id_).text;
}

void MainFieldBox::Write(const std::string& text) {
    SetFieldText(app_, id_, text);
}

void MainFieldBox::Paint(Background background) {
    PaintField(app_, id_, background);
}

std::unique_ptr<InputCalcBox> MainFieldBoxFor(App& app) {
    const FieldInfo* field = FindField(app.state.window.InputCalcTarget);
    if (!field) return nullptr;
    return std::make_unique<MainFieldBox>(app, field->id);
}

std::string MaxLabel(Count max) {
    return std::string("Макс.") + (max >= 0 ? " " : "") + std::to_string(int(max));
}

InputCalc LoadInputCalc(const App& app) {
    InputCalc calc;
    calc.title = "Калькулятор";
    calc.max = app.state.window.InputCalcMax;
    calc.decimalSeparator = app.decimalSeparator;
    calc.Label1 = {
        "Label1",
        MaxLabel(calc.max),
        {kKeypadMarginTwips, kLabelTop, kKeypadWidthTwips - 2 * kKeypadMarginTwips, 255}};
    calc.Text1Box = {kKeypadMarginTwips, kDisplayTop, kKeypadWidthTwips - 2 * kKeypadMarginTwips,
                     kKeypadKeyHeightTwips};
    LayOutKeys(calc.Command1, calc.Command3, calc.Command2, "Command1", "Command3", "Command2",
               kKeysTop, app.state.window.DialogHighlightColour);
    calc.heightTwips = KeypadHeightTwips(kKeysTop);
    RecalcButton(calc);
    return calc;
}

void RecalcButton(InputCalc& calc) {
    calc.KeypadDisabledCount = 0;
    for (int k = 0; k <= 9; ++k) {
        const auto trial = Trial(calc.Text1 + char('0' + k), calc.decimalSeparator);
        if (trial) calc.KeypadTrialValue = *trial;
        const bool fits = trial && *trial <= calc.max;
        calc.Command1[size_t(k)].enabled = fits;
        if (!fits) calc.KeypadDisabledCount += 1;
    }
}

void Command1_Click(InputCalc& calc, int k) {
    calc.Text1 += char('0' + k);
    RecalcButton(calc);
}

void Text1_Change(InputCalc& calc, const std::string& text) {
    calc.Text1 = text;
    RecalcButton(calc);
}

void Command3_Click(InputCalc& calc) {
    calc.Text1.clear();
    RecalcButton(calc);
}

void Command2_Click(InputCalc& calc, InputCalcBox& box) {
    // Closed first, so that an overflow in the box's handling still closes it.
    calc.closed = true;
    if (!calc.Text1.empty()) box.Write(calc.Text1);
    PaintOnClose(calc, box);
}

void Form_Unload(InputCalc& calc, InputCalcBox& box) {
    PaintOnClose(calc, box);
}

}  // namespace veltra
