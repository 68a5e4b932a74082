// Scenario commands for the line-board dialogs. A dialog is modal: hover,
// click, close and print dialog act on it, and it leaves the stack when it
// closes itself (accept, OK, close button) or is closed. Every open is a
// main-window button, so none opens while a modal window is on top.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "control_report.h"
#include "dialogs/board_dialog.h"
#include "scenario_runner.h"

namespace veltra {

namespace {

using DialogStack = std::vector<BoardDialog>;

// The name that opened it.
std::string NameOf(const BoardDialog& dialog) {
    if (const auto* variants = std::get_if<VariantDialog>(&dialog)) return variants->family->name;
    return "E1Trunk";
}

void Open(ScenarioRunner& r, DialogStack& stack, const std::string& arguments) {
    const auto words = SplitWords(arguments);
    if (words.size() != 1) return r.Error("wrong arguments: open NAME");
    std::optional<BoardDialog> dialog;
    bool known = true;
    r.Event([&] {
        dialog = OpenBoardDialog(r.app(), words[0]);
        known = dialog.has_value();
    });
    if (!known) return r.Error("unknown name " + words[0]);
    if (dialog) stack.push_back(std::move(*dialog));
}

// Reports what a control did not do; pops the dialog once it has closed.
void Act(ScenarioRunner& r, DialogStack& stack, const std::string& control, bool click) {
    ControlResult result = ControlResult::Done;
    r.Event([&] {
        result = click ? ClickControl(r.app(), stack.back(), control)
                       : HoverControl(r.app(), stack.back(), control);
    });
    ReportControl(r, result, control);
    if (IsClosed(stack.back())) stack.pop_back();
}

}  // namespace

void ReportControl(ScenarioRunner& r, ControlResult result, const std::string& control) {
    switch (result) {
        case ControlResult::Done:
            break;
        case ControlResult::Unknown:
            r.Error("unknown name " + control);
            break;
        case ControlResult::Hidden:
            r.Error("hidden " + control);
            break;
        case ControlResult::Disabled:
            r.Error("disabled " + control);
            break;
    }
}

void RegisterDialogCommands(ScenarioRunner& runner) {
    auto stack = std::make_shared<DialogStack>();
    runner.AddWindows([stack] { return stack->empty() ? "" : NameOf(stack->back()); });
    runner.MainWindowLine("open");
    runner.RegisterCommand("open", [stack](ScenarioRunner& r, const std::string& arguments) {
        Open(r, *stack, arguments);
    });
    runner.RegisterCommand("hover", [stack](ScenarioRunner& r, const std::string& arguments) {
        const auto words = SplitWords(arguments);
        if (words.size() != 1) return r.Error("wrong arguments: hover CONTROL");
        if (stack->empty()) return r.Error("no dialog open");
        Act(r, *stack, words[0], false);
    });
    const auto mainClick = runner.FindCommand("click");
    runner.RegisterCommand("click",
                           [stack, mainClick](ScenarioRunner& r, const std::string& arguments) {
                               if (stack->empty()) {
                                   if (mainClick) return mainClick(r, arguments);
                                   return r.Error("no dialog open");
                               }
                               const auto words = SplitWords(arguments);
                               if (words.size() != 1)
                                   return r.Error("wrong arguments: click CONTROL");
                               Act(r, *stack, words[0], true);
                           });
    runner.RegisterCommand("close", [stack](ScenarioRunner& r, const std::string& arguments) {
        if (!arguments.empty()) return r.Error("wrong arguments: close");
        if (stack->empty()) return r.Error("no dialog open");
        CloseBoardDialog(stack->back());
        stack->pop_back();
    });
    const auto mainPrint = runner.FindCommand("print");
    runner.RegisterCommand("print",
                           [stack, mainPrint](ScenarioRunner& r, const std::string& arguments) {
                               if (arguments != "dialog") {
                                   if (mainPrint) return mainPrint(r, arguments);
                                   return r.Error("unknown name " + arguments);
                               }
                               if (stack->empty()) return r.Error("no dialog open");
                               for (const std::string& line : PrintBoardDialog(stack->back()))
                                   r.out() << line << '\n';
                           });
}

}  // namespace veltra
