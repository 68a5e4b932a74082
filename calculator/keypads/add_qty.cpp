#include "add_qty.h"

#include "catalogue/capacity.h"
#include "handling/recalculate.h"

namespace veltra {

namespace {

constexpr int kKeysTop = 660;

AddQtyPad OpenPad(const App& app, AddPadKind kind, std::string key) {
    AddQtyPad pad;
    pad.kind = kind;
    pad.key = std::move(key);
    pad.title = "Количество";
    pad.Text1 = {"Text1",
                 "0",
                 {kKeypadMarginTwips, kKeypadMarginTwips,
                  kKeypadWidthTwips - 2 * kKeypadMarginTwips, kKeypadKeyHeightTwips}};
    LayOutKeys(pad.Command3, pad.Command2, pad.Command1, "Command3", "Command2", "Command1",
               kKeysTop, app.state.window.DialogHighlightColour);
    pad.heightTwips = KeypadHeightTwips(kKeysTop);
    return pad;
}

void DisableDigits(AddQtyPad& pad) {
    for (FlatButton& key : pad.Command3) key.enabled = false;
}

// The tree node's text and image follow ItemAddQty (CatalogueTreeNodes), so
// applying is writing the quantity and refreshing what shows it.
void Apply(App& app, AddQtyPad& pad) {
    if (pad.closed) return;
    pad.closed = true;
    const int index = ItemIndexFromKey(pad.key);
    if (index < 0 || index >= int(app.catalogue.size())) return;
    Count& qty = app.catalogue[size_t(index)].ItemAddQty;
    const Count previous = qty;
    qty = Count(std::stoi(pad.Text1.caption));
    try {
        if (pad.kind == AddPadKind::AddListQty) app.form.ListView1 = RefreshAddedItemsList(app);
        // After a list change too: a stale cost line would show a wrong total.
        UpdateCostLine(app);
    } catch (const OverflowError&) {
        // A total that cannot hold the quantity refuses it: the old one is back,
        // so the tree, the list, the cost line and the quotation still agree.
        // The cost line writes its totals only once both are summed.
        qty = previous;
        if (pad.kind == AddPadKind::AddListQty) app.form.ListView1 = RefreshAddedItemsList(app);
        throw;
    }
}

}  // namespace

AddQtyPad OpenAddQty(const App& app) {
    return OpenPad(app, AddPadKind::AddQty, app.form.SelectNode);
}

AddQtyPad OpenAddListQty(const App& app) {
    return OpenPad(app, AddPadKind::AddListQty, app.form.SelectList);
}

void Command3_Click(AddQtyPad& pad, int k) {
    std::string& display = pad.Text1.caption;
    if (display.size() < size_t(kAddQtyDigits)) {
        display = std::to_string(std::stoi(display + char('0' + k)));
        if (display.size() >= size_t(kAddQtyDigits)) DisableDigits(pad);
    } else {
        DisableDigits(pad);
    }
    pad.focus = pad.Command1.name;
}

bool Form_KeyPress(AddQtyPad& pad, char key) {
    if (pad.kind != AddPadKind::AddQty) return false;
    if (key >= '0' && key <= '9') {
        Command3_Click(pad, key - '0');
        return true;
    }
    if (key == kEscKey) {
        pad.Text1.caption = "0";
        return true;
    }
    return false;
}

void Command1_Click(App& app, AddQtyPad& pad) {
    Apply(app, pad);
}

void Command2_Click(App& app, AddQtyPad& pad) {
    pad.Text1.caption = "0";
    Apply(app, pad);
}

void Form_Unload(App& app, AddQtyPad& pad) {
    Apply(app, pad);
}

}  // namespace veltra
