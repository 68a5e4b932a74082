// The scenario language: a fuzzed scenario runs line by line on the shipped
// price list; after every line the configuration keeps within the exchange's
// limits and one more full calculation changes nothing. A line that no user
// can produce while a modal window is open prints exactly its error, naming
// that window, and changes nothing.
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/number_text.h"
#include "check.h"
#include "handling/recalculate.h"
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
    s.state = {c.results.CabinetCount,    c.results.PowerConsumption, c.results.PowerUnitCount,
               c.results.PowerTypeForced, c.config.PowerWarningShown, c.results.FecuRequiredLevel};
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
    FUZZ_CHECK(CountBoards(app) <= s.limits.MaxBoards);
    FUZZ_CHECK(CountAllLines(app) <= s.limits.MaxLines);
    FUZZ_CHECK(CountTrunkLines(app) <= s.limits.MaxTrunkLines);
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

// Whether a modal window is open, asked as a user of the language would:
// "print dialog" fails exactly when none is. Its output is thrown away.
bool DialogOpen(ScenarioRunner& runner, int& errors, std::ostringstream& out) {
    std::istringstream probe("print dialog");
    const int before = errors;
    errors = runner.Run(probe);
    out.str("");
    return errors == before;
}

struct Line {
    std::string_view command, arguments;
};

// Split as the runner does.
Line Split(std::string_view line) {
    line = TrimBlanks(line);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t blank = line.find(' ');
    return {line.substr(0, blank),
            blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1)};
}

bool IsKeypad(std::string_view window) {
    return window == "InputCalc" || window == "AddQty" || window == "AddListQty";
}

// The lines a user cannot produce while `top` is the top modal window, which
// the runner refuses: opening any window, the main window's commands, and
// under a keypad the commands of the dialog below it.
bool Refused(Line line, std::string_view top) {
    if (top.empty()) return false;
    const auto [command, arguments] = line;
    if (command == "open" || command == "check" || command == "select" || command == "newcalc" ||
        command == "export" || command == "save" || command == "load")
        return true;
    if (command == "discount" || command == "proposal" || command == "undo" || command == "redo" ||
        command == "export-pdf")
        return true;
    if (command == "issue" || command == "open-revision" || command == "compare" ||
        command == "compare-revision")
        return true;
    if (command == "print") return arguments == "config" || arguments == "cabinet";
    if (command == "click") {
        const auto words = SplitWords(std::string(arguments));
        return words.size() == 1 && (words[0] == "MFUCheck" || words[0] == "OnlyStationMDFCheck" ||
                                     words[0] == "DelAllAddQty");
    }
    return IsKeypad(top) && (command == "hover" || command == "slider" || command == "leave");
}

// Whether the program could make this line now, refused lines aside. The
// main window's fields are read-only: besides the calculation and the
// dialogs, only the input calculator writes text of the user's choosing, into
// the fields beside its buttons; "set" on any other field, or under a modal
// window, writes what the program never does.
bool Reachable(Line line, bool modal) {
    if (line.command != "set") return true;
    if (modal) return false;
    const std::string_view field = line.arguments.substr(0, line.arguments.find(' '));
    for (const FieldButton& button : FieldButtons()) {
        if (button.kind == ButtonKind::InputCalc && field == button.field) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ostringstream out;
    ScenarioRunner runner(out, ".");
    RegisterAllCommands(runner);
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::string text;
    int errors = 0;
    size_t overflowsSoFar = 0;
    for (int lines = 0; lines < 100 && std::getline(script, text); ++lines) {
        const Line line = Split(text);
        const std::string top = runner.running() ? runner.TopWindow() : "";
        const bool refused = Refused(line, top);
        // Other price lists are the price list target's; exports would write
        // files, unless a modal window refuses them. Saves write only into the
        // run's own temporary folder.
        if (text.find("pricelist") != std::string::npos) continue;
        if (text.find("export") != std::string::npos && !refused) continue;
        if (!Reachable(line, !top.empty())) continue;
        std::istringstream one(text);
        if (refused) {
            // One error line naming the top window, and nothing else changes.
            const Snapshot before = Take(runner);
            out.str("");
            const int now = runner.Run(one);
            FUZZ_CHECK(now == errors + 1);
            errors = now;
            FUZZ_CHECK(out.str() ==
                       "error " + std::to_string(runner.line()) + " modal " + top + " is open\n");
            FUZZ_CHECK(Take(runner) == before);
            FUZZ_CHECK(runner.TopWindow() == top);
            out.str("");
            continue;
        }
        const size_t overflows = runner.running() ? Overflows(runner) : 0;
        errors = runner.Run(one);
        // Every other line reaches its window. An error line may repeat what
        // the line said, so only a line's start counts.
        const std::string refusal = "error " + std::to_string(runner.line()) + " modal ";
        FUZZ_CHECK(out.str().rfind(refusal, 0) == std::string::npos &&
                   out.str().find('\n' + refusal) == std::string::npos);
        out.str("");
        if (!runner.running()) continue;
        // Undo and redo give back exactly what a step left, which after an
        // overflow may be what a first calculation repairs.
        const bool history = line.command == "undo" || line.command == "redo";
        CheckInvariants(runner, Overflows(runner) != overflows || (history && overflowsSoFar > 0));
        overflowsSoFar = Overflows(runner);
        // The runner's own idea of the top window is the one its commands act on.
        FUZZ_CHECK(DialogOpen(runner, errors, out) == !runner.TopWindow().empty());
    }
    return 0;
}
