#include "field_buttons.h"

#include "catalogue/number_text.h"
#include "placement.h"

namespace veltra {

const std::vector<FieldButton>& FieldButtons() {
    static const std::vector<FieldButton> buttons = {
        {"ARFlatBttn2", ButtonKind::Dialog, "AnalogExtText", "AnExt", false},
        {"ARFlatBttn4", ButtonKind::Dialog, "DigitalExtText", "DigExt", false},
        {"ARFlatBttn5", ButtonKind::InputCalc, "BasicText", nullptr, false},
        {"ARFlatBttn6", ButtonKind::InputCalc, "EconomyText", nullptr, false},
        {"ARFlatBttn7", ButtonKind::InputCalc, "StandardText", nullptr, false},
        {"ARFlatBttn8", ButtonKind::InputCalc, "ExecutiveText", nullptr, false},
        {"ARFlatBttn9", ButtonKind::InputCalc, "OperatorText", nullptr, false},
        {"ARFlatBttn10", ButtonKind::InputCalc, "Dss1Text", nullptr, false},
        {"ARFlatBttn11", ButtonKind::InputCalc, "Dss2Text", nullptr, false},
        {"Command13", ButtonKind::Dialog, "AnTrunkText", "AnTr", false},
        {"Command14", ButtonKind::Dialog, "E1TrunkText", "E1Trunk", false},
        {"Command15", ButtonKind::Dialog, "BRITrunkText", "BriTrunk", false},
        {"Command1", ButtonKind::Dialog, "FecuText", "FecuForm", true},
        {"Command3", ButtonKind::Dialog, "IPUText", "IPUForm", false},
        {"Command16", ButtonKind::Dialog, "BSText", "BaseStation", false},
        {"Command17", ButtonKind::Dialog, "MobileText", "Mobile", false},
        {"ARFlatBttn1", ButtonKind::Help, nullptr, nullptr, false},
        {"ARFlatBttn3", ButtonKind::Help, nullptr, nullptr, false},
        {"Command20", ButtonKind::Help, nullptr, nullptr, false},
    };
    return buttons;
}

const FieldButton* FindButton(std::string_view name) {
    for (const FieldButton& button : FieldButtons()) {
        if (name == button.name) return &button;
    }
    return nullptr;
}

std::optional<TwipsPoint> DialogButton_Click(App& app, const MainFormModel& form,
                                             const FieldButton& button, TwipsPoint window,
                                             float dialogHeight) {
    if (std::string_view(button.name) == "Command17") {
        const double stations =
            ParseNumber(app.main.field(FieldId::BSText).text, app.decimalSeparator).value_or(0);
        if (stations <= 0) {
            app.platform.ShowMessage(kNoBaseStationsMessage, kAppTitle, MessageIcon::None);
            return std::nullopt;
        }
    }
    // Every page frame stands where the first one does.
    const TwipsRect& page = form.FrameTabs[0].rect;
    const TwipsRect& field = PlaceOf(button.field).rect;
    if (button.above)
        return DialogAboveField(window, app.state.window.TitleBarHeight, page, field, dialogHeight);
    return DialogBelowField(window, app.state.window.TitleBarHeight, page, field);
}

TwipsPoint InputCalcButton_Click(App& app, const FieldButton& button, TwipsPoint window) {
    app.state.window.InputCalcMax = 300;
    app.state.window.InputCalcTarget = button.field;
    return InputCalcPosition(PlaceOf(button.field).rect, ContainersOf(button.field), window, 0,
                             app.state.window.TitleBarHeight);
}

}  // namespace veltra
