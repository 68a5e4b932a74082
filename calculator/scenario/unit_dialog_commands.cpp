// Scenario commands for the base station, handset, networking software and IP
// unit dialogs: open, slider, type, leave, and hover, click, close and print
// dialog while one of them is on top. Other names and an empty stack pass to
// the commands registered before.
#include <charconv>
#include <memory>
#include <ostream>
#include <vector>

#include "control_report.h"
#include "dialogs/unit_dialog.h"
#include "mainwindow/field_buttons.h"
#include "scenario_runner.h"

namespace veltra {

namespace {

using UnitStack = std::vector<UnitDialog>;

// The handset dialog opens only past its button's guard.
bool GuardAllows(ScenarioRunner& r, const std::string& name) {
    if (name != "Mobile") return true;
    bool allowed = false;
    r.Event([&] {
        allowed =
            DialogButton_Click(r.app(), r.app().form, *FindButton("Command17"), {}, 0).has_value();
    });
    return allowed;
}

// The input calculator the handset dialog asked for: the runner names it and
// closes it at once, as if closed without "Ok".
void ServeInputCalc(ScenarioRunner& r, UnitDialog& dialog) {
    auto* mobile = std::get_if<MobileDialog>(&dialog);
    if (!mobile || !mobile->inputCalc) return;
    r.out() << "keypad InputCalc | " << r.app().state.InputCalcTarget << " | max "
            << r.app().state.InputCalcMax << '\n';
    r.Event([&] { InputCalcClosed(r.app(), *mobile); });
}

void Act(ScenarioRunner& r, UnitStack& stack, const std::string& control, bool click) {
    ControlResult result = ControlResult::Done;
    r.Event([&] {
        result = click ? ClickUnitControl(r.app(), stack.back(), control)
                       : HoverUnitControl(stack.back(), control);
    });
    ReportControl(r, result, control);
    if (click) ServeInputCalc(r, stack.back());
    if (IsClosed(stack.back())) stack.pop_back();
}

void Slider(ScenarioRunner& r, UnitStack& stack, const std::string& arguments) {
    int value = 0;
    const auto [end, error] =
        std::from_chars(arguments.data(), arguments.data() + arguments.size(), value);
    if (arguments.empty() || error != std::errc() || end != arguments.data() + arguments.size())
        return r.Error("wrong arguments: slider N");
    if (stack.empty()) return r.Error("no dialog open");
    const SliderControl* slider = SliderOf(stack.back());
    if (!slider) return r.Error("no slider");
    if (!slider->enabled) return r.Error("disabled " + slider->name);
    if (value < slider->min || value > slider->max)
        return r.Error("out of range " + slider->name + " " + arguments);
    r.Event([&] { MoveSlider(r.app(), stack.back(), value); });
}

// Wraps a command: the top unit dialog handles it, else the earlier handler.
void Extend(ScenarioRunner& runner, const std::string& name, std::shared_ptr<UnitStack> stack,
            std::function<void(ScenarioRunner&, UnitStack&, const std::string&)> own) {
    const auto earlier = runner.FindCommand(name);
    runner.RegisterCommand(
        name, [stack, earlier, own, name](ScenarioRunner& r, const std::string& arguments) {
            if (!stack->empty()) return own(r, *stack, arguments);
            if (earlier) return earlier(r, arguments);
            r.Error("no dialog open");
        });
}

}  // namespace

void RegisterUnitDialogCommands(ScenarioRunner& runner) {
    auto stack = std::make_shared<UnitStack>();
    const auto earlierOpen = runner.FindCommand("open");
    runner.RegisterCommand("open", [stack, earlierOpen](ScenarioRunner& r,
                                                        const std::string& arguments) {
        const auto words = SplitWords(arguments);
        const bool ours = words.size() == 1 && (words[0] == "BaseStation" || words[0] == "Mobile" ||
                                                words[0] == "FecuForm" || words[0] == "IPUForm");
        if (!ours) {
            if (earlierOpen) return earlierOpen(r, arguments);
            return r.Error("wrong arguments: open NAME");
        }
        if (!GuardAllows(r, words[0])) return;
        std::optional<UnitDialog> dialog;
        r.Event([&] { dialog = OpenUnitDialog(r.app(), words[0]); });
        if (dialog) stack->push_back(std::move(*dialog));
    });
    Extend(runner, "hover", stack, [](ScenarioRunner& r, UnitStack& s, const std::string& a) {
        const auto words = SplitWords(a);
        if (words.size() != 1) return r.Error("wrong arguments: hover CONTROL");
        Act(r, s, words[0], false);
    });
    Extend(runner, "click", stack, [](ScenarioRunner& r, UnitStack& s, const std::string& a) {
        const auto words = SplitWords(a);
        if (words.size() != 1) return r.Error("wrong arguments: click CONTROL");
        Act(r, s, words[0], true);
    });
    Extend(runner, "close", stack, [](ScenarioRunner& r, UnitStack& s, const std::string& a) {
        if (!a.empty()) return r.Error("wrong arguments: close");
        CloseUnitDialog(s.back());
        s.pop_back();
    });
    const auto earlierPrint = runner.FindCommand("print");
    runner.RegisterCommand("print",
                           [stack, earlierPrint](ScenarioRunner& r, const std::string& arguments) {
                               if (arguments != "dialog" || stack->empty()) {
                                   if (earlierPrint) return earlierPrint(r, arguments);
                                   return r.Error("unknown name " + arguments);
                               }
                               for (const std::string& line : PrintUnitDialog(stack->back()))
                                   r.out() << line << '\n';
                           });
    Extend(runner, "slider", stack, Slider);
    Extend(runner, "type", stack, [](ScenarioRunner& r, UnitStack& s, const std::string& a) {
        const auto box = EntryBoxOf(r.app(), s.back());
        if (!box) return r.Error("no entry box");
        r.Event([&] { box->Type(a); });
    });
    Extend(runner, "leave", stack, [](ScenarioRunner& r, UnitStack& s, const std::string& a) {
        if (!a.empty()) return r.Error("wrong arguments: leave");
        const auto box = EntryBoxOf(r.app(), s.back());
        if (!box) return r.Error("no entry box");
        r.Event([&] { box->Leave(); });
    });
}

}  // namespace veltra
