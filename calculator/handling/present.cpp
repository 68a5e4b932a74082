// The one step that writes a calculation's results to the windows.
#include "calculation/line_counts.h"
#include "main_window_inputs.h"
#include "recalculate.h"

namespace veltra {

namespace {

void PresentPower(App& app, const CalculationResults& r) {
    StatusBarModel& status = app.main.status;
    const std::string watts = "P = " + std::to_string(int(r.power));
    switch (r.supply) {
        case PowerSupply::Unchosen:
            return;
        case PowerSupply::Transformer:
            status.powerLine = watts + " / " + std::to_string(int(r.supplyCapacity)) + " Вт (Тр)";
            break;
        case PowerSupply::SwitchedMode:
            status.powerLine = watts + " / " + std::to_string(int(r.supplyCapacity)) + " Вт (Имп)";
            break;
        case PowerSupply::External:
            status.powerLine = watts + " Вт";
            break;
    }
    status.overloadVisible = r.overloaded;
    // Once per overload: the warning comes back only after the load has
    // dropped below the supply.
    const bool shown = app.state.config.PowerWarningShown;
    app.state.config.PowerWarningShown = r.overloaded;
    if (r.overloaded && !shown) app.platform.ShowPowerMessage();
}

void PresentUnits(App& app, const CalculationResults& r) {
    MainWindowModel& w = app.main;
    ShowText(w, FieldId::IPUText, std::to_string(int(r.ipuChannels)),
             r.ipuPresent ? Background::Window : Background::ButtonFace);
    if (r.fecuShown >= 0 && r.fecuShown <= kFecuLevels)
        w.field(FieldId::FecuText).text = kFecuLevelCaptions[size_t(r.fecuShown)];
}

void PresentTotals(App& app, const CalculationResults& r) {
    MainWindowModel& w = app.main;
    w.status.costLine =
        "Стоимость:" + r.calcTotal.InvariantText() + " /" + r.addTotal.InvariantText() + " USD";
    ShowCountText(w, FieldId::DigitalExtText, std::to_string(int(r.digitalExt)), r.digitalExt);
    ShowCountText(w, FieldId::AnalogExtText, std::to_string(int(r.analogExt)), r.analogExt);
    ShowCountText(w, FieldId::BRITrunkText, BriChannelsText(r.briChannels), r.briChannels);
    ShowCountText(w, FieldId::AnTrunkText, std::to_string(int(r.analogTrunk)), r.analogTrunk);
    const Count all = r.ext + r.trunk;
    w.status.lineSummary = "P/T/E=" + std::to_string(int(all)) + "/" +
                           std::to_string(int(r.trunk)) + "/" + std::to_string(int(r.ext));
}

}  // namespace

void PresentResults(App& app, const CalculationResults& results) {
    if (results.powerDone) PresentPower(app, results);
    if (results.unitsDone) PresentUnits(app, results);
    if (results.totalsDone) PresentTotals(app, results);
}

}  // namespace veltra
