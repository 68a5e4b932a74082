#pragma once
// The dialogs DigExt, AnExt, AnTr and BriTrunk: a grid of the board variants
// that still fit, a preview of the pointed-at variant in the slot picture and
// the count labels, and acceptance of the clicked one.

#include <array>
#include <optional>
#include <vector>

#include "calculation/variant_family.h"
#include "state/app.h"
#include "state/controls.h"
#include "state/slot_picture.h"

namespace veltra {

struct VariantDialog {
    const VariantFamily* family = nullptr;
    std::array<BoardCounts, kVariantCount> variants{};  // row i belongs to Command1(i)
    Count PreviewIndex = 0;
    int shownVariants = 0;  // the variants that fit, before the first misfit

    std::array<FlatButton, kVariantCount> Command1;
    FlatButton closeButton;
    std::optional<FlatButton> helpButton;   // ARFlatBttn2, where the family has help
    std::vector<CaptionLabel> countLabels;  // one per board kind, then the MFU's
    std::vector<LegendEntry> legend;
    SlotPicture picture;

    std::string title;
    int widthTwips = 0;
    int heightTwips = 0;
    bool closed = false;
};

// Full height; each button row that stays empty takes 300 twips off it.
inline constexpr int kVariantRowPitch = 300;

// Builds the dialog from the configuration as it is now; changes nothing.
VariantDialog OpenVariantDialog(const App& app, VariantDialogKind kind);

// Pointer over Command1(i).
void Command1_MouseMove(const App& app, VariantDialog& dialog, int i);
// Click on Command1(i): stores variant i, runs the follow-up steps and closes.
void Command1_Click(App& app, VariantDialog& dialog, int i);
// The close button and the window's own close control.
void CloseButton_Click(VariantDialog& dialog);
void HelpButton_Click(App& app, const VariantDialog& dialog);

// Paints the slot picture: the other boards from the state, the MFU where the
// dialog shows it, then `counts` (kind order, largest first).
void SlotCalculate(const App& app, VariantDialog& dialog, const BoardCounts& counts);

}  // namespace veltra
