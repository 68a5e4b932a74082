#include "rich_configuration.h"

#include <stdexcept>
#include <string>

#include "calculation/chosen_items.h"
#include "dialogs/board_dialog.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "state/app.h"

namespace veltra {

namespace {

void Click(App& app, const char* dialogName, std::initializer_list<const char*> controls) {
    auto dialog = OpenBoardDialog(app, dialogName);
    for (const char* control : controls) {
        if (ClickControl(app, *dialog, control) != ControlResult::Done)
            throw std::logic_error(std::string(dialogName) + " " + control);
    }
}

void AddByHand(App& app, const char* code, Count qty) {
    app.catalogue.at(size_t(FindItem(app.catalogue, code))).ItemAddQty = qty;
}

}  // namespace

void BuildRichConfiguration(App& app) {
    SetMFUCheck(app, true);
    SelectMFUFlash(app, 2);
    Click(app, "AnExt", {"Command1(20)"});
    Click(app, "DigExt", {"Command1(4)"});
    Click(app, "AnTr", {"Command1(2)"});
    Click(app, "BriTrunk", {"Command1(3)"});
    Click(app, "E1Trunk", {"E1(1)", "eprom1(0)", "Command1"});
    SetFieldText(app, FieldId::EconomyText, "20");
    SetFieldText(app, FieldId::OperatorText, "2");
    SelectOption(app, OptionGroupId::PowerStandard, 1);
    SelectOption(app, OptionGroupId::PowerAcc, 1);

    ConfigState& s = app.state;
    s.config.BaseStationCount = 4;
    s.config.IccuBoards = 1;
    s.config.IcluBoards = 0;
    s.config.HandsetCount = 12;
    s.config.Ipu8Present = 1;
    // The cordless units as their dialogs would store them: their items and
    // fields follow the counts.
    SetChosenItems(app);
    ShowCount(app, FieldId::BSText, "4", 4);
    ShowCount(app, FieldId::MobileText, "12", 12);
    AddByHand(app, "BDV 113 08", 1);
    AddByHand(app, "DBC 211 01/01021", 3);
    RecalculateAll(app);
}

}  // namespace veltra
