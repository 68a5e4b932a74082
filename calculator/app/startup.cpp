#include "startup.h"

#include "calculation/recalculate.h"
#include "catalogue/price_list.h"
#include "catalogue/shared_procedures.h"
#include "mainwindow/main_window_inputs.h"

namespace veltra {

void StartUp(App& app, const std::filesystem::path& priceList) {
    ConfigState& s = app.state;
    s.MaxBoards = 27;
    s.MaxTrunkLines = 120;
    s.MaxLines = 340;
    s.FixedBoards = 1;
    s.DialogHighlightColour =
        BlendColour(app.platform.GetSystemColour(SystemColour::ButtonFace),
                    app.platform.GetSystemColour(SystemColour::ButtonShadow), 3, 1);

    // Loading the main window selects "Нет" in the auto-count list.
    SelectCombo1(app, 0);

    app.catalogue = LoadPriceList(priceList, app.decimalSeparator);
    app.SetItemQty("ROF 157 5124/1", 1);
    app.SetItemQty("LZY 203 2232/1", 1);
    RecalculateAll(app);
    BuildParentKeys(app.catalogue);
}

}  // namespace veltra
