// Scenario commands for the calculation file: save, load and print document.
#include <ostream>

#include "document/calculation_file.h"
#include "mainwindow/file_menu.h"
#include "scenario_runner.h"

namespace veltra {

namespace {

void Save(ScenarioRunner& r, const std::string& arguments) {
    if (arguments.empty()) return r.Error("wrong arguments: save PATH");
    const auto path = r.FileToWrite(arguments);
    if (path.empty()) return;
    r.FileEvent(path, arguments, [&] { SaveCalculation(r.app(), path); });
}

void Load(ScenarioRunner& r, const std::string& arguments) {
    if (arguments.empty()) return r.Error("wrong arguments: load PATH");
    const auto path = r.FileToRead(arguments);
    if (path.empty()) return;
    r.FileEvent(path, arguments, [&] { OpenAndShow(r.app(), r.app().form, path); });
}

void PrintDocument(ScenarioRunner& r) {
    const App& app = r.app();
    if (app.document.file.empty()) {
        r.out() << "document -\n";
        return;
    }
    r.out() << "document " << DocumentName(app) << " | "
            << (HasUnsavedChanges(app) ? "changed" : "saved") << '\n';
}

}  // namespace

void RegisterDocumentCommands(ScenarioRunner& runner) {
    runner.RegisterCommand("save", Save);
    runner.RegisterCommand("load", Load);
    // Both are the main window's menu: refused while a modal window is open.
    runner.MainWindowLine("save");
    runner.MainWindowLine("load");

    const auto earlierPrint = runner.FindCommand("print");
    runner.RegisterCommand("print",
                           [earlierPrint](ScenarioRunner& r, const std::string& arguments) {
                               if (arguments == "document") return PrintDocument(r);
                               earlierPrint(r, arguments);
                           });
}

}  // namespace veltra
