#include "catalogue_page.h"

#include "catalogue/number_text.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "new_calculation.h"
#include "placement.h"

namespace veltra {

namespace {

const CatalogueItem* EntryOf(const App& app, const std::string& key) {
    if (key.empty()) return nullptr;
    const int index = ItemIndexFromKey(key);
    if (index < 0 || index >= int(app.catalogue.size())) return nullptr;
    return &app.catalogue[size_t(index)];
}

bool Priced(const CatalogueItem* item) {
    return item && TakesAddedQuantity(*item);
}

}  // namespace

std::string PriceBoxText(Money price, char decimalSeparator) {
    // The regional text of the lists: every decimal kept, none padded.
    return price.RegionalText(decimalSeparator);
}

void TreeView1_NodeClick(App& app, MainFormModel& form, const std::string& key) {
    form.SelectNode = key;
    const CatalogueItem* item = EntryOf(app, key);
    form.WareVisible = Priced(item);
    if (form.WareVisible) {
        form.TextCodeWare = item->ItemCode;
        form.TextPriceWare = PriceBoxText(item->ItemPrice, app.decimalSeparator);
    }
}

void TreeView1_MouseDown(MainFormModel& form, float y) {
    form.SelectNodeY = y;
}

std::optional<TwipsPoint> TreeView1_DblClick(const App& app, const MainFormModel& form,
                                             TwipsPoint window) {
    if (!Priced(EntryOf(app, form.SelectNode))) return std::nullopt;
    return TreeKeypadPosition(window, app.state.window.TitleBarHeight, form.FrameTabs[5].rect,
                              form.Frame2.rect, PlaceOf("TreeView1").rect, form.SelectNodeY);
}

void ListView1_ItemClick(MainFormModel& form, const std::string& key) {
    form.SelectList = key;
}

void ListView1_MouseDown(MainFormModel& form, float y) {
    form.SelectListY = y;
}

std::optional<TwipsPoint> ListView1_DblClick(const App& app, const MainFormModel& form,
                                             TwipsPoint window) {
    if (!Priced(EntryOf(app, form.SelectList))) return std::nullopt;
    return ListKeypadPosition(window, app.state.window.TitleBarHeight, form.FrameTabs[5].rect,
                              form.Frame2.rect, PlaceOf("ListView1").rect, form.SelectListY);
}

void DelAllAddQty_Click(App& app) {
    for (CatalogueItem& item : app.catalogue) item.ItemAddQty = 0;
    app.form.ListView1 = RefreshAddedItemsList(app);
    UpdateCostLine(app);
}

void DelAllAddQty(App& app, MainFormModel& form) {
    DelAllAddQty_Click(app);
    form.ListView1 = RefreshAddedItemsList(app);
}

void NewCalc_Click(App& app, MainFormModel& form) {
    NewCalculation(app);
    form.ListView1 = RefreshAddedItemsList(app);
}

void Command4_Click(App& app) {
    const auto answer = app.platform.InputBox("Введите скидку+ / наценку-", "Ввод");
    if (!answer || TrimBlanks(*answer).empty()) return;
    const auto percent = ParseNumber(*answer, app.decimalSeparator);
    // More than the whole price off would turn the quotation negative; a
    // mark-up beyond ten times the price is a slip of the keyboard.
    if (!percent || !(*percent >= -kMaxMarkupPercent && *percent <= kMaxDiscountPercent)) {
        app.platform.ShowMessage(kDiscountRangeMessage, kAppTitle, MessageIcon::Exclamation);
        return;
    }
    app.state.config.QuotationDiscountPercent = *percent;
}

std::string DiscountText(double percent, char decimalSeparator) {
    if (percent > 0) return "Скидка: " + NumberToText(percent, decimalSeparator) + " %";
    if (percent < 0) return "Наценка: " + NumberToText(-percent, decimalSeparator) + " %";
    return "Без скидки";
}

}  // namespace veltra
