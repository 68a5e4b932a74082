#pragma once
// The dialog BaseStation: 0 to 60 cordless base stations set with a slider,
// the control boards they need (one IC-CU from the first station, one IC-LU
// for every further eight beyond four), shown in the slot picture and stored
// with OK.

#include <array>
#include <optional>
#include <vector>

#include "calculation/cordless_boards.h"
#include "catalogue/limits.h"
#include "state/app.h"
#include "state/controls.h"
#include "state/slot_picture.h"

namespace veltra {

inline constexpr int kBaseStationRows = 9;
inline constexpr Colour kIccuColour = Rgb(0, 255, 0);
inline constexpr Colour kIcluColour = Rgb(0, 128, 0);

struct BaseStationDialog {
    SliderControl Slider1;
    CaptionLabel BSLabel;
    CaptionLabel MaxBSLabel;
    CaptionLabel Label_ICCU;
    CaptionLabel Label_ICLU;
    std::vector<CaptionLabel> captions;  // fixed texts
    std::vector<LegendEntry> legend;
    SlotPicture picture;
    FlatButton Command2;  // OK
    FlatButton Command3;  // close
    FlatButton Command1;  // help

    std::string title;
    int widthTwips = 0;
    int heightTwips = 0;
    bool closed = false;
};

// Limits the slider to the stations of the last board row that still fits,
// after taking out the cordless boards fitted now. Changes nothing.
BaseStationDialog OpenBaseStation(const App& app);

// The slider moved: the count label and the boards it needs.
void Slider1_Change(const App& app, BaseStationDialog& dialog, int value);
// Paints the other boards, then the IC-CU, then the IC-LUs; writes the labels.
void SlotCalculate(const App& app, BaseStationDialog& dialog, Count central, Count line);
// OK: stores the boards and stations, sets the items and BSText; without base
// stations also clears the handsets and their FECU module.
void Command2_Click(App& app, BaseStationDialog& dialog);
void Command3_Click(BaseStationDialog& dialog);
void Command1_Click(App& app, const BaseStationDialog& dialog);

}  // namespace veltra
