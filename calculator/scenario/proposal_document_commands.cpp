// Scenario commands for the commercial proposal's document: print proposal
// and export-pdf.
#include <ostream>

#include "report/proposal_document.h"
#include "scenario_runner.h"

namespace veltra {

namespace {

void PrintProposal(ScenarioRunner& r) {
    std::vector<std::string> lines;
    r.Event([&] { lines = ProposalSummaryLines(BuildProposalDocument(r.app())); });
    for (const std::string& line : lines) r.out() << "proposal " << line << '\n';
}

void ExportPdf(ScenarioRunner& r, const ProposalRenderer& render, const std::string& arguments) {
    if (arguments.empty()) return r.Error("wrong arguments: export-pdf PATH");
    if (!render) return r.Error("export-pdf: this runner was built without the Qt renderer");
    const auto path = r.FileToWrite(arguments);
    if (path.empty()) return;
    r.FileEvent(path, arguments, [&] { ExportProposalTo(r.app(), path, render); });
}

}  // namespace

void RegisterProposalDocumentCommands(ScenarioRunner& runner, ProposalRenderer renderPdf) {
    runner.RegisterCommand("export-pdf",
                           [renderPdf](ScenarioRunner& r, const std::string& arguments) {
                               ExportPdf(r, renderPdf, arguments);
                           });
    runner.MainWindowLine("export-pdf");

    const auto earlierPrint = runner.FindCommand("print");
    runner.RegisterCommand("print",
                           [earlierPrint](ScenarioRunner& r, const std::string& arguments) {
                               if (arguments == "proposal") return PrintProposal(r);
                               earlierPrint(r, arguments);
                           });
}

}  // namespace veltra
