#pragma once
// Runs plain-text scenarios against the same models a user drives and prints
// what the user would see. One command per line; see the README beside this
// file for the language.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/recording_platform.h"
#include "report/proposal_export.h"
#include "state/app.h"

namespace veltra {

class InputCalcBox;

class ScenarioRunner {
  public:
    using Handler = std::function<void(ScenarioRunner&, const std::string& arguments)>;

    ScenarioRunner(std::ostream& out, std::filesystem::path baseDirectory);
    ~ScenarioRunner();

    // Adds or replaces a command. Commands run after start-up.
    void RegisterCommand(const std::string& name, Handler handler);
    // The command registered under this name, or an empty handler; lets a later
    // registration extend an earlier one.
    Handler FindCommand(const std::string& name) const;

    // Runs every line; returns the number of error lines printed.
    int Run(std::istream& script);
    // While set, every line that ran the calculation prints "PREFIXLINE COMMAND
    // N" there: N calculations, start-up's included in the first line's.
    void CountCalculations(std::ostream* counts, std::string prefix);

    // Whether start-up has run and succeeded, so that app() holds a program.
    bool running() const { return app_ && !startFailed_; }
    App& app() { return *app_; }
    RecordingPlatform& platform() { return platform_; }
    std::ostream& out() { return out_; }
    int line() const { return line_; }

    // Prints "error LINE MESSAGE".
    void Error(const std::string& message);
    // Prints "error LINE modal WINDOW is open": the line cannot reach its
    // window while WINDOW is on top.
    void RefuseUnder(const std::string& window);

    // A command module's modal windows: the name of its top one, or "" while
    // it has none open.
    using WindowQuery = std::function<std::string()>;
    // Adds a module's windows. A module added later lies above the earlier
    // ones: the last one with a window open names the top window.
    void AddWindows(WindowQuery top);
    // The top modal window's name; "" while only the main window is open.
    std::string TopWindow() const;
    // Marks the lines of a command that act on the main window: all of them,
    // or those whose arguments `matches` accepts. While a modal window is
    // open such a line prints "error LINE modal NAME is open" and does nothing.
    void MainWindowLine(const std::string& command,
                        std::function<bool(const std::string& arguments)> matches = {});
    // Runs around every command line that reaches its window: `before` ahead
    // of it (command and arguments), `after` once it has run.
    using LineHook = std::function<void(const std::string& command, const std::string& arguments)>;
    void AroundLines(LineHook before, std::function<void()> after);
    // Runs a user event: overflow errors become the message box they show.
    void Event(const std::function<void()>& handler);

    // Where the calculation files of `save` and `load` go: relative paths
    // resolve against this run's work folder, a temporary one made on first
    // use and removed with the runner unless KeepFilesIn named one. `load`
    // falls back to the scenario's folder for a file this run did not write.
    // Empty, after an error line, for a path that is absolute, empty or
    // climbs out with "..".
    void KeepFilesIn(std::filesystem::path folder);
    std::filesystem::path FileToWrite(const std::string& written);
    std::filesystem::path FileToRead(const std::string& written);
    // Runs a user event whose messages name `path` as the scenario wrote it.
    void FileEvent(const std::filesystem::path& path, const std::string& written,
                   const std::function<void()>& handler);

  private:
    void Execute(const std::string& command, const std::string& arguments);
    void EnsureStarted();
    bool IsMainWindowLine(const std::string& command, const std::string& arguments) const;
    bool CheckFilePath(const std::string& written);
    const std::filesystem::path& WorkFolder();

    std::ostream& out_;
    std::ostream* counts_ = nullptr;
    std::string countsPrefix_;
    std::filesystem::path base_;
    std::filesystem::path work_;
    bool ownWork_ = false;
    std::pair<std::string, std::string> shownPath_;  // a path in messages, and its text
    RecordingPlatform platform_;
    std::unique_ptr<App> app_;
    std::filesystem::path priceList_;
    char decimal_ = ',';
    bool started_ = false;
    bool startFailed_ = false;
    int line_ = 0;
    int errors_ = 0;
    std::map<std::string, Handler> commands_;
    std::vector<WindowQuery> windows_;
    std::multimap<std::string, std::function<bool(const std::string&)>> mainWindowLines_;
    std::vector<std::pair<LineHook, std::function<void()>>> aroundLines_;
};

// Opens the input calculator as a keypad on top of the windows open now, on a
// box that is no main-window field (a dialog's entry box), remembered as
// InputCalcTarget; `closed` runs as a user event once it has closed. The
// caller sets InputCalcMax first.
using InputCalcOpener =
    std::function<void(std::unique_ptr<InputCalcBox> box, std::function<void()> closed)>;

// The commands for the main window and the calculation.
void RegisterMainWindowCommands(ScenarioRunner& runner);
// open, hover, close and print dialog for the line-board dialogs; click acts on
// the top dialog while one is open. Register after the main window's commands.
void RegisterDialogCommands(ScenarioRunner& runner);
// The same for the base station, handset, networking software and IP unit
// dialogs, plus slider, type and leave. Register after the line-board ones.
// The handset dialog's calculator button opens the input calculator through
// `openInputCalc`, which is filled in once the keypad commands exist.
void RegisterUnitDialogCommands(ScenarioRunner& runner,
                                std::shared_ptr<const InputCalcOpener> openInputCalc);

// print proposal and export-pdf PATH (painted by renderPdf; without one,
// export-pdf is an error line): the commercial proposal's document.
void RegisterProposalDocumentCommands(ScenarioRunner& runner, ProposalRenderer renderPdf);
// save PATH, load PATH and print document: the calculation file.
void RegisterDocumentCommands(ScenarioRunner& runner);
// compare PATH, issue pdf|print, print revisions, open-revision N and
// compare-revision N: revisions and comparison. Register after the document's.
void RegisterRevisionCommands(ScenarioRunner& runner);
// discount TEXT, proposal FIELD VALUE and print proposal-details.
void RegisterProposalCommands(ScenarioRunner& runner);
// undo, redo and print undo; every line that is a user's step is recorded.
// Register after the commands whose lines it names.
void RegisterUndoCommands(ScenarioRunner& runner);

// Every command of the scenario language, in the order that lets later ones
// extend earlier ones.
void RegisterAllCommands(ScenarioRunner& runner, ProposalRenderer renderPdf = {});

// Splits "NAME(3)" into "NAME" and 3; index -1 when there is none.
bool SplitIndexedName(const std::string& text, std::string& name, int& index);
std::vector<std::string> SplitWords(const std::string& text);

}  // namespace veltra
