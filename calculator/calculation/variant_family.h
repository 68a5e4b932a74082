#pragma once
// The four line-board families whose dialogs offer a grid of board variants:
// their board kinds, how variant i is made up, which bounds it must keep, and
// and which help topic it has.

#include <array>
#include <string_view>

#include "catalogue/config_state.h"
#include "catalogue/limits.h"

namespace veltra {

enum class VariantDialogKind { DigExt, AnExt, AnTr, BriTrunk };

struct BoardKind {
    const char* legend;  // caption in the dialog's legend
    const char* itemCode;
    int lines;  // lines (B-channels for BRI) per board, as the captions count them
    // Lines per board as the capacity sums count them; the 8-channel BRI board
    // counts 4 trunk lines there.
    int capacityLines;
    Count Configuration::*count;
    Colour colour;
    const char* label;  // count label
};

// One count per board kind, in the family's kind order (largest board first).
using BoardCounts = std::array<Count, kMaxBoardKinds>;

struct VariantFamily {
    VariantDialogKind kind;
    const char* name;
    const char* title;
    int kindCount;
    std::array<BoardKind, kMaxBoardKinds> kinds;  // largest board first
    BoardCounts (*variant)(int i);
    int mfuCaptionLines;  // added to every caption while MFUCheck is ticked
    bool showsMfu;        // MFU slot, legend entry and count label
    const char* mfuLabel;
    bool boundsTrunkLines;
    bool boundsBriBoards;
    const char* closeButton;
    const char* helpTopic;  // nullptr: no help button
};

const VariantFamily& FamilyOf(VariantDialogKind kind);

// Lines of a combination as its captions count them, and as the capacity sums do.
Count LinesOf(const VariantFamily& family, const BoardCounts& counts);
Count CapacityLinesOf(const VariantFamily& family, const BoardCounts& counts);
Count BoardsOf(const VariantFamily& family, const BoardCounts& counts);

// The family's boards in the configuration now.
BoardCounts CurrentCounts(const Configuration& config, const VariantFamily& family);

}  // namespace veltra
