#pragma once
// Opening the keypads of the main window: the additional-item pads of the
// catalogue tree and the added-items list, and the input calculator of the
// telephone fields. Each is shown modally with its top-left corner at
// `topLeft` (screen pixels) and writes the state itself.

#include <QPoint>
#include <QWidget>

#include "app/app.h"

namespace veltra {

enum class KeypadKind { AddQty, AddListQty, InputCalc };

// Returns false, showing nothing, for a keypad that this build does not have.
bool OpenKeypad(KeypadKind kind, App& app, QWidget* parent, QPoint topLeft);

}  // namespace veltra
