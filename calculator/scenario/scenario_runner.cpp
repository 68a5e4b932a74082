#include "scenario_runner.h"

#include <cstdlib>
#include <istream>
#include <ostream>
#include <stdexcept>

#include "app/startup.h"
#include "catalogue/number_text.h"
#include "catalogue/price_list.h"

namespace veltra {

namespace {

std::string OneLine(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\\r";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

ScenarioRunner::ScenarioRunner(std::ostream& out, std::filesystem::path baseDirectory)
    : out_(out), base_(std::move(baseDirectory)), priceList_(VELTRA_PRICE_LIST) {
    platform_.onMessage = [this](const std::string& text) {
        std::string shown = text;
        const auto& [path, written] = shownPath_;
        if (!path.empty()) {
            for (size_t at = 0; (at = shown.find(path, at)) != std::string::npos;
                 at += written.size())
                shown.replace(at, path.size(), written);
        }
        out_ << "message " << OneLine(shown) << '\n';
    };
    platform_.onHelp = [this](const std::string& target) { out_ << "help " << target << '\n'; };
}

ScenarioRunner::~ScenarioRunner() {
    std::error_code ec;
    if (ownWork_) std::filesystem::remove_all(work_, ec);
}

void ScenarioRunner::RegisterCommand(const std::string& name, Handler handler) {
    commands_[name] = std::move(handler);
}

ScenarioRunner::Handler ScenarioRunner::FindCommand(const std::string& name) const {
    const auto found = commands_.find(name);
    return found == commands_.end() ? Handler() : found->second;
}

void ScenarioRunner::Error(const std::string& message) {
    out_ << "error " << line_ << ' ' << message << '\n';
    ++errors_;
}

void ScenarioRunner::RefuseUnder(const std::string& window) {
    Error("modal " + window + " is open");
}

void ScenarioRunner::AddWindows(WindowQuery top) {
    windows_.push_back(std::move(top));
}

std::string ScenarioRunner::TopWindow() const {
    for (auto module = windows_.rbegin(); module != windows_.rend(); ++module) {
        std::string top = (*module)();
        if (!top.empty()) return top;
    }
    return "";
}

void ScenarioRunner::MainWindowLine(const std::string& command,
                                    std::function<bool(const std::string&)> matches) {
    mainWindowLines_.emplace(command, std::move(matches));
}

bool ScenarioRunner::IsMainWindowLine(const std::string& command,
                                      const std::string& arguments) const {
    const auto [first, last] = mainWindowLines_.equal_range(command);
    for (auto rule = first; rule != last; ++rule) {
        if (!rule->second || rule->second(arguments)) return true;
    }
    return false;
}

void ScenarioRunner::AroundLines(LineHook before, std::function<void()> after) {
    aroundLines_.emplace_back(std::move(before), std::move(after));
}

void ScenarioRunner::Event(const std::function<void()>& handler) {
    RunEvent(*app_, handler);
}

void ScenarioRunner::KeepFilesIn(std::filesystem::path folder) {
    work_ = std::move(folder);
    ownWork_ = false;
}

const std::filesystem::path& ScenarioRunner::WorkFolder() {
    if (work_.empty()) {
        std::string name =
            (std::filesystem::temp_directory_path() / "veltra-scenario-XXXXXX").string();
        if (!mkdtemp(name.data())) throw std::runtime_error("no temporary folder for the run");
        work_ = name;
        ownWork_ = true;
    }
    return work_;
}

bool ScenarioRunner::CheckFilePath(const std::string& written) {
    const std::filesystem::path path(written);
    bool climbs = false;
    for (const auto& part : path) climbs = climbs || part == "..";
    if (written.empty() || path.has_root_path() || climbs) {
        Error("wrong path " + written + ": a relative path that stays in its folder");
        return false;
    }
    return true;
}

std::filesystem::path ScenarioRunner::FileToWrite(const std::string& written) {
    if (!CheckFilePath(written)) return {};
    return WorkFolder() / written;
}

std::filesystem::path ScenarioRunner::FileToRead(const std::string& written) {
    if (!CheckFilePath(written)) return {};
    std::error_code ec;
    const std::filesystem::path own = WorkFolder() / written;
    return std::filesystem::exists(std::filesystem::symlink_status(own, ec)) ? own
                                                                             : base_ / written;
}

void ScenarioRunner::FileEvent(const std::filesystem::path& path, const std::string& written,
                               const std::function<void()>& handler) {
    shownPath_ = {path.string(), written};
    Event(handler);
    shownPath_ = {};
}

void ScenarioRunner::EnsureStarted() {
    if (started_) return;
    started_ = true;
    app_ = std::make_unique<App>(platform_, decimal_);
    // A calculation started inside another ends the run.
    app_->calculations.reentryFatal = true;
    try {
        RunEvent(*app_, [&] { StartUp(*app_, priceList_); });
    } catch (const PriceListError& error) {
        startFailed_ = true;
        // Name the file as the scenario did, whatever folder it runs from.
        std::string message = error.what();
        const std::string folder = base_.string() + "/";
        for (size_t at; (at = message.find(folder)) != std::string::npos;)
            message.erase(at, folder.size());
        Error("start-up failed: " + message);
    }
}

int ScenarioRunner::Run(std::istream& script) {
    std::string text;
    while (std::getline(script, text)) {
        ++line_;
        const std::string trimmed(TrimBlanks(text));
        std::string_view view = trimmed;
        while (!view.empty() && view.back() == '\r') view.remove_suffix(1);
        if (view.empty() || view.front() == '#') continue;
        const size_t blank = view.find(' ');
        const std::string command(view.substr(0, blank));
        const std::string arguments(blank == std::string_view::npos ? "" : view.substr(blank + 1));
        const long before = app_ ? app_->calculations.count : 0;
        Execute(command, arguments);
        const long ran = (app_ ? app_->calculations.count : 0) - before;
        if (counts_ && ran > 0)
            *counts_ << countsPrefix_ << line_ << ' ' << command << ' ' << ran << '\n';
    }
    return errors_;
}

void ScenarioRunner::CountCalculations(std::ostream* counts, std::string prefix) {
    counts_ = counts;
    countsPrefix_ = std::move(prefix);
}

void ScenarioRunner::Execute(const std::string& command, const std::string& arguments) {
    if (command == "pricelist" || command == "decimal") {
        if (started_) {
            Error(command + " must come before every other command");
            return;
        }
        if (command == "pricelist") {
            if (arguments.empty()) return Error("wrong arguments: pricelist PATH");
            priceList_ = base_ / arguments;
        } else {
            if (arguments != "," && arguments != ".")
                return Error("wrong arguments: decimal , or .");
            decimal_ = arguments[0];
        }
        return;
    }
    const auto found = commands_.find(command);
    if (found == commands_.end()) return Error("unknown command " + command);
    EnsureStarted();
    if (startFailed_) return Error("no program: start-up failed");
    // A modal window takes all input: the main window's lines cannot reach it.
    if (IsMainWindowLine(command, arguments)) {
        const std::string top = TopWindow();
        if (!top.empty()) return RefuseUnder(top);
    }
    for (const auto& hooks : aroundLines_) hooks.first(command, arguments);
    found->second(*this, arguments);
    for (const auto& hooks : aroundLines_) hooks.second();
}

bool SplitIndexedName(const std::string& text, std::string& name, int& index) {
    const size_t open = text.find('(');
    if (open == std::string::npos) {
        name = text;
        index = -1;
        return !text.empty();
    }
    if (text.back() != ')' || open == 0) return false;
    name = text.substr(0, open);
    const std::string digits = text.substr(open + 1, text.size() - open - 2);
    if (digits.empty() || digits.size() > 4 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    index = std::stoi(digits);
    return true;
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

}  // namespace veltra
