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
#include <vector>

#include "catalogue/recording_platform.h"
#include "state/app.h"

namespace veltra {

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

    // Whether start-up has run and succeeded, so that app() holds a program.
    bool running() const { return app_ && !startFailed_; }
    App& app() { return *app_; }
    RecordingPlatform& platform() { return platform_; }
    std::ostream& out() { return out_; }
    int line() const { return line_; }

    // Prints "error LINE MESSAGE".
    void Error(const std::string& message);
    // Runs a user event: overflow errors become the message box they show.
    void Event(const std::function<void()>& handler);

  private:
    void Execute(const std::string& command, const std::string& arguments);
    void EnsureStarted();

    std::ostream& out_;
    std::filesystem::path base_;
    RecordingPlatform platform_;
    std::unique_ptr<App> app_;
    std::filesystem::path priceList_;
    char decimal_ = ',';
    bool started_ = false;
    bool startFailed_ = false;
    int line_ = 0;
    int errors_ = 0;
    std::map<std::string, Handler> commands_;
};

// The commands for the main window and the calculation.
void RegisterMainWindowCommands(ScenarioRunner& runner);
// open, hover, close and print dialog for the line-board dialogs; click acts on
// the top dialog while one is open. Register after the main window's commands.
void RegisterDialogCommands(ScenarioRunner& runner);
// The same for the base station, handset, networking software and IP unit
// dialogs, plus slider, type and leave. Register after the line-board ones.
void RegisterUnitDialogCommands(ScenarioRunner& runner);

// Every command of the scenario language, in the order that lets later ones
// extend earlier ones.
void RegisterAllCommands(ScenarioRunner& runner);

// Splits "NAME(3)" into "NAME" and 3; index -1 when there is none.
bool SplitIndexedName(const std::string& text, std::string& name, int& index);
std::vector<std::string> SplitWords(const std::string& text);

}  // namespace veltra
