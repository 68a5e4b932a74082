#include "unit_dialog.h"

#include "state/control_text.h"

namespace veltra {

namespace {

ControlResult Done(bool enabled) {
    return enabled ? ControlResult::Done : ControlResult::Disabled;
}

// The element of an option array named `base`, or nullptr.
template <size_t N>
OptionButton* OptionOf(std::array<OptionButton, N>& options, const char* base,
                       const ControlName& name) {
    if (name.base != base || name.index < 0 || name.index >= int(N)) return nullptr;
    return &options[size_t(name.index)];
}

// A plain button that runs `click` when its name matches.
template <class Click>
bool Button(const FlatButton& button, const ControlName& name, ControlResult& result,
            Click&& click) {
    if (name.index >= 0 || name.base != button.name) return false;
    result = Done(button.enabled);
    if (result == ControlResult::Done) click();
    return true;
}

ControlResult Click(App& app, BaseStationDialog& d, const ControlName& name) {
    ControlResult r = ControlResult::Unknown;
    Button(d.Command2, name, r, [&] { Command2_Click(app, d); }) ||
        Button(d.Command3, name, r, [&] { Command3_Click(d); }) ||
        Button(d.Command1, name, r, [&] { Command1_Click(app, d); });
    return r;
}

ControlResult Click(App& app, MobileDialog& d, const ControlName& name) {
    if (OptionButton* option = OptionOf(d.FecuMobile, "FecuMobile", name)) {
        if (!option->enabled) return ControlResult::Disabled;
        FecuMobile_Click(app, d, name.index);
        return ControlResult::Done;
    }
    ControlResult r = ControlResult::Unknown;
    Button(d.Command16, name, r, [&] { Command16_Click(app, d); }) ||
        Button(d.Command1, name, r, [&] { Command1_Click(app, d); }) ||
        Button(d.Command3, name, r, [&] { Command3_Click(d); }) ||
        Button(d.Command2, name, r, [&] { Command2_Click(app, d); });
    return r;
}

ControlResult Click(App& app, FecuFormDialog& d, const ControlName& name) {
    if (OptionButton* option = OptionOf(d.Option1, "Option1", name)) {
        if (!option->enabled) return ControlResult::Disabled;
        Option1_Click(d, name.index);
        return ControlResult::Done;
    }
    ControlResult r = ControlResult::Unknown;
    Button(d.Command1, name, r, [&] { Command1_Click(app, d); }) ||
        Button(d.Command3, name, r, [&] { Command3_Click(d); });
    return r;
}

ControlResult Click(App& app, IpuFormDialog& d, const ControlName& name) {
    if (OptionButton* option = OptionOf(d.IPUInterface, "IPUInterface", name)) {
        if (!option->enabled) return ControlResult::Disabled;
        IPUInterface_Click(d, name.index);
        return ControlResult::Done;
    }
    ControlResult r = ControlResult::Unknown;
    Button(d.Command1, name, r, [&] { Command1_Click(app, d); }) ||
        Button(d.Command3, name, r, [&] { Command3_Click(d); }) ||
        Button(d.Command2, name, r, [&] { Command2_Click(app, d); });
    return r;
}

void Tail(std::vector<std::string>& lines, int height) {
    lines.push_back("height " + std::to_string(height));
}

void Buttons(std::vector<std::string>& lines, std::initializer_list<const FlatButton*> buttons) {
    for (const FlatButton* b : buttons) lines.push_back(ButtonLine(*b));
}

std::vector<std::string> Print(const BaseStationDialog& d) {
    std::vector<std::string> lines{SliderLine(d.Slider1)};
    for (const CaptionLabel* l : {&d.BSLabel, &d.MaxBSLabel, &d.Label_ICCU, &d.Label_ICLU})
        lines.push_back(LabelLine(*l));
    Buttons(lines, {&d.Command2, &d.Command3, &d.Command1});
    Tail(lines, d.heightTwips);
    std::string slots = "slots";
    for (const SlotShape& shape : d.picture.Shape2) slots += " " + SlotToken(shape);
    lines.push_back(slots);
    return lines;
}

std::vector<std::string> Print(const MobileDialog& d) {
    std::vector<std::string> lines{TextLine(d.dt288)};
    for (const OptionButton& o : d.FecuMobile) lines.push_back(OptionLine(o, true));
    lines.push_back(LabelLine(d.MaErl));
    Buttons(lines, {&d.Command16, &d.Command1, &d.Command3, &d.Command2});
    Tail(lines, d.heightTwips);
    return lines;
}

std::vector<std::string> Print(const FecuFormDialog& d) {
    std::vector<std::string> lines;
    for (const OptionButton& o : d.Option1) lines.push_back(OptionLine(o, true));
    for (int i = 1; i <= kFecuLevels; ++i) lines.push_back(ImageLine(d.ImageCheck[size_t(i)]));
    Buttons(lines, {&d.Command1, &d.Command3});
    Tail(lines, d.heightTwips);
    return lines;
}

std::vector<std::string> Print(const IpuFormDialog& d) {
    std::vector<std::string> lines;
    for (const OptionButton& o : d.IPUInterface) lines.push_back(OptionLine(o, true));
    Buttons(lines, {&d.Command1, &d.Command3, &d.Command2});
    Tail(lines, d.heightTwips);
    return lines;
}

}  // namespace

std::optional<UnitDialog> OpenUnitDialog(const App& app, std::string_view name) {
    if (name == "BaseStation") return UnitDialog(OpenBaseStation(app));
    if (name == "Mobile") return UnitDialog(OpenMobile(app));
    if (name == "FecuForm") return UnitDialog(OpenFecuForm(app));
    if (name == "IPUForm") return UnitDialog(OpenIpuForm(app));
    return std::nullopt;
}

ControlResult HoverUnitControl(const UnitDialog& dialog, std::string_view control) {
    // Printing names every control; a hover only needs to find one.
    if (const SliderControl* slider = SliderOf(dialog); slider && control == slider->name)
        return ControlResult::Done;
    for (const std::string& line : PrintUnitDialog(dialog)) {
        const size_t blank = line.find(' ');
        if (line.compare(blank + 1, control.size(), control) == 0 &&
            line.compare(blank + 1 + control.size(), 3, " | ") == 0)
            return ControlResult::Done;
    }
    return ControlResult::Unknown;
}

ControlResult ClickUnitControl(App& app, UnitDialog& dialog, std::string_view control) {
    const auto name = ParseControlName(control);
    if (!name) return ControlResult::Unknown;
    return std::visit([&](auto& d) { return Click(app, d, *name); }, dialog);
}

const SliderControl* SliderOf(const UnitDialog& dialog) {
    const auto* d = std::get_if<BaseStationDialog>(&dialog);
    return d ? &d->Slider1 : nullptr;
}

void MoveSlider(const App& app, UnitDialog& dialog, int value) {
    if (auto* d = std::get_if<BaseStationDialog>(&dialog)) {
        if (d->Slider1.enabled && value >= d->Slider1.min && value <= d->Slider1.max)
            Slider1_Change(app, *d, value);
    }
}

std::unique_ptr<EntryBox> EntryBoxOf(App& app, UnitDialog& dialog) {
    if (auto* d = std::get_if<MobileDialog>(&dialog)) return std::make_unique<Dt288Box>(app, *d);
    return nullptr;
}

void CloseUnitDialog(UnitDialog& dialog) {
    std::visit([](auto& d) { d.closed = true; }, dialog);
}

bool IsClosed(const UnitDialog& dialog) {
    return std::visit([](const auto& d) { return d.closed; }, dialog);
}

std::vector<std::string> PrintUnitDialog(const UnitDialog& dialog) {
    return std::visit([](const auto& d) { return Print(d); }, dialog);
}

}  // namespace veltra
