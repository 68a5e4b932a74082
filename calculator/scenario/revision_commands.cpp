// Scenario commands for revisions and comparison: compare PATH, issue
// pdf|print, print revisions, open-revision N and compare-revision N.
#include <ostream>

#include "document/revisions.h"
#include "mainwindow/revision_menu.h"
#include "scenario_runner.h"

namespace veltra {

namespace {

void PrintLines(ScenarioRunner& r, const std::optional<ComparisonWindowModel>& model) {
    if (!model) return;
    for (const std::string& line : model->Lines(r.app().decimalSeparator)) r.out() << line << '\n';
}

void Compare(ScenarioRunner& r, const std::string& arguments) {
    if (arguments.empty()) return r.Error("wrong arguments: compare PATH");
    const auto path = r.FileToRead(arguments);
    if (path.empty()) return;
    std::optional<ComparisonWindowModel> model;
    r.FileEvent(path, arguments, [&] { model = CompareWithFile(r.app(), path); });
    PrintLines(r, model);
}

std::optional<int> Counter(ScenarioRunner& r, const std::string& arguments, const char* usage) {
    try {
        size_t end = 0;
        const int n = std::stoi(arguments, &end);
        if (end == arguments.size() && n > 0) return n;
    } catch (const std::exception&) {
    }
    r.Error(std::string("wrong arguments: ") + usage);
    return std::nullopt;
}

// The document is made as "Отчет в PDF…" or "Печать…" would make it; the
// revision's time is fixed so that the output stays the same.
void Issue(ScenarioRunner& r, const std::string& arguments) {
    if (arguments != "pdf" && arguments != "print")
        return r.Error("wrong arguments: issue pdf|print");
    const IssuedAs as = arguments == "pdf" ? IssuedAs::Pdf : IssuedAs::Print;
    const IssuedRevision* revision = nullptr;
    r.Event([&] {
        revision = IssueRevision(r.app(), as, as == IssuedAs::Pdf ? "%PDF-scenario" : "",
                                 "2026-12-10T12:00:00");
    });
    r.out() << "revision " << (revision ? revision->number : "-") << '\n';
}

void PrintRevisions(ScenarioRunner& r) {
    const auto rows = RevisionRows(r.app());
    if (rows.empty()) r.out() << "revisions -\n";
    for (const RevisionRow& row : rows)
        r.out() << "revision " << row.counter << " | " << row.number << " | " << row.as << " | "
                << row.total << '\n';
}

}  // namespace

void RegisterRevisionCommands(ScenarioRunner& runner) {
    runner.RegisterCommand("compare", Compare);
    runner.RegisterCommand("issue", Issue);
    runner.RegisterCommand("open-revision", [](ScenarioRunner& r, const std::string& arguments) {
        const auto n = Counter(r, arguments, "open-revision N");
        if (!n) return;
        if (!FindRevision(r.app(), *n)) return r.Error("open-revision: no revision " + arguments);
        r.Event([&] { OpenRevision_Click(r.app(), r.app().form, *n); });
    });
    runner.RegisterCommand("compare-revision", [](ScenarioRunner& r, const std::string& arguments) {
        const auto n = Counter(r, arguments, "compare-revision N");
        if (!n) return;
        std::optional<ComparisonWindowModel> model;
        r.Event([&] { model = CompareWithRevision(r.app(), *n); });
        PrintLines(r, model);
    });
    for (const char* command : {"compare", "issue", "open-revision", "compare-revision"})
        runner.MainWindowLine(command);

    const auto earlierPrint = runner.FindCommand("print");
    runner.RegisterCommand("print",
                           [earlierPrint](ScenarioRunner& r, const std::string& arguments) {
                               if (arguments == "revisions") return PrintRevisions(r);
                               earlierPrint(r, arguments);
                           });
}

}  // namespace veltra
