// Scenario commands for the menu "Правка": undo, redo and print undo. A line
// that starts a user's step while only the main window is open begins it;
// the step ends with the first line after which no modal window is open (a
// dialog's "Ok" or close), as the program records it.
#include <memory>
#include <optional>
#include <ostream>

#include "mainwindow/step_names.h"
#include "mainwindow/undo_history.h"
#include "scenario_runner.h"

namespace veltra {

namespace {

std::optional<std::string> DialogStep(const std::string& dialog) {
    for (const FieldButton& button : FieldButtons()) {
        if (button.kind == ButtonKind::Dialog && dialog == button.dialog)
            return ButtonStepName(button);
    }
    return std::nullopt;
}

std::optional<std::string> OptionStep(const std::string& name) {
    const std::pair<const char*, OptionGroupId> kGroups[] = {
        {"PowerStandard", OptionGroupId::PowerStandard},
        {"PowerAcc", OptionGroupId::PowerAcc},
        {"MDFBox", OptionGroupId::MDFBox},
        {"MDFOpenCable", OptionGroupId::MDFOpenCable},
        {"Arrestor", OptionGroupId::Arrestor},
    };
    for (const auto& [group, id] : kGroups) {
        if (name == group) return OptionStepName(id);
    }
    if (name == "Combo1") return kCombo1Step;
    if (name == "MFU_Flash") return kMfuFlashStep;
    return std::nullopt;
}

// The step a line starts from the main window, by the caption of what it
// acts on; nothing for a line that is no step.
std::optional<std::string> StepOfLine(const App& app, const std::string& command,
                                      const std::string& arguments) {
    const auto words = SplitWords(arguments);
    const std::string first = words.empty() ? "" : words[0];
    if (command == "set") {
        if (const FieldInfo* field = FindField(first)) return FieldStepName(field->id);
    } else if (command == "check" || command == "click") {
        if (first == "MFUCheck") return app.main.MFUCheck.caption;
        if (first == "OnlyStationMDFCheck") return app.main.OnlyStationMDFCheck.caption;
        if (first == "DelAllAddQty") return kDeleteAllStep;
    } else if (command == "select") {
        return OptionStep(first);
    } else if (command == "newcalc") {
        return kNewCalculationStep;
    } else if (command == "discount") {
        return kDiscountStep;
    } else if (command == "proposal") {
        return kProposalStep;
    } else if (command == "open" && words.size() == 2 && first == "InputCalc") {
        if (const FieldInfo* field = FindField(words[1])) return FieldStepName(field->id);
    } else if (command == "open" && words.size() == 2 &&
               (first == "AddQty" || first == "AddListQty")) {
        return ItemStepName(app, words[1]);
    } else if (command == "open") {
        return DialogStep(first);
    }
    return std::nullopt;
}

struct Recording {
    UndoHistory history;
    std::string step;  // the name of the step begun
};

}  // namespace

void RegisterUndoCommands(ScenarioRunner& runner) {
    auto recording = std::make_shared<Recording>();
    runner.AroundLines(
        [recording, &runner](const std::string& command, const std::string& arguments) {
            Recording& r = *recording;
            if (r.history.Pending() || !runner.TopWindow().empty()) return;
            if (const auto step = StepOfLine(runner.app(), command, arguments)) {
                r.history.Begin(runner.app());
                r.step = *step;
            }
        },
        [recording, &runner] {
            Recording& r = *recording;
            if (r.history.Pending() && runner.TopWindow().empty())
                r.history.End(runner.app(), r.step);
            r.history.Follow(runner.app());
        });

    const auto move = [recording](bool undo) {
        return [recording, undo](ScenarioRunner& r, const std::string& arguments) {
            const char* name = undo ? "undo" : "redo";
            if (!arguments.empty()) return r.Error(std::string("wrong arguments: ") + name);
            UndoHistory& history = recording->history;
            if (!(undo ? history.Undo(r.app()) : history.Redo(r.app())))
                r.Error(std::string("nothing to ") + name);
        };
    };
    runner.RegisterCommand("undo", move(true));
    runner.RegisterCommand("redo", move(false));
    runner.MainWindowLine("undo");
    runner.MainWindowLine("redo");

    const auto earlierPrint = runner.FindCommand("print");
    runner.RegisterCommand(
        "print", [recording, earlierPrint](ScenarioRunner& r, const std::string& arguments) {
            if (arguments != "undo") return earlierPrint(r, arguments);
            const UndoHistory& history = recording->history;
            r.out() << "undo " << history.UndoCaption() << " | " << history.UndoCount() << '\n'
                    << "redo " << history.RedoCaption() << " | " << history.RedoCount() << '\n';
        });
}

}  // namespace veltra
