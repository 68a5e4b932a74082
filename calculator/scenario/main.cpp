// veltra-scenario [--workdir DIR] [--expect EXPECTED] FILE: runs a scenario and
// prints what the user would see; with --expect, compares the output with a
// file instead. --workdir keeps the files the scenario saves in DIR.
#include <fstream>
#include <iostream>
#include <sstream>

#include "scenario_runner.h"

namespace {

int Usage() {
    std::cerr << "usage: veltra-scenario [--workdir DIR] [--expect EXPECTED] FILE\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string expected, file, workdir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--expect" && i + 1 < argc) {
            expected = argv[++i];
        } else if (arg == "--workdir" && i + 1 < argc) {
            workdir = argv[++i];
        } else if (file.empty() && arg.rfind("--", 0) != 0) {
            file = arg;
        } else {
            return Usage();
        }
    }
    if (file.empty()) return Usage();
    std::ifstream script(file);
    if (!script) {
        std::cerr << "veltra-scenario: cannot open " << file << '\n';
        return 2;
    }
    const auto base = std::filesystem::absolute(file).parent_path();
    if (expected.empty()) {
        veltra::ScenarioRunner runner(std::cout, base);
        if (!workdir.empty()) runner.KeepFilesIn(std::filesystem::absolute(workdir));
        veltra::RegisterAllCommands(runner);
        return runner.Run(script) == 0 ? 0 : 1;
    }

    std::ostringstream output;
    veltra::ScenarioRunner runner(output, base);
    if (!workdir.empty()) runner.KeepFilesIn(std::filesystem::absolute(workdir));
    veltra::RegisterAllCommands(runner);
    runner.Run(script);
    std::ifstream wantedFile(expected);
    if (!wantedFile) {
        std::cerr << "veltra-scenario: cannot open " << expected << '\n';
        return 2;
    }
    std::istringstream got(output.str());
    std::string want, have;
    for (int line = 1;; ++line) {
        const bool moreWant = bool(std::getline(wantedFile, want));
        const bool moreHave = bool(std::getline(got, have));
        if (!moreWant && !moreHave) return 0;
        if (moreWant != moreHave || want != have) {
            std::cout << output.str() << "\n--- first difference at output line " << line
                      << "\nexpected: " << (moreWant ? want : "<end>")
                      << "\nactual:   " << (moreHave ? have : "<end>") << '\n';
            return 1;
        }
    }
}
