#include "variant_dialog.h"

#include <string>

#include "catalogue/capacity.h"
#include "handling/variant_accept.h"

namespace veltra {

namespace {

constexpr int kMargin = 120;
constexpr int kLegendTop = 720;
constexpr int kLegendPitch = 1180;
constexpr int kGridTop = 1350;
constexpr int kButtonWidth = 645, kButtonHeight = 285, kColumnPitch = 675;
constexpr int kGridRows = 7;

// Row 0 holds button 0 alone; rows 1 to 6 seven buttons each.
TwipsRect VariantButtonBox(int i) {
    const int row = i == 0 ? 0 : (i - 1) / 7 + 1;
    const int column = i == 0 ? 0 : (i - 1) % 7;
    return {kMargin + column * kColumnPitch, kGridTop + row * kVariantRowPitch, kButtonWidth,
            kButtonHeight};
}

// Spans two grid columns of row 0, right of button 0.
TwipsRect RowZeroBox(int firstColumn) {
    return {kMargin + firstColumn * kColumnPitch, kGridTop, kColumnPitch + kButtonWidth,
            kButtonHeight};
}

bool Fits(const App& app, const VariantFamily& family, const BoardCounts& own,
          const BoardCounts& variant) {
    const ConfigState& s = app.state;
    const Count ownLines = CapacityLinesOf(family, own);
    const Count lines = CapacityLinesOf(family, variant);
    const Count ownBoards = BoardsOf(family, own);
    const Count boards = BoardsOf(family, variant);
    if (CountAllLines(app) - ownLines + lines > s.limits.MaxLines) return false;
    if (CountBoards(app) - ownBoards + boards > s.limits.MaxBoards) return false;
    if (family.boundsTrunkLines && CountTrunkLines(app) - ownLines + lines > s.limits.MaxTrunkLines)
        return false;
    if (family.boundsBriBoards) {
        // Every BRI board is the dialog's own, so the bound is on the variant alone;
        // it keeps the form of the other bounds.
        const Count briBoards = s.config.Bri16Boards + s.config.Bri8Boards;
        if (briBoards - ownBoards + boards > kMaxBriBoards) return false;
    }
    return true;
}

void SetCountLabels(VariantDialog& dialog, const BoardCounts& counts) {
    for (int k = 0; k < dialog.family->kindCount; ++k)
        dialog.countLabels[size_t(k)].caption = std::to_string(int(counts[size_t(k)]));
}

void LayOutLegend(VariantDialog& dialog, bool mfu) {
    const VariantFamily& family = *dialog.family;
    // Each entry is a column: the square and caption, its count below the caption.
    auto add = [&](const char* caption, Colour colour, const char* label,
                   const std::string& count) {
        const int left = kMargin + int(dialog.legend.size()) * kLegendPitch;
        dialog.legend.push_back({caption,
                                 colour,
                                 {left, kLegendTop + 30, 180, 180},
                                 {left + 240, kLegendTop, kLegendPitch - 240, 240}});
        dialog.countLabels.push_back({label, count, {left + 240, kLegendTop + 240, 600, 240}});
    };
    for (int k = 0; k < family.kindCount; ++k) {
        const BoardKind& kind = family.kinds[size_t(k)];
        add(kind.legend, kind.colour, kind.label, "");
    }
    if (family.showsMfu) add("MFU", kMfuColour, family.mfuLabel, mfu ? "1" : "0");
}

}  // namespace

VariantDialog OpenVariantDialog(const App& app, VariantDialogKind kind) {
    VariantDialog dialog;
    const VariantFamily& family = FamilyOf(kind);
    dialog.family = &family;
    dialog.title = family.title;
    dialog.widthTwips = kMargin + kSlotRowWidth + kMargin + 120;
    dialog.heightTwips = kGridTop + (kGridRows - 1) * kVariantRowPitch + kButtonHeight + kMargin;

    const Colour face = app.platform.GetSystemColour(SystemColour::ButtonFace);
    for (int i = 0; i < kVariantCount; ++i) {
        FlatButton& button = dialog.Command1[size_t(i)];
        button.name = "Command1(" + std::to_string(i) + ")";
        button.visible = i == 0;
        button.background = face;
        button.box = VariantButtonBox(i);
    }
    dialog.closeButton = {family.closeButton, "Закрыть", false, true, true, face, RowZeroBox(5)};
    if (family.helpTopic)
        dialog.helpButton =
            FlatButton{"ARFlatBttn2", "Справка", false, true, true, face, RowZeroBox(3)};

    const BoardCounts own = CurrentCounts(app, family);
    const Count ownLines = LinesOf(family, own);
    const bool mfu = app.mfu();
    int n = kVariantCount;
    for (int i = 0; i < kVariantCount; ++i) {
        const BoardCounts variant = family.variant(i);
        dialog.variants[size_t(i)] = variant;
        if (!Fits(app, family, own, variant)) {
            n = i;
            break;
        }
        FlatButton& button = dialog.Command1[size_t(i)];
        const Count lines = LinesOf(family, variant);
        button.visible = true;
        button.background = app.state.window.DialogHighlightColour;
        button.caption = std::to_string(int(lines) + (mfu ? family.mfuCaptionLines : 0));
        button.bold = lines == ownLines;
    }
    dialog.shownVariants = n;
    if (n < kVariantCount) {
        // Floor division: n = 0 and n = 1 remove all six rows below row 0.
        const int fullRows = n >= 2 ? (n - 2) / 7 : -1;
        dialog.heightTwips -= (5 - fullRows) * kVariantRowPitch;
    }

    LayOutSlots(dialog.picture, kMargin, kMargin);
    LayOutLegend(dialog, mfu);
    SetCountLabels(dialog, own);
    SlotCalculate(app, dialog, own);
    return dialog;
}

void SlotCalculate(const App& app, VariantDialog& dialog, const BoardCounts& counts) {
    const VariantFamily& family = *dialog.family;
    const bool mfu = family.showsMfu && app.mfu();
    const Count other =
        CountBoards(app) - BoardsOf(family, CurrentCounts(app, family)) - Count(mfu);
    PaintSlotRuns(dialog.picture, other,
                  {{Count(mfu), kMfuColour},
                   {counts[0], family.kinds[0].colour},
                   {counts[1], family.kinds[1].colour},
                   {counts[2], family.kinds[2].colour}});
}

void Command1_MouseMove(const App& app, VariantDialog& dialog, int i) {
    if (i == dialog.PreviewIndex) return;
    const BoardCounts& variant = dialog.variants[size_t(i)];
    SlotCalculate(app, dialog, variant);
    SetCountLabels(dialog, variant);
    dialog.PreviewIndex = Count(i);
}

void Command1_Click(App& app, VariantDialog& dialog, int i) {
    const VariantFamily& family = *dialog.family;
    const BoardCounts& variant = dialog.variants[size_t(i)];
    for (int k = 0; k < family.kindCount; ++k)
        app.state.config.*(family.kinds[size_t(k)].count) = variant[size_t(k)];
    for (int k = 0; k < family.kindCount; ++k)
        app.SetItemQty(family.kinds[size_t(k)].itemCode, variant[size_t(k)]);
    AfterVariantAccepted(app, family.kind);
    dialog.closed = true;
}

void CloseButton_Click(VariantDialog& dialog) {
    dialog.closed = true;
}

void HelpButton_Click(App& app, const VariantDialog& dialog) {
    if (dialog.family->helpTopic) ShowHelp(app, dialog.family->helpTopic);
}

}  // namespace veltra
