#include "new_calculation.h"

#include "calculation/main_window_inputs.h"
#include "calculation/recalculate.h"
#include "catalogue_page.h"
#include "report/configuration_text.h"
#include "report/show_cabinet.h"

namespace veltra {

void NewCalculation(App& app) {
    // Every count starts again, the FECU module with the handsets (kept, it
    // would come back unordered with the next stations); the discount and a
    // power warning once given stay.
    Configuration fresh;
    fresh.PowerWarningShown = app.state.config.PowerWarningShown;
    fresh.QuotationDiscountPercent = app.state.config.QuotationDiscountPercent;
    app.state.config = fresh;
    app.state.results.FecuRequiredLevel = 0;

    SetMFUCheck(app, false);
    for (FieldId id :
         {FieldId::BasicText, FieldId::EconomyText, FieldId::StandardText, FieldId::ExecutiveText,
          FieldId::OperatorText, FieldId::Dss1Text, FieldId::Dss2Text}) {
        SetFieldText(app, id, "0");
    }

    SetFieldText(app, FieldId::FecuText, "Нет");
    ShowCount(app, FieldId::E1TrunkText, "0", 0);
    ShowCount(app, FieldId::BSText, "0", 0);
    ShowCount(app, FieldId::MobileText, "0", 0);

    SelectOption(app, OptionGroupId::PowerStandard, 0);
    SelectOption(app, OptionGroupId::PowerAcc, 0);
    SelectOption(app, OptionGroupId::MDFOpenCable, 0);
    SelectOption(app, OptionGroupId::MDFBox, 1);
    SetOnlyStationMDFCheck(app, true);
    SelectOption(app, OptionGroupId::Arrestor, 2);

    DelAllAddQty_Click(app);
    ClearSlots(app);
    ShowPower(app);

    for (CatalogueItem& item : app.catalogue) {
        item.ItemCalcQty = 0;
        item.ItemAddQty = 0;
    }
    app.SetItemQty("ROF 157 5124/1", 1);
    app.SetItemQty("LZY 203 2232/1", 1);
    RecalculateAll(app);
    ShowConfiguration(app);
    // A new calculation is a new proposal: its number comes from the counter.
    app.proposal = ProposalDetails{};
}

}  // namespace veltra
