#pragma once
// The dialog FecuForm: the networking software package the user wants, with a
// check mark beside the level the configuration itself requires.

#include <array>

#include "handling/recalculate.h"
#include "state/app.h"
#include "state/controls.h"

namespace veltra {

struct FecuFormDialog {
    FrameControl frame;
    std::array<OptionButton, kFecuLevels + 1> Option1;     // index = level
    std::array<ImageControl, kFecuLevels + 1> ImageCheck;  // 1..10; 0 is never shown
    FlatButton Command1;                                   // OK
    FlatButton Command3;                                   // close

    std::string title;
    int widthTwips = 0;
    int heightTwips = 0;
    bool closed = false;
};

FecuFormDialog OpenFecuForm(const App& app);
void Option1_Click(FecuFormDialog& dialog, int level);
// OK: stores the selected level as FecuChosenLevel and recalculates.
void Command1_Click(App& app, FecuFormDialog& dialog);
void Command3_Click(FecuFormDialog& dialog);

}  // namespace veltra
