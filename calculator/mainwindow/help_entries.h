#pragma once
// The help buttons and menu entries of the main window, and how a help target
// is handed to the CHM viewer of the desktop.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/app.h"
#include "state/main_form_model.h"

namespace veltra {

struct HelpEntry {
    const char* name;  // button or menu control
    const char* target;
};

const std::vector<HelpEntry>& HelpEntries();
// Calls ShowHelp with the entry's target; an unknown name does nothing.
void ShowHelpEntry(App& app, std::string_view name);

// F1 on the main window: the help topic of the page shown (tab 1..7). The
// pages' "?" buttons open the exchange's overview, which describes the
// equipment; F1 opens the page's own topic in the program's help.
const char* PageHelpTopic(int tab);
void ShowPageHelp(App& app, const MainFormModel& form);
// F1 on the power warning (how the power supply is chosen) and on the About
// box (the program's own help).
inline constexpr const char* kPowerMessageHelpTopic = "VeltraCalculator.chm::/source/power.htm";
inline constexpr const char* kAboutHelpTopic = "VeltraCalculator.chm::/source/main_window.htm";

// A help target taken apart: "file.chm::/topic.htm>window".
struct HelpRequest {
    std::string file;
    std::string topic;   // "" for the file's default topic; forward slashes
    std::string window;  // "" when none is named
};
HelpRequest ParseHelpTarget(std::string_view target);

// The command-line arguments of the CHM viewer for a file at an absolute path.
std::vector<std::string> ChmViewerArguments(const std::string& path, const std::string& topic,
                                            std::optional<int> context);

inline constexpr const char* kChmViewer = "xchm";

// Names every folder searched: the program's, then the installed data folder.
std::string MissingHelpFileMessage(const std::string& file,
                                   const std::vector<std::string>& folders);

// XDG_DATA_DIRS for the viewer: the help folder's "help-viewer" entry first
// (it makes the viewer render ".htm" pages), then the current value or the
// default that an unset variable stands for.
std::string ViewerDataDirs(const std::string& helpFolder, const std::string& current);
std::string MissingHelpViewerMessage(const std::string& file);

}  // namespace veltra
