// veltra-scenario [--workdir DIR] [--expect EXPECTED] FILE: runs a scenario and
// prints what the user would see; with --expect, compares the output with a
// file instead. --workdir keeps the files the scenario saves in DIR.
// veltra-scenario --calculations [--expect EXPECTED] FILE...: runs the
// scenarios and prints how often each line ran the calculation instead.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "scenario_runner.h"

#ifdef VELTRA_SCENARIO_PDF
#include <QGuiApplication>
#include <memory>

#include "report/qt/proposal_output.h"
#endif

namespace {

// export-pdf paints through the toolkit, started on the offscreen platform
// at the first one; the toolkit outlives the run.
struct Toolkit {
#ifdef VELTRA_SCENARIO_PDF
    int argc = 1;
    char* argv[2] = {};
    std::unique_ptr<QGuiApplication> application;
#endif
};

veltra::ProposalRenderer PdfRenderer([[maybe_unused]] Toolkit& toolkit,
                                     [[maybe_unused]] char* argv0) {
#ifdef VELTRA_SCENARIO_PDF
    toolkit.argv[0] = argv0;
    return [&toolkit](const veltra::ProposalDocument& document, veltra::RenderedProposal& out,
                      std::string& error) {
        if (!toolkit.application) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            toolkit.application = std::make_unique<QGuiApplication>(toolkit.argc, toolkit.argv);
        }
        return veltra::RenderProposalPdf(document, out, error);
    };
#else
    return {};
#endif
}

int Usage() {
    std::cerr << "usage: veltra-scenario [--workdir DIR] [--expect EXPECTED] FILE\n"
                 "       veltra-scenario --calculations [--expect EXPECTED] FILE...\n";
    return 2;
}

// 0 when `output` is the expected file's text; else prints both and 1.
int Compare(const std::string& output, const std::string& expected) {
    std::ifstream wantedFile(expected);
    if (!wantedFile) {
        std::cerr << "veltra-scenario: cannot open " << expected << '\n';
        return 2;
    }
    std::istringstream got(output);
    std::string want, have;
    for (int line = 1;; ++line) {
        const bool moreWant = bool(std::getline(wantedFile, want));
        const bool moreHave = bool(std::getline(got, have));
        if (!moreWant && !moreHave) return 0;
        if (moreWant != moreHave || want != have) {
            std::cout << output << "\n--- first difference at output line " << line
                      << "\nexpected: " << (moreWant ? want : "<end>")
                      << "\nactual:   " << (moreHave ? have : "<end>") << '\n';
            return 1;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string expected, workdir;
    std::vector<std::string> files;
    bool calculations = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--expect" && i + 1 < argc) {
            expected = argv[++i];
        } else if (arg == "--workdir" && i + 1 < argc) {
            workdir = argv[++i];
        } else if (arg == "--calculations") {
            calculations = true;
        } else if (arg.rfind("--", 0) != 0) {
            files.push_back(arg);
        } else {
            return Usage();
        }
    }
    if (files.empty() || (files.size() > 1 && !calculations)) return Usage();
    Toolkit toolkit;
    const veltra::ProposalRenderer renderPdf = PdfRenderer(toolkit, argv[0]);
    std::ostringstream output;
    for (const std::string& file : files) {
        std::ifstream script(file);
        if (!script) {
            std::cerr << "veltra-scenario: cannot open " << file << '\n';
            return 2;
        }
        const auto base = std::filesystem::absolute(file).parent_path();
        std::ostringstream discarded;
        const bool printing = expected.empty() && !calculations;
        veltra::ScenarioRunner runner(printing       ? std::cout
                                      : calculations ? discarded
                                                     : output,
                                      base);
        if (calculations) {
            runner.CountCalculations(&output, std::filesystem::path(file).stem().string() + ":");
        }
        if (!workdir.empty()) runner.KeepFilesIn(std::filesystem::absolute(workdir));
        veltra::RegisterAllCommands(runner, renderPdf);
        const int errors = runner.Run(script);
        if (printing) return errors == 0 ? 0 : 1;
    }
    if (expected.empty()) {
        std::cout << output.str();
        return 0;
    }
    return Compare(output.str(), expected);
}
