#pragma once
// Opening the keypads of the main window: the additional-item pads of the
// catalogue tree and the added-items list, and the input calculator of the
// telephone fields. Each is shown modally with its top-left corner at
// `topLeft` (screen pixels) and writes the state itself.

#include <QPoint>
#include <QWidget>

#include "state/app.h"

namespace veltra {

class InputCalcBox;

enum class KeypadKind { AddQty, AddListQty, InputCalc };

// AddQty works on the tree's SelectNode, AddListQty on the list's
// SelectList, InputCalc on the field that InputCalcTarget names, up to
// InputCalcMax. Returns false, showing nothing, when there is no such field.
bool OpenKeypad(KeypadKind kind, App& app, QWidget* parent, QPoint topLeft);

// The input calculator for any box, e.g. a dialog's entry box, remembered as
// InputCalcTarget; the caller sets InputCalcMax first.
void OpenInputCalc(App& app, InputCalcBox& box, QWidget* parent, QPoint topLeft);

}  // namespace veltra
