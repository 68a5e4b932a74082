#include "e1_trunk.h"

#include <string>

#include "catalogue/capacity.h"
#include "handling/line_count_fields.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"

namespace veltra {

namespace {

constexpr int kMargin = 120;
constexpr int kOptionsTop = 1050;
constexpr int kOptionPitch = 600;
constexpr int kFramesTop = 1620;
constexpr int kFrameLeft = 1080, kFramePitch = 900, kFrameWidth = 780, kFrameHeight = 900;
constexpr int kIsdnRowTop = 270, kRowPitch = 300;  // inside a frame

void LayOut(E1TrunkDialog& dialog) {
    dialog.title = "Цифровые потоки Е1";
    dialog.widthTwips = kMargin + kSlotRowWidth + kMargin + 120;
    LayOutSlots(dialog.picture, kMargin, kMargin);
    dialog.legend.push_back(
        {"BTU-D/30", kE1BoardColour, {kMargin, 750, 180, 180}, {kMargin + 240, 720, 900, 240}});

    for (int i = 0; i <= kMaxE1Boards; ++i) {
        const int left = kMargin + 60 + i * kOptionPitch;
        const std::string n = std::to_string(i);
        dialog.E1[size_t(i)] = {"E1(" + n + ")", "", false, i == 0, {left, kOptionsTop, 240, 240}};
        dialog.E1Captions[size_t(i)] = {"", n, {left + 30, kOptionsTop + 240, 240, 240}};
    }
    for (int k = 1; k <= kMaxE1Boards; ++k) {
        const std::string n = std::to_string(k);
        dialog.Frame2[size_t(k)] = {
            "Frame2(" + n + ")",
            "BTU " + n,
            false,
            {kFrameLeft + (k - 1) * kFramePitch, kFramesTop, kFrameWidth, kFrameHeight}};
        for (int c = 0; c < 2; ++c) {
            dialog.eprom[size_t(k)][size_t(c)] = {"eprom" + n + "(" + std::to_string(c) + ")",
                                                  "",
                                                  false,
                                                  true,
                                                  {300, kIsdnRowTop + c * kRowPitch, 240, 240}};
        }
    }
    dialog.rowCaptions[0] = {"", "ISDN", {kMargin, kFramesTop + kIsdnRowTop, 900, 240}};
    dialog.rowCaptions[1] = {
        "", "CAS R2", {kMargin, kFramesTop + kIsdnRowTop + kRowPitch, 900, 240}};

    const int buttonsTop = kFramesTop + kFrameHeight + 180;
    const int right = dialog.widthTwips - kMargin;
    dialog.Command1 = {
        "Command1", "Ok", false, true, true, 0, {right - 1320, buttonsTop, 1320, 345}};
    dialog.ARFlatBttn2 = {
        "ARFlatBttn2", "Справка", false, true, true, 0, {right - 2760, buttonsTop, 1320, 345}};
    dialog.heightTwips = buttonsTop + 345 + kMargin;
}

bool CountFits(const App& app, int k) {
    const ConfigState& s = app.state;
    return CountTrunkLines(app) - kE1Channels * s.config.E1Boards + kE1Channels * k <=
               s.limits.MaxTrunkLines &&
           CountBoards(app) - s.config.E1Boards + k <= s.limits.MaxBoards &&
           CountAllLines(app) - kE1Channels * s.config.E1Boards + kE1Channels * k <=
               s.limits.MaxLines;
}

}  // namespace

E1TrunkDialog OpenE1Trunk(const App& app) {
    E1TrunkDialog dialog;
    LayOut(dialog);
    const Colour face = app.platform.GetSystemColour(SystemColour::ButtonFace);
    dialog.Command1.background = face;
    dialog.ARFlatBttn2.background = face;

    Count isdnLeft = app.state.config.E1PriLinks;
    Count casLeft = app.state.config.E1CasLinks;
    for (int k = 1; k <= kMaxE1Boards; ++k) {
        if (!CountFits(app, k)) continue;
        dialog.E1[size_t(k)].enabled = true;
        if (isdnLeft > 0) {
            FindCasIsdn(dialog, k, kIsdn);
            isdnLeft -= 1;
        } else if (casLeft > 0) {
            FindCasIsdn(dialog, k, kCasR2);
            casLeft -= 1;
        }
    }
    E1_Click(app, dialog, app.state.config.E1Boards);
    return dialog;
}

void E1_Click(const App& app, E1TrunkDialog& dialog, int i) {
    for (int k = 0; k <= kMaxE1Boards; ++k) dialog.E1[size_t(k)].selected = k == i;
    for (int k = 1; k <= kMaxE1Boards; ++k) dialog.Frame2[size_t(k)].visible = k <= i;
    SlotCalculate(app, dialog, i);
}

void FindCasIsdn(E1TrunkDialog& dialog, int board, int choice) {
    if (board < 1 || board > kMaxE1Boards || choice < 0 || choice > 1) return;
    // The pair is one option group: selecting one member clears the other.
    for (int c = 0; c < 2; ++c) dialog.eprom[size_t(board)][size_t(c)].selected = c == choice;
}

void Command1_Click(App& app, E1TrunkDialog& dialog) {
    ConfigState& s = app.state;
    int boards = 0;
    for (int i = 0; i <= kMaxE1Boards; ++i)
        if (dialog.E1[size_t(i)].selected) boards = i;
    s.config.E1Boards = boards;
    Count isdn = 0, cas = 0;
    for (int k = 1; k <= boards; ++k) {
        if (dialog.eprom[size_t(k)][kIsdn].selected) isdn += 1;
        if (dialog.eprom[size_t(k)][kCasR2].selected) cas += 1;
    }
    app.SetItemQty("ROF 157 5112/1", s.config.E1Boards);
    app.SetItemQty("LZY 203 2212/1", cas);
    app.SetItemQty("LZY 203 2213/1", isdn);
    s.config.E1PriLinks = isdn;
    s.config.E1CasLinks = cas;
    RecalculateAll(app);
    ShowCount(app, FieldId::E1TrunkText, E1TrunkText(s.config.E1Boards), s.config.E1Boards);
    dialog.closed = true;
}

void ARFlatBttn2_Click(App& app) {
    ShowHelp(app, "VeltraCalculator.chm::/source/e1_trunk.htm");
}

void CloseWindow(E1TrunkDialog& dialog) {
    dialog.closed = true;
}

void SlotCalculate(const App& app, E1TrunkDialog& dialog, Count boards) {
    PaintSlotRuns(dialog.picture, CountBoards(app) - app.state.config.E1Boards,
                  {{boards, kE1BoardColour}});
}

}  // namespace veltra
