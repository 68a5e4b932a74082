#pragma once
// What the models need from the desktop: message boxes, the help viewer, the
// browser, opening files, the documents folder, input boxes and the system
// colours. The Qt program implements these;
// tests and the scenario runner record them.

#include <optional>
#include <string>

#include "colour.h"

namespace veltra {

enum class MessageIcon { None, Critical, Exclamation, Information };

enum class Answer { Yes, No, Cancel };

enum class SystemColour { Window = 5, ButtonFace = 15, ButtonShadow = 16 };

inline constexpr const char* kAppTitle = "Veltra Calculator";

// The classic button face, shadow and window colours, for platforms that
// have no desktop to ask.
constexpr Colour ClassicSystemColour(SystemColour which) {
    switch (which) {
        case SystemColour::ButtonFace:
            return 0xC0C0C0;
        case SystemColour::ButtonShadow:
            return 0x808080;
        case SystemColour::Window:
            return 0xFFFFFF;
    }
    return 0;
}

class Platform {
  public:
    virtual ~Platform() = default;
    // A modal message box with an OK button only.
    virtual void ShowMessage(const std::string& text, const std::string& title,
                             MessageIcon icon) = 0;
    // The modal power warning box; returns when it is closed.
    virtual void ShowPowerMessage() = 0;
    // Opens a help target ("file.chm::/topic.htm" or "file.chm", optionally
    // "file>window"); without a context number the target's own topic.
    virtual void ShowHelp(const std::string& target, std::optional<int> context) = 0;
    virtual void OpenUrl(const std::string& url) = 0;
    // Opens a file with the desktop's program for its kind; false when
    // nothing could be asked to open it.
    virtual bool OpenFile(const std::string& path) = 0;
    // The user's documents folder; nullopt when there is none.
    virtual std::optional<std::string> DocumentsFolder() = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> InputBox(const std::string& prompt,
                                                const std::string& title) = 0;
    virtual Colour GetSystemColour(SystemColour which) = 0;
    // A modal question with the buttons "Да", "Нет" and "Отмена"; closing
    // the box is Cancel.
    virtual Answer AskYesNoCancel(const std::string& text, const std::string& title) = 0;
    // The desktop's file dialogs for calculation files; nullopt when
    // cancelled. `suggested` is the name (or path) the save dialog offers.
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& title) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const std::string& title,
                                                        const std::string& suggested) = 0;
};

}  // namespace veltra
