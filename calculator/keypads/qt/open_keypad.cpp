#include "open_keypad.h"

#include "keypad_views.h"
#include "state/app.h"
#include "widgets/screen_fit.h"

namespace veltra {

namespace {

template <class View, class Model, class... Extra>
void ShowModal(App& app, Model& model, QWidget* parent, QPoint topLeft, Extra&... extra) {
    View view(app, model, extra..., parent);
    // Drawn larger than designed, it must not reach past a small screen.
    view.move(app.interfaceScale > 100 ? KeptOnScreen(topLeft, view.size()) : topLeft);
    view.exec();
}

}  // namespace

void OpenInputCalc(App& app, InputCalcBox& box, QWidget* parent, QPoint topLeft) {
    app.state.window.InputCalcTarget = box.Name();
    InputCalc model = LoadInputCalc(app);
    ShowModal<InputCalcView>(app, model, parent, topLeft, box);
}

bool OpenKeypad(KeypadKind kind, App& app, QWidget* parent, QPoint topLeft) {
    switch (kind) {
        case KeypadKind::InputCalc: {
            const auto box = MainFieldBoxFor(app);
            if (!box) return false;
            OpenInputCalc(app, *box, parent, topLeft);
            return true;
        }
        case KeypadKind::AddQty: {
            AddQtyPad model = OpenAddQty(app);
            ShowModal<AddQtyView>(app, model, parent, topLeft);
            return true;
        }
        case KeypadKind::AddListQty: {
            AddQtyPad model = OpenAddListQty(app);
            ShowModal<AddQtyView>(app, model, parent, topLeft);
            return true;
        }
    }
    return false;
}

}  // namespace veltra
