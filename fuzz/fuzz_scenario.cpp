// The scenario language: a fuzzed scenario runs line by line on the shipped
// price list; after every line the configuration keeps within the exchange's
// limits and one more full calculation changes nothing.
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/recalculate.h"
#include "catalogue/number_text.h"
#include "check.h"
#include "mainwindow/field_buttons.h"
#include "scenario/scenario_runner.h"

using namespace veltra;

namespace {

struct Snapshot {
    std::vector<int> quantities;
    std::vector<std::string> fields;
    std::string panels;
    std::vector<int> state;
    size_t messages = 0;
    int powerMessages = 0;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(ScenarioRunner& runner) {
    const App& app = runner.app();
    Snapshot s;
    for (const auto& item : app.catalogue) {
        s.quantities.push_back(item.ItemCalcQty);
        s.quantities.push_back(item.ItemAddQty);
    }
    for (const auto& f : app.main.fields)
        s.fields.push_back(f.text + (f.background == Background::Window ? "|w" : "|f"));
    const auto& st = app.main.status;
    s.panels =
        st.costLine + "|" + st.powerLine + "|" + st.lineSummary + (st.overloadVisible ? "!" : "");
    const ConfigState& c = app.state;
    s.state = {c.CabinetCount,    c.PowerConsumption,  c.PowerUnitCount,
               c.PowerTypeForced, c.PowerWarningShown, c.FecuRequiredLevel};
    s.messages = runner.platform().messages.size();
    s.powerMessages = runner.platform().powerMessages;
    return s;
}

// After a user action the configuration keeps within the limits, and a full
// calculation changes nothing: the action left what the calculation would.
// After an overflow, which may stop an action halfway, a first calculation
// repairs and a second one changes nothing.
void CheckInvariants(ScenarioRunner& runner, bool overflowed) {
    App& app = runner.app();
    const ConfigState& s = app.state;
    FUZZ_CHECK(CountBoards(app) <= s.MaxBoards);
    FUZZ_CHECK(CountAllLines(app) <= s.MaxLines);
    FUZZ_CHECK(CountTrunkLines(app) <= s.MaxTrunkLines);
    try {
        if (overflowed) RecalculateAll(app);
        const Snapshot first = Take(runner);
        RecalculateAll(app);
        FUZZ_CHECK(Take(runner) == first);
    } catch (const OverflowError&) {
        // The configuration itself overflows; nothing to compare.
    }
}

size_t Overflows(ScenarioRunner& runner) {
    size_t count = 0;
    for (const auto& message : runner.platform().messages)
        count += message.text == OverflowError().what();
    return count;
}

// The program's dialogs and keypads are modal, but the runner would let the
// main window act while one is open. "print dialog" fails exactly when none
// is open.
bool DialogOpen(ScenarioRunner& runner, int& errors) {
    std::istringstream probe("print dialog");
    const int before = errors;
    errors = runner.Run(probe);
    return errors == before;
}

// Whether the program could make this input now. While a dialog or keypad is
// open only it takes input. The main window's fields are read-only: besides
// the calculation and the dialogs, only the input calculator writes text of
// the user's choosing, into the fields beside its buttons; "set" on any other
// field writes what the program never does.
bool Reachable(std::string_view line, bool dialogOpen) {
    // Split as the runner does.
    line = TrimBlanks(line);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t blank = line.find(' ');
    const std::string_view command = line.substr(0, blank);
    const std::string_view arguments =
        blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    if (dialogOpen) {
        if (command == "click") return arguments != "DelAllAddQty";
        return command == "hover" || command == "close" || command == "slider" ||
               command == "type" || command == "leave" || command == "key" || command == "print";
    }
    if (command != "set") return true;
    const std::string_view field = arguments.substr(0, arguments.find(' '));
    for (const FieldButton& button : FieldButtons()) {
        if (button.kind == ButtonKind::InputCalc && field == button.field) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::ostream discard(nullptr);
    ScenarioRunner runner(discard, ".");
    RegisterAllCommands(runner);
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    int errors = 0;
    bool dialogOpen = false;
    for (int lines = 0; lines < 100 && std::getline(script, line); ++lines) {
        // Other price lists are the price list target's; exports would write files.
        if (line.find("pricelist") != std::string::npos) continue;
        if (line.find("export") != std::string::npos) continue;
        if (!Reachable(line, dialogOpen)) continue;
        std::istringstream one(line);
        const size_t overflows = runner.running() ? Overflows(runner) : 0;
        errors = runner.Run(one);
        if (!runner.running()) continue;
        CheckInvariants(runner, Overflows(runner) != overflows);
        dialogOpen = DialogOpen(runner, errors);
    }
    return 0;
}
