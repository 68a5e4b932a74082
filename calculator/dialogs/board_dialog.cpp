#include "board_dialog.h"

#include "state/control_text.h"

namespace veltra {

namespace {

ControlResult Check(bool visible, bool enabled) {
    if (!visible) return ControlResult::Hidden;
    if (!enabled) return ControlResult::Disabled;
    return ControlResult::Done;
}

// The variant button Command1(i), or nullptr.
FlatButton* VariantButton(VariantDialog& dialog, const ControlName& name) {
    if (name.base != "Command1" || name.index < 0 || name.index >= kVariantCount) return nullptr;
    return &dialog.Command1[size_t(name.index)];
}

ControlResult Hover(App& app, VariantDialog& dialog, const ControlName& name) {
    if (FlatButton* button = VariantButton(dialog, name)) {
        const ControlResult result = Check(button->visible, button->enabled);
        if (result == ControlResult::Done) Command1_MouseMove(app, dialog, name.index);
        return result;
    }
    if (name.index < 0 && (name.base == dialog.closeButton.name ||
                           (dialog.helpButton && name.base == dialog.helpButton->name)))
        return ControlResult::Done;
    return ControlResult::Unknown;
}

ControlResult Click(App& app, VariantDialog& dialog, const ControlName& name) {
    if (FlatButton* button = VariantButton(dialog, name)) {
        const ControlResult result = Check(button->visible, button->enabled);
        if (result == ControlResult::Done) Command1_Click(app, dialog, name.index);
        return result;
    }
    if (name.index >= 0) return ControlResult::Unknown;
    if (name.base == dialog.closeButton.name) {
        CloseButton_Click(dialog);
        return ControlResult::Done;
    }
    if (dialog.helpButton && name.base == dialog.helpButton->name) {
        HelpButton_Click(app, dialog);
        return ControlResult::Done;
    }
    return ControlResult::Unknown;
}

// eprom1..eprom4: the board number, or 0.
int EpromBoard(std::string_view base) {
    if (base.size() != 6 || base.substr(0, 5) != "eprom") return 0;
    const int board = base[5] - '0';
    return board >= 1 && board <= kMaxE1Boards ? board : 0;
}

ControlResult Hover(App&, E1TrunkDialog& dialog, const ControlName& name) {
    const bool known = (name.base == "E1" && name.index >= 0 && name.index <= kMaxE1Boards) ||
                       (EpromBoard(name.base) && name.index >= 0 && name.index <= 1) ||
                       (name.index < 0 && (name.base == dialog.Command1.name ||
                                           name.base == dialog.ARFlatBttn2.name));
    return known ? ControlResult::Done : ControlResult::Unknown;
}

ControlResult Click(App& app, E1TrunkDialog& dialog, const ControlName& name) {
    if (name.base == "E1" && name.index >= 0 && name.index <= kMaxE1Boards) {
        const ControlResult result = Check(true, dialog.E1[size_t(name.index)].enabled);
        if (result == ControlResult::Done) E1_Click(app, dialog, name.index);
        return result;
    }
    if (const int board = EpromBoard(name.base); board && name.index >= 0 && name.index <= 1) {
        const ControlResult result = Check(dialog.Frame2[size_t(board)].visible, true);
        if (result == ControlResult::Done) FindCasIsdn(dialog, board, name.index);
        return result;
    }
    if (name.index >= 0) return ControlResult::Unknown;
    if (name.base == dialog.Command1.name) {
        Command1_Click(app, dialog);
        return ControlResult::Done;
    }
    if (name.base == dialog.ARFlatBttn2.name) {
        ARFlatBttn2_Click(app);
        return ControlResult::Done;
    }
    return ControlResult::Unknown;
}

void PrintTail(std::vector<std::string>& lines, int height, const SlotPicture& picture) {
    lines.push_back("height " + std::to_string(height));
    std::string slots = "slots";
    for (const SlotShape& shape : picture.Shape2) slots += " " + SlotToken(shape);
    lines.push_back(slots);
}

std::vector<std::string> Print(const VariantDialog& dialog) {
    std::vector<std::string> lines;
    for (const FlatButton& button : dialog.Command1) lines.push_back(ButtonLine(button));
    lines.push_back(ButtonLine(dialog.closeButton));
    if (dialog.helpButton) lines.push_back(ButtonLine(*dialog.helpButton));
    for (const CaptionLabel& label : dialog.countLabels) lines.push_back(LabelLine(label));
    PrintTail(lines, dialog.heightTwips, dialog.picture);
    return lines;
}

std::vector<std::string> Print(const E1TrunkDialog& dialog) {
    std::vector<std::string> lines;
    for (const OptionButton& option : dialog.E1) lines.push_back(OptionLine(option, true));
    for (int k = 1; k <= kMaxE1Boards; ++k) {
        const FrameControl& frame = dialog.Frame2[size_t(k)];
        lines.push_back("frame " + frame.name + " | " + (frame.visible ? "visible" : "hidden"));
        for (const OptionButton& option : dialog.eprom[size_t(k)])
            lines.push_back(OptionLine(option, frame.visible));
    }
    lines.push_back(ButtonLine(dialog.Command1));
    lines.push_back(ButtonLine(dialog.ARFlatBttn2));
    PrintTail(lines, dialog.heightTwips, dialog.picture);
    return lines;
}

}  // namespace

std::optional<BoardDialog> OpenBoardDialog(const App& app, std::string_view name) {
    for (VariantDialogKind kind : {VariantDialogKind::DigExt, VariantDialogKind::AnExt,
                                   VariantDialogKind::AnTr, VariantDialogKind::BriTrunk}) {
        if (name == FamilyOf(kind).name) return BoardDialog(OpenVariantDialog(app, kind));
    }
    if (name == "E1Trunk") return BoardDialog(OpenE1Trunk(app));
    return std::nullopt;
}

ControlResult HoverControl(App& app, BoardDialog& dialog, std::string_view control) {
    const auto name = ParseControlName(control);
    if (!name) return ControlResult::Unknown;
    return std::visit([&](auto& d) { return Hover(app, d, *name); }, dialog);
}

ControlResult ClickControl(App& app, BoardDialog& dialog, std::string_view control) {
    const auto name = ParseControlName(control);
    if (!name) return ControlResult::Unknown;
    return std::visit([&](auto& d) { return Click(app, d, *name); }, dialog);
}

void CloseBoardDialog(BoardDialog& dialog) {
    std::visit([](auto& d) { d.closed = true; }, dialog);
}

bool IsClosed(const BoardDialog& dialog) {
    return std::visit([](const auto& d) { return d.closed; }, dialog);
}

std::vector<std::string> PrintBoardDialog(const BoardDialog& dialog) {
    return std::visit([](const auto& d) { return Print(d); }, dialog);
}

}  // namespace veltra
