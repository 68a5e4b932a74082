#include "help_entries.h"

#include <algorithm>

#include "catalogue/help_target.h"

namespace veltra {

const std::vector<HelpEntry>& HelpEntries() {
    static const std::vector<HelpEntry> entries = {
        {"ARFlatBttn1", "v4_overview.chm::/overviev_veltra/overviev_veltra_3_2.htm"},
        {"ARFlatBttn3", "v4_overview.chm::/terminal_eq/terminal_eq.htm"},
        {"Command20", "v4_overview.chm::/overviev_veltra/overviev_veltra_3_3.htm"},
        {"HelpOverviewVeltra", "v4_overview.chm"},
        {"HelpOverviewVeltraFunction", "v4_overview.chm::/function_overview/function_overview.htm"},
        {"HelpOverviewVeltraTechnicData",
         "v4_overview.chm::/technical_paremetrs/technical_paremetrs.htm"},
    };
    return entries;
}

void ShowHelpEntry(App& app, std::string_view name) {
    for (const HelpEntry& entry : HelpEntries()) {
        if (name == entry.name) ShowHelp(app, entry.target);
    }
}

const char* PageHelpTopic(int tab) {
    static const char* const kTopics[kTabCount] = {
        "VeltraCalculator.chm::/source/an_ext.htm",  "VeltraCalculator.chm::/source/an_trunk.htm",
        "VeltraCalculator.chm::/source/dect.htm",    "VeltraCalculator.chm::/source/power.htm",
        "VeltraCalculator.chm::/source/frame.htm",   "VeltraCalculator.chm::/source/additional.htm",
        "VeltraCalculator.chm::/source/reports.htm",
    };
    return tab >= 1 && tab <= kTabCount ? kTopics[tab - 1] : "VeltraCalculator.chm";
}

void ShowPageHelp(App& app, const MainFormModel& form) {
    ShowHelp(app, PageHelpTopic(form.TabStrip1));
}

HelpRequest ParseHelpTarget(std::string_view target) {
    HelpRequest request;
    if (const size_t window = target.find('>'); window != std::string_view::npos) {
        request.window = target.substr(window + 1);
        target = target.substr(0, window);
    }
    if (const size_t topic = target.find("::"); topic != std::string_view::npos) {
        request.topic = target.substr(topic + 2);
        target = target.substr(0, topic);
        // Topics written with a backslash name the same page inside the file.
        std::replace(request.topic.begin(), request.topic.end(), '\\', '/');
        if (!request.topic.empty() && request.topic.front() != '/')
            request.topic.insert(request.topic.begin(), '/');
    }
    request.file = target;
    return request;
}

std::vector<std::string> ChmViewerArguments(const std::string& path, const std::string& topic,
                                            std::optional<int> context) {
    if (context) return {"-c", std::to_string(*context), path};
    if (topic.empty()) return {path};
    return {"file:" + path + "#xchm:" + topic};
}

std::string MissingHelpFileMessage(const std::string& file,
                                   const std::vector<std::string>& folders) {
    std::string text = "Файл справки \"" + file + "\" не найден ";
    text += folders.size() == 1 ? "в папке программы:" : "ни в папке программы, ни в папке данных:";
    for (const std::string& folder : folders) text += "\n" + folder;
    return text;
}

std::string ViewerDataDirs(const std::string& helpFolder, const std::string& current) {
    return helpFolder +
           "/help-viewer:" + (current.empty() ? "/usr/local/share:/usr/share" : current);
}

std::string MissingHelpViewerMessage(const std::string& file) {
    return "Для просмотра справки \"" + file +
           "\" нужна программа просмотра файлов CHM (xchm), но она не установлена.";
}

}  // namespace veltra
