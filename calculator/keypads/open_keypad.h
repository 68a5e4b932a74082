#pragma once
// Opening the keypads of the main window: the additional-item pads of the
// catalogue tree and the added-items list, and the input calculator of the
// telephone fields. Each is shown modally with its top-left corner at
// `topLeft` (screen pixels) and writes the state itself.

#include <QPoint>
#include <QWidget>

#include "app/app.h"
#include "catalogue/entry_box.h"

namespace veltra {

enum class KeypadKind { AddQty, AddListQty, InputCalc };

// Returns false, showing nothing, for a keypad that this build does not have.
// `target`: the box the input calculator fills when it is not the main-window
// field named by InputCalcTarget (the handset dialog's dt288); "Ok" types the
// display into it and the closing paints it.
bool OpenKeypad(KeypadKind kind, App& app, QWidget* parent, QPoint topLeft,
                EntryBox* target = nullptr);

}  // namespace veltra
