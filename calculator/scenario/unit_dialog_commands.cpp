// Scenario commands for the base station, handset, networking software and IP
// unit dialogs: open, slider, type, leave, and hover, click, close and print
// dialog while one of them is on top. Other names and an empty stack pass to
// the commands registered before. The handset dialog's calculator button
// opens the input calculator as a keypad on top of it.
#include <charconv>
#include <iterator>
#include <memory>
#include <ostream>
#include <variant>
#include <vector>

#include "control_report.h"
#include "dialogs/unit_dialog.h"
#include "keypads/input_calc.h"
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

// The name that opened it.
const char* NameOf(const UnitDialog& dialog) {
    constexpr const char* kNames[] = {"BaseStation", "Mobile", "FecuForm", "IPUForm"};
    static_assert(std::size(kNames) == std::variant_size_v<UnitDialog>);
    return kNames[dialog.index()];
}

// The calculator's target: a dialog's entry box, which "Ok" types into.
class DialogBox final : public InputCalcBox {
  public:
    explicit DialogBox(std::unique_ptr<EntryBox> entry) : entry_(std::move(entry)), box_(*entry_) {}
    std::string Name() const override { return box_.Name(); }
    std::string Text() const override { return box_.Text(); }
    void Write(const std::string& text) override { box_.Write(text); }
    void Paint(Background background) override { box_.Paint(background); }

  private:
    std::unique_ptr<EntryBox> entry_;
    EntryInputCalcBox box_;
};

// The input calculator the handset dialog asked for opens on top of it, on
// dt288; once it has closed, the dialog is told (ErlCalc). The dialog stays
// where it is meanwhile: nothing opens or closes under a modal keypad.
void ServeInputCalc(ScenarioRunner& r, std::shared_ptr<UnitStack> stack,
                    const InputCalcOpener& openInputCalc) {
    auto* mobile = std::get_if<MobileDialog>(&stack->back());
    if (!mobile || !mobile->inputCalc) return;
    auto box = std::make_unique<DialogBox>(EntryBoxOf(r.app(), stack->back()));
    openInputCalc(std::move(box), [&r, stack] {
        if (stack->empty()) return;
        if (auto* dialog = std::get_if<MobileDialog>(&stack->back()))
            InputCalcClosed(r.app(), *dialog);
    });
}

void Act(ScenarioRunner& r, UnitStack& stack, const std::string& control, bool click) {
    ControlResult result = ControlResult::Done;
    r.Event([&] {
        result = click ? ClickUnitControl(r.app(), stack.back(), control)
                       : HoverUnitControl(stack.back(), control);
    });
    ReportControl(r, result, control);
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

void RegisterUnitDialogCommands(ScenarioRunner& runner,
                                std::shared_ptr<const InputCalcOpener> openInputCalc) {
    auto stack = std::make_shared<UnitStack>();
    runner.AddWindows([stack] { return stack->empty() ? "" : NameOf(stack->back()); });
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
    Extend(runner, "click", stack,
           [stack, openInputCalc](ScenarioRunner& r, UnitStack& s, const std::string& a) {
               const auto words = SplitWords(a);
               if (words.size() != 1) return r.Error("wrong arguments: click CONTROL");
               Act(r, s, words[0], true);
               if (!s.empty() && *openInputCalc) ServeInputCalc(r, stack, *openInputCalc);
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
