#pragma once
// The dialog E1Trunk: 0 to 4 E1 boards chosen with option buttons, the
// signalling firmware of each board ("ISDN" or "CAS R2"), confirmed with OK.

#include <array>
#include <vector>

#include "catalogue/limits.h"
#include "state/app.h"
#include "state/controls.h"
#include "state/slot_picture.h"

namespace veltra {

inline constexpr Colour kE1BoardColour = Rgb(0, 128, 0);
enum E1Firmware { kIsdn = 0, kCasR2 = 1 };

struct E1TrunkDialog {
    std::array<OptionButton, kMaxE1Boards + 1> E1;  // 0 to 4 boards
    std::array<CaptionLabel, kMaxE1Boards + 1> E1Captions;
    // Index 1..4: one frame per board holding its firmware pair; the pair's
    // boxes are relative to the frame.
    std::array<FrameControl, kMaxE1Boards + 1> Frame2;
    std::array<std::array<OptionButton, 2>, kMaxE1Boards + 1> eprom;
    std::array<CaptionLabel, 2> rowCaptions;  // "ISDN", "CAS R2"
    FlatButton Command1;                      // OK
    FlatButton ARFlatBttn2;                   // help
    std::vector<LegendEntry> legend;
    SlotPicture picture;

    std::string title;
    int widthTwips = 0;
    int heightTwips = 0;
    bool closed = false;
};

// Enables the counts that fit, restores the stored firmware (ISDN first) onto
// the fitting boards and selects the current count. Changes nothing.
E1TrunkDialog OpenE1Trunk(const App& app);

// Selects option E1(i) and runs its click: frames of boards 1..i, slot picture.
void E1_Click(const App& app, E1TrunkDialog& dialog, int i);
// Selects `choice` (kIsdn or kCasR2) in the pair of board 1..4.
void FindCasIsdn(E1TrunkDialog& dialog, int board, int choice);
// OK: stores boards and firmware, sets the items, recalculates, writes E1TrunkText.
void Command1_Click(App& app, E1TrunkDialog& dialog);
void ARFlatBttn2_Click(App& app);
// The window's close control: nothing is stored.
void CloseWindow(E1TrunkDialog& dialog);

void SlotCalculate(const App& app, E1TrunkDialog& dialog, Count boards);

}  // namespace veltra
