// Scenario commands for the keypads. Keypads are modal, so while one is open
// it is the top window and takes click, close, key, type and print dialog;
// hover, slider and leave cannot reach a dialog below it.
#include "keypad_commands.h"

#include <functional>
#include <memory>
#include <ostream>
#include <variant>
#include <vector>

#include "keypad_text.h"
#include "keypads/add_qty.h"
#include "keypads/input_calc.h"
#include "mainwindow/catalogue_page.h"
#include "mainwindow/field_buttons.h"
#include "mainwindow/main_form_pages.h"

namespace veltra {

namespace {

struct CalcSession {
    InputCalc calc;
    std::unique_ptr<InputCalcBox> box;
    std::function<void()> closed;  // tells the window below, if it asked
};
using Keypad = std::variant<CalcSession, AddQtyPad>;
using KeypadStack = std::vector<Keypad>;

bool IsClosed(const Keypad& keypad) {
    if (const auto* session = std::get_if<CalcSession>(&keypad)) return session->calc.closed;
    return std::get<AddQtyPad>(keypad).closed;
}

const char* NameOf(const Keypad& keypad) {
    if (std::holds_alternative<CalcSession>(keypad)) return "InputCalc";
    return std::get<AddQtyPad>(keypad).kind == AddPadKind::AddQty ? "AddQty" : "AddListQty";
}

// A closed keypad leaves the stack, then the window that opened it hears so.
void PopClosed(ScenarioRunner& r, KeypadStack& stack) {
    if (stack.empty() || !IsClosed(stack.back())) return;
    std::function<void()> closed;
    if (auto* session = std::get_if<CalcSession>(&stack.back()))
        closed = std::move(session->closed);
    stack.pop_back();
    if (closed) r.Event(closed);
}

bool KnownKey(const App& app, const std::string& key) {
    const int index = ItemIndexFromKey(key);
    return !key.empty() && key[0] == 'a' && index >= 0 && index < int(app.catalogue.size()) &&
           ItemKey(index) == key;
}

const FieldButton* CalculatorButtonOf(const std::string& field) {
    for (const FieldButton& button : FieldButtons()) {
        if (button.kind == ButtonKind::InputCalc && field == button.field) return &button;
    }
    return nullptr;
}

// The main window's origin: placement is not printed, only what opens.
constexpr TwipsPoint kWindow{0, 0};

void OpenInputCalcFor(ScenarioRunner& r, KeypadStack& stack, const std::string& field) {
    const FieldButton* button = CalculatorButtonOf(field);
    if (!button) return r.Error("unknown name " + field);
    r.Event([&] {
        InputCalcButton_Click(r.app(), *button, kWindow);
        stack.push_back(CalcSession{LoadInputCalc(r.app()), MainFieldBoxFor(r.app()), {}});
    });
}

// A double click on the tree node: groups and unpriced entries open nothing.
void OpenAddQtyFor(ScenarioRunner& r, KeypadStack& stack, const std::string& key) {
    if (!KnownKey(r.app(), key)) return r.Error("unknown name " + key);
    App& app = r.app();
    r.Event([&] {
        TabStrip2_Click(app, app.form, 1);
        TreeView1_NodeClick(app, app.form, key);
        if (TreeView1_DblClick(app, app.form, kWindow)) stack.push_back(OpenAddQty(app));
    });
}

// A double click on the list row, after selecting the sub-page that shows it.
void OpenAddListQtyFor(ScenarioRunner& r, KeypadStack& stack, const std::string& key) {
    if (!KnownKey(r.app(), key)) return r.Error("unknown name " + key);
    App& app = r.app();
    bool listed = false;
    r.Event([&] {
        TabStrip2_Click(app, app.form, 2);
        for (const AddedItemRow& row : app.form.ListView1.rows) listed = listed || row.key == key;
        if (!listed) return;
        ListView1_ItemClick(app.form, key);
        if (ListView1_DblClick(app, app.form, kWindow)) stack.push_back(OpenAddListQty(app));
    });
    if (!listed) r.Error("no row " + key);
}

void Click(ScenarioRunner& r, Keypad& keypad, const std::string& name) {
    App& app = r.app();
    if (auto* session = std::get_if<CalcSession>(&keypad)) {
        InputCalc& calc = session->calc;
        const int key = FindKey(calc.Command1, calc.Command3, calc.Command2, name);
        if (key < 0) return r.Error("unknown name " + name);
        if (key <= 9 && !calc.Command1[size_t(key)].enabled) return r.Error("disabled " + name);
        return r.Event([&] {
            if (key <= 9) return Command1_Click(calc, key);
            if (key == kClearKey) return Command3_Click(calc);
            Command2_Click(calc, *session->box);
        });
    }
    AddQtyPad& pad = std::get<AddQtyPad>(keypad);
    const int key = FindKey(pad.Command3, pad.Command2, pad.Command1, name);
    if (key < 0) return r.Error("unknown name " + name);
    if (key <= 9 && !pad.Command3[size_t(key)].enabled) return r.Error("disabled " + name);
    r.Event([&] {
        if (key <= 9) return Command3_Click(pad, key);
        if (key == kClearKey) return Command2_Click(app, pad);
        Command1_Click(app, pad);
    });
}

// The keyboard: AddQty previews it; the calculator's display has the focus,
// so a digit is typed at its end and Esc closes it; AddListQty ignores it.
void Key(ScenarioRunner& r, Keypad& keypad, char key) {
    r.Event([&] {
        if (auto* session = std::get_if<CalcSession>(&keypad)) {
            if (key == kEscKey) return Form_Unload(session->calc, *session->box);
            return Text1_Change(session->calc, session->calc.Text1 + key);
        }
        Form_KeyPress(std::get<AddQtyPad>(keypad), key);
    });
}

void Close(ScenarioRunner& r, Keypad& keypad) {
    r.Event([&] {
        if (auto* session = std::get_if<CalcSession>(&keypad))
            return Form_Unload(session->calc, *session->box);
        Form_Unload(r.app(), std::get<AddQtyPad>(keypad));
    });
}

void PrintDialog(ScenarioRunner& r, const Keypad& keypad) {
    const auto lines = std::holds_alternative<CalcSession>(keypad)
                           ? PrintInputCalc(std::get<CalcSession>(keypad).calc)
                           : PrintAddQty(std::get<AddQtyPad>(keypad));
    for (const std::string& line : lines) r.out() << line << '\n';
}

void PrintTree(ScenarioRunner& r, const std::string& key) {
    if (!KnownKey(r.app(), key)) return r.Error("unknown name " + key);
    const TreeNodeData node = CatalogueTreeNodes(r.app().catalogue)[size_t(ItemIndexFromKey(key))];
    r.out() << "node " << node.key << " | " << node.text << " | " << node.image << '\n';
}

// The list as selecting its sub-page fills it; a total it cannot hold is the
// overflow message that selecting the page would show.
void PrintList(ScenarioRunner& r) {
    r.Event([&] {
        const AddedItemsList list = RefreshAddedItemsList(r.app());
        for (const AddedItemRow& row : list.rows) {
            r.out() << "row " << row.key << " | " << row.name << " | " << row.code << " | "
                    << row.price << " | " << row.qty << " | " << row.sum << '\n';
        }
        r.out() << "total " << list.total << '\n';
    });
}

std::optional<char> ParseKey(const std::string& text) {
    if (text == "Esc") return kEscKey;
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return text[0];
    return std::nullopt;
}

// Runs `own` while a keypad is open, else the command registered before.
ScenarioRunner::Handler TopFirst(
    ScenarioRunner& runner, const std::string& command, std::shared_ptr<KeypadStack> stack,
    std::function<void(ScenarioRunner&, Keypad&, const std::string&)> own) {
    const auto earlier = runner.FindCommand(command);
    return [=](ScenarioRunner& r, const std::string& arguments) {
        if (stack->empty()) {
            if (command == "click" && arguments == "DelAllAddQty")
                return r.Event([&] { DelAllAddQty_Click(r.app()); });
            if (earlier) return earlier(r, arguments);
            return r.Error(command == "type" ? "no entry box" : "no dialog open");
        }
        own(r, stack->back(), arguments);
        PopClosed(r, *stack);
    };
}

// A dialog's command: it cannot reach the dialog below an open keypad.
ScenarioRunner::Handler NotThroughKeypad(ScenarioRunner& runner, const std::string& command,
                                         std::shared_ptr<KeypadStack> stack) {
    const auto earlier = runner.FindCommand(command);
    return [=](ScenarioRunner& r, const std::string& arguments) {
        if (!stack->empty()) return r.RefuseUnder(NameOf(stack->back()));
        if (earlier) return earlier(r, arguments);
        r.Error("no dialog open");
    };
}

}  // namespace

InputCalcOpener RegisterKeypadCommands(ScenarioRunner& runner) {
    auto stack = std::make_shared<KeypadStack>();
    runner.AddWindows([stack] { return stack->empty() ? "" : NameOf(stack->back()); });
    // "Удалить все" is the main window's; every open is refused by the runner.
    runner.MainWindowLine("click",
                          [](const std::string& arguments) { return arguments == "DelAllAddQty"; });

    const auto earlierOpen = runner.FindCommand("open");
    runner.RegisterCommand(
        "open", [stack, earlierOpen](ScenarioRunner& r, const std::string& arguments) {
            const auto words = SplitWords(arguments);
            const bool keypad =
                !words.empty() &&
                (words[0] == "InputCalc" || words[0] == "AddQty" || words[0] == "AddListQty");
            if (!keypad) {
                if (earlierOpen) return earlierOpen(r, arguments);
                return r.Error("wrong arguments: open NAME");
            }
            if (words.size() != 2) return r.Error("wrong arguments: open " + words[0] + " NAME");
            if (words[0] == "InputCalc") return OpenInputCalcFor(r, *stack, words[1]);
            if (words[0] == "AddQty") return OpenAddQtyFor(r, *stack, words[1]);
            OpenAddListQtyFor(r, *stack, words[1]);
        });

    runner.RegisterCommand(
        "click", TopFirst(runner, "click", stack,
                          [](ScenarioRunner& r, Keypad& keypad, const std::string& arguments) {
                              const auto words = SplitWords(arguments);
                              if (words.size() != 1)
                                  return r.Error("wrong arguments: click CONTROL");
                              Click(r, keypad, words[0]);
                          }));
    runner.RegisterCommand(
        "close", TopFirst(runner, "close", stack,
                          [](ScenarioRunner& r, Keypad& keypad, const std::string& arguments) {
                              if (!arguments.empty()) return r.Error("wrong arguments: close");
                              Close(r, keypad);
                          }));
    runner.RegisterCommand(
        "key", TopFirst(runner, "key", stack,
                        [](ScenarioRunner& r, Keypad& keypad, const std::string& arguments) {
                            const auto key = ParseKey(arguments);
                            if (!key) return r.Error("wrong arguments: key 0..9|Esc");
                            Key(r, keypad, *key);
                        }));
    runner.RegisterCommand(
        "type", TopFirst(runner, "type", stack,
                         [](ScenarioRunner& r, Keypad& keypad, const std::string& arguments) {
                             auto* session = std::get_if<CalcSession>(&keypad);
                             if (!session) return r.Error("no entry box");
                             r.Event([&] { Text1_Change(session->calc, arguments); });
                         }));

    for (const char* command : {"hover", "slider", "leave"})
        runner.RegisterCommand(command, NotThroughKeypad(runner, command, stack));

    const auto earlierPrint = runner.FindCommand("print");
    runner.RegisterCommand("print",
                           [stack, earlierPrint](ScenarioRunner& r, const std::string& arguments) {
                               const auto words = SplitWords(arguments);
                               if (words.size() == 2 && words[0] == "tree")
                                   return PrintTree(r, words[1]);
                               if (arguments == "list") return PrintList(r);
                               if (arguments == "dialog" && !stack->empty())
                                   return PrintDialog(r, stack->back());
                               if (earlierPrint) return earlierPrint(r, arguments);
                               r.Error("unknown name " + arguments);
                           });

    return [stack, &runner](std::unique_ptr<InputCalcBox> box, std::function<void()> closed) {
        runner.app().state.window.InputCalcTarget = box->Name();
        stack->push_back(
            CalcSession{LoadInputCalc(runner.app()), std::move(box), std::move(closed)});
    };
}

}  // namespace veltra
