#pragma once
// The dialog IPUForm: no IP unit, a unit for 4 simultaneous calls or one for
// 8, offered only where it fits.

#include <array>
#include <vector>

#include "state/app.h"
#include "state/controls.h"

namespace veltra {

struct IpuFormDialog {
    CaptionLabel caption;  // "Количество одновременных разговоров"
    std::array<OptionButton, 3> IPUInterface;  // "Нет", "4", "8"
    FlatButton Command1;                       // OK
    FlatButton Command3;                       // close
    FlatButton Command2;                       // help

    std::string title;
    int widthTwips = 0;
    int heightTwips = 0;
    bool closed = false;
};

// Enables each unit that fits in place of the unit of its own size and
// selects the current choice. Changes nothing.
IpuFormDialog OpenIpuForm(const App& app);
void IPUInterface_Click(IpuFormDialog& dialog, int i);
// OK: stores the choice and recalculates, which prices the unit.
void Command1_Click(App& app, IpuFormDialog& dialog);
void Command3_Click(IpuFormDialog& dialog);
void Command2_Click(App& app, const IpuFormDialog& dialog);

}  // namespace veltra
