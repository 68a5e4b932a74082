#include "new_calculation.h"

#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "report/configuration_text.h"
#include "report/show_cabinet.h"

namespace veltra {

namespace {

void Select(OptionGroup& group, int index) {
    for (int i = group.firstIndex; i <= group.lastIndex(); ++i) group.at(i).selected = i == index;
}

// The main window's inputs as a new calculation starts them, each with what
// its own handling would show: no multi-function board (nor its flash
// memory), no telephones, the transformer with the accumulator choice off,
// the frame's box with the station-only option, the arrestors' last choice.
// The count fields the calculation writes it writes itself.
void StartInputs(MainWindowModel& w) {
    w.MFUCheck.checked = false;
    w.MFU_Flash.index = 0;
    w.MFU_Flash.visible = false;
    w.MFU_Flash.background = Background::ButtonFace;
    for (const FieldInfo& info : kFields) {
        if (IsTelephoneField(info.id)) ShowCountText(w, info.id, "0", 0);
    }
    w.field(FieldId::FecuText).text = "Нет";
    for (FieldId id : {FieldId::E1TrunkText, FieldId::BSText, FieldId::MobileText})
        ShowCountText(w, id, "0", 0);

    Select(w.PowerStandard, 0);
    w.PowerAccFrameEnabled = false;
    w.PowerAcc.at(0).enabled = w.PowerAcc.at(1).enabled = false;
    Select(w.PowerAcc, 0);
    Select(w.MDFOpenCable, 0);
    Select(w.MDFBox, 1);
    w.Arrestor.at(1).enabled = w.Arrestor.at(2).enabled = true;
    w.ArrestorsFrameEnabled = true;
    w.OnlyStationMDFCheck.enabled = true;
    w.OnlyStationMDFCheck.checked = true;
    Select(w.Arrestor, 2);
}

}  // namespace

void NewCalculation(App& app) {
    // Every count starts again, the FECU module with the handsets (kept, it
    // would come back unordered with the next stations); the discount and a
    // power warning once given stay.
    Configuration fresh;
    fresh.PowerWarningShown = app.state.config.PowerWarningShown;
    fresh.QuotationDiscountPercent = app.state.config.QuotationDiscountPercent;
    app.state.config = fresh;
    app.state.results.FecuRequiredLevel = 0;
    StartInputs(app.main);

    for (CatalogueItem& item : app.catalogue) {
        item.ItemCalcQty = 0;
        item.ItemAddQty = 0;
    }
    app.form.ListView1 = RefreshAddedItemsList(app);
    app.SetItemQty("ROF 157 5124/1", 1);
    app.SetItemQty("LZY 203 2232/1", 1);
    // One calculation, then what is drawn from its results.
    RecalculateAll(app);
    ClearSlots(app);
    ShowPower(app);
    ShowConfiguration(app);
    // A new calculation is a new proposal: its number comes from the counter.
    app.proposal = ProposalDetails{};
}

}  // namespace veltra
