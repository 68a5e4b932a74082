// How the skinned controls paint themselves from the window's bitmap, and
// the message filters that decide which messages lead to painting.
#pragma once

#include <windows.h>

#include "plugin/handlers.h"

namespace lumiq {

bool ButtonFilter(TControlHandler& handler, TMessage& m);    // kinds 1, 2, 3
bool PanelFilter(TControlHandler& handler, TMessage& m);     // kind 4
bool BoxFilter(TControlHandler& handler, TMessage& m);       // kind 7
bool ProgressFilter(TControlHandler& handler, TMessage& m);  // kind 8
bool LabelFilter(TControlHandler& handler, TMessage& m);     // kind 9

// Each paints the whole control into dc.
void PaintButton(TControlHandler& handler, HDC dc);
void PaintPanel(TControlHandler& handler, HDC dc);
void PaintProgress(TControlHandler& handler, HDC dc);
void PaintLabel(TControlHandler& handler, HDC dc);

}  // namespace lumiq
