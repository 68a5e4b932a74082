#include "startup.h"

#include "calculation/calculated_codes.h"
#include "catalogue/colour.h"
#include "catalogue/price_list.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"

namespace veltra {

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "\u00AB" + path.string() + "\u00BB";
}

// A few missing codes are a partial list and get their per-item messages;
// when most are missing the file is some other list.
void RejectForeignList(const Catalogue& catalogue, const std::filesystem::path& path) {
    int missing = 0;
    for (std::string_view code : kCalculatedItemCodes) {
        if (FindItem(catalogue, code) < 0) ++missing;
    }
    if (2 * missing > int(kCalculatedItemCodes.size())) {
        throw PriceListError(
            "Файл " + Quoted(path) + " не похож на прайс-лист калькулятора: в нём нет " +
            std::to_string(missing) + " из " + std::to_string(kCalculatedItemCodes.size()) +
            " кодов товаров, которые рассчитывает программа.");
    }
}

}  // namespace

void StartUp(App& app, const std::filesystem::path& priceList) {
    ConfigState& s = app.state;
    s.limits.MaxBoards = 27;
    s.limits.MaxTrunkLines = 120;
    s.limits.MaxLines = 340;
    s.limits.FixedBoards = 1;
    s.window.DialogHighlightColour =
        BlendColour(app.platform.GetSystemColour(SystemColour::ButtonFace),
                    app.platform.GetSystemColour(SystemColour::ButtonShadow), 3, 1);

    // Loading the main window selects "Нет" in the auto-count list.
    SelectCombo1(app, 0);

    const std::string bytes = ReadPriceListBytes(priceList);
    app.catalogue = ReadPriceList(bytes, app.decimalSeparator, priceList.string());
    app.priceList = IdentifyPriceList(priceList, bytes);
    RejectForeignList(app.catalogue, priceList);
    try {
        app.SetItemQty("ROF 157 5124/1", 1);
        app.SetItemQty("LZY 203 2232/1", 1);
        RecalculateAll(app);
        BuildParentKeys(app.catalogue);
    } catch (const OverflowError&) {
        // Nothing would work on a half-built start: every action would overflow again.
        throw PriceListError("Цены прайс-листа " + Quoted(priceList) +
                             " так велики, что стоимость начальной конфигурации не "
                             "помещается в денежный тип.");
    }
}

}  // namespace veltra
